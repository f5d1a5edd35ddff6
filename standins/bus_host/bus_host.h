#pragma once

#include "host_calls.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QTimer>

namespace standin {

// What the stand-in spent on the calls so far, for the benchmarks: the calls
// themselves (decoding, applying, building the reply), the answering of each burst
// (the listing written and the replies sent), and the processor time of the whole
// program, the bus connection's thread and the window included.
struct StandinCost {
    quint64 calls = 0;
    quint64 callNs = 0;
    quint64 bursts = 0;
    quint64 burstNs = 0;
};

// Puts the host's objects on a bus connection: every call to a path under the
// object root is answered by HostCalls, with a reply or an error reply.
//
// Calls that arrive in a burst are applied at once, their replies held back; when
// the burst is over, burstApplied() lets the listing and the window catch up once,
// and then the replies go out in order. So whoever has the reply to a call finds
// the listing on disk with that call in it.
//
// After quitAfterCalls calls (when set) the host leaves, as a crashing host would:
// the replies held so far go out, later calls are not answered.
class BusHost : public QDBusVirtualObject {
    Q_OBJECT

public:
    // The stand-in's own object, beside the host's: answers "Cost" with the
    // figures of StandinCost, in their order.
    static constexpr QLatin1StringView CostPath{"/Standin"};
    static constexpr QLatin1StringView CostInterface{"com.brennicot.ORVANTO.Standin"};

    BusHost(HostModel &model, int quitAfterCalls, QObject *parent = nullptr);

    // Whether replies wait for the end of their burst, for a listing that must
    // be on disk before the caller hears back; without one they go out at once.
    void setHoldReplies(bool hold) { m_holdReplies = hold; }
    // Every call then takes this long and is answered on its own, as a busy
    // host answers.
    void setDelayPerCall(int ms) { m_delayMs = ms; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;
    QString introspect(const QString &path) const override;

Q_SIGNALS:
    // A burst of calls was applied; its replies go out when the receivers return.
    void burstApplied(int callCount);

private:
    void answerBurst();
    QString introspectionDocument(const QString &path) const;

    HostCalls m_calls;
    int m_quitAfterCalls;
    int m_callCount = 0;
    bool m_holdReplies = true;
    int m_delayMs = 0;
    QDBusConnection m_connection{QString()};
    QList<QDBusMessage> m_heldReplies;
    QTimer m_burstEnd;
    StandinCost m_cost;
    QElapsedTimer m_clock;
};

} // namespace standin
