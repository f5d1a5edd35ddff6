#include "insertion_run.h"

#include "dimension_group.h"
#include "host_check.h"
#include "orvanto_names.h"
#include "point_command.h"
#include "sixteen_bit_counts.h"

namespace vandelor::insert {

using namespace host;

namespace {

void normaliseTolerances(InsertionControls &controls) {
    QString upper = controls.text(Box::OTOL);
    QString lower = controls.text(Box::UTOL);
    controls.normaliseDecimal(upper);
    controls.normaliseDecimal(lower);
    controls.setText(Box::OTOL, upper);
    controls.setText(Box::UTOL, lower);
}

void advanceProgress(InsertionControls &controls, const PointTable &table) {
    const float value = controls.progress();
    if (value < 99.0f)
        controls.setProgress(value + 100.0f / static_cast<float>(table.rowCount()));
    else
        controls.setProgress(100.0f);
}

void advanceCounter(InsertionControls &controls) {
    const NumberSeparators separators = controls.separators();
    if (const std::optional<double> counter =
            toLocaleNumber(controls.text(Box::pstart), separators))
        controls.setText(Box::pstart, formatLocaleNumber(*counter + 1, separators));
}

void reportIncomplete(InsertionControls &controls, int incomplete, int rows) {
    if (incomplete == 0)
        return;
    controls.showMessage(
        QStringLiteral("%1 von %2 Punkten wurden nicht vollständig in ORVANTO übertragen.")
            .arg(incomplete)
            .arg(rows));
}

void insertRows(HostAutomation &host, const PointTable &table, InsertionControls &controls,
                CommandCursor &cursor, const HostSession &session) {
    cursor.commands = host.call(session.partProgram, orvanto::PartProgramCommands).object();
    CommandWriter writer(host, cursor);
    const int lastRow = table.rowCount() - 1;
    int incomplete = 0;
    for (int row = 1; row <= lastRow; ++row) {
        advanceProgress(controls, table);
        const std::optional<qint32> commands = writer.placeInsertionPointAtEnd();
        if (commands && *commands > LargestCount) {
            controls.showMessage(
                QStringLiteral("Das Teileprogramm hat mehr als %1 Befehle. Es werden keine "
                               "weiteren Punkte eingefügt.")
                    .arg(LargestCount));
            incomplete += lastRow - row + 1;
            break;
        }
        const RowContext context{table, controls, writer, row};
        const QString id = pointId(context);
        if (controls.isSet(Choice::Option11))
            writeVectorPoint(context, id);
        else
            writeEdgePoint(context, id);
        writeDimensionGroup(context);
        advanceCounter(controls);
        if (writer.takeIncomplete())
            ++incomplete;
    }
    controls.setProgress(0.0f);
    reportIncomplete(controls, incomplete, lastRow);
}

} // namespace

void runInsertion(HostAutomation &host, const PointTable &table, InsertionControls &controls,
                  CommandCursor &cursor) {
    const auto show = [&controls](const QString &text) {
        controls.showMessage(text);
    };
    const std::optional<HostSession> session =
        connectToHost(host,
                      {QStringLiteral("ORVANTO muss gestartet werden"),
                       QStringLiteral("Teileprogramm muss aktiv sein")},
                      show);
    if (!session) {
        controls.setProgress(0.0f);
        return;
    }
    normaliseTolerances(controls);
    if (table.rowCount() < 2 || table.cellText(1, 1).isEmpty()) {
        controls.showMessage(QStringLiteral("Sie haben keine Werte zum Übertragen"));
        controls.setProgress(0.0f);
        return;
    }
    if (table.rowCount() - 1 > LargestCount) {
        controls.showMessage(
            QStringLiteral("Die Tabelle hat mehr als %1 Punkte. Bitte die Punkte in "
                           "kleineren Teilen einfügen.")
                .arg(LargestCount));
        controls.setProgress(0.0f);
        return;
    }
    insertRows(host, table, controls, cursor, *session);
}

void checkSurfaceVectorHost(HostAutomation &host, InsertionControls &controls) {
    const auto show = [&controls](const QString &text) {
        controls.showMessage(text);
    };
    connectToHost(host,
                  {QStringLiteral("ORVANTO muß gestartet werden"),
                   QStringLiteral("Teileprogramm muß aktiv sein")},
                  show);
}

} // namespace vandelor::insert
