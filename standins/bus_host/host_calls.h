#pragma once

#include "host_members.h"
#include "object_paths.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace standin {

// What a call gets back on the bus: the reply's values, or an error name with its text.
struct CallOutcome {
    QList<QVariant> reply;
    QString errorName;
    QString errorText;

    bool failed() const { return !errorName.isEmpty(); }
};

// The host's members on the session bus: checks that a call names an object, an
// interface and a member of the host with the member's signature, decodes its
// arguments and carries it out through HostMembers. A call that doesn't fit gets
// an error, never undefined behaviour.
class HostCalls {
public:
    explicit HostCalls(HostModel &model);

    // interface may be empty: the member is then looked up by name alone.
    CallOutcome handle(const QString &path, const QString &interface, const QString &member,
                       const QString &signature, const QList<QVariant> &arguments);

    // The introspection data of the object at path; empty when there is none.
    QString introspect(const QString &path) const;

private:
    HostMembers m_members;
};

} // namespace standin
