#include "bus_host.h"
#include "host_model.h"
#include "listing_file.h"
#include "object_paths.h"
#include "orvanto_bus.h"
#include "standin_options.h"

#include <QDBusPendingCall>
#include <QtTest>

using namespace standin;

class TestStandin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each row: the command line and what the stand-in makes of it, as
    // "part program, empty, refused types, calls before quitting"; "-" when refused.
    void options_areReadOrRefused_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("read");
        const auto row = [](const char *line, const char *read) {
            QTest::newRow(line) << QString::fromLatin1(line) << QString::fromLatin1(read);
        };
        row("", "Teil1 0 - 0");
        row("--part-program Block --empty", "Block 1 - 0");
        row("--no-part-program --refuse-add=1008 --refuse-add -4", "none 0 1008,-4 0");
        row("--quit-after-calls 12", "Teil1 0 - 12");
        row("--part-program A --no-part-program", "-");
        row("--refuse-add 10x", "-");
        row("file.txt", "-");
    }
    void options_areReadOrRefused() {
        QFETCH(QString, line);
        QFETCH(QString, read);
        std::vector<std::string> arguments{"orvanto-standin"};
        for (const QString &argument : line.split(u' ', Qt::SkipEmptyParts))
            arguments.push_back(argument.toStdString());
        std::string error;
        const auto options = parseOptions(arguments, error);
        QCOMPARE(options.has_value(), read != u"-");
        QCOMPARE(error.empty(), options.has_value());
        if (!options)
            return;
        QStringList refused;
        for (const qint32 type : options->refusedTypes)
            refused << QString::number(type);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(QString::fromStdString(options->partProgram.value_or("none")))
                     .arg(int(options->empty))
                     .arg(refused.isEmpty() ? QStringLiteral("-") : refused.join(u','))
                     .arg(options->quitAfterCalls),
                 read);
    }

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
