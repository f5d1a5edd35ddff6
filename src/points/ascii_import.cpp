#include "ascii_import.h"

#include "item_reader.h"
#include "point_table.h"

#include <algorithm>

namespace vandelor {

namespace {

// Writes the fields of one item into the row, field by field, widening the
// table as the columns grow.
void writeFields(PointTable &table, int row, int firstColumn, QStringView text, int &widestColumn) {
    int column = firstColumn;
    qsizetype start = 0;
    for (;;) {
        widestColumn = std::max(widestColumn, column);
        table.setColumnCount(widestColumn + 1);
        const qsizetype separator = text.indexOf(u';', start);
        const qsizetype end = separator < 0 ? text.size() : separator;
        table.setCellText(row, column, text.sliced(start, end - start));
        if (separator < 0)
            return;
        start = separator + 1;
        ++column;
    }
}

} // namespace

ImportResult importAsciiPoints(QIODevice &file, PointTable &table,
                               const AsciiImportCallbacks &callbacks) {
    ItemReader reader(file);
    if (!reader.isText())
        return {ImportOutcome::NotText, 0};
    int row = 0;
    int widestColumn = 0;
    while (!reader.atEnd()) {
        if (row == MaxImportPoints)
            return {ImportOutcome::TooManyPoints, row};
        callbacks.progressStep();
        table.setRowCount(row + 2);
        const std::optional<Item> item = reader.next();
        const int firstColumn = callbacks.idsFromFile() ? 0 : 1;
        const qsizetype lastColumn = firstColumn + item->text.count(u';');
        if (item->tooLong || lastColumn >= MaxImportColumnCount) {
            table.setRowCount(row + 1);
            return {item->tooLong ? ImportOutcome::ItemTooLong : ImportOutcome::TooManyFields, row};
        }
        writeFields(table, row + 1, firstColumn, item->text, widestColumn);
        ++row;
    }
    return {reader.readFailed() ? ImportOutcome::ReadFailed : ImportOutcome::Complete, row};
}

} // namespace vandelor
