#include "bus_host.h"
#include "host/dbus/orvanto_bus.h"
#include "host_model.h"
#include "listing_file.h"
#include "object_paths.h"

#include <QDBusPendingCall>
#include <QtTest>

using namespace standin;

class TestStandin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void burstOfCalls_writesTheListingOnceBeforeTheReplies() {
        HostModel host;
        host.openPartProgram("Teil1", true);
        BusHost busHost(host, 0);
        QTemporaryDir folder;
        ListingFile listing(host, folder.filePath(QStringLiteral("listing.txt")).toStdString());
        connect(&busHost, &BusHost::burstApplied, [&] { QVERIFY(listing.update()); });
        QDBusConnection server = QDBusConnection::sessionBus();
        QVERIFY(server.registerVirtualObject(objectRoot(), &busHost, QDBusConnection::SubPath));
        QDBusConnection client =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"));

        constexpr int Calls = 40;
        QDBusPendingCall last = QDBusPendingCall::fromError({});
        for (short i = 0; i < Calls; ++i) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                server.baseService(), QStringLiteral("/ORVAPP/Command/1"),
                vandelor::host::bus::CommandInterface, QStringLiteral("PutText"));
            call.setArguments({QStringLiteral("#VP%1").arg(i), 2, QVariant::fromValue(i)});
            last = client.asyncCall(call);
        }
        QTRY_VERIFY(last.isFinished());
        QVERIFY(!last.isError());
        QFile file(folder.filePath(QStringLiteral("listing.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(QByteArrayLiteral("text 2/39 \"#VP39\"")));
        QVERIFY2(listing.writes() * 4 < Calls, qPrintable(QString::number(listing.writes())));
        server.unregisterObject(objectRoot(), QDBusConnection::UnregisterTree);
    }
};

QTEST_MAIN(TestStandin)
#include "tst_standin.moc"
