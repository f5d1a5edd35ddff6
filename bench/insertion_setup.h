#pragma once

#include "app/frm_Steuerung.h"
#include "points/point_table.h"

#include <QCheckBox>
#include <QStringList>

// The run both insertion benchmarks time: rows vector points, each with all five
// dimension commands, in the window's table.
inline void prepareInsertion(vandelor::frm_Steuerung &window, int rows) {
    for (const char *name : {"CB2", "cbX", "cbY", "cbZ", "cbV"})
        window.findChild<QCheckBox *>(QString::fromLatin1(name))->click();
    vandelor::PointTable &table = window.pointTable();
    table.setRowCount(rows + 1);
    for (int row = 1; row <= rows; ++row) {
        const QStringList cells{QStringLiteral("P%1").arg(row),
                                QString::number(row * 0.5),
                                QStringLiteral("20.25"),
                                QStringLiteral("-3.5"),
                                QStringLiteral("0"),
                                QStringLiteral("0"),
                                QStringLiteral("1")};
        for (int column = 0; column < cells.size(); ++column)
            table.setCellText(row, column, cells[column]);
    }
}

// Member calls of a run before its first row: the active part program, its name,
// its commands.
inline constexpr int RunStartCalls = 3;
