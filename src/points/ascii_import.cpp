#include "points/ascii_import.h"

#include "points/column_header.h"
#include "points/item_reader.h"
#include "points/line_reader.h"
#include "points/per_point_columns.h"
#include "points/point_table.h"

#include <QBuffer>
#include <QIODevice>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace vandelor {

namespace {

// Room for the fields of a usual line without a heap allocation.
using Fields = QVarLengthArray<QStringView, 64>;

// Splits an item at every ";" into fields; false when it has more than
// maxFields of them.
bool splitFields(QStringView text, qsizetype maxFields, Fields &fields) {
    fields.clear();
    qsizetype start = 0;
    // Fields are short, so a plain pass beats a search call per field.
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] != u';')
            continue;
        if (fields.size() == maxFields - 1)
            return false;
        fields.append(text.sliced(start, at - start));
        start = at + 1;
    }
    fields.append(text.sliced(start));
    return true;
}

// Writes the fields of one item into the row, widening the table as far as
// its last field reaches. Only the count set for the first field can narrow
// the table; those for the further fields just widen it.
void writeFields(PointTable &table, int row, int firstColumn, const Fields &fields,
                 int &widestColumn) {
    widestColumn = std::max(widestColumn, firstColumn);
    table.setColumnCount(widestColumn + 1);
    widestColumn = std::max(widestColumn, firstColumn + static_cast<int>(fields.size()) - 1);
    table.setColumnCount(widestColumn + 1);
    table.setCellTexts(row, firstColumn, fields);
}

// The data lines of a file whose first line names the columns: each line
// is split at the header's separator only, quoted fields as the header's,
// its fields go to the columns their names give, and blank lines are passed
// over. The table changes only once a line has been read whole.
ImportResult importByHeader(LineReader &lines, const ColumnHeader &header, PointTable &table,
                            const AsciiImportCallbacks &callbacks) {
    if (!header.repeatedName.isEmpty())
        return {ImportOutcome::RepeatedColumn, 0, {}, header.repeatedName};
    // A file naming a per-point column gets all three in the table.
    const bool perPoint = std::any_of(header.columns.cbegin(), header.columns.cend(),
                                      [](int column) { return column >= per_point::TypeColumn; });
    const std::size_t columns = perPoint ? per_point::EndColumn : PointTable::MinimumColumnCount;
    int row = 0;
    QString line;
    QStringList quoted;
    bool tooLong = false;
    while (lines.next(line, tooLong)) {
        if (tooLong)
            return {ImportOutcome::ItemTooLong, row, header.unreadNames};
        if (lines.readFailed())
            break; // the line may be cut short
        if (line.trimmed().isEmpty())
            continue;
        if (row == MaxImportPoints)
            return {ImportOutcome::TooManyPoints, row, header.unreadNames};
        callbacks.progressStep();
        std::array<QStringView, per_point::EndColumn> cells{};
        qsizetype field = 0;
        const auto place = [&](QStringView text) {
            if (field < header.columns.size() && header.columns[field] >= 0)
                cells[header.columns[field]] = text;
            ++field;
        };
        // Most lines hold no quote; they are split without copying a field.
        if (line.contains(u'"')) {
            quoted = quotedFields(line, header.separator);
            for (const QString &text : std::as_const(quoted))
                place(text);
        } else {
            for (const QStringView text : QStringView(line).tokenize(header.separator))
                place(text);
        }
        writeImportedRow(table, row + 1, std::span(cells).first(columns), callbacks.idsFromFile());
        ++row;
    }
    return {lines.readFailed() ? ImportOutcome::ReadFailed : ImportOutcome::Complete, row,
            header.unreadNames};
}

// The header the file's first line is, read from the file's first piece
// without moving in the file, so that the file itself is read only once.
std::optional<ColumnHeader> headerOf(QIODevice &file) {
    QByteArray start = file.peek(DecodedText::PieceBytes);
    QBuffer piece(&start);
    piece.open(QIODevice::ReadOnly);
    LineReader lines(piece);
    QString first;
    bool tooLong = false;
    if (!lines.next(first, tooLong) || tooLong)
        return std::nullopt;
    return readColumnHeader(first);
}

} // namespace

ImportResult importAsciiPoints(QIODevice &file, PointTable &table,
                               const AsciiImportCallbacks &callbacks) {
    if (const std::optional<ColumnHeader> header = headerOf(file)) {
        LineReader lines(file);
        if (!lines.isText())
            return {ImportOutcome::NotText, 0};
        QString headerLine;
        bool tooLong = false;
        lines.next(headerLine, tooLong);
        ImportResult result = importByHeader(lines, *header, table, callbacks);
        result.statedUnit = header->statedUnit;
        return result;
    }
    ItemReader reader(file);
    if (!reader.isText())
        return {ImportOutcome::NotText, 0};
    int row = 0;
    int widestColumn = 0;
    Item item;
    Fields fields;
    while (!reader.atEnd()) {
        if (row == MaxImportPoints)
            return {ImportOutcome::TooManyPoints, row};
        reader.next(item);
        if (reader.readFailed())
            break; // the item may be cut short
        const int firstColumn = callbacks.idsFromFile() ? 0 : 1;
        const bool fits = splitFields(item.text, MaxImportColumnCount - firstColumn, fields);
        if (item.tooLong || !fits)
            return {item.tooLong ? ImportOutcome::ItemTooLong : ImportOutcome::TooManyFields, row};
        // The row is added once its item is whole, so that a file that stops
        // at its first item leaves the table and the bar as they were.
        callbacks.progressStep();
        table.setRowCount(row + 2);
        writeFields(table, row + 1, firstColumn, fields, widestColumn);
        ++row;
    }
    return {reader.readFailed() ? ImportOutcome::ReadFailed : ImportOutcome::Complete, row};
}

} // namespace vandelor
