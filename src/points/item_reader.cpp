#include "points/item_reader.h"

#include <algorithm>

namespace vandelor {

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// A comma ends an item, also in an ASCII point file whose fields are split
// at ";" later: "1,5" there gives two items. Deliberate, as such files have
// always been read.
bool isDelimiter(char16_t c) {
    return c == u',' || c == u'\r' || c == u'\n';
}

// Appends as much of part as still fits into the item.
void appendBounded(Item &item, QStringView part) {
    if (item.tooLong)
        return;
    const qsizetype room = ItemReader::MaxItemLength - item.text.size();
    if (part.size() > room) {
        item.text.append(part.first(room));
        item.tooLong = true;
        return;
    }
    item.text.append(part);
}

} // namespace

ItemReader::ItemReader(QIODevice &device)
    : m_text(device) {}

bool ItemReader::atEnd() {
    return !fill();
}

bool ItemReader::fill() {
    while (m_pos >= m_piece.size()) {
        if (!m_text.next(m_piece))
            return false;
        m_pos = 0;
    }
    return true;
}

std::optional<Item> ItemReader::next() {
    Item item;
    if (!next(item))
        return std::nullopt;
    return item;
}

bool ItemReader::next(Item &item) {
    if (!fill())
        return false;
    item.text.resize(0);
    item.tooLong = false;
    skipBlanks();
    if (fill() && m_piece.at(m_pos) == u'"') {
        ++m_pos;
        readQuoted(item);
        skipToDelimiter();
    } else {
        readUnquoted(item);
    }
    return true;
}

void ItemReader::skipBlanks() {
    while (fill() && isBlank(m_piece.at(m_pos).unicode()))
        ++m_pos;
}

void ItemReader::readQuoted(Item &item) {
    while (fill()) {
        const qsizetype quote = m_piece.indexOf(u'"', m_pos);
        const qsizetype stop = quote < 0 ? m_piece.size() : quote;
        appendBounded(item, QStringView(m_piece).sliced(m_pos, stop - m_pos));
        m_pos = stop;
        if (quote >= 0) {
            ++m_pos;
            return;
        }
    }
}

void ItemReader::readUnquoted(Item &item) {
    // Blanks are held back until a character other than a blank follows
    // them, so that blanks before the delimiter are dropped. Past the bound
    // they can only end in a too long item, so no more of them are kept.
    QString heldBlanks;
    qsizetype heldCount = 0;
    while (fill()) {
        const QChar *chars = m_piece.constData();
        const qsizetype size = m_piece.size();
        const qsizetype start = m_pos;
        qsizetype stop = start;
        qsizetype lastOther = -1;
        while (stop < size && !isDelimiter(chars[stop].unicode())) {
            if (!isBlank(chars[stop].unicode()))
                lastOther = stop;
            ++stop;
        }
        if (lastOther >= 0) {
            if (heldCount > 0) {
                appendBounded(item, heldBlanks);
                if (heldCount > heldBlanks.size())
                    item.tooLong = true;
                heldBlanks.clear();
                heldCount = 0;
            }
            appendBounded(item, QStringView(chars + start, lastOther + 1 - start));
        }
        const qsizetype blanksFrom = lastOther >= 0 ? lastOther + 1 : start;
        const QStringView blanks(chars + blanksFrom, stop - blanksFrom);
        heldCount += blanks.size();
        heldBlanks.append(blanks.first(std::min(blanks.size(), MaxItemLength - heldBlanks.size())));
        m_pos = stop;
        if (stop < size) {
            consumeDelimiter();
            return;
        }
    }
}

void ItemReader::skipToDelimiter() {
    while (fill()) {
        const char16_t c = m_piece.at(m_pos).unicode();
        if (isDelimiter(c)) {
            consumeDelimiter();
            return;
        }
        ++m_pos;
    }
}

void ItemReader::consumeDelimiter() {
    const bool carriageReturn = m_piece.at(m_pos) == u'\r';
    ++m_pos;
    if (carriageReturn && fill() && m_piece.at(m_pos) == u'\n')
        ++m_pos;
}

} // namespace vandelor
