#include "bus_host.h"
#include "host_model.h"
#include "listing_file.h"
#include "object_paths.h"
#include "orvanto_bus.h"
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
    QString error;
    const std::optional<StandinOptions> options = parseOptions(QApplication::arguments(), error);
    if (!options) {
        std::fprintf(stderr, "orvanto-standin: %s\n", qPrintable(error));
        return 2;
    }
    if (!options->helpText.isEmpty()) {
        std::fputs(qPrintable(options->helpText), stdout);
        return 0;
    }

    HostModel host;
    for (const qint32 code : options->refusedTypes)
        host.refuseAdd(code);
    if (options->partProgram)
        host.openPartProgram(*options->partProgram, !options->empty);
    std::unique_ptr<ListingFile> listing;
    if (!options->listingPath.isEmpty()) {
        listing = std::make_unique<ListingFile>(host, options->listingPath);
        listing->write();
    }

    BusHost busHost(host, options->quitAfterCalls);
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The objects stand before the name is taken, so whoever sees the name finds them.
    if (!bus.registerVirtualObject(objectRoot(), &busHost, QDBusConnection::SubPath) ||
        !bus.registerService(vandelor::host::bus::ServiceName)) {
        std::fprintf(stderr, "orvanto-standin: can't take %s on the session bus: %s\n",
                     qPrintable(QString(vandelor::host::bus::ServiceName)),
                     qPrintable(bus.lastError().message()));
        return 1;
    }

    StandinWindow window(host);
    QObject::connect(&busHost, &BusHost::callHandled, &window, &StandinWindow::showCallCount);
    window.show();
    return QApplication::exec();
}
