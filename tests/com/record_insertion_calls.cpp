// Records the host calls of insertion runs against the in-process host, so that the
// Windows check replays exactly these calls through COM. For each run it writes
// FOLDER/NAME.calls (one call a line) and FOLDER/NAME.listing (what the host then
// lists), and FOLDER/runs names the runs with the stand-in options each needs.
//
//   record_insertion_calls FOLDER
//
// A call line holds, separated by tabs: the target's object path ("-" for the
// presence test and the activation, "0" for no object), the member ("#N" for a
// dispatch id), 1 or 0 for success, the result, then the arguments. A value is a
// kind letter (s text, n 16-bit, i 32-bit, b Boolean, d double, v variant text,
// o object path) and its text, "&" before it when passed by reference; "-" for none.

#include "bus_object.h"
#include "fake_host.h"
#include "insertion_run.h"
#include "listing.h"
#include "scripted_controls.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <functional>

using namespace vandelor;
using namespace vandelor::host;
using vandelor::insert::Box;
using vandelor::insert::Choice;

namespace {

struct Run {
    const char *name;
    QString standinOptions;
    QList<QStringList> rows;
    std::function<void(FakeHost &, ScriptedControls &)> arrange;
};

QString escaped(const QString &text) {
    QString out;
    for (const QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QString pathOf(const HostObject &object) {
    const auto *onBus = dynamic_cast<const BusObject *>(object.get());
    return onBus ? onBus->path : QString();
}

QString encoded(const HostValue &value) {
    switch (kindOf(value)) {
    case ValueKind::Empty:
        return QStringLiteral("-");
    case ValueKind::Text:
        return u's' + escaped(std::get<QString>(value));
    case ValueKind::Int16:
        return u'n' + QString::number(std::get<qint16>(value));
    case ValueKind::Int32:
        return u'i' + QString::number(std::get<qint32>(value));
    case ValueKind::Bool:
        return std::get<bool>(value) ? QStringLiteral("b1") : QStringLiteral("b0");
    case ValueKind::Double:
        return u'd' + QString::number(std::get<double>(value), 'g', 17);
    case ValueKind::VariantText:
        return u'v' + escaped(std::get<VariantText>(value).text);
    case ValueKind::Object:
        return u'o' + pathOf(std::get<HostObject>(value));
    }
    return {};
}

QString callLine(const FakeHost::Call &call) {
    QString target = call.target.isEmpty() ? QStringLiteral("-") : call.target;
    if (target == QLatin1String("(no object)"))
        target = QStringLiteral("0");
    QString member = call.member;
    if (member.startsWith(QLatin1String("dispid ")))
        member = u'#' + member.mid(7);
    QStringList fields{target, member, call.ok ? QStringLiteral("1") : QStringLiteral("0"),
                       call.ok ? encoded(call.result) : QStringLiteral("-")};
    for (const HostArgument &argument : call.arguments)
        fields.append((argument.passing == Passing::ByReference ? QStringLiteral("&") : QString()) +
                      encoded(argument.value));
    return fields.join(u'\t');
}

bool write(const QString &path, const QByteArray &content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

const QStringList Point{QStringLiteral("P1"), QStringLiteral("10.5"), QStringLiteral("20"),
                        QStringLiteral("30"), QStringLiteral("0"),    QStringLiteral("0"),
                        QStringLiteral("1")};
const QStringList OtherPoint{
    QStringLiteral("Pü\"2"), QStringLiteral("12,5"), QStringLiteral("-3.25"),
    QStringLiteral("4,5"),   QStringLiteral("0,6"),  QStringLiteral("0"),
    QStringLiteral("0,8"),   QStringLiteral("0,1"),  QString(),
    QStringLiteral("0,9")};

// Calls that don't fit the host's members, each to be refused alike by both
// stand-ins, which then go on answering.
void misfitCalls(FakeHost &host) {
    const HostObject application = host.activate(QStringLiteral("ORVAPP.Application")).object();
    const HostObject program = host.call(application, DispatchId{2}).object();
    const HostObject commands = host.call(program, DispatchId{11}).object();
    host.call(commands, QStringLiteral("Item"), {int32(1)});
    host.call(commands, QStringLiteral("Item"), {byReference(int16(99))});
    host.call(commands, QStringLiteral("InsertionPointAfter"), {byReference(object(program))});
    host.call(commands, QStringLiteral("Delete"));
    const HostObject added =
        host.call(commands, QStringLiteral("Add"), {int32(602), boolean(true)}).object();
    host.call(added, QStringLiteral("PutText"), {text(QStringLiteral("x"))});
    host.call(commands, QStringLiteral("Count"));
}

void tickAllDimensions(ScriptedControls &controls) {
    for (const Choice choice :
         {Choice::CB2, Choice::cbX, Choice::cbY, Choice::cbZ, Choice::cbV, Choice::cbT})
        controls.set(choice, true);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: record_insertion_calls FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + u'/';
    QStringList notZ = OtherPoint;
    notZ[3] = QStringLiteral("abc");
    const QList<Run> runs = {
        {"vector",
         {},
         {Point, OtherPoint},
         [](FakeHost &, ScriptedControls &controls) {
             tickAllDimensions(controls);
         }},
        {"edge",
         {},
         {Point, OtherPoint, Point},
         [](FakeHost &, ScriptedControls &controls) {
             controls.set(Choice::Option11, false);
             controls.set(Choice::Option9, false);
             controls.texts[Box::pstart] = QStringLiteral("007");
             controls.texts[Box::txt_Perm] = QStringLiteral("3");
             for (const Choice choice : {Choice::CB2, Choice::cbZ, Choice::cbT})
                 controls.set(choice, true);
         }},
        {"refused-add",
         QStringLiteral("--refuse-add 1003"),
         {Point, OtherPoint},
         [](FakeHost &host, ScriptedControls &controls) {
             host.model().refuseAdd(1003);
             tickAllDimensions(controls);
         }},
        {"z-no-number",
         {},
         {Point, notZ},
         [](FakeHost &, ScriptedControls &) {
         }},
        {"misfits", {}, {}, nullptr},
    };

    QString names;
    for (const Run &run : runs) {
        FakeHost host;
        if (run.arrange) {
            ScriptedControls controls;
            run.arrange(host, controls);
            PointTable table;
            table.setRowCount(int(run.rows.size()) + 1);
            for (int row = 0; row < run.rows.size(); ++row)
                for (int column = 0; column < run.rows[row].size(); ++column)
                    table.setCellText(row + 1, column, run.rows[row][column]);
            insert::CommandCursor cursor;
            insert::runInsertion(host, table, controls, cursor);
        } else {
            misfitCalls(host);
        }

        QString calls;
        for (const FakeHost::Call &call : host.calls())
            calls += callLine(call) + u'\n';
        const QString base = folder + QLatin1String(run.name);
        if (!write(base + QStringLiteral(".calls"), calls.toUtf8()) ||
            !write(base + QStringLiteral(".listing"),
                   QByteArray::fromStdString(standin::listingText(host.model().partProgram())))) {
            std::fprintf(stderr, "record_insertion_calls: can't write to %s\n", argv[1]);
            return 1;
        }
        names += QLatin1String(run.name) + u'\t' + run.standinOptions + u'\n';
    }
    return write(folder + QStringLiteral("runs"), names.toUtf8()) ? 0 : 1;
}
