#pragma once

#include "host_members.h"

#include <QString>

#include <optional>

namespace standin {

// The root under which every object of the host stands on the bus.
QString objectRoot();
QString pathOf(const ObjectAddress &address);
// Nothing when the path names no object of the host.
std::optional<ObjectAddress> parsePath(const QString &path);
QString interfaceOf(ObjectKind kind);

} // namespace standin
