#pragma once

#include "host_model.h"
#include "object_paths.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace standin {

// What a call gets back: the reply's values, or an error name with its text.
struct CallOutcome {
    QList<QVariant> reply;
    QString errorName;
    QString errorText;

    bool failed() const { return !errorName.isEmpty(); }
};

// The host's members: checks that a call names an object, an interface and a member
// of the host with the member's signature, and carries it out on the model.
// A call that doesn't fit gets an error, never undefined behaviour.
class HostCalls {
public:
    explicit HostCalls(HostModel &model);

    // interface may be empty: the member is then looked up by name alone.
    CallOutcome handle(const QString &path, const QString &interface, const QString &member,
                       const QString &signature, const QList<QVariant> &arguments);

    // The introspection data of the object at path; empty when there is none.
    QString introspect(const QString &path) const;

private:
    using Handler = CallOutcome (HostCalls::*)(int number, const QList<QVariant> &arguments);
    struct Member {
        ObjectKind kind;
        const char *name;
        const char *in;
        const char *out;
        Handler handler;
    };
    static const QList<Member> &members();

    // Whether the object exists now: its part program is open, its command in it.
    bool exists(const ObjectAddress &address) const;

    CallOutcome activePartProgram(int, const QList<QVariant> &);
    CallOutcome name(int, const QList<QVariant> &);
    CallOutcome commands(int serial, const QList<QVariant> &);
    CallOutcome count(int, const QList<QVariant> &);
    CallOutcome item(int, const QList<QVariant> &arguments);
    CallOutcome insertionPointAfter(int, const QList<QVariant> &arguments);
    CallOutcome add(int, const QList<QVariant> &arguments);
    CallOutcome featureCommand(int id, const QList<QVariant> &);
    CallOutcome putText(int id, const QList<QVariant> &arguments);
    CallOutcome setToggleString(int id, const QList<QVariant> &arguments);
    CallOutcome reDraw(int id, const QList<QVariant> &);
    CallOutcome putPoint(int id, const QList<QVariant> &arguments);
    CallOutcome putVector(int id, const QList<QVariant> &arguments);
    CallOutcome putFeature(int id, CommandEntry::Kind kind, const QList<QVariant> &arguments);

    HostModel &m_model;
};

} // namespace standin
