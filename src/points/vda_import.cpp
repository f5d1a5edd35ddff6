#include "points/vda_import.h"

#include "points/line_reader.h"
#include "points/point_table.h"
#include "points/point_texts.h"
#include "points/vda_number.h"
#include "points/vda_statements.h"

#include <QBuffer>
#include <QIODevice>

#include <array>

namespace vandelor {

namespace {

// The points of one statement, checked against its kind.
class PointStatement {
public:
    PointStatement(const VdaStatement &statement, PointTexts &points)
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
            return SyntaxError{SyntaxError::Kind::NotACount, count.record, count.text.toString()};
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
            QString &name = m_points.openCell();
            name += m_statement.name;
            if (!single)
                name += u'_' + QString::number(point + 1);
            m_points.endCell();
            for (qsizetype value = 0; value < PointTexts::CellsPerPoint - 1; ++value) {
                if (value < valuesEach) {
                    const VdaParameter &parameter = parameters[first + point * valuesEach + value];
                    if (!appendVdaNumber(parameter.text, m_points.openCell()))
                        return SyntaxError{SyntaxError::Kind::NotANumber, parameter.record,
                                           parameter.text.toString()};
                }
                m_points.endCell();
            }
        }
        return std::nullopt;
    }

    const VdaStatement &m_statement;
    PointTexts &m_points;
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

void writePoints(PointTable &table, const PointTexts &points,
                 const std::function<bool()> &idsFromFile,
                 const std::function<void()> &progressStep) {
    for (qsizetype point = 0; point < points.pointCount(); ++point) {
        const int row = static_cast<int>(point) + 1;
        progressStep();
        std::array<QStringView, PointTable::MinimumColumnCount> cells{};
        for (int cell = 0; cell < PointTexts::CellsPerPoint; ++cell)
            cells[std::size_t(cell)] = points.cell(point, cell);
        writeImportedRow(table, row, cells, idsFromFile());
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
    PointTexts points;
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
        if (points.pointCount() > MaxImportPoints) {
            points.keepPoints(MaxImportPoints);
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
    ImportResult result(outcome, static_cast<int>(points.pointCount()));
    result.skipped = skipped;
    return result;
}

} // namespace vandelor
