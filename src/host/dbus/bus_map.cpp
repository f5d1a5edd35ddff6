#include "host/dbus/bus_map.h"

#include "host/dbus/orvanto_bus.h"
#include "host/orvanto_names.h"

namespace vandelor::host {

BusMap orvantoBusMap() {
    const QString application = bus::ApplicationInterface;
    const QString partProgram = bus::PartProgramInterface;
    const QString commands = bus::CommandsInterface;
    const QString command = bus::CommandInterface;

    BusMap map;
    map.windowClass = orvanto::WindowClass;
    map.busName = bus::ServiceName;
    map.progId = orvanto::ApplicationProgId;
    map.applicationPath = bus::ApplicationPath;
    map.applicationInterface = application;
    map.dispatchMembers = {
        {application, {{orvanto::ActivePartProgram.value, QStringLiteral("ActivePartProgram")}}},
        {partProgram,
         {{orvanto::PartProgramName.value, QStringLiteral("Name")},
          {orvanto::PartProgramCommands.value, QStringLiteral("Commands")}}},
    };
    map.resultInterfaces = {
        {application, {{QStringLiteral("ActivePartProgram"), partProgram}}},
        {partProgram, {{QStringLiteral("Commands"), commands}}},
        {commands, {{QStringLiteral("Item"), command}, {QStringLiteral("Add"), command}}},
        {command, {{QStringLiteral("FeatureCommand"), bus::FeatureCommandInterface}}},
    };
    return map;
}

} // namespace vandelor::host
