#pragma once

#include "import_result.h"

#include <QString>

namespace vandelor {

// The German message for how an import ended; empty when it ended well.
QString importMessage(ImportOutcome outcome);

// The German message for a file that cannot be opened.
QString cannotOpenFileMessage();

} // namespace vandelor
