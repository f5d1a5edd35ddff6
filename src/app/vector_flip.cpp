#include "app/vector_flip.h"

#include "points/coordinate_number.h"
#include "points/point_table.h"

#include <algorithm>

namespace vandelor {

namespace {
// The message names no more rows than one can take in at a glance.
constexpr qsizetype MostRowsNamed = 10;
} // namespace

VectorFlip flipVectors(const PointTable &table, const QList<int> &rows, int firstColumn) {
    VectorFlip flip;
    for (const int row : rows) {
        if (table.isRowEmpty(row))
            continue;
        QList<CellChange> changes;
        for (int column = firstColumn; column < firstColumn + 3; ++column) {
            const QString text = table.cellText(row, column);
            if (!toCoordinate(text))
                break;
            changes.append({row, column, withOtherSign(text)});
        }
        if (changes.size() == 3)
            flip.changes.append(changes);
        else
            flip.notNumbers.append(row);
    }
    return flip;
}

QString vectorsKeptMessage(const PointTable &table, const QList<int> &rows, bool surface) {
    QStringList names;
    for (const int row : rows.first(std::min(rows.size(), MostRowsNamed))) {
        const QString id = table.cellText(row, 0);
        names.append(id.isEmpty() ? QStringLiteral("Zeile %1").arg(row)
                                  : QStringLiteral("Zeile %1 (%2)").arg(row).arg(id));
    }
    QString text = names.join(QStringLiteral(", "));
    if (rows.size() > MostRowsNamed)
        text += QStringLiteral(" und %1 weitere").arg(rows.size() - MostRowsNamed);
    return QStringLiteral("Bei %1 der ausgewählten Zeilen ist %2 keine Zahl; diese Zeilen bleiben "
                          "unverändert: %3.")
        .arg(QString::number(rows.size()),
             surface ? QStringLiteral("der Flächenvektor") : QStringLiteral("die Normale"), text);
}

} // namespace vandelor
