#include "points/column_assignment.h"

#include "points/column_header.h"
#include "points/point_table.h"

#include <QRegularExpression>

#include <algorithm>

namespace vandelor {

namespace {

QChar separatorChar(FieldSeparator separator) {
    switch (separator) {
    case FieldSeparator::Semicolon:
        return u';';
    case FieldSeparator::Tab:
        return u'\t';
    case FieldSeparator::Comma:
        return u',';
    case FieldSeparator::Blanks:
        break;
    }
    return u' ';
}

qsizetype numbersIn(const QStringList &fields, bool decimalComma) {
    return std::count_if(fields.cbegin(), fields.cend(),
                         [&](const QString &field) { return readsAsNumber(field, decimalComma); });
}

// The first line holding three numbers, split at the separator, or -1.
qsizetype firstDataLine(const QStringList &lines, FieldSeparator separator) {
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QStringList fields = assignedFields(lines[line], separator);
        if (numbersIn(fields, false) >= 3 || numbersIn(fields, true) >= 3)
            return line;
    }
    return -1;
}

} // namespace

QStringList assignedFields(QStringView line, FieldSeparator separator) {
    if (separator != FieldSeparator::Blanks)
        return line.toString().split(separatorChar(separator));
    static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
    return line.toString().split(blanks, Qt::SkipEmptyParts);
}

bool readsAsNumber(QStringView text, bool decimalComma) {
    static const QRegularExpression withPoint(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    static const QRegularExpression withComma(
        QStringLiteral(R"(^[+-]?(\d+,?\d*|,\d+)([eE][+-]?\d+)?$)"));
    return (decimalComma ? withComma : withPoint).match(text.trimmed().toString()).hasMatch();
}

ColumnAssignment guessedAssignment(const QStringList &lines) {
    ColumnAssignment guess;
    // The separator of the first line that holds three numbers by any of them.
    qsizetype data = -1;
    for (const FieldSeparator separator : {FieldSeparator::Semicolon, FieldSeparator::Tab,
                                           FieldSeparator::Blanks, FieldSeparator::Comma}) {
        const qsizetype first = firstDataLine(lines, separator);
        if (first >= 0 && (data < 0 || first < data)) {
            data = first;
            guess.separator = separator;
        }
    }
    if (data < 0)
        data = 0;
    const QStringList fields =
        data < lines.size() ? assignedFields(lines[data], guess.separator) : QStringList();
    guess.decimalComma = numbersIn(fields, true) > numbersIn(fields, false);
    guess.skippedLines = static_cast<int>(data);
    guess.columns = guessedColumns(lines, guess.separator, guess.skippedLines);
    return guess;
}

QList<int> guessedColumns(const QStringList &lines, FieldSeparator separator, int skippedLines) {
    qsizetype width = 0;
    for (const QString &line : lines)
        width = std::max(width, assignedFields(line, separator).size());
    QList<int> columns(width, -1);
    const int data = std::min(skippedLines, static_cast<int>(lines.size()));
    if (data > 0) {
        const QStringList names = assignedFields(lines[data - 1], separator);
        for (qsizetype field = 0; field < names.size(); ++field) {
            const int column = columnOfName(names[field]);
            // The dialog assigns the table's own columns only.
            if (column >= 0 && column < PointTable::MinimumColumnCount && !columns.contains(column))
                columns[field] = column;
        }
        if (std::any_of(columns.cbegin(), columns.cend(), [](int column) { return column >= 0; }))
            return columns;
    }
    const QStringList first =
        data < lines.size() ? assignedFields(lines[data], separator) : QStringList();
    const bool withId = !first.isEmpty() && !readsAsNumber(first.first(), true) &&
                        !readsAsNumber(first.first(), false);
    for (qsizetype field = 0; field < width; ++field) {
        const qsizetype column = field + (withId ? 0 : 1);
        columns[field] = column < PointTable::MinimumColumnCount ? static_cast<int>(column) : -1;
    }
    return columns;
}

} // namespace vandelor
