#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace vandelor {

// The cells of points read but not yet written to the table, all in one
// text: tens of thousands of points cost a few allocations, not one a cell.
class PointTexts {
public:
    // ID, X, Y, Z, I, J, K.
    static constexpr int CellsPerPoint = 7;

    // The text the cell being written is added to.
    QString &openCell() { return m_texts; }
    // Ends the cell being written; a point ends with its CellsPerPoint-th.
    void endCell() { m_ends.push_back(m_texts.size()); }

    qsizetype pointCount() const { return qsizetype(m_ends.size()) / CellsPerPoint; }
    QStringView cell(qsizetype point, int cell) const {
        const std::size_t at = std::size_t(point * CellsPerPoint + cell);
        const qsizetype start = at == 0 ? 0 : m_ends[at - 1];
        return QStringView(m_texts).sliced(start, m_ends[at] - start);
    }
    // Drops the points from count on.
    void keepPoints(qsizetype count) {
        m_ends.resize(std::size_t(count * CellsPerPoint));
        m_texts.truncate(m_ends.empty() ? 0 : m_ends.back());
    }

private:
    QString m_texts;
    std::vector<qsizetype> m_ends;
};

} // namespace vandelor
