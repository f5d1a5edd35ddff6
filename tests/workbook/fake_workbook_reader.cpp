#include "fake_workbook_reader.h"

using vandelor::WorkbookError;

void FakeWorkbookReader::setRow(int row, const QStringList &texts) {
    for (int column = 1; column <= texts.size(); ++column)
        cells[{row, column}] = texts[column - 1];
}

void FakeWorkbookReader::start() {
    calls << QStringLiteral("start");
    m_running = true; // a failed start may leave a process behind
    if (startFailure)
        throw WorkbookError(*startFailure);
}

void FakeWorkbookReader::setVisible(bool visible) {
    calls << (visible ? QStringLiteral("show") : QStringLiteral("hide"));
}

void FakeWorkbookReader::open(const QString &fileName) {
    calls << QStringLiteral("open ") + fileName;
    m_open = true;
}

QString FakeWorkbookReader::cellText(int row, int column) {
    ++cellReads;
    if (!m_open)
        throw WorkbookError(vandelor::WorkbookFailure::ReadFailed, "read without a workbook");
    if (cellFailure && cellFailure->first == Cell(row, column))
        throw WorkbookError(cellFailure->second);
    return cells.value({row, column});
}

bool FakeWorkbookReader::hasDataBelow(int row) {
    for (auto cell = cells.cbegin(); cell != cells.cend(); ++cell)
        if (cell.key().first > row && cell.key().second <= 10 && !cell.value().isEmpty())
            return true;
    return false;
}

void FakeWorkbookReader::closeWithoutSaving() noexcept {
    if (m_open)
        calls << QStringLiteral("close");
    m_open = false;
}

void FakeWorkbookReader::quit() noexcept {
    if (m_running)
        calls << QStringLiteral("quit");
    m_running = false;
}
