// The adapter between the layer and the COM backend, run against a double of the
// backend's plain C++ ComClient: what goes in, what comes back, and failures.

#include "host/com/com_host_automation.h"

#include <QtTest>

namespace vandelor::com {

struct ComObjectData {
    int id = 0;
};

// What the double saw last, and what it answers.
struct Seen {
    std::string windowClass;
    std::wstring name;
    std::int32_t dispatchId = -1;
    ComObject target;
    std::vector<ComArgument> arguments;
    ComResult answer = ComResult::success({});
};
Seen seen;

ComClient::ComClient() = default;
ComClient::~ComClient() = default;
bool ComClient::windowExists(const std::string &windowClass) const {
    seen.windowClass = windowClass;
    return true;
}
ComResult ComClient::activate(const std::wstring &progId) {
    seen.name = progId;
    return seen.answer;
}
ComResult ComClient::call(const ComObject &target, const std::wstring &member,
                          const std::vector<ComArgument> &arguments) {
    seen = {{}, member, -1, target, arguments, seen.answer};
    return seen.answer;
}
ComResult ComClient::call(const ComObject &target, std::int32_t dispatchId,
                          const std::vector<ComArgument> &arguments) {
    seen = {{}, {}, dispatchId, target, arguments, seen.answer};
    return seen.answer;
}

} // namespace vandelor::com

using namespace vandelor::host;
using namespace vandelor::com;

namespace {

const ComObject Command = std::make_shared<ComObjectData>(ComObjectData{7});

// One kind of value, as the layer and as the backend hold it.
struct Kind {
    HostArgument argument;
    ComValue comValue;
};

QList<Kind> kinds(const HostObject &command) {
    return {{text(QStringLiteral("Pü\"1")), std::wstring(L"Pü\"1")},
            {byReference(int16(-5)), std::int16_t{-5}},
            {int32(602), std::int32_t{602}},
            {boolean(true), true},
            {byReference(real(2.5)), 2.5},
            {byReference(variantText(QStringLiteral("12,5"))), ComVariantText{L"12,5"}},
            {byReference(object(command)), Command},
            {object(HostObject()), ComObject()}};
}

} // namespace

class TestComHostAutomation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valuesCrossBothWays() {
        ComHostAutomation host;
        seen.answer = ComResult::success(Command);
        const HostObject command = host.activate(QStringLiteral("ORVAPP.Application")).object();
        QCOMPARE(seen.name, std::wstring(L"ORVAPP.Application"));
        for (const Kind &k : kinds(command)) {

            seen.answer = ComResult::success(k.comValue);
            const CallResult result = host.call(command, QStringLiteral("PutText"), {k.argument});
            QCOMPARE(seen.name, std::wstring(L"PutText"));
            QCOMPARE(seen.target, Command); // the same object, not a copy
            QCOMPARE(seen.arguments.size(), std::size_t(1));
            QVERIFY(seen.arguments[0].value == k.comValue);
            QCOMPARE(seen.arguments[0].byReference, k.argument.passing == Passing::ByReference);
            QVERIFY(result.ok());
            if (kindOf(k.argument.value) == ValueKind::Object) {
                // An object that comes back is the one that goes out again.
                host.call(result.object(), DispatchId{11});
                QCOMPARE(seen.dispatchId, 11);
                QCOMPARE(seen.target, std::get<ComObject>(k.comValue));
            } else {
                QCOMPARE(describe(result.value()), describe(k.argument.value));
            }
        }
    }

    void failures_arePassedOn() {
        ComHostAutomation host;
        QVERIFY(host.windowExists(QStringLiteral("BrennicotORVANTOWndClass")));
        QCOMPARE(seen.windowClass, std::string("BrennicotORVANTOWndClass"));
        seen.answer = ComResult::failure(L"Feld unbekannt (0x80020009)");
        const CallResult failed = host.call(HostObject(), DispatchId{2});
        QVERIFY(!failed.ok());
        QCOMPARE(failed.error(), QStringLiteral("Feld unbekannt (0x80020009)"));
        QVERIFY(!seen.target);
    }
};

QTEST_GUILESS_MAIN(TestComHostAutomation)
#include "tst_com_host_automation.moc"
