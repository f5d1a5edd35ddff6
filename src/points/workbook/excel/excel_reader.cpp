// Workbooks on Windows: read by an Excel started for each import through its
// automation interface.

#include "points/workbook/office_reader.h"

#include "points/workbook/excel/excel_instance.h"
#include "points/workbook_file.h"

#include <QDir>
#include <QFileInfo>

namespace vandelor {

namespace {

CellValue cellValueOf(const excel::ExcelCell &cell) {
    switch (cell.kind) {
    case excel::ExcelCell::Kind::Empty:
        return CellValue::empty();
    case excel::ExcelCell::Kind::Text:
        return CellValue::ofText(QString::fromStdWString(cell.text));
    case excel::ExcelCell::Kind::Number:
        return CellValue::ofNumber(cell.number);
    case excel::ExcelCell::Kind::Date:
        return CellValue::ofDate(spreadsheetDateTime(cell.number));
    }
    return CellValue::empty();
}

class ExcelReader final : public WorkbookReader {
public:
    explicit ExcelReader(const CellTextRules &rules)
        : m_rules(rules) {}

    void start() override { m_excel.start(); }
    // A new instance stays hidden unless it is shown.
    void setVisible(bool visible) override {
        if (visible)
            m_excel.show();
    }
    void open(const QString &fileName) override;
    // Values, not the texts Excel shows: those are rounded to the column's width.
    QString cellText(int row, int column) override {
        return vandelor::cellText(cellValueOf(m_excel.cell(row, column)), m_rules);
    }
    bool hasDataBelow(int row) override { return m_excel.hasDataBelow(row); }
    void closeWithoutSaving() noexcept override { m_excel.closeWithoutSaving(); }
    void quit() noexcept override { m_excel.quit(); }

private:
    CellTextRules m_rules;
    excel::ExcelInstance m_excel;
};

void ExcelReader::open(const QString &fileName) {
    // Refused before Excel is asked, as on Linux.
    if (!mayBeWorkbookFile(fileName))
        throw WorkbookError(WorkbookFailure::CannotOpen, "no readable workbook file");
    // Excel resolves a relative name against its own folder.
    const QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    m_excel.open(path.toStdWString());
}

} // namespace

std::unique_ptr<WorkbookReader> newOfficeReader(const CellTextRules &rules) {
    return std::make_unique<ExcelReader>(rules);
}

} // namespace vandelor
