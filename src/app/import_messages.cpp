#include "import_messages.h"

#include "item_reader.h"

namespace vandelor {

QString importMessage(ImportOutcome outcome) {
    switch (outcome) {
    case ImportOutcome::Complete:
        return {};
    case ImportOutcome::NotText:
        return QStringLiteral("Die Datei ist keine Textdatei und wurde nicht eingelesen. Die "
                              "Tabelle bleibt unverändert.");
    case ImportOutcome::TooManyPoints:
        return QStringLiteral("Die Datei enthält mehr als %1 Punkte. Es wurden nur die ersten "
                              "%1 Punkte gelesen.")
            .arg(MaxImportPoints);
    case ImportOutcome::ItemTooLong:
        return QStringLiteral("Die Datei enthält einen Eintrag mit mehr als %1 Zeichen. Der "
                              "Import wurde dort beendet.")
            .arg(ItemReader::MaxItemLength);
    case ImportOutcome::TooManyFields:
        return QStringLiteral("Eine Zeile der Datei hat mehr Felder, als die Tabelle Spalten "
                              "haben kann (höchstens %1). Der Import wurde dort beendet.")
            .arg(MaxImportColumnCount);
    case ImportOutcome::TruncatedPoint:
        return QStringLiteral("Die Datei endet mitten in einer Punktdefinition. Dieser Punkt "
                              "wurde nicht übernommen.");
    case ImportOutcome::ReadFailed:
        return QStringLiteral("Die Datei konnte nicht vollständig gelesen werden. Die Tabelle "
                              "enthält nur die Punkte bis zum Lesefehler.");
    }
    return {};
}

QString cannotOpenFileMessage() {
    return QStringLiteral("Die Datei kann nicht geöffnet werden.");
}

} // namespace vandelor
