#include "host/dbus/bus_transport.h"

#include <QDBusPendingCallWatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace vandelor::host {

namespace {

// A reply mostly comes within microseconds of the call, so the wait first
// only yields the processor, then naps, for a short while.
constexpr int YieldsBeforeNapping = 50;
constexpr unsigned long NapMicroseconds = 20;
constexpr qint64 BusyWaitMs = 2;

// Waits for a slow host's reply in an event loop, so that the program's
// windows go on painting and answering the accessibility bus; input waits
// until the reply is in.
void waitHandlingEvents(const QDBusPendingCall &pending, QDeadlineTimer deadline) {
    const QDBusPendingCallWatcher watcher(pending);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    QTimer expiry;
    expiry.setSingleShot(true);
    QObject::connect(&expiry, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (!deadline.isForever())
        expiry.start(std::chrono::milliseconds(deadline.remainingTime()));
    // The watcher tells of a call that finished before it was made, too.
    if (!pending.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

std::optional<QDBusMessage> waitForReply(const QDBusPendingCall &pending, QDeadlineTimer deadline) {
    QElapsedTimer waiting;
    waiting.start();
    for (int round = 0; !pending.isFinished(); ++round) {
        if (deadline.hasExpired())
            return std::nullopt;
        if (waiting.elapsed() >= BusyWaitMs) {
            waitHandlingEvents(pending, deadline);
            if (!pending.isFinished())
                return std::nullopt;
            break;
        }
        if (round < YieldsBeforeNapping)
            QThread::yieldCurrentThread();
        else
            QThread::usleep(NapMicroseconds);
    }
    return pending.reply();
}

} // namespace

QDBusMessage ConnectionTransport::call(const QDBusMessage &message, int timeoutMs) {
    // The bus answers a call that found no reply in time with an error.
    const std::optional<QDBusMessage> reply =
        waitForReply(m_connection.asyncCall(message, timeoutMs), QDeadlineTimer::Forever);
    return *reply;
}

BusTransport::PendingReply ConnectionTransport::send(const QDBusMessage &message) {
    // The connection's own thread takes in the reply, so it finishes while
    // this thread only waits.
    return [pending = m_connection.asyncCall(message, Untimed)](QDeadlineTimer deadline) {
        return waitForReply(pending, deadline);
    };
}

} // namespace vandelor::host
