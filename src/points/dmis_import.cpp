#include "dmis_import.h"

#include "item_reader.h"
#include "point_table.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vandelor {

namespace {

bool isKeyword(const Item &item, QStringView keyword) {
    return !item.tooLong && item.text == keyword;
}

struct DmisPoint {
    std::array<QString, 6> values; // X, Y, Z, I, J, K
    QString id;
};

// How reading the items of one point ended.
enum class PointEnd { Complete, NextPointStarts, DataEnds, FileEnded, ItemTooLong };

PointEnd readValues(ItemReader &reader, DmisPoint &point) {
    for (QString &value : point.values) {
        std::optional<Item> item = reader.next();
        if (!item)
            return PointEnd::FileEnded;
        if (item->tooLong)
            return PointEnd::ItemTooLong;
        value = std::move(item->text);
    }
    return PointEnd::Complete;
}

// The item after the values is passed over, the one after it is the ID. A
// file may end, or its data end with "ENDFIL", right after the values: the
// point is complete then, with an empty ID.
PointEnd readId(ItemReader &reader, DmisPoint &point) {
    for (int position = 0; position < 2; ++position) {
        std::optional<Item> item = reader.next();
        if (!item || isKeyword(*item, u"ENDFIL"))
            return PointEnd::DataEnds;
        if (isKeyword(*item, u"CART"))
            return PointEnd::NextPointStarts;
        if (position == 1) {
            if (item->tooLong)
                return PointEnd::ItemTooLong;
            point.id = std::move(item->text);
        }
    }
    return PointEnd::Complete;
}

// The ID column and the six value columns; a DMIS point has nothing beyond.
constexpr int PointColumns = 7;

void writePoint(PointTable &table, int row, const DmisPoint &point, bool withId) {
    table.setRowCount(row + 1);
    if (row == 1) {
        // Row 1 outlives every import. What an earlier file left beyond the
        // values, its surface vector above all, would go out with this file's
        // first point.
        const std::vector<QStringView> beyond(
            std::size_t(std::max(table.columnCount() - PointColumns, 0)));
        table.setCellTexts(row, PointColumns, beyond);
    }
    for (int value = 0; value < 6; ++value)
        table.setCellText(row, value + 1, point.values[value]);
    if (withId)
        table.setCellText(row, 0, point.id);
}

} // namespace

ImportResult importDmisPoints(QIODevice &file, PointTable &table,
                              const std::function<bool()> &idsFromFile) {
    ItemReader reader(file);
    if (!reader.isText())
        return {ImportOutcome::NotText, 0};
    int points = 0;
    bool pointStarted = false; // a "CART" was met in place of an ID
    for (;;) {
        if (!pointStarted) {
            const std::optional<Item> item = reader.next();
            if (!item || isKeyword(*item, u"ENDFIL"))
                break;
            if (!isKeyword(*item, u"CART"))
                continue;
        }
        if (points == MaxImportPoints)
            return {ImportOutcome::TooManyPoints, points};
        DmisPoint point;
        PointEnd end = readValues(reader, point);
        const bool withId = end == PointEnd::Complete && idsFromFile();
        if (withId)
            end = readId(reader, point);
        if (end == PointEnd::FileEnded)
            return {reader.readFailed() ? ImportOutcome::ReadFailed : ImportOutcome::TruncatedPoint,
                    points};
        if (end == PointEnd::ItemTooLong)
            return {ImportOutcome::ItemTooLong, points};
        writePoint(table, points + 1, point, withId);
        ++points;
        if (end == PointEnd::DataEnds)
            break;
        pointStarted = end == PointEnd::NextPointStarts;
    }
    return {reader.readFailed() ? ImportOutcome::ReadFailed : ImportOutcome::Complete, points};
}

} // namespace vandelor
