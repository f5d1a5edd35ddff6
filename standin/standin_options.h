#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace standin {

struct StandinOptions {
    // Nothing: start with no part program open.
    std::optional<QString> partProgram = QStringLiteral("Teil1");
    bool empty = false;
    QString listingPath;
    QList<qint32> refusedTypes;
    // 0: never quit by itself.
    int quitAfterCalls = 0;
    // Set when --help asked for this text instead of a start.
    QString helpText;
};

// The options from the command line (arguments[0] is the program); the reason
// when they can't be used, in error.
std::optional<StandinOptions> parseOptions(const QStringList &arguments, QString &error);

} // namespace standin
