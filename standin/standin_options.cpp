#include "standin_options.h"

#include <QCommandLineParser>

namespace standin {

namespace {

std::optional<qint32> wholeNumber(const QString &text) {
    bool ok = false;
    const qint32 value = text.toInt(&ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

} // namespace

std::optional<StandinOptions> parseOptions(const QStringList &arguments, QString &error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the measuring program ORVANTO on the session bus."));
    parser.addHelpOption();
    const QCommandLineOption partProgram(
        QStringLiteral("part-program"),
        QStringLiteral("Start with an open part program of this name."), QStringLiteral("NAME"));
    const QCommandLineOption noPartProgram(QStringLiteral("no-part-program"),
                                           QStringLiteral("Start with no part program open."));
    const QCommandLineOption empty(QStringLiteral("empty"),
                                   QStringLiteral("The part program starts with no command."));
    const QCommandLineOption listing(
        QStringLiteral("listing"),
        QStringLiteral("Write the part program to FILE after every change."),
        QStringLiteral("FILE"));
    const QCommandLineOption refuseAdd(QStringLiteral("refuse-add"),
                                       QStringLiteral("Every Add of this type code fails."),
                                       QStringLiteral("CODE"));
    const QCommandLineOption quitAfterCalls(QStringLiteral("quit-after-calls"),
                                            QStringLiteral("Vanish after N calls."),
                                            QStringLiteral("N"));
    parser.addOptions({partProgram, noPartProgram, empty, listing, refuseAdd, quitAfterCalls});

    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    StandinOptions options;
    if (parser.isSet(QStringLiteral("help"))) {
        options.helpText = parser.helpText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first();
        return std::nullopt;
    }

    if (parser.isSet(partProgram) && parser.isSet(noPartProgram)) {
        error = QStringLiteral("--part-program and --no-part-program exclude each other.");
        return std::nullopt;
    }
    if (parser.isSet(partProgram))
        options.partProgram = parser.value(partProgram);
    if (parser.isSet(noPartProgram))
        options.partProgram.reset();
    options.empty = parser.isSet(empty);
    options.listingPath = parser.value(listing);
    for (const QString &code : parser.values(refuseAdd)) {
        const std::optional<qint32> value = wholeNumber(code);
        if (!value) {
            error = QStringLiteral("--refuse-add needs a whole number, not ") + code;
            return std::nullopt;
        }
        options.refusedTypes.append(*value);
    }
    if (parser.isSet(quitAfterCalls)) {
        const std::optional<qint32> value = wholeNumber(parser.value(quitAfterCalls));
        if (!value || *value < 1) {
            error = QStringLiteral("--quit-after-calls needs a number of calls from 1 on.");
            return std::nullopt;
        }
        options.quitAfterCalls = *value;
    }
    return options;
}

} // namespace standin
