#include "points/vda_import.h"

#include "points/line_reader.h"
#include "points/point_table.h"
#include "points/vda_number.h"
#include "points/vda_statements.h"

#include <QBuffer>
#include <QIODevice>

#include <array>
#include <vector>

namespace vandelor {

namespace {

struct VdaPoint {
    QString name;
    // X, Y, Z and, for a point of an MDI, I, J, K.
    std::array<QString, 6> values;
};

// The points of one statement, checked against its kind.
class PointStatement {
public:
    PointStatement(const VdaStatement &statement, std::vector<VdaPoint> &points)
        : m_statement(statement)
        , m_points(points) {}

    // Adds the statement's points; a syntax error when its values don't fit.
    std::optional<SyntaxError> read() {
        const QString &command = m_statement.command;
        if (command == u"POINT")
            return readPoints(0, 1, 3);
        const qsizetype valuesEach = command == u"PSET" ? 3 : 6;
        if (m_statement.parameters.isEmpty())
            return wrongCount();
        const VdaParameter &count = m_statement.parameters.first();
        const std::optional<qsizetype> points = vdaCount(count.text);
        if (!points)
            return SyntaxError{SyntaxError::Kind::NotACount, count.record, count.text};
        return readPoints(1, *points, valuesEach);
    }

private:
    std::optional<SyntaxError> wrongCount() const {
        return SyntaxError{SyntaxError::Kind::WrongValueCount, m_statement.record,
                           m_statement.name};
    }

    std::optional<SyntaxError> readPoints(qsizetype first, qsizetype count, qsizetype valuesEach) {
        const QList<VdaParameter> &parameters = m_statement.parameters;
        if (parameters.size() - first != count * valuesEach)
            return wrongCount();
        const bool single = m_statement.command == u"POINT";
        for (qsizetype point = 0; point < count; ++point) {
            VdaPoint read;
            read.name =
                single ? m_statement.name : m_statement.name + u'_' + QString::number(point + 1);
            for (qsizetype value = 0; value < valuesEach; ++value) {
                const VdaParameter &parameter = parameters[first + point * valuesEach + value];
                std::optional<QString> number = vdaNumberText(parameter.text);
                if (!number)
                    return SyntaxError{SyntaxError::Kind::NotANumber, parameter.record,
                                       parameter.text};
                read.values[std::size_t(value)] = std::move(*number);
            }
            m_points.push_back(std::move(read));
        }
        return std::nullopt;
    }

    const VdaStatement &m_statement;
    std::vector<VdaPoint> &m_points;
};

// Counts an entity that gives no points; the structure of the file (sets
// and groups) is no entity.
void countSkipped(const QString &command, SkippedEntities &skipped) {
    if (command == u"SURF" || command == u"FACE")
        ++skipped.surfaces;
    else if (command == u"CURVE" || command == u"CIRCLE" || command == u"CONS")
        ++skipped.curves;
    else if (command != u"BEGINSET" && command != u"ENDSET" && command != u"GROUP")
        ++skipped.others;
}

void writePoints(PointTable &table, const std::vector<VdaPoint> &points,
                 const std::function<bool()> &idsFromFile,
                 const std::function<void()> &progressStep) {
    for (std::size_t index = 0; index < points.size(); ++index) {
        const VdaPoint &point = points[index];
        const int row = static_cast<int>(index) + 1;
        progressStep();
        table.setRowCount(row + 1);
        if (row == 1)
            table.setColumnCount(PointTable::MinimumColumnCount);
        std::array<QStringView, PointTable::MinimumColumnCount> cells{};
        cells[0] = point.name;
        for (std::size_t value = 0; value < point.values.size(); ++value)
            cells[value + 1] = point.values[value];
        const std::size_t firstColumn = idsFromFile() ? 0 : 1;
        table.setCellTexts(row, static_cast<int>(firstColumn),
                           std::span(cells).subspan(firstColumn));
    }
}

} // namespace

bool isVdaFile(QIODevice &file) {
    QByteArray start = file.peek(DecodedText::PieceBytes);
    QBuffer piece(&start);
    piece.open(QIODevice::ReadOnly);
    LineReader lines(piece);
    QString record;
    bool tooLong = false;
    while (lines.next(record, tooLong)) {
        const QStringView data = vdaRecordData(record);
        if (!data.isEmpty())
            return beginsVdaHeader(data);
    }
    return false;
}

ImportResult importVdaPoints(QIODevice &file, PointTable &table,
                             const std::function<bool()> &idsFromFile,
                             const std::function<void()> &progressStep) {
    VdaStatements statements(file);
    if (!statements.isText())
        return {ImportOutcome::NotText, 0};
    std::vector<VdaPoint> points;
    SkippedEntities skipped;
    VdaStatement statement;
    ImportOutcome outcome = ImportOutcome::Complete;
    while (statements.next(statement)) {
        const QString &command = statement.command;
        if (command != u"POINT" && command != u"PSET" && command != u"MDI") {
            countSkipped(command, skipped);
            continue;
        }
        if (std::optional<SyntaxError> error = PointStatement(statement, points).read()) {
            ImportResult result(ImportOutcome::BrokenSyntax, 0);
            result.syntaxError = std::move(*error);
            return result;
        }
        if (points.size() > std::size_t(MaxImportPoints)) {
            points.resize(MaxImportPoints);
            outcome = ImportOutcome::TooManyPoints;
            break;
        }
    }
    if (const std::optional<SyntaxError> &error = statements.error()) {
        ImportResult result(ImportOutcome::BrokenSyntax, 0);
        result.syntaxError = *error;
        return result;
    }
    if (statements.readFailed())
        outcome = ImportOutcome::ReadFailed;
    writePoints(table, points, idsFromFile, progressStep);
    ImportResult result(outcome, static_cast<int>(points.size()));
    result.skipped = skipped;
    return result;
}

} // namespace vandelor
