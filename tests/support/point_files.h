#pragma once

#include "points/point_table.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// The texts, given in UTF-8.
inline QStringList texts(std::initializer_list<const char *> utf8) {
    QStringList list;
    for (const char *text : utf8)
        list.append(QString::fromUtf8(text));
    return list;
}

// The words of a UTF-8 text, split at blanks: a list of names or texts on one line.
inline QStringList words(const char *utf8) {
    return QString::fromUtf8(utf8).split(u' ', Qt::SkipEmptyParts);
}

// A file of examples/.
inline QString example(const char *name) {
    return QStringLiteral(EXAMPLES_DIR "/") + QLatin1String(name);
}

// The bytes of the file; none when it can't be read.
inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes into a new file of the folder and returns its path.
inline QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes,
                         const QString &name = QStringLiteral("points.txt")) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The bytes as a point file in a folder of its own, open for reading.
class PointFile {
public:
    explicit PointFile(const QByteArray &bytes, const QString &name = QStringLiteral("points.txt"))
        : file(writeFile(dir, bytes, name)) {
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot open %s", qPrintable(file.fileName()));
    }
    QTemporaryDir dir;
    QFile file;
};

// The data rows of the table, each as its cells joined by "|", with the
// empty cells at the end of a row left out.
inline QStringList tableRows(const vandelor::PointTable &table) {
    QStringList rows;
    for (int row = 1; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells.append(table.cellText(row, column));
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        rows.append(cells.join(u'|'));
    }
    return rows;
}

// Fills rows 1 to rows of the table, every cell with the text "old".
inline void fillWithOldPoints(vandelor::PointTable &table, int rows) {
    table.setRowCount(rows + 1);
    for (int row = 1; row <= rows; ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            table.setCellText(row, column, QStringLiteral("old"));
}
