#pragma once

#include <QProcess>
#include <QStringList>

// The stand-in program run as a child process on the session bus, for tests and
// benchmarks. Stops it when it goes.
class StandinProcess {
public:
    explicit StandinProcess(const QStringList &arguments = {});
    ~StandinProcess();
    StandinProcess(const StandinProcess &) = delete;
    StandinProcess &operator=(const StandinProcess &) = delete;

    // Starts it and waits until it owns its bus name; false when it doesn't in time.
    bool start();
    // Ends it and waits until its bus name is free again.
    void stop();
    // Waits for it to end by itself.
    bool waitForExit(int timeoutMs);
    qint64 processId() const { return m_process.processId(); }

private:
    QProcess m_process;
    QStringList m_arguments;
};

// Whether the stand-in's bus name has an owner.
bool standinOnBus();
// Waits until the bus name is owned (or free); false when that doesn't happen in time.
bool waitForStandinOnBus(bool owned, int timeoutMs = 10000);
