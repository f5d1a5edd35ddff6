#pragma once

#include "points/decoded_text.h"

#include <QString>

#include <optional>

class QIODevice;

namespace vandelor {

struct Item {
    QString text;
    // The item held more than ItemReader::MaxItemLength characters; text
    // keeps the first of them, the rest was read past.
    bool tooLong = false;
};

// Reads a text file item by item, the way the point files are written:
// - blanks (spaces and tabs) before an item are skipped;
// - an item that begins with a double quote runs to the next double quote,
//   commas and line ends included; the quotes are not part of it, and what
//   stands between the closing quote and the next delimiter is dropped;
// - any other item ends at a comma, CR, LF, CRLF or the end of the file, and
//   blanks before that delimiter do not belong to it;
// - the delimiter is consumed; a blank line yields one empty item.
class ItemReader {
public:
    // An item's characters are counted from 1 in 16 bits where the points
    // are used, so no item can hold more.
    static constexpr qsizetype MaxItemLength = 32767;

    // The device must be open for reading and able to seek back to where it
    // stands now.
    explicit ItemReader(QIODevice &device);

    // True when no character is left for another item.
    bool atEnd();
    // The next item, or nothing at the end of the file.
    std::optional<Item> next();
    // Reads the next item into item, reusing the room its text has, so that
    // a long run of items needs no allocation each; false at the end.
    bool next(Item &item);

    // False for a file that is no text; it then has no items.
    bool isText() const { return m_text.isText(); }
    bool readFailed() const { return m_text.readFailed(); }

private:
    bool fill();
    void skipBlanks();
    void readQuoted(Item &item);
    void readUnquoted(Item &item);
    void skipToDelimiter();
    void consumeDelimiter();

    DecodedText m_text;
    QString m_piece;
    qsizetype m_pos = 0;
};

} // namespace vandelor
