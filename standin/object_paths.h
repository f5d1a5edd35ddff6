#pragma once

#include <QString>

#include <optional>

namespace standin {

// The kinds of object the host exports, each under its own interface.
enum class ObjectKind { Application, PartProgram, Commands, Command, FeatureCommand };

// An object path taken apart: its kind and the part program serial or command id in it.
struct ObjectAddress {
    ObjectKind kind = ObjectKind::Application;
    int number = 0;
};

// The root under which every object of the host stands.
QString objectRoot();
QString pathOf(const ObjectAddress &address);
// Nothing when the path names no object of the host.
std::optional<ObjectAddress> parsePath(const QString &path);
QString interfaceOf(ObjectKind kind);

} // namespace standin
