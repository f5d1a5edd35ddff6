#pragma once

#include <QString>
#include <QStringDecoder>

class QIODevice;

namespace vandelor {

enum class TextEncoding { Utf8, Windows1252 };

// The characters of a text file, handed out piece by piece so that a file of
// any size takes no more memory than one piece. A file that is well-formed
// UTF-8, with or without byte order mark, is read as UTF-8, any other as
// Windows-1252, the code page German Windows programs write.
class DecodedText {
public:
    static constexpr qsizetype PieceBytes = 64 * 1024;

    // Reads the open device once from its current position to choose the
    // encoding, then returns there to decode.
    explicit DecodedText(QIODevice &device);

    // Replaces piece with the next decoded characters; false at the end.
    bool next(QString &piece);

    TextEncoding encoding() const { return m_encoding; }
    // True when the device reported an error; the text then ends there.
    bool readFailed() const { return m_readFailed; }

private:
    TextEncoding detectEncoding();

    QIODevice &m_device;
    QByteArray m_bytes;
    QStringDecoder m_utf8{QStringDecoder::Utf8};
    bool m_readFailed = false;
    TextEncoding m_encoding = TextEncoding::Utf8;
};

} // namespace vandelor
