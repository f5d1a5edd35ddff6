#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <optional>

class QIODevice;

namespace vandelor {

// The characters of a text file, handed out piece by piece so that a file of
// any size takes no more memory than a few pieces.
// - A file that starts with a UTF-16 byte order mark (little or big endian)
//   is UTF-16.
// - Otherwise each line is decided on its own, since several programs may
//   have written to one file: a line that is well-formed UTF-8 is UTF-8 (a
//   UTF-8 byte order mark at the start of the file is dropped), any other
//   line is Windows-1252, the code page German Windows programs write. A line
//   longer than a piece is decided piece by piece.
// - A file that is no text at all (a NUL byte outside UTF-16, or mostly
//   control characters in its first piece) gives no characters.
class DecodedText {
public:
    static constexpr qsizetype PieceBytes = qsizetype{64} * 1024;

    // Reads the open device once from its current position to tell text from
    // other data, then returns there to decode.
    explicit DecodedText(QIODevice &device);

    // False for a file that is no text; it then gives no characters.
    bool isText() const { return m_isText; }
    // Replaces piece with the next decoded characters; false at the end.
    bool next(QString &piece);

    // True when the device reported an error; the text then ends there.
    bool readFailed() const { return m_readFailed; }

private:
    void examine();
    qint64 read();
    // Decodes the bytes of whole lines, each line by its own encoding.
    void decodeLines(QByteArrayView bytes, QString &piece);
    bool nextLines(QString &piece);

    QIODevice &m_device;
    QByteArray m_bytes;
    // The start of a line whose end has not been read yet.
    QByteArray m_openLine;
    std::optional<QStringDecoder> m_utf16;
    // Each decoding starts afresh and, as QString::fromUtf8, drops a byte
    // order mark at its start.
    QStringDecoder m_utf8{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
    bool m_atStart = true;
    bool m_atEnd = false;
    bool m_isText = true;
    bool m_readFailed = false;
};

} // namespace vandelor
