#pragma once

#include "host/call_result.h"
#include "host/dbus/bus_object.h"
#include "host/host_value.h"

#include <QList>
#include <QVariant>

namespace vandelor::host {

// The bus form of the arguments of one call to an object of peer; the reason why
// not when an argument can't be passed (nothing, or an object of another host).
struct BusArguments {
    QList<QVariant> values;
    QString error;
};
BusArguments toBusArguments(const HostArguments &arguments, const BusPeer &peer);

// The value of a reply's first argument. An object path becomes an object of peer
// with resultInterface; the path "/" becomes an empty object.
CallResult fromBusReply(const QList<QVariant> &replyArguments, const std::shared_ptr<BusPeer> &peer,
                        const QString &resultInterface);

} // namespace vandelor::host
