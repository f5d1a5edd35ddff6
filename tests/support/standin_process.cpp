#include "standin_process.h"

#include "host/dbus/orvanto_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QThread>

StandinProcess::StandinProcess(const QStringList &arguments)
    : m_arguments(arguments) {
    // What the stand-in says of a failure (a listing it can't write, a bus name it
    // can't take) shows in the test's output.
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
}

StandinProcess::~StandinProcess() {
    stop();
}

bool StandinProcess::start() {
    m_process.start(QStringLiteral(ORVANTO_STANDIN_PATH), m_arguments);
    return m_process.waitForStarted() && waitForStandinOnBus(true);
}

void StandinProcess::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
    waitForStandinOnBus(false);
}

bool StandinProcess::waitForExit(int timeoutMs) {
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
}

bool standinOnBus() {
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr && bus->isServiceRegistered(vandelor::host::bus::ServiceName).value();
}

bool waitForStandinOnBus(bool owned, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (standinOnBus() != owned) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}
