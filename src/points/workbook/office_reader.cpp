#include "points/workbook/office_reader.h"

#include "points/workbook/office_instance.h"
#include "points/workbook/sheet_values.h"
#include "points/workbook/uno_text.h"
#include "points/workbook_file.h"

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

// What the office made of a file: the document, whether it is a workbook,
// and the values of its first worksheet.
struct LoadedFile {
    Reference<css::lang::XComponent> document;
    bool isWorkbook = false;
    SheetValues values;
};

LoadedFile loadFile(const Reference<css::frame::XDesktop2> &desktop, const QString &url,
                    bool hidden) {
    LoadedFile loaded;
    loaded.document = desktop->loadComponentFromURL(toOUString(url), rtl::OUString("_blank"), 0,
                                                    loadProperties(hidden));
    const Reference<css::sheet::XSpreadsheetDocument> workbook(loaded.document,
                                                               css::uno::UNO_QUERY);
    loaded.isWorkbook = workbook.is() && isWorkbookFormat(filterOf(loaded.document));
    if (loaded.isWorkbook)
        loaded.values = readFirstSheet(workbook, WorkbookRowsHeld, WorkbookColumnsRead);
    return loaded;
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
    bool hasDataBelow(int row) override { return m_values.lastRowWithData() > row; }
    void closeWithoutSaving() noexcept override;
    void quit() noexcept override { m_office.terminate(); }

private:
    CellTextRules m_rules;
    OfficeInstance m_office;
    bool m_visible = false;
    Reference<css::lang::XComponent> m_document;
    SheetValues m_values;
};

void OfficeReader::open(const QString &fileName) {
    if (!mayBeWorkbookFile(fileName))
        throw WorkbookError(WorkbookFailure::CannotOpen, "no readable workbook file");
    const QFileInfo file(fileName);
    // Percent-encoded UTF-8, whatever letters the name holds.
    const QString url = QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded);
    const bool hidden = !(m_visible && m_office.canShow());
    const Reference<css::frame::XDesktop2> desktop = m_office.desktop();
    LoadedFile loaded;
    try {
        loaded =
            m_office.answered([&desktop, &url, hidden] { return loadFile(desktop, url, hidden); });
    } catch (const css::lang::DisposedException &) {
        throw WorkbookError(WorkbookFailure::ReadFailed, "the office ended while loading");
    } catch (const css::uno::Exception &) {
        throw WorkbookError(WorkbookFailure::CannotOpen, "the office could not load the file");
    }
    m_document = loaded.document;
    if (!loaded.isWorkbook) {
        closeWithoutSaving();
        throw WorkbookError(WorkbookFailure::CannotOpen, "not a workbook");
    }
    m_values = std::move(loaded.values);
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
        m_office.answered([document = m_document] {
            const Reference<css::util::XCloseable> closeable(document, css::uno::UNO_QUERY);
            if (closeable.is())
                closeable->close(true);
            else
                document->dispose();
        });
    } catch (const css::uno::Exception &) {
        // Ending the office closes it all the same.
    } catch (const WorkbookError &) {
        // It did not answer and has been ended.
    }
    m_document.clear();
    m_values = {};
}

} // namespace

std::unique_ptr<WorkbookReader> newOfficeReader(const CellTextRules &rules) {
    return std::make_unique<OfficeReader>(rules);
}

} // namespace vandelor
