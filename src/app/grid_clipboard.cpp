#include "app/grid_clipboard.h"

#include "points/column_header.h"
#include "points/import_result.h"
#include "points/per_point_columns.h"
#include "points/point_table.h"

#include <algorithm>

namespace vandelor {

namespace {

QString field(const QString &text) {
    if (!text.contains(u'\t') && !text.contains(u'\n') && !text.contains(u'"'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QStringList fieldsOf(QStringView line, QChar separator) {
    if (line.contains(u'"'))
        return quotedFields(line, separator);
    QStringList fields;
    for (const QStringView text : line.tokenize(separator))
        fields.append(text.toString());
    return fields;
}

} // namespace

QString cellsAsText(const PointTable &table, const QList<int> &rows, int firstColumn,
                    int lastColumn, bool heads) {
    QStringList lines;
    const auto line = [&](int row) {
        QStringList fields;
        for (int column = firstColumn; column <= lastColumn; ++column)
            fields.append(field(table.cellText(row, column)));
        lines.append(fields.join(u'\t'));
    };
    if (heads)
        line(0);
    for (const int row : rows)
        line(row);
    return lines.join(u'\n') + u'\n';
}

Paste pasteAt(const PointTable &table, QStringView text, int row, int column) {
    QList<QStringView> lines;
    for (QStringView line : text.tokenize(u'\n'))
        lines.append(line.endsWith(u'\r') ? line.chopped(1) : line);
    // A workbook ends the last line with a break too.
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const std::optional<ColumnHeader> header =
        lines.isEmpty() ? std::nullopt : readColumnHeader(lines.first());
    if (header)
        lines.removeFirst();
    Paste paste;
    paste.rowCount = table.rowCount();
    paste.columnCount = table.columnCount();
    const int roomFor = std::max(MaxImportPoints + 1 - row, 0);
    paste.linesLeftOut = std::max(int(lines.size()) - roomFor, 0);
    lines.resize(lines.size() - paste.linesLeftOut);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = fieldsOf(lines[i], header ? header->separator : QChar(u'\t'));
        for (qsizetype j = 0; j < fields.size(); ++j) {
            const int target =
                header ? (j < header->columns.size() ? header->columns[j] : -1) : column + int(j);
            if (target < 0)
                continue;
            paste.changes.append({row + int(i), target, fields[j]});
            paste.columnCount = std::max(paste.columnCount, target + 1);
        }
        paste.rowCount = std::max(paste.rowCount, row + int(i) + 1);
    }
    // Cells named as per-point columns bring those columns with their heads.
    if (header && !per_point::isShown(table) &&
        std::any_of(header->columns.cbegin(), header->columns.cend(),
                    [](int target) { return target >= per_point::TypeColumn; })) {
        for (int target = per_point::TypeColumn; target < per_point::EndColumn; ++target)
            paste.changes.append({0, target, per_point::head(target)});
        paste.columnCount = std::max(paste.columnCount, int(per_point::EndColumn));
    }
    return paste;
}

} // namespace vandelor
