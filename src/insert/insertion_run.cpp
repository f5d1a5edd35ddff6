#include "insert/insertion_run.h"

#include "host/orvanto_names.h"
#include "insert/dimension_group.h"
#include "insert/host_check.h"
#include "insert/point_command.h"
#include "points/sixteen_bit_counts.h"
#include "points/tolerance_text.h"

#include <algorithm>

namespace vandelor::insert {

using namespace host;

namespace {

// Normalises both tolerances and writes them back; false when the dimension
// commands would get a tolerance that is no number yet, as a box holds it
// while a number is typed ("1,5E").
bool normaliseTolerances(InsertionControls &controls) {
    QString upper = controls.text(Box::UpperTolerance);
    QString lower = controls.text(Box::LowerTolerance);
    controls.normaliseDecimal(upper);
    controls.normaliseDecimal(lower);
    controls.setText(Box::UpperTolerance, upper);
    controls.setText(Box::LowerTolerance, lower);
    if (!controls.isSet(Choice::Dimensions))
        return true;
    const NumberSeparators separators = controls.separators();
    return isCompleteTolerance(controls.text(Box::UpperTolerance), separators) &&
           isCompleteTolerance(controls.text(Box::LowerTolerance), separators);
}

// The bar moves by the share of one row of the table's rows, the head row
// counted, as it always has; a run of some rows counts those.
void advanceProgress(InsertionControls &controls, int rowsCounted) {
    const float value = controls.progress();
    if (value < 99.0f)
        controls.setProgress(value + 100.0f / static_cast<float>(rowsCounted));
    else
        controls.setProgress(100.0f);
}

void advanceCounter(InsertionControls &controls) {
    const NumberSeparators separators = controls.separators();
    if (const std::optional<double> counter =
            toLocaleNumber(controls.text(Box::StartNumber), separators))
        controls.setText(Box::StartNumber, formatLocaleNumber(*counter + 1, separators));
}

QString noValuesMessage() {
    return QStringLiteral("Sie haben keine Werte zum Übertragen");
}

// The end message names this many of the points that did not arrive.
constexpr int NamedIncompletePoints = 10;

void reportIncomplete(InsertionControls &controls, const QStringList &names, int rows) {
    if (names.isEmpty())
        return;
    QString message =
        QStringLiteral("%1 von %2 Punkten wurden nicht vollständig in ORVANTO übertragen.")
            .arg(names.size())
            .arg(rows);
    message += QStringLiteral(" Betroffen: ") +
               names.first(std::min<qsizetype>(names.size(), NamedIncompletePoints))
                   .join(QStringLiteral(", "));
    if (names.size() > NamedIncompletePoints)
        message += QStringLiteral(" und %1 weitere").arg(names.size() - NamedIncompletePoints);
    controls.showMessage(message + u'.');
}

// How the end message names a point: by the ID the host got, or by its row.
QString pointName(const QString &id, int row) {
    return id.isEmpty() ? QStringLiteral("Zeile %1").arg(row) : id;
}

InsertionReport insertRows(HostAutomation &host, const PointTable &table,
                           InsertionControls &controls, CommandCursor &cursor,
                           const HostSession &session, const QList<int> &rows, int rowsCounted) {
    cursor.commands = host.call(session.partProgram, orvanto::PartProgramCommands).object();
    CommandWriter writer(host, cursor);
    InsertionReport report;
    QStringList names;
    for (qsizetype at = 0; at < rows.size(); ++at) {
        const int row = rows[at];
        advanceProgress(controls, rowsCounted);
        const std::optional<qint32> commands = writer.placeInsertionPointAtEnd();
        if (commands && *commands > LargestCount) {
            controls.showMessage(
                QStringLiteral("Das Teileprogramm hat mehr als %1 Befehle. Es werden keine "
                               "weiteren Punkte eingefügt.")
                    .arg(LargestCount));
            for (qsizetype left = at; left < rows.size(); ++left) {
                report.incompleteRows.append(rows[left]);
                names.append(pointName(
                    controls.isSet(Choice::IdsFromFile) ? table.cellText(rows[left], 0) : QString(),
                    rows[left]));
            }
            break;
        }
        const RowContext context{table, controls, writer, row};
        const QString id = pointId(context);
        if (writePoint(context, id))
            writeDimensionGroup(context);
        advanceCounter(controls);
        if (writer.takeIncomplete()) {
            report.incompleteRows.append(row);
            names.append(pointName(id, row));
        }
    }
    controls.setProgress(0.0f);
    reportIncomplete(controls, names, static_cast<int>(rows.size()));
    return report;
}

// The host checks, the tolerances and the table's limits, as every run
// begins; nothing when the run cannot go on.
std::optional<HostSession> prepareRun(HostAutomation &host, const PointTable &table,
                                      InsertionControls &controls, bool anyRow) {
    const auto show = [&controls](const QString &text) {
        controls.showMessage(text);
    };
    std::optional<HostSession> session =
        connectToHost(host,
                      {QStringLiteral("ORVANTO muss gestartet werden"),
                       QStringLiteral("Teileprogramm muss aktiv sein")},
                      show);
    if (!session) {
        controls.setProgress(0.0f);
        return std::nullopt;
    }
    if (!normaliseTolerances(controls)) {
        controls.showMessage(notANumberMessage());
        controls.setProgress(0.0f);
        return std::nullopt;
    }
    if (!anyRow) {
        controls.showMessage(noValuesMessage());
        controls.setProgress(0.0f);
        return std::nullopt;
    }
    if (table.rowCount() - 1 > LargestCount) {
        controls.showMessage(
            QStringLiteral("Die Tabelle hat mehr als %1 Punkte. Bitte die Punkte in "
                           "kleineren Teilen einfügen.")
                .arg(LargestCount));
        controls.setProgress(0.0f);
        return std::nullopt;
    }
    return session;
}

} // namespace

InsertionReport runInsertion(HostAutomation &host, const PointTable &table,
                             InsertionControls &controls, CommandCursor &cursor) {
    // An empty X in row 1 counts as an empty table, whatever stands below.
    const bool anyRow = table.rowCount() >= 2 && !table.cellText(1, 1).isEmpty();
    const std::optional<HostSession> session = prepareRun(host, table, controls, anyRow);
    if (!session)
        return {};
    QList<int> rows;
    for (int row = 1; row < table.rowCount(); ++row)
        rows.append(row);
    return insertRows(host, table, controls, cursor, *session, rows, table.rowCount());
}

InsertionReport runInsertionOfRows(HostAutomation &host, const PointTable &table,
                                   InsertionControls &controls, CommandCursor &cursor,
                                   const QList<int> &rows) {
    // With no row to send the host is not even asked.
    if (rows.isEmpty()) {
        controls.showMessage(noValuesMessage());
        return {};
    }
    const std::optional<HostSession> session = prepareRun(host, table, controls, true);
    if (!session)
        return {};
    return insertRows(host, table, controls, cursor, *session, rows,
                      static_cast<int>(rows.size()) + 1);
}

void checkSurfaceVectorHost(HostAutomation &host, InsertionControls &controls) {
    const auto show = [&controls](const QString &text) {
        controls.showMessage(text);
    };
    connectToHost(host,
                  // Deliberately spelt "muß" here and "muss" in a run, as
                  // users know the two messages.
                  {QStringLiteral("ORVANTO muß gestartet werden"),
                   QStringLiteral("Teileprogramm muß aktiv sein")},
                  show);
}

} // namespace vandelor::insert
