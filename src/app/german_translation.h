#pragma once

class QCoreApplication;

namespace vandelor {

// The window is German by design, whatever the system's language: Qt's own
// texts (the file dialog's buttons, labels and tool tips) are shown in German
// too. Returns whether Qt's German translation was found.
bool installGermanTranslation(QCoreApplication &application);

} // namespace vandelor
