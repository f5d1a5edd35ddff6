#include "points/point_file_writer.h"

#include "points/per_point_columns.h"
#include "points/point_table.h"

#include <QSaveFile>
#include <QStringList>

namespace vandelor {

namespace {

constexpr int SurfaceColumns = PointTable::SurfaceVectorColumn + 3;

// The columns a file holds: up to K, and the surface vector where a row has one.
int usedColumns(const PointTable &table) {
    for (int row = 1; row < table.rowCount(); ++row)
        for (int column = PointTable::SurfaceVectorColumn; column < SurfaceColumns; ++column)
            if (!table.cellView(row, column).isEmpty())
                return SurfaceColumns;
    return PointTable::SurfaceVectorColumn;
}

// Those a header file holds, by name: the per-point ones too.
QList<int> namedColumns(const PointTable &table) {
    QList<int> columns;
    for (int column = 0; column < usedColumns(table); ++column)
        columns.append(column);
    if (per_point::isShown(table))
        for (int column = per_point::TypeColumn; column < per_point::EndColumn; ++column)
            columns.append(column);
    return columns;
}

QString quoted(const QString &text) {
    if (!text.contains(u';') && !text.contains(u'"'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QByteArray lines(const QStringList &lines) {
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

} // namespace

QByteArray headerPointFile(const PointTable &table) {
    const QList<int> columns = namedColumns(table);
    QStringList file;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList fields;
        for (const int column : columns)
            fields.append(quoted(table.cellText(row, column)));
        file.append(fields.join(u';'));
    }
    return "\xEF\xBB\xBF" + lines(file);
}

PlainPointFile plainPointFile(const PointTable &table, bool idsFirst) {
    const int columns = usedColumns(table);
    const bool perPoint = per_point::isShown(table);
    QStringList file;
    for (int row = 1; row < table.rowCount(); ++row) {
        for (int column = per_point::TypeColumn; perPoint && column < per_point::EndColumn;
             ++column)
            if (!table.cellView(row, column).isEmpty())
                return {{}, row, true};
        QStringList fields;
        for (int column = idsFirst ? 0 : 1; column < columns; ++column) {
            const QString text = table.cellText(row, column);
            if (text.contains(u',') || text.contains(u';') || text.contains(u'"'))
                return {{}, row};
            fields.append(text);
        }
        file.append(fields.join(u';'));
    }
    return {lines(file), 0};
}

QString writeWholeFile(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace vandelor
