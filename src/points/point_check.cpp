#include "points/point_check.h"

#include "points/coordinate_number.h"
#include "points/point_table.h"
#include "points/tolerance_text.h"
#include "points/umwandeln.h"

#include <cmath>
#include <optional>

namespace vandelor {

namespace {

constexpr int IdColumn = 0;
constexpr int FirstCoordinateColumn = PointTable::XColumn;
constexpr int VectorColumn = PointTable::VectorColumn;
constexpr int SurfaceVectorColumn = PointTable::SurfaceVectorColumn;
// How far a vector's length may lie from 1 before it counts as not normalised.
constexpr double LengthTolerance = 0.001;

QString notANumber() {
    return QStringLiteral("Kein gültiger Zahlenwert");
}

} // namespace

PointCheck::PointCheck(const PointTable &table, NumberSeparators separators)
    : m_table(table)
    , m_separators(separators) {}

void PointCheck::setSettings(CheckSettings settings) {
    m_settings = settings;
    forget();
}

void PointCheck::forget() {
    m_rows.clear();
    m_secondRows.clear();
    m_idsIndexed = false;
}

QStringList PointCheck::problems(int row, int column) const {
    if (column < 0 || column >= CheckedColumns)
        return {};
    return rowProblems(row)[column];
}

bool PointCheck::rowHasProblems(int row) const {
    for (const QStringList &cell : rowProblems(row))
        if (!cell.isEmpty())
            return true;
    return false;
}

const PointCheck::RowProblems &PointCheck::rowProblems(int row) const {
    auto found = m_rows.find(row);
    if (found == m_rows.end())
        found = m_rows.insert(row, findProblems(row));
    return *found;
}

PointCheck::RowProblems PointCheck::findProblems(int row) const {
    RowProblems problems;
    // A table whose first point has no X is not inserted at all.
    if (row < 1 || row >= m_table.rowCount() || m_table.cellView(1, 1).isEmpty())
        return problems;
    for (int column = FirstCoordinateColumn; column < VectorColumn; ++column)
        if (!toCoordinate(m_table.cellText(row, column)))
            problems[column].append(notANumber());
    checkVector(row, VectorColumn, problems);
    const per_point::Kind kind = per_point::kindOf(m_table, row);
    if (kind == per_point::Kind::Edge ||
        (kind == per_point::Kind::WindowChoice && m_settings.edgePoints))
        checkVector(row, SurfaceVectorColumn, problems);
    checkPerPointColumns(row, problems);
    if (m_settings.idsFromFile) {
        const QStringView id = m_table.cellView(row, IdColumn);
        if (id.isEmpty())
            problems[IdColumn].append(QStringLiteral("Punkt-ID fehlt"));
        else if (const int other = otherRowWithId(row, id))
            problems[IdColumn].append(
                QStringLiteral("Punkt-ID doppelt (auch Zeile %1)").arg(other));
    }
    return problems;
}

void PointCheck::checkVector(int row, int firstColumn, RowProblems &problems) const {
    const bool surface = firstColumn == SurfaceVectorColumn;
    double squaredLength = 0;
    bool complete = true;
    for (int column = firstColumn; column < firstColumn + 3; ++column) {
        const QString text = m_table.cellText(row, column);
        const std::optional<double> value = toCoordinate(text);
        if (value) {
            squaredLength += *value * *value;
            continue;
        }
        complete = false;
        problems[column].append(surface && text.isEmpty() ? QStringLiteral("Flächenvektor fehlt")
                                                          : notANumber());
    }
    if (!complete)
        return;
    const double length = std::sqrt(squaredLength);
    QString problem;
    if (length == 0)
        problem = QStringLiteral("Vektor ist null");
    else if (std::abs(length - 1) > LengthTolerance)
        problem = QStringLiteral("Vektor ist nicht normiert (Länge %1)")
                      .arg(QString::number(length, 'f', 3).replace(u'.', m_separators.decimal));
    if (!problem.isEmpty())
        for (int column = firstColumn; column < firstColumn + 3; ++column)
            problems[column].append(problem);
}

void PointCheck::checkPerPointColumns(int row, RowProblems &problems) const {
    if (!per_point::isShown(m_table))
        return;
    if (per_point::kindOf(m_table, row) == per_point::Kind::Unknown)
        problems[per_point::TypeColumn].append(QStringLiteral(
            "Unbekannter Typ (erlaubt: V, Vektor, SP, Surface, K, Kante, EP, Edge)"));
    if (!m_settings.dimensions)
        return;
    for (const int column : {per_point::UpperToleranceColumn, per_point::LowerToleranceColumn}) {
        QString tolerance = m_table.cellText(row, column);
        if (tolerance.isEmpty())
            continue;
        Umwandeln(tolerance);
        if (!isCompleteTolerance(tolerance, m_separators))
            problems[column].append(notANumber());
    }
}

namespace {
quint32 tagOf(size_t hash) {
    return quint32(hash >> 16) & 0xFFFF0000u;
}
constexpr quint32 RowBits = 0xFFFFu;
} // namespace

size_t PointCheck::slotOf(QStringView id, size_t hash) const {
    const size_t mask = m_idSlots.size() - 1;
    const quint32 tag = tagOf(hash);
    size_t slot = hash & mask;
    for (quint32 entry = m_idSlots[slot]; entry != 0; entry = m_idSlots[slot]) {
        if ((entry & ~RowBits) == tag && m_table.cellView(int(entry & RowBits), IdColumn) == id)
            return slot;
        slot = (slot + 1) & mask;
    }
    return slot;
}

void PointCheck::indexIds() const {
    m_idsIndexed = true;
    size_t size = 1;
    while (size < 2 * size_t(m_table.rowCount()))
        size *= 2;
    m_idSlots.assign(size, 0);
    for (int row = 1; row < m_table.rowCount(); ++row) {
        const QStringView id = m_table.cellView(row, IdColumn);
        if (id.isEmpty())
            continue;
        const size_t hash = qHash(id);
        quint32 &entry = m_idSlots[slotOf(id, hash)];
        if (entry == 0)
            entry = tagOf(hash) | quint32(row);
        else if (!m_secondRows.contains(int(entry & RowBits)))
            m_secondRows.insert(int(entry & RowBits), row);
    }
}

int PointCheck::otherRowWithId(int row, QStringView id) const {
    if (!m_idsIndexed)
        indexIds();
    const int first = int(m_idSlots[slotOf(id, qHash(id))] & RowBits);
    return first == row ? m_secondRows.value(first) : first;
}

} // namespace vandelor
