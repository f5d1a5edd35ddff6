// Per-call cost of the layer's bus calls against a bare Qt D-Bus call of the same
// kind: PutText on one command of a stand-in host, both in the same run on the same
// bus, in alternating rounds so that drift hits both alike.
//
//   dbus-run-session -- build/bench/bench_put_text [calls per side]

#include "host/dbus/dbus_host_automation.h"
#include "host/dbus/orvanto_bus.h"
#include "host/orvanto_names.h"
#include "standin_process.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vandelor::host;

namespace {

constexpr int Rounds = 10;

struct Target {
    HostObject command;
    QString service;
    QString path;
};

// The object the bare calls go to is the one the layer's calls go to.
Target addCommand(DBusHostAutomation &host) {
    const HostObject application = host.activate(orvanto::ApplicationProgId).object();
    const HostObject program = host.call(application, orvanto::ActivePartProgram).object();
    const HostObject commands = host.call(program, orvanto::PartProgramCommands).object();
    const HostObject command =
        host.call(commands, QStringLiteral("Add"), {int32(602), boolean(true)}).object();
    const auto *onBus = dynamic_cast<const BusObject *>(command.get());
    if (onBus == nullptr)
        return {};
    return {command, onBus->peer->uniqueName, onBus->path};
}

// Nanoseconds per call, or -1 when a call failed.
double timeLayer(DBusHostAutomation &host, const HostObject &command, int calls) {
    const QString member = QStringLiteral("PutText");
    const QString value = QStringLiteral("#VP1");
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i) {
        if (!host.call(command, member, {text(value), int32(2), int16(0)}).ok())
            return -1;
    }
    return double(timer.nsecsElapsed()) / calls;
}

// Nanoseconds per call sent without waiting, its reply collected afterwards.
double timeLayerSent(DBusHostAutomation &host, const HostObject &command, int calls) {
    const QString member = QStringLiteral("PutText");
    const QString value = QStringLiteral("#VP1");
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        host.send(command, member, {text(value), int32(2), int16(0)});
    if (host.settle() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / calls;
}

double timeBare(const QDBusConnection &connection, const Target &target, int calls) {
    const QString interface = bus::CommandInterface;
    const QString member = QStringLiteral("PutText");
    const QString value = QStringLiteral("#VP1");
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(target.service, target.path, interface, member);
        message.setAutoStartService(false);
        message.setArguments({value, 2, QVariant::fromValue<short>(0)});
        if (connection.call(message, QDBus::Block, DBusHostAutomation::DefaultTimeoutMs).type() !=
            QDBusMessage::ReplyMessage)
            return -1;
    }
    return double(timer.nsecsElapsed()) / calls;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int callsPerSide = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    if (callsPerSide < Rounds) {
        std::fprintf(stderr, "bench_put_text: give the number of calls per side, at least %d\n",
                     Rounds);
        return 2;
    }
    const QDBusConnection connection = QDBusConnection::sessionBus();
    if (!connection.isConnected()) {
        std::fprintf(stderr, "bench_put_text: no session bus; run it under dbus-run-session\n");
        return 1;
    }
    StandinProcess standin;
    if (!standin.start()) {
        std::fprintf(stderr, "bench_put_text: the stand-in did not come up\n");
        return 1;
    }
    DBusHostAutomation host(connection);
    const Target target = addCommand(host);
    if (!target.command) {
        std::fprintf(stderr, "bench_put_text: could not add a command\n");
        return 1;
    }

    const int perRound = callsPerSide / Rounds;
    timeLayer(host, target.command, perRound / 4);
    timeBare(connection, target, perRound / 4);
    double layer = 0;
    double bare = 0;
    double sent = 0;
    std::vector<double> ratios;
    for (int round = 0; round < Rounds; ++round) {
        const double l = timeLayer(host, target.command, perRound);
        const double b = timeBare(connection, target, perRound);
        const double s = timeLayerSent(host, target.command, perRound);
        sent += s / Rounds;
        if (l < 0 || b < 0 || s < 0) {
            std::fprintf(stderr, "bench_put_text: a call failed\n");
            return 1;
        }
        layer += l / Rounds;
        bare += b / Rounds;
        ratios.push_back(l / b);
    }
    // The median round is the figure least moved by other work on the machine.
    std::sort(ratios.begin(), ratios.end());
    std::printf("PutText, %d calls each, in %d alternating rounds\n", perRound * Rounds, Rounds);
    std::printf("  layer:         %8.1f us per call\n", layer / 1000);
    std::printf("  bare Qt:       %8.1f us per call\n", bare / 1000);
    std::printf("  layer, sent:   %8.1f us per call, replies collected at the end\n", sent / 1000);
    std::printf("  ratio:         %8.3f (goal at most 1.3)\n", layer / bare);
    std::printf("  median round:  %8.3f (rounds from %.3f to %.3f)\n", ratios[Rounds / 2],
                ratios.front(), ratios.back());
    return 0;
}
