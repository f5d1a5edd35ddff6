#pragma once

#include "points/workbook_reader.h"

#include <QMap>
#include <QPair>
#include <QStringList>

#include <optional>

// An in-process workbook reader: cells from a map, failures on request, and
// a log of the calls the import made.
class FakeWorkbookReader final : public vandelor::WorkbookReader {
public:
    using Cell = QPair<int, int>;

    QMap<Cell, QString> cells;
    std::optional<vandelor::WorkbookFailure> startFailure;
    // Reading this cell throws this failure.
    std::optional<QPair<Cell, vandelor::WorkbookFailure>> cellFailure;
    QStringList calls;
    int cellReads = 0;

    void setRow(int row, const QStringList &texts);

    void start() override;
    void setVisible(bool visible) override;
    void open(const QString &fileName) override;
    QString cellText(int row, int column) override;
    bool hasDataBelow(int row) override;
    void closeWithoutSaving() noexcept override;
    void quit() noexcept override;

private:
    bool m_open = false;
    bool m_running = false;
};
