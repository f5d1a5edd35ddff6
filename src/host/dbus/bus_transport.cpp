#include "host/dbus/bus_transport.h"

#include <QThread>

namespace vandelor::host {

namespace {

// A reply mostly comes within microseconds of the last one, so the wait
// first only yields the processor, then naps.
constexpr int YieldsBeforeNapping = 50;
constexpr unsigned long NapMicroseconds = 20;

} // namespace

BusTransport::PendingReply ConnectionTransport::send(const QDBusMessage &message) {
    // The connection's own thread takes in the reply, so it finishes while
    // this thread only waits.
    return [pending = m_connection.asyncCall(message, Untimed)](
               QDeadlineTimer deadline) -> std::optional<QDBusMessage> {
        for (int round = 0; !pending.isFinished(); ++round) {
            if (deadline.hasExpired())
                return std::nullopt;
            if (round < YieldsBeforeNapping)
                QThread::yieldCurrentThread();
            else
                QThread::usleep(NapMicroseconds);
        }
        return pending.reply();
    };
}

} // namespace vandelor::host
