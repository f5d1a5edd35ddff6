// Inserts 1,000 rows as vector points with all five dimension commands into
// the stand-in through the window's insert button, and prints the host calls
// per row, the time per row, and, in the same run on the same bus, the time
// of a bare Qt D-Bus PutText call. Then the same mix of waited and sent calls once
// more, by libdbus against a responder that only answers: the floor the bus sets.
//
//   dbus-run-session -- build/bench/bench_insertion_run

#include "app/frm_Steuerung.h"
#include "bus_floor.h"
#include "counting_host.h"
#include "host/dbus/dbus_host_automation.h"
#include "host/dbus/orvanto_bus.h"
#include "host/orvanto_names.h"
#include "insertion_setup.h"
#include "silent_dialogs.h"
#include "standin_process.h"

#include <QApplication>
#include <QDBusMessage>
#include <QElapsedTimer>

#include <QFile>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>

#include <unistd.h>

using namespace vandelor;
using namespace vandelor::host;

namespace {

constexpr int Rows = 1000;
constexpr int BareCalls = 20000;

// The processor time a process has used so far, in nanoseconds.
double cpuNs(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // The fields after the command name; user and system time are the 12th and 13th.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks * 1e9 / double(sysconf(_SC_CLK_TCK));
}

// Nanoseconds per bare PutText call on a fresh command of the stand-in.
double bareCallNs(DBusHostAutomation &host) {
    const HostObject application = host.activate(orvanto::ApplicationProgId).object();
    const HostObject program = host.call(application, orvanto::ActivePartProgram).object();
    const HostObject commands = host.call(program, orvanto::PartProgramCommands).object();
    const HostObject command =
        host.call(commands, QStringLiteral("Add"), {int32(1), boolean(true)}).object();
    const auto *onBus = dynamic_cast<const BusObject *>(command.get());
    if (onBus == nullptr)
        return -1;
    const QDBusConnection connection = QDBusConnection::sessionBus();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < BareCalls; ++i) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            onBus->peer->uniqueName, onBus->path, bus::CommandInterface, QStringLiteral("PutText"));
        message.setAutoStartService(false);
        message.setArguments({QStringLiteral("#VP1"), 2, QVariant::fromValue<short>(0)});
        if (connection.call(message, QDBus::Block, DBusHostAutomation::DefaultTimeoutMs).type() !=
            QDBusMessage::ReplyMessage)
            return -1;
    }
    return double(timer.nsecsElapsed()) / BareCalls;
}

} // namespace

int main(int argc, char *argv[]) {
    const pid_t floorResponder = busfloor::startResponder();
    QApplication app(argc, argv);
    if (!QDBusConnection::sessionBus().isConnected()) {
        std::fprintf(stderr,
                     "bench_insertion_run: no session bus; run it under dbus-run-session\n");
        return 1;
    }
    StandinProcess standin;
    if (!standin.start()) {
        std::fprintf(stderr, "bench_insertion_run: the stand-in did not come up\n");
        return 1;
    }
    DBusHostAutomation busHost(QDBusConnection::sessionBus());
    CountingHost host(busHost);
    SilentDialogs dialogs;
    frm_Steuerung window(dialogs, {u',', u'.'}, &host);
    prepareInsertion(window, Rows);

    const double standinBefore = cpuNs(standin.processId());
    QElapsedTimer timer;
    timer.start();
    window.cmd_einfügen_Click();
    const double runNs = double(timer.nsecsElapsed());
    const double standinNs = cpuNs(standin.processId()) - standinBefore;
    const double callsPerRow = double(host.memberCalls - RunStartCalls) / Rows;
    const auto rowLength = std::size_t(host.memberCalls - RunStartCalls) / Rows;
    const std::string rowKinds = host.kinds.substr(RunStartCalls + rowLength, rowLength);
    const double bareNs = bareCallNs(busHost);
    if (bareNs < 0) {
        std::fprintf(stderr, "bench_insertion_run: a bare call failed\n");
        return 1;
    }
    const double perRowMs = runNs / Rows / 1e6;
    const double bareRowMs = callsPerRow * bareNs / 1e6;
    std::printf("insertion run: %d rows, vector points with five dimension commands\n", Rows);
    std::printf("  host calls per row      %6.1f (expected 75)\n", callsPerRow);
    std::printf("  time per row            %6.3f ms\n", perRowMs);
    std::printf("  bare Qt D-Bus call      %6.1f us (%d PutText calls)\n", bareNs / 1000,
                BareCalls);
    std::printf("  calls per row x bare    %6.3f ms\n", bareRowMs);
    std::printf("  ratio                   %6.3f (goal at most 0.33)\n", perRowMs / bareRowMs);
    std::printf("  stand-in per call       %6.1f us of processor time\n",
                standinNs / double(host.memberCalls) / 1000);

    const std::optional<busfloor::Figures> floor = busfloor::measure(rowKinds, Rows, BareCalls);
    if (floorResponder > 0)
        ::kill(floorResponder, SIGTERM);
    if (!floor) {
        std::fprintf(stderr, "bench_insertion_run: the floor responder didn't answer\n");
        return 1;
    }
    const auto waited = std::count(rowKinds.begin(), rowKinds.end(), 'W');
    std::printf("the same rows by libdbus against a responder that only answers (%lld of %zu "
                "calls waited for)\n",
                static_cast<long long>(waited), rowKinds.size());
    std::printf("  time per row            %6.3f ms\n", floor->rowNs / 1e6);
    std::printf("  bare libdbus call       %6.1f us\n", floor->bareCallNs / 1000);
    std::printf("  ratio                   %6.3f (the lowest this bus allows for these rows)\n",
                floor->rowNs / (double(rowKinds.size()) * floor->bareCallNs));
    return 0;
}
