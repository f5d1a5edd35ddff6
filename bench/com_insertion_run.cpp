// The insertion run on Windows: inserts 200 rows as vector points with all five
// dimension commands through the window's insert button and the COM backend into
// the Windows stand-in, a local server in another process, and prints in one run
// the member calls per row, the COM round trips per row as the stand-in counts
// them, the time per row, the time of a bare cross-process Invoke on the same
// stand-in, and the ratio of the time per row to round trips times bare Invoke.
// Runs and bare calls take turns three times; the medians are taken.
//
//   wine bench_com_insertion_run.exe PATH\orvanto-standin.exe

#include "app/frm_Steuerung.h"
#include "call_counts.h"
#include "com/com_client.h"
#include "com/com_object.h"
#include "counting_host.h"
#include "host/com/com_host_automation.h"
#include "host/facts/orvanto_facts.h"
#include "insertion_setup.h"
#include "silent_dialogs.h"
#include "windows_programs.h"

#include <QApplication>
#include <QElapsedTimer>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace vandelor;

namespace {

constexpr int Rows = 200;
constexpr int Rounds = 3;
constexpr int BareCalls = 1000;
constexpr int BareObjectCalls = 200;
// What a vector point with five dimension commands takes.
constexpr int CallsPerRow = 75;
constexpr DWORD StartTimeoutMs = 20000;

std::wstring wide(const char *fact) {
    return QString::fromLatin1(fact).toStdWString();
}

// The running stand-in's counts, once it offers its application object.
const standin::CallCounts *countsOf(const PROCESS_INFORMATION &standin) {
    if (!bench::waitForActiveObject(wide(orvanto_facts::ApplicationProgId), StartTimeoutMs))
        return nullptr;
    HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE,
                                      standin::callCountsName(standin.dwProcessId).c_str());
    if (mapping == nullptr)
        return nullptr;
    return static_cast<const standin::CallCounts *>(
        MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(standin::CallCounts)));
}

// Passes every call on, and sums the time of the calls of each member.
class TimedHost : public host::HostAutomation {
public:
    explicit TimedHost(host::HostAutomation &inner)
        : m_inner(inner) {}
    bool windowExists(const QString &windowClass) override {
        return m_inner.windowExists(windowClass);
    }
    host::CallResult activate(const QString &progId) override { return m_inner.activate(progId); }
    host::CallResult call(const host::HostObject &target, const QString &member,
                          const host::HostArguments &arguments) override {
        QElapsedTimer timer;
        timer.start();
        host::CallResult result = m_inner.call(target, member, arguments);
        Time &time = byMember[member];
        time.ns += timer.nsecsElapsed();
        ++time.calls;
        return result;
    }
    host::CallResult call(const host::HostObject &target, host::DispatchId member,
                          const host::HostArguments &arguments) override {
        return m_inner.call(target, member, arguments);
    }

    struct Time {
        qint64 ns = 0;
        long calls = 0;
    };
    std::map<QString, Time> byMember;

private:
    host::HostAutomation &m_inner;
};

struct Counted {
    standin::CallCounts before;
    const standin::CallCounts *live;
    double incoming() const { return double(live->incoming - before.incoming); }
    double invoke() const { return double(live->invoke - before.invoke); }
    double namesToIds() const { return double(live->namesToIds - before.namesToIds); }
};

Counted startCounting(const standin::CallCounts *live) {
    standin::CallCounts now;
    now.incoming = live->incoming;
    now.onDispatch = live->onDispatch;
    now.invoke = live->invoke;
    now.namesToIds = live->namesToIds;
    return {now, live};
}

// PutText by bare IDispatch::Invoke on one command of the stand-in, its dispatch id
// asked and its arguments made once.
class BareInvoke {
public:
    BareInvoke() {
        const auto object = [](const com::ComResult &result) {
            const auto *held = std::get_if<com::ComObject>(&result.value);
            return result.ok && held != nullptr ? *held : com::ComObject{};
        };
        const com::ComObject application =
            object(m_host.activate(wide(orvanto_facts::ApplicationProgId)));
        const com::ComObject program =
            object(m_host.call(application, orvanto_facts::dispid::ActivePartProgram, {}));
        m_commands = object(m_host.call(program, orvanto_facts::dispid::PartProgramCommands, {}));
        m_command = object(
            m_host.call(m_commands, wide(orvanto_facts::member::Add), {{std::int32_t{1}}, {true}}));
        std::wstring add = wide(orvanto_facts::member::Add);
        LPOLESTR addName = add.data();
        if (!m_commands || FAILED(m_commands->dispatch->GetIDsOfNames(IID_NULL, &addName, 1,
                                                                      LOCALE_USER_DEFAULT, &m_add)))
            m_command = {};
        std::wstring member = wide(orvanto_facts::member::PutText);
        LPOLESTR name = member.data();
        if (!m_command || FAILED(m_command->dispatch->GetIDsOfNames(
                              IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &m_putText)))
            m_command = {};
        // IDispatch takes the last argument first.
        m_arguments[0].vt = VT_I2;
        m_arguments[0].iVal = 0;
        m_arguments[1].vt = VT_I4;
        m_arguments[1].lVal = 2;
        m_arguments[2].vt = VT_BSTR;
        m_arguments[2].bstrVal = SysAllocString(L"#VP1");
    }
    ~BareInvoke() { SysFreeString(m_arguments[2].bstrVal); }
    BareInvoke(const BareInvoke &) = delete;
    BareInvoke &operator=(const BareInvoke &) = delete;

    // Nanoseconds per call of calls in a row; negative when one failed.
    double nsPerCall(int calls) {
        if (!m_command)
            return -1;
        DISPPARAMS parameters{m_arguments, nullptr, 3, 0};
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < calls; ++i)
            if (FAILED(m_command->dispatch->Invoke(m_putText, IID_NULL, LOCALE_USER_DEFAULT,
                                                   DISPATCH_METHOD, &parameters, nullptr, nullptr,
                                                   nullptr)))
                return -1;
        return double(timer.nsecsElapsed()) / calls;
    }

    // Nanoseconds per Add whose new command is released at once: the two round
    // trips of a call that gives an object; negative when one failed.
    double nsPerObjectCall(int calls) {
        if (!m_command)
            return -1;
        VARIANTARG arguments[2];
        arguments[0].vt = VT_BOOL;
        arguments[0].boolVal = VARIANT_TRUE;
        arguments[1].vt = VT_I4;
        arguments[1].lVal = 1;
        DISPPARAMS parameters{arguments, nullptr, 2, 0};
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < calls; ++i) {
            VARIANT result;
            VariantInit(&result);
            const HRESULT outcome =
                m_commands->dispatch->Invoke(m_add, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                             &parameters, &result, nullptr, nullptr);
            VariantClear(&result);
            if (FAILED(outcome))
                return -1;
        }
        return double(timer.nsecsElapsed()) / calls;
    }

private:
    com::ComClient m_host;
    com::ComObject m_commands;
    com::ComObject m_command;
    DISPID m_add = DISPID_UNKNOWN;
    DISPID m_putText = DISPID_UNKNOWN;
    VARIANTARG m_arguments[3] = {};
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int measure(const standin::CallCounts *live) {
    host::ComHostAutomation comHost;
    TimedHost timed(comHost);
    CountingHost host(timed);
    SilentDialogs dialogs;
    frm_Steuerung window(dialogs, {u',', u'.'}, &host);
    prepareInsertion(window, Rows);
    BareInvoke bare;
    // Runs and bare calls take turns, so that both see the machine alike.
    std::vector<double> rowMs;
    std::vector<double> bareUs;
    std::vector<double> bareObjectUs;
    const Counted counted = startCounting(live);
    double bareIncoming = 0;
    double bareRoundTrips = 0;
    double bareInvokes = 0;
    for (int round = 0; round < Rounds; ++round) {
        const long callsBefore = host.memberCalls;
        QElapsedTimer timer;
        timer.start();
        window.cmd_einfügen_Click();
        rowMs.push_back(double(timer.nsecsElapsed()) / Rows / 1e6);
        if (host.memberCalls - callsBefore != RunStartCalls + Rows * CallsPerRow) {
            std::fprintf(stderr, "bench_com_insertion_run: %ld member calls in a run\n",
                         host.memberCalls - callsBefore);
            return 1;
        }
        const Counted bareCounted = startCounting(live);
        const double ns = bare.nsPerCall(BareCalls);
        bareRoundTrips = bareCounted.incoming() / BareCalls;
        const double objectNs = bare.nsPerObjectCall(BareObjectCalls);
        if (ns < 0 || objectNs < 0) {
            std::fprintf(stderr, "bench_com_insertion_run: a bare Invoke failed\n");
            return 1;
        }
        bareIncoming += bareCounted.incoming();
        bareInvokes += bareCounted.invoke();
        bareUs.push_back(ns / 1000);
        bareObjectUs.push_back(objectNs / 1000);
    }
    // What the bare calls brought is taken off; the rest came from the runs.
    const double runs = double(Rounds) * Rows;
    const double roundTripsPerRow = (counted.incoming() - bareIncoming) / runs;
    const double invokesPerRow = (counted.invoke() - bareInvokes) / runs;
    const double namesPerRow = counted.namesToIds() / runs;
    const double perRowMs = median(rowMs);
    const double perBareUs = median(bareUs);
    const double floorMs = roundTripsPerRow * perBareUs / 1000;

    std::printf("insertion run through COM, %d rows of vector points with five dimension "
                "commands into the stand-in in another process, %d times\n",
                Rows, Rounds);
    std::printf("  member calls per row      %7d (expected 75)\n", CallsPerRow);
    std::printf("  COM round trips per row   %7.1f as the stand-in counts them:\n",
                roundTripsPerRow);
    std::printf("    Invoke                  %7.1f\n", invokesPerRow);
    std::printf("    GetIDsOfNames           %7.1f\n", namesPerRow);
    std::printf("    COM's own (references)  %7.1f\n",
                roundTripsPerRow - invokesPerRow - namesPerRow);
    std::printf("  time per row              %7.3f ms (median of %d runs)\n", perRowMs, Rounds);
    std::printf("  bare cross-process Invoke %7.1f us (PutText, median of %d times %d calls, "
                "%.2f round trips each)\n",
                perBareUs, Rounds, BareCalls, bareRoundTrips);
    std::printf("  round trips x bare Invoke %7.3f ms\n", floorMs);
    std::printf("  ratio                     %7.3f (goal at most 1.10)\n", perRowMs / floorMs);
    // Every object a call gives is released once, by one of COM's own calls.
    const double objectsPerRow = roundTripsPerRow - invokesPerRow - namesPerRow;
    const double objectFloorMs = ((roundTripsPerRow - 2 * objectsPerRow) * perBareUs +
                                  objectsPerRow * median(bareObjectUs)) /
                                 1000;
    std::printf("  bare Add and its release  %7.1f us (median of %d times %d)\n",
                median(bareObjectUs), Rounds, BareObjectCalls);
    std::printf("  the %.1f calls that give an object priced so: %.3f ms, ratio %.3f\n",
                objectsPerRow, objectFloorMs, perRowMs / objectFloorMs);
    std::printf("time per member call, client side:\n");
    for (const auto &[member, time] : timed.byMember)
        std::printf("  %-24s %5.1f per row, %7.1f us each\n", qPrintable(member),
                    double(time.calls) / runs, double(time.ns) / double(time.calls) / 1000);
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: bench_com_insertion_run PATH\\orvanto-standin.exe\n");
        return 2;
    }
    const std::wstring standinProgram = arguments[1].toStdWString();
    const PROCESS_INFORMATION registration = bench::startProgram(standinProgram, L"/register");
    if (registration.hProcess == nullptr)
        return 1;
    WaitForSingleObject(registration.hProcess, StartTimeoutMs);
    CloseHandle(registration.hProcess);
    // The thread in COM for the whole run, the wait for the stand-in included.
    const com::ComClient apartment;
    const PROCESS_INFORMATION standin = bench::startProgram(standinProgram, L"");
    const standin::CallCounts *live = standin.hProcess ? countsOf(standin) : nullptr;
    if (live == nullptr) {
        std::fprintf(stderr, "bench_com_insertion_run: the stand-in did not come up\n");
        return 1;
    }
    const int status = measure(live);
    TerminateProcess(standin.hProcess, 0);
    CloseHandle(standin.hProcess);
    return status;
}
