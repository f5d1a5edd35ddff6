#pragma once

#include "points/locale_number.h"
#include "points/per_point_columns.h"

#include <QHash>
#include <QStringList>
#include <QStringView>

#include <array>
#include <utility>
#include <vector>

namespace vandelor {

class PointTable;

// What the insertion run will read of the table, so that the check knows what
// a row must hold.
struct CheckSettings {
    bool idsFromFile = true;
    // The window's insert type, for rows that name none of their own.
    bool edgePoints = false;
    // Whether dimension commands are written, and with them a row's own tolerances.
    bool dimensions = false;
};

// Finds the cells that would not give the host what it needs: coordinates and
// vectors that are no numbers, vectors of length zero or not of length one,
// a missing surface vector of an edge point, missing and repeated point IDs,
// a point type that is none and a point's own tolerance that is no number.
// It only tells; the insertion run inserts every row all the same.
//
// Rows are checked when first asked for and kept until the table or the
// settings change (forget() then), so a table of tens of thousands of points
// costs only the rows someone looks at, and the index of the IDs.
class PointCheck {
public:
    PointCheck(const PointTable &table, NumberSeparators separators);

    void setSettings(CheckSettings settings);
    // The table changed: every answer is found anew.
    void forget();

    // The problems of cell (row, column) of the table, in the order found.
    QStringList problems(int row, int column) const;
    bool rowHasProblems(int row) const;

private:
    static constexpr int CheckedColumns = per_point::EndColumn;
    using RowProblems = std::array<QStringList, CheckedColumns>;

    const RowProblems &rowProblems(int row) const;
    RowProblems findProblems(int row) const;
    void checkVector(int row, int firstColumn, RowProblems &problems) const;
    void checkPerPointColumns(int row, RowProblems &problems) const;
    // The other row holding the same ID, or 0.
    int otherRowWithId(int row, QStringView id) const;

    const PointTable &m_table;
    NumberSeparators m_separators;
    CheckSettings m_settings;
    mutable QHash<int, RowProblems> m_rows;
    // Each ID's first row, once an ID is asked for: an open-addressed table
    // of slots, each a row number (rows fit 16 bits) with 16 bits of the ID's
    // hash beside it, so that a probe seldom has to read the table. Its
    // memory stays for the next index, so an import costs no fresh pages.
    void indexIds() const;
    // The slot of the ID: where it stands, or the empty one where it would.
    size_t slotOf(QStringView id, size_t hash) const;
    mutable std::vector<quint32> m_idSlots;
    // The second row of each ID held more than once, by its first row.
    mutable QHash<int, int> m_secondRows;
    mutable bool m_idsIndexed = false;
};

} // namespace vandelor
