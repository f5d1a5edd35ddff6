#include "app/import_messages.h"

#include "points/item_reader.h"

#include <algorithm>

namespace vandelor {

namespace {

// A message names no more columns than one can take in at a glance.
constexpr qsizetype MostNamesShown = 10;

QString quotedNames(const QStringList &names) {
    QStringList quoted;
    for (const QString &name : names.first(std::min(names.size(), MostNamesShown)))
        quoted.append(u'"' + name + u'"');
    QString text = quoted.join(QStringLiteral(", "));
    if (names.size() > MostNamesShown)
        text += QStringLiteral(" und %1 weitere").arg(names.size() - MostNamesShown);
    return text;
}

// What is wrong in the record, as a sentence.
QString syntaxErrorText(const SyntaxError &error) {
    const QString text = u'„' + error.text + u'“';
    switch (error.kind) {
    case SyntaxError::Kind::RecordTooLong:
        return QStringLiteral("Der Satz ist länger als 80 Zeichen.");
    case SyntaxError::Kind::DataInSequenceField:
        return QStringLiteral("In den Spalten 73 bis 80 steht keine Folgenummer, sondern Text "
                              "der Anweisung.");
    case SyntaxError::Kind::OutsideStatement:
        return QStringLiteral("Der Satz gehört zu keiner Anweisung.");
    case SyntaxError::Kind::BadName:
        return QStringLiteral("Der Name %1 ist leer, länger als 8 Zeichen oder enthält ein "
                              "Leerzeichen.")
            .arg(text);
    case SyntaxError::Kind::NoCommand:
        return QStringLiteral("%1 ist keine Anweisung.").arg(text);
    case SyntaxError::Kind::NotACount:
        return QStringLiteral("%1 ist keine Anzahl.").arg(text);
    case SyntaxError::Kind::NotANumber:
        return error.text.isEmpty() ? QStringLiteral("Ein Wert fehlt.")
                                    : QStringLiteral("%1 ist keine Zahl.").arg(text);
    case SyntaxError::Kind::WrongValueCount:
        return QStringLiteral("%1 hat nicht so viele Werte, wie die Anweisung verlangt.").arg(text);
    case SyntaxError::Kind::HeaderCut:
        return QStringLiteral("Die Datei endet vor dem Ende ihres Kopfes.");
    }
    return {};
}

QString outcomeMessage(const ImportResult &result) {
    switch (result.outcome) {
    case ImportOutcome::Cancelled:
        return {};
    case ImportOutcome::Complete:
        if (result.pointsRead == 0)
            return QStringLiteral("Die Datei enthält keine Punkte. Die Tabelle bleibt "
                                  "unverändert.");
        return {};
    case ImportOutcome::RepeatedColumn:
        return QStringLiteral("Die Kopfzeile der Datei nennt die Spalte \"%1\" zweimal. Die Datei "
                              "wurde nicht eingelesen. Die Tabelle bleibt unverändert.")
            .arg(result.repeatedColumn);
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
    case ImportOutcome::BrokenSyntax:
        return QStringLiteral("Die VDA-FS Datei ist in Satz %1 fehlerhaft: %2 Die Datei wurde "
                              "nicht eingelesen. Die Tabelle bleibt unverändert.")
            .arg(result.syntaxError ? result.syntaxError->record : 0)
            .arg(result.syntaxError ? syntaxErrorText(*result.syntaxError) : QString());
    case ImportOutcome::ReadFailed:
        return QStringLiteral("Die Datei konnte nicht vollständig gelesen werden. Die Tabelle "
                              "enthält nur die Punkte bis zum Lesefehler.");
    }
    return {};
}

// The unit after "in", as a sentence names it.
QString unitInSentence(LengthUnit unit) {
    switch (unit) {
    case LengthUnit::Millimetre:
        return QStringLiteral("Millimetern");
    case LengthUnit::Centimetre:
        return QStringLiteral("Zentimetern");
    case LengthUnit::Metre:
        return QStringLiteral("Metern");
    case LengthUnit::Inch:
        return QStringLiteral("Zoll");
    case LengthUnit::Foot:
        return QStringLiteral("Fuß");
    }
    return {};
}

// "12 Flächen und 3 Kurven wurden übergangen"; empty when nothing was.
QString skippedMessage(const SkippedEntities &skipped) {
    QStringList parts;
    const auto count = [&parts](int number, const char *one, const char *many) {
        if (number > 0)
            parts.append(number == 1 ? QStringLiteral("1 ") + QString::fromUtf8(one)
                                     : QString::number(number) + u' ' + QString::fromUtf8(many));
    };
    count(skipped.surfaces, "Fläche", "Flächen");
    count(skipped.curves, "Kurve", "Kurven");
    count(skipped.others, "anderes Element", "andere Elemente");
    if (parts.isEmpty())
        return {};
    const bool many = parts.size() > 1 || skipped.surfaces + skipped.curves + skipped.others > 1;
    const QString last = parts.takeLast();
    const QString listed =
        parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + QStringLiteral(" und ") + last;
    return listed +
           (many ? QStringLiteral(" wurden übergangen") : QStringLiteral(" wurde übergangen"));
}

void addSentence(QString &message, const QString &sentence) {
    if (!message.isEmpty())
        message += u' ';
    message += sentence;
}

QString statedUnitMessage(LengthUnit unit) {
    return QStringLiteral("Die Datei gibt ihre Werte in %1 an, nicht in Millimetern. Sie wurden "
                          "nicht umgerechnet und gehen unverändert an ORVANTO.")
        .arg(unitInSentence(unit));
}

} // namespace

QString importMessage(const ImportResult &result) {
    QString message = outcomeMessage(result);
    if (!result.unreadColumns.isEmpty() && result.outcome != ImportOutcome::RepeatedColumn) {
        const QString unread =
            result.unreadColumns.size() == 1
                ? QStringLiteral("Die Spalte %1 der Kopfzeile ist unbekannt und wurde nicht "
                                 "gelesen.")
                : QStringLiteral("Die Spalten %1 der Kopfzeile sind unbekannt und wurden nicht "
                                 "gelesen.");
        addSentence(message, unread.arg(quotedNames(result.unreadColumns)));
    }
    if (result.statedUnit != LengthUnit::Millimetre && result.pointsRead > 0)
        addSentence(message, statedUnitMessage(result.statedUnit));
    // Said last, as the quoted sentence it is, without a full stop.
    const QString skipped = skippedMessage(result.skipped);
    if (!skipped.isEmpty())
        addSentence(message, skipped);
    return message;
}

QString cannotOpenFileMessage() {
    return QStringLiteral("Die Datei kann nicht geöffnet werden.");
}

namespace {

// The program that reads workbooks here.
QString workbookProgram() {
#ifdef Q_OS_WIN
    return QStringLiteral("Excel");
#else
    return QStringLiteral("LibreOffice");
#endif
}

QString stoppedAtRow(const QString &what, int row) {
    if (row == 0)
        return what + QStringLiteral(" Die Tabelle wurde nicht verändert.");
    return what + QStringLiteral(" Die Zeilen davor wurden übernommen, ab Zeile %1 wurde "
                                 "nichts übernommen.")
                      .arg(row);
}

} // namespace

QString workbookImportMessage(const WorkbookImportOutcome &outcome) {
    QString noEndMark = QStringLiteral("Die Excel Datei hat in den Zeilen 1 bis %1 keine "
                                       "Endmarke „Ende“ in Spalte A. Es wurden %1 Zeilen "
                                       "gelesen.")
                            .arg(WorkbookRowsRead);
    switch (outcome.result) {
    case WorkbookImportResult::Imported:
    case WorkbookImportResult::Cancelled:
        return {};
    case WorkbookImportResult::NoEndMark:
        return noEndMark;
    case WorkbookImportResult::RowsLeftUnread:
        return noEndMark + QStringLiteral(" Die Zeilen nach Zeile %1 enthalten weitere Daten; sie "
                                          "wurden nicht gelesen.")
                               .arg(WorkbookRowsRead);
    case WorkbookImportResult::NotInstalled:
#ifdef Q_OS_WIN
        return QStringLiteral("Excel ist nicht installiert. Zum Lesen von Excel Dateien wird "
                              "Excel benötigt.");
#else
        return QStringLiteral("LibreOffice ist nicht installiert. Excel Dateien werden mit "
                              "LibreOffice gelesen.");
#endif
    case WorkbookImportResult::StartFailed:
        return QStringLiteral("%1 konnte nicht gestartet werden.").arg(workbookProgram());
    case WorkbookImportResult::CannotOpen:
        return QStringLiteral("Die Datei kann nicht als Excel Datei geöffnet werden.");
    case WorkbookImportResult::ErrorValue:
        return stoppedAtRow(QStringLiteral("In Zeile %1 der Excel Datei steht ein Fehlerwert.")
                                .arg(outcome.stopRow),
                            outcome.stopRow);
    case WorkbookImportResult::ReadFailed:
        return stoppedAtRow(
            QStringLiteral("%1 hat das Lesen der Excel Datei abgebrochen.").arg(workbookProgram()),
            outcome.stopRow);
    case WorkbookImportResult::NotAnswering:
        return QStringLiteral("%1 antwortet nicht; der Import wurde abgebrochen.")
            .arg(workbookProgram());
    }
    return {};
}

} // namespace vandelor
