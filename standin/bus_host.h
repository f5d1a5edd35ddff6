#pragma once

#include "host_calls.h"

#include <QDBusVirtualObject>

namespace standin {

// Puts the host's objects on a bus connection: every call to a path under the
// object root is answered by HostCalls, with a reply or an error reply. After
// quitAfterCalls calls (when set) the host leaves, as a crashing host would: the
// last call is answered, later ones are not.
class BusHost : public QDBusVirtualObject {
    Q_OBJECT

public:
    BusHost(HostModel &model, int quitAfterCalls, QObject *parent = nullptr);

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;
    QString introspect(const QString &path) const override;

    int callCount() const { return m_callCount; }

Q_SIGNALS:
    void callHandled(int count);

private:
    QString introspectionDocument(const QString &path) const;

    HostCalls m_calls;
    int m_quitAfterCalls;
    int m_callCount = 0;
};

} // namespace standin
