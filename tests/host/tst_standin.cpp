#include "bus_host.h"
#include "host_calls.h"
#include "host_model.h"
#include "listing.h"
#include "listing_file.h"
#include "object_paths.h"
#include "orvanto_bus.h"
#include "standin_options.h"
#include "standin_window.h"

#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QtTest>

using namespace standin;

class TestStandin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void options_areReadOrRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QString>("partProgram"); // "-" for none
        QTest::addColumn<bool>("empty");
        QTest::addColumn<std::vector<qint32>>("refused");
        QTest::addColumn<int>("quitAfter");
        const auto args = [](const char *line) {
            return QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        };
        QTest::newRow("none") << args("") << true << "Teil1" << false << std::vector<qint32>{} << 0;
        QTest::newRow("named") << args("--part-program Block") << true << "Block" << false
                               << std::vector<qint32>{} << 0;
        QTest::newRow("no part program")
            << args("--no-part-program") << true << "-" << false << std::vector<qint32>{} << 0;
        QTest::newRow("empty") << args("--empty") << true << "Teil1" << true
                               << std::vector<qint32>{} << 0;
        QTest::newRow("refusals") << args("--refuse-add=1008 --refuse-add -4") << true << "Teil1"
                                  << false << std::vector<qint32>{1008, -4} << 0;
        QTest::newRow("quit") << args("--quit-after-calls 12") << true << "Teil1" << false
                              << std::vector<qint32>{} << 12;
        QTest::newRow("both part program options")
            << args("--part-program A --no-part-program") << false << "" << false
            << std::vector<qint32>{} << 0;
        QTest::newRow("refusal not a number")
            << args("--refuse-add 10x") << false << "" << false << std::vector<qint32>{} << 0;
        QTest::newRow("quit after no calls")
            << args("--quit-after-calls 0") << false << "" << false << std::vector<qint32>{} << 0;
        QTest::newRow("unknown option")
            << args("--verbose") << false << "" << false << std::vector<qint32>{} << 0;
        QTest::newRow("value missing")
            << args("--listing") << false << "" << false << std::vector<qint32>{} << 0;
        QTest::newRow("stray argument")
            << args("file.txt") << false << "" << false << std::vector<qint32>{} << 0;
    }
    void options_areReadOrRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, usable);
        QFETCH(QString, partProgram);
        QFETCH(bool, empty);
        QFETCH(std::vector<qint32>, refused);
        QFETCH(int, quitAfter);
        std::vector<std::string> line{"orvanto-standin"};
        for (const QString &argument : arguments)
            line.push_back(argument.toStdString());
        std::string error;
        const auto options = parseOptions(line, error);
        QCOMPARE(options.has_value(), usable);
        if (!usable) {
            QVERIFY(!error.empty());
            return;
        }
        QCOMPARE(QString::fromStdString(options->partProgram.value_or("-")), partProgram);
        QCOMPARE(options->empty, empty);
        QCOMPARE(options->refusedTypes, refused);
        QCOMPARE(options->quitAfterCalls, quitAfter);
    }

    void numbers_readAsTheListingAlwaysWroteThem() {
        for (const double value : {0.0, -0.0, 4.5, -3.25, 100.0, 1e5, 0.0001, 1.5e-5, 1e21,
                                   123456.789, 0.1 + 0.2, 5e-324})
            QCOMPARE(QString::fromStdString(numberText(value)),
                     QString::number(value, 'g', QLocale::FloatingPointShortest));
    }

    void listingFile_followsEveryChange() {
        HostModel host;
        host.openPartProgram("Teil1", true);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("listing.txt"));
        ListingFile listing(host, path.toStdString());
        const auto putId = [&](int command, const char *id) {
            host.changeCommand(command, [&](CommandRecord &c) { c.putText(2, 0, id); });
        };
        const QList<std::function<void()>> changes = {
            [&] { host.add(602), host.add(1000); },
            [&] { putId(2, "#VP10"); },
            [&] { host.placeInsertionPointAfter(1), host.add(1001); },
            [&] { putId(2, "#V"); },
            [&] { host.openPartProgram("Teil2", false), host.add(7); },
            [&] { host.closePartProgram(); },
        };
        for (const auto &change : changes) {
            change();
            QVERIFY(listing.update());
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll().toStdString(), listingText(host.partProgram()));
        }
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

    void window_listsCommandsAsTheyArrive() {
        HostModel host;
        host.openPartProgram("Teil1", true);
        StandinWindow window(host);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        HostCalls calls(host);
        const auto call = [&](const QString &path, const char *member, const QString &signature,
                              const QVariantList &arguments) {
            return calls.handle(path, QString(), QLatin1String(member), signature, arguments);
        };
        const QString commands = QStringLiteral("/ORVAPP/PartProgram/1/Commands");
        for (const int row : {1, 2}) {
            const QString id = QStringLiteral("#VP%1").arg(row);
            const QString command = call(commands, "Add", QStringLiteral("ib"), {602, true})
                                        .reply.first()
                                        .value<QDBusObjectPath>()
                                        .path();
            call(command + QStringLiteral("/FeatureCommand"), "PutPoint", QStringLiteral("iivvd"),
                 {0, 100, QVariant::fromValue(QDBusVariant(QStringLiteral("12,5"))),
                  QVariant::fromValue(QDBusVariant(QString::number(row * 10))), 4.5});
            call(command, "PutText", QStringLiteral("sin"), {id, 2, short(0)});
            call(command, "PutText", QStringLiteral("sin"),
                 {QStringLiteral("NEIN"), 236, short(1)});
            call(command, "ReDraw", QString(), {});
        }
        call(commands, "Add", QStringLiteral("ib"), {1000, true});
        window.showCalls(12);

        // The window follows the calls a few times a second.
        const QAbstractItemModel *model = window.commandView()->model();
        QTRY_COMPARE(model->rowCount(), 4);
        QCOMPARE(model->index(2, 0).data().toInt(), 3);
        QCOMPARE(model->index(2, 1).data().toInt(), 602);
        QCOMPARE(model->index(2, 2).data().toString(), QStringLiteral("#VP2"));
        QCOMPARE(model->index(2, 3).data().toString(),
                 QStringLiteral("point 0 100 \"12,5\" \"20\" 4.5; text 2/0 \"#VP2\"; "
                                "text 236/1 \"NEIN\""));
        window.commandView()->resizeColumnsToContents();
        QCoreApplication::processEvents();
        const QString picture =
            QCoreApplication::applicationDirPath() + QStringLiteral("/standin_window.png");
        QVERIFY(window.grab().save(picture));

        host.closePartProgram();
        window.showCalls(12);
        QTRY_COMPARE(model->rowCount(), 0);
    }
};

QTEST_MAIN(TestStandin)
#include "tst_standin.moc"
