#include "points/dmis_import.h"

#include "points/item_reader.h"
#include "points/length_unit.h"
#include "points/point_table.h"

#include <algorithm>
#include <array>
#include <deque>
#include <vector>

namespace vandelor {

namespace {

bool isKeyword(const Item &item, QStringView keyword) {
    return !item.tooLong && item.text == keyword;
}

// The label of a point definition head "F(label)=FEAT/POINT" in the form the
// statements after it name the point, "F(label)"; empty for any other item.
QString definedPoint(const Item &item) {
    if (item.tooLong || !item.text.startsWith(u"F("))
        return {};
    const qsizetype close = item.text.indexOf(u')');
    if (close < 0)
        return {};
    const QStringView rest = QStringView(item.text).sliced(close + 1).trimmed();
    if (!rest.startsWith(u'=') || rest.sliced(1).trimmed() != u"FEAT/POINT")
        return {};
    return item.text.first(close + 1);
}

// The items of the file, with room to look ahead and give items back.
class Scan {
public:
    explicit Scan(QIODevice &file)
        : m_reader(file) {}

    bool isText() const { return m_reader.isText(); }
    bool readFailed() const { return m_reader.readFailed(); }

    std::optional<Item> next() {
        if (m_ahead.empty())
            return noted(m_reader.next());
        Item item = std::move(m_ahead.front());
        m_ahead.pop_front();
        return noted(std::move(item));
    }

    // The first unit other than millimetres a "UNITS/" statement among the
    // items read so far gives.
    LengthUnit statedUnit() const { return m_statedUnit; }

    // True when nothing but empty items follows.
    bool onlyEmptyItemsFollow() {
        while (std::optional<Item> item = m_reader.next()) {
            const bool empty = item->text.isEmpty();
            m_ahead.push_back(std::move(*item));
            if (!empty)
                return false;
        }
        return true;
    }

private:
    std::optional<Item> noted(std::optional<Item> item) {
        if (item && m_statedUnit == LengthUnit::Millimetre &&
            item->text.startsWith(u"UNITS/", Qt::CaseInsensitive))
            m_statedUnit =
                lengthUnitNamed(QStringView(item->text).sliced(6)).value_or(LengthUnit::Millimetre);
        return item;
    }

    ItemReader m_reader;
    std::deque<Item> m_ahead;
    LengthUnit m_statedUnit = LengthUnit::Millimetre;
};

struct DmisPoint {
    std::array<QString, 6> values; // X, Y, Z, I, J, K
    QString id;
};

// How reading the items of one point ended.
enum class PointEnd {
    Complete,
    NextPointStarts,
    NextDefinitionStarts,
    DataEnds,
    FileEnded,
    ItemTooLong
};

PointEnd readValues(Scan &scan, DmisPoint &point) {
    for (QString &value : point.values) {
        std::optional<Item> item = scan.next();
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
// point is complete then, without an ID item. "ENDFIL" with more to come is
// an item like any other there. A "CART" or a point definition in place of
// the two items begins the next point; nextLabel gets that definition's label.
PointEnd readId(Scan &scan, DmisPoint &point, QString &nextLabel) {
    for (int position = 0; position < 2; ++position) {
        std::optional<Item> item = scan.next();
        if (!item || (isKeyword(*item, u"ENDFIL") && scan.onlyEmptyItemsFollow()))
            return PointEnd::DataEnds;
        if (isKeyword(*item, u"CART"))
            return PointEnd::NextPointStarts;
        nextLabel = definedPoint(*item);
        if (!nextLabel.isEmpty())
            return PointEnd::NextDefinitionStarts;
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
    // Without IDs from the file row 1 keeps the ID an earlier import left
    // there, while the rows below start empty; deliberately, as it always did.
    if (withId)
        table.setCellText(row, 0, point.id);
}

ImportResult scanPoints(Scan &scan, PointTable &table, const std::function<bool()> &idsFromFile) {
    int points = 0;
    bool pointStarted = false; // a "CART" was met in place of an ID
    QString label;             // of the definition the next "CART" belongs to
    for (;;) {
        if (!pointStarted) {
            const std::optional<Item> item = scan.next();
            if (!item || isKeyword(*item, u"ENDFIL"))
                break;
            if (!isKeyword(*item, u"CART")) {
                label = definedPoint(*item);
                continue;
            }
        }
        if (points == MaxImportPoints)
            return {ImportOutcome::TooManyPoints, points};
        DmisPoint point;
        PointEnd end = readValues(scan, point);
        const bool withId = end == PointEnd::Complete && idsFromFile();
        QString nextLabel;
        if (withId)
            end = readId(scan, point, nextLabel);
        // A failed read may have cut the point's last item short.
        if (scan.readFailed())
            return {ImportOutcome::ReadFailed, points};
        if (end == PointEnd::FileEnded)
            return {ImportOutcome::TruncatedPoint, points};
        if (end == PointEnd::ItemTooLong)
            return {ImportOutcome::ItemTooLong, points};
        // A defined point is named by its definition: what follows its
        // values is the next statement, which need not name this point
        // (a block of definitions, a probe selection, a move, a comment).
        // Its two items are read all the same, so that the scan goes on
        // where it always did.
        if (withId && !label.isEmpty())
            point.id = label;
        writePoint(table, points + 1, point, withId);
        ++points;
        if (end == PointEnd::DataEnds)
            break;
        pointStarted = end == PointEnd::NextPointStarts;
        label = pointStarted ? QString() : nextLabel;
    }
    return {scan.readFailed() ? ImportOutcome::ReadFailed : ImportOutcome::Complete, points};
}

} // namespace

ImportResult importDmisPoints(QIODevice &file, PointTable &table,
                              const std::function<bool()> &idsFromFile) {
    Scan scan(file);
    if (!scan.isText())
        return {ImportOutcome::NotText, 0};
    ImportResult result = scanPoints(scan, table, idsFromFile);
    result.statedUnit = scan.statedUnit();
    return result;
}

} // namespace vandelor
