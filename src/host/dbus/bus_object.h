#pragma once

#include "host/host_value.h"

#include <QString>

#include <memory>

namespace vandelor::host {

// The host process as one activation reached it: its unique bus name, and whether it
// has vanished or stopped answering since.
struct BusPeer {
    QString uniqueName;
    bool gone = false;
};

// A host object on the bus. Objects reached from one activation share its peer.
class BusObject : public HostObjectData {
public:
    BusObject(std::shared_ptr<BusPeer> peer, QString path, QString interface)
        : peer(std::move(peer))
        , path(std::move(path))
        , interface(std::move(interface)) {}

    std::shared_ptr<BusPeer> peer;
    QString path;
    QString interface;
};

} // namespace vandelor::host
