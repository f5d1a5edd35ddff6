#pragma once

#include "points/import_result.h"
#include "points/workbook_import.h"

#include <QString>

namespace vandelor {

// The German message for how an import ended and what the file said beyond
// its points (columns not read, a unit other than millimetres, entities
// passed over); empty when there is nothing to tell.
QString importMessage(const ImportResult &result);

// The German message for a file that cannot be opened.
QString cannotOpenFileMessage();

// The German message for how a workbook import ended; empty when it read
// up to the end mark or was cancelled.
QString workbookImportMessage(const WorkbookImportOutcome &outcome);

} // namespace vandelor
