#pragma once

#include <QHash>
#include <QString>

namespace vandelor::host {

// What the bus backend needs to know of a host that COM would tell it: which bus name
// plays its main window, where its application object stands, which member a
// dispatch id means on each interface, and which interface an object result has.
struct BusMap {
    QString windowClass;
    QString busName;
    QString progId;
    QString applicationPath;
    QString applicationInterface;
    // interface -> dispatch id -> member name
    QHash<QString, QHash<qint32, QString>> dispatchMembers;
    // interface -> member name -> interface of the object that member returns
    QHash<QString, QHash<QString, QString>> resultInterfaces;
};

// The map of the host measuring program ORVANTO.
BusMap orvantoBusMap();

} // namespace vandelor::host
