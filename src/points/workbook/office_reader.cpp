#include "office_reader.h"

#include "office_instance.h"
#include "sheet_values.h"
#include "uno_text.h"

#include <QFileInfo>
#include <QUrl>

#include <iterator>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/util/XCloseable.hpp>

namespace vandelor {

namespace css = com::sun::star;
using css::uno::Reference;

namespace {

// The import reads no further than this: 999 rows, ten columns.
constexpr int RowsRead = 999;
constexpr int ColumnsRead = 10;

css::beans::PropertyValue property(const char *name, const css::uno::Any &value) {
    css::beans::PropertyValue property;
    property.Name = rtl::OUString::createFromAscii(name);
    property.Value = value;
    return property;
}

// Read-only, no macros, no updates of links to other files, and no dialogs:
// without an interaction handler a password or a repair question fails the
// load instead of waiting for an answer.
css::uno::Sequence<css::beans::PropertyValue> loadProperties(bool hidden) {
    const css::beans::PropertyValue properties[] = {
        property("Hidden", css::uno::Any(hidden)), property("ReadOnly", css::uno::Any(true)),
        property("MacroExecutionMode", css::uno::Any(css::document::MacroExecMode::NEVER_EXECUTE)),
        property("UpdateDocMode", css::uno::Any(css::document::UpdateDocMode::NO_UPDATE))};
    return css::uno::Sequence<css::beans::PropertyValue>(properties, std::size(properties));
}

// The office shows text, web pages and other documents as sheets too; only
// Excel and OpenDocument workbooks count as workbooks here.
bool isWorkbookFormat(const QString &filter) {
    return filter.contains(QStringLiteral("Excel")) ||
           filter.contains(QStringLiteral("Office Open XML")) ||
           filter.startsWith(QStringLiteral("calc8")) ||
           filter == QStringLiteral("StarOffice XML (Calc)") ||
           filter == QStringLiteral("OpenDocument Spreadsheet Flat XML");
}

QString filterOf(const Reference<css::lang::XComponent> &document) {
    const Reference<css::frame::XModel> model(document, css::uno::UNO_QUERY);
    if (!model.is())
        return {};
    const css::uno::Sequence<css::beans::PropertyValue> arguments = model->getArgs();
    for (sal_Int32 i = 0; i < arguments.getLength(); ++i) {
        rtl::OUString filter;
        if (arguments[i].Name == "FilterName" && (arguments[i].Value >>= filter))
            return toQString(filter);
    }
    return {};
}

class OfficeReader final : public WorkbookReader {
public:
    explicit OfficeReader(const CellTextRules &rules)
        : m_rules(rules) {}
    ~OfficeReader() override {
        closeWithoutSaving();
        quit();
    }

    void start() override { m_office.start(); }
    void setVisible(bool visible) override { m_visible = visible; }
    void open(const QString &fileName) override;
    QString cellText(int row, int column) override;
    void closeWithoutSaving() noexcept override;
    void quit() noexcept override { m_office.terminate(); }

private:
    Reference<css::lang::XComponent> load(const QString &fileName);

    CellTextRules m_rules;
    OfficeInstance m_office;
    bool m_visible = false;
    Reference<css::lang::XComponent> m_document;
    SheetValues m_values;
};

Reference<css::lang::XComponent> OfficeReader::load(const QString &fileName) {
    const QFileInfo file(fileName);
    if (!file.isFile() || !file.isReadable())
        throw WorkbookError(WorkbookFailure::CannotOpen, "no readable file");
    const QString url = QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded);
    const Reference<css::frame::XDesktop2> desktop = m_office.desktop();
    try {
        return desktop->loadComponentFromURL(toOUString(url), rtl::OUString("_blank"), 0,
                                             loadProperties(!(m_visible && m_office.canShow())));
    } catch (const css::lang::DisposedException &) {
        throw WorkbookError(WorkbookFailure::ReadFailed, "the office ended while loading");
    } catch (const css::uno::Exception &) {
        throw WorkbookError(WorkbookFailure::CannotOpen, "the office could not load the file");
    }
}

void OfficeReader::open(const QString &fileName) {
    m_document = load(fileName);
    const Reference<css::sheet::XSpreadsheetDocument> workbook(m_document, css::uno::UNO_QUERY);
    if (!workbook.is() || !isWorkbookFormat(filterOf(m_document))) {
        closeWithoutSaving();
        throw WorkbookError(WorkbookFailure::CannotOpen, "not a workbook");
    }
    try {
        m_values = readFirstSheet(workbook, RowsRead, ColumnsRead);
    } catch (const css::uno::Exception &) {
        throw WorkbookError(WorkbookFailure::CannotOpen, "the first worksheet could not be read");
    }
}

QString OfficeReader::cellText(int row, int column) {
    const std::optional<CellValue> value = m_values.at(row, column);
    if (!value)
        throw WorkbookError(WorkbookFailure::ErrorValue, "a cell holds an error value");
    return vandelor::cellText(*value, m_rules);
}

void OfficeReader::closeWithoutSaving() noexcept {
    if (!m_document.is())
        return;
    try {
        const Reference<css::util::XCloseable> closeable(m_document, css::uno::UNO_QUERY);
        if (closeable.is())
            closeable->close(true);
        else
            m_document->dispose();
    } catch (const css::uno::Exception &) {
        // Ending the office closes it all the same.
    }
    m_document.clear();
    m_values = {};
}

} // namespace

std::unique_ptr<WorkbookReader> newOfficeReader(const CellTextRules &rules) {
    return std::make_unique<OfficeReader>(rules);
}

} // namespace vandelor
