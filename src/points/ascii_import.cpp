#include "ascii_import.h"

#include "item_reader.h"
#include "point_table.h"

#include <QVarLengthArray>

#include <algorithm>

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

} // namespace

ImportResult importAsciiPoints(QIODevice &file, PointTable &table,
                               const AsciiImportCallbacks &callbacks) {
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
        callbacks.progressStep();
        table.setRowCount(row + 2);
        reader.next(item);
        const int firstColumn = callbacks.idsFromFile() ? 0 : 1;
        const bool fits = splitFields(item.text, MaxImportColumnCount - firstColumn, fields);
        if (item.tooLong || !fits) {
            table.setRowCount(row + 1);
            return {item.tooLong ? ImportOutcome::ItemTooLong : ImportOutcome::TooManyFields, row};
        }
        writeFields(table, row + 1, firstColumn, fields, widestColumn);
        ++row;
    }
    return {reader.readFailed() ? ImportOutcome::ReadFailed : ImportOutcome::Complete, row};
}

} // namespace vandelor
