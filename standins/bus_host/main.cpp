#include "bus_host.h"
#include "host/dbus/orvanto_bus.h"
#include "host_model.h"
#include "listing_file.h"
#include "object_paths.h"
#include "standin_options.h"
#include "standin_window.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>

#include <cstdio>
#include <memory>

using namespace standin;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    std::vector<std::string> arguments;
    for (const QString &argument : QApplication::arguments())
        arguments.push_back(argument.toStdString());
    std::string error;
    const std::optional<StandinOptions> options = parseOptions(arguments, error);
    if (!options) {
        std::fprintf(stderr, "orvanto-standin: %s\n", error.c_str());
        return 2;
    }
    if (!options->helpText.empty()) {
        std::fputs(options->helpText.c_str(), stdout);
        return 0;
    }

    HostModel host;
    for (const qint32 code : options->refusedTypes)
        host.refuseAdd(code);
    for (const std::string &id : options->refusedIds)
        host.refuseText(id);
    if (options->partProgram)
        host.openPartProgram(*options->partProgram, !options->empty);
    std::unique_ptr<ListingFile> listing;
    const auto updateListing = [&listing] {
        // Said once; the stand-in goes on without its listing.
        static bool warned = false;
        if (listing && !listing->update() && !warned) {
            std::fprintf(stderr, "orvanto-standin: can't write the listing: %s\n",
                         listing->error().c_str());
            warned = true;
        }
    };
    if (!options->listingPath.empty()) {
        listing = std::make_unique<ListingFile>(host, options->listingPath);
        updateListing();
    }

    BusHost busHost(host, options->quitAfterCalls);
    busHost.setHoldReplies(listing != nullptr);
    busHost.setDelayPerCall(options->delayMs);
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The objects stand before the name is taken, so whoever sees the name finds them.
    if (!bus.registerVirtualObject(objectRoot(), &busHost, QDBusConnection::SubPath) ||
        !bus.registerVirtualObject(BusHost::CostPath, &busHost) ||
        !bus.registerService(vandelor::host::bus::ServiceName)) {
        std::fprintf(stderr, "orvanto-standin: can't take %s on the session bus: %s\n",
                     qPrintable(QString(vandelor::host::bus::ServiceName)),
                     qPrintable(bus.lastError().message()));
        return 1;
    }

    StandinWindow window(host);
    QObject::connect(&busHost, &BusHost::burstApplied, &window, [&](int calls) {
        updateListing();
        window.showCalls(calls);
    });
    QObject::connect(&window, &StandinWindow::partProgramReplaced, &window, updateListing);
    window.show();
    return QApplication::exec();
}
