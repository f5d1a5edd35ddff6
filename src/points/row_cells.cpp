#include "points/row_cells.h"

#include <QVarLengthArray>

#include <algorithm>

namespace vandelor::row_cells {

namespace {

constexpr qsizetype WordChars = 2;

quint32 wordAt(const QString &row, qsizetype word) {
    const QChar *at = row.constData() + word * WordChars;
    return quint32(at[0].unicode()) | (quint32(at[1].unicode()) << 16);
}

QChar *putWord(QChar *out, quint32 value) {
    out[0] = QChar(char16_t(value & 0xffffU));
    out[1] = QChar(char16_t(value >> 16));
    return out + WordChars;
}

qsizetype textStart(int held) {
    return (qsizetype(held) + 1) * WordChars;
}

QString joined(std::span<const QStringView> cells) {
    int held = static_cast<int>(cells.size());
    while (held > 0 && cells[held - 1].isEmpty())
        --held;
    if (held == 0)
        return {};
    qsizetype size = textStart(held);
    for (int column = 0; column < held; ++column)
        size += cells[column].size();
    QString row(size, Qt::Uninitialized);
    QChar *ends = putWord(row.data(), quint32(held));
    QChar *text = row.data() + textStart(held);
    quint32 end = 0;
    for (int column = 0; column < held; ++column) {
        text = std::copy(cells[column].begin(), cells[column].end(), text);
        end += quint32(cells[column].size());
        ends = putWord(ends, end);
    }
    return row;
}

} // namespace

int heldCount(const QString &row) {
    return row.isEmpty() ? 0 : static_cast<int>(wordAt(row, 0));
}

QStringView cell(const QString &row, int column) {
    const int held = heldCount(row);
    if (column < 0 || column >= held)
        return {};
    const quint32 start = column == 0 ? 0 : wordAt(row, column);
    const quint32 end = wordAt(row, column + 1);
    return QStringView(row).sliced(textStart(held) + start, end - start);
}

QString written(const QString &row, int firstColumn, std::span<const QStringView> texts) {
    const int held = heldCount(row);
    const int count = std::max(held, firstColumn + static_cast<int>(texts.size()));
    QVarLengthArray<QStringView, 16> cells(count);
    for (int column = 0; column < count; ++column) {
        const int written = column - firstColumn;
        cells[column] = written >= 0 && written < static_cast<int>(texts.size())
                            ? texts[written]
                            : cell(row, column);
    }
    return joined(cells);
}

QString cutAt(const QString &row, int column) {
    const int held = heldCount(row);
    if (column >= held)
        return row;
    QVarLengthArray<QStringView, 16> cells(std::max(column, 0));
    for (int kept = 0; kept < cells.size(); ++kept)
        cells[kept] = cell(row, kept);
    return joined(cells);
}

} // namespace vandelor::row_cells
