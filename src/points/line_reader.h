#pragma once

#include "points/decoded_text.h"

#include <QString>

class QIODevice;

namespace vandelor {

// Reads a text file line by line; a line ends at CR, LF, CRLF or the end of
// the file, and its end is not part of it. Lines are bounded as items are.
class LineReader {
public:
    static constexpr qsizetype MaxLineLength = 32767;

    explicit LineReader(QIODevice &device);

    // Reads the next line into line; false at the end of the file. tooLong
    // tells that the line held more than MaxLineLength characters, of
    // which line keeps the first.
    bool next(QString &line, bool &tooLong);

    bool isText() const { return m_text.isText(); }
    bool readFailed() const { return m_text.readFailed(); }

private:
    bool fill();

    DecodedText m_text;
    QString m_piece;
    qsizetype m_pos = 0;
};

} // namespace vandelor
