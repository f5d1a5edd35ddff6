#include "points/assigned_import.h"

#include "points/column_header.h"
#include "points/line_reader.h"
#include "points/point_table.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>
#include <array>

namespace vandelor {

namespace {

QStringList linesOf(QIODevice &file, qsizetype most, bool skipBlank) {
    QByteArray start = file.peek(DecodedText::PieceBytes);
    QBuffer piece(&start);
    piece.open(QIODevice::ReadOnly);
    LineReader lines(piece);
    QStringList read;
    QString line;
    bool tooLong = false;
    while (read.size() < most && lines.next(line, tooLong))
        if (!skipBlank || !line.trimmed().isEmpty())
            read.append(line);
    return read;
}

// A line of names: fields between ';' or tabs, none of them a number.
bool namesColumns(const QString &line) {
    const FieldSeparator separator =
        line.contains(u';') ? FieldSeparator::Semicolon : FieldSeparator::Tab;
    const QStringList fields = assignedFields(line, separator);
    return fields.size() > 1 && std::none_of(fields.cbegin(), fields.cend(), [](const QString &f) {
               return readsAsNumber(f, false) || readsAsNumber(f, true);
           });
}

} // namespace

QStringList firstLines(QIODevice &file) {
    return linesOf(file, PreviewLines, false);
}

bool needsColumnAssignment(QIODevice &file) {
    const QStringList lines = linesOf(file, PreviewLines, true);
    if (lines.isEmpty())
        return false;
    const bool semicolons = std::any_of(lines.cbegin(), lines.cend(),
                                        [](const QString &l) { return l.contains(u';'); });
    const bool numbers = std::any_of(lines.cbegin(), lines.cend(), [](const QString &line) {
        QString spaced = line;
        spaced.replace(u',', u' ');
        const QStringList fields = assignedFields(spaced, FieldSeparator::Blanks);
        return std::count_if(fields.cbegin(), fields.cend(),
                             [](const QString &field) { return readsAsNumber(field, false); }) >= 3;
    });
    if (!semicolons && numbers)
        return true;
    const QString &first = lines.first();
    return (first.contains(u';') || first.contains(u'\t')) && namesColumns(first) &&
           !readColumnHeader(first);
}

ImportResult importAssignedColumns(QIODevice &file, PointTable &table,
                                   const ColumnAssignment &assignment,
                                   const AsciiImportCallbacks &callbacks) {
    LineReader lines(file);
    if (!lines.isText())
        return {ImportOutcome::NotText, 0};
    int row = 0;
    int lineNumber = 0;
    QString line;
    bool tooLong = false;
    while (lines.next(line, tooLong)) {
        if (tooLong)
            return {ImportOutcome::ItemTooLong, row};
        if (lines.readFailed())
            break; // the line may be cut short
        if (++lineNumber <= assignment.skippedLines || line.trimmed().isEmpty())
            continue;
        if (row == MaxImportPoints)
            return {ImportOutcome::TooManyPoints, row};
        callbacks.progressStep();
        const QStringList fields = assignedFields(line, assignment.separator);
        std::array<QStringView, PointTable::MinimumColumnCount> cells{};
        const qsizetype assigned = std::min(fields.size(), assignment.columns.size());
        for (qsizetype field = 0; field < assigned; ++field)
            if (const int column = assignment.columns[field];
                column >= 0 && column < PointTable::MinimumColumnCount)
                cells[std::size_t(column)] = fields[field];
        writeImportedRow(table, row + 1, cells, callbacks.idsFromFile());
        ++row;
    }
    return {lines.readFailed() ? ImportOutcome::ReadFailed : ImportOutcome::Complete, row};
}

} // namespace vandelor
