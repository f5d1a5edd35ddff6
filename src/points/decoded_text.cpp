#include "decoded_text.h"

#include "utf8_validator.h"
#include "windows1252.h"

#include <QIODevice>

namespace vandelor {

DecodedText::DecodedText(QIODevice &device)
    : m_device(device)
    , m_bytes(PieceBytes, Qt::Uninitialized) {
    const qint64 start = m_device.pos();
    m_encoding = detectEncoding();
    if (!m_readFailed && !m_device.seek(start))
        m_readFailed = true;
}

TextEncoding DecodedText::detectEncoding() {
    Utf8Validator validator;
    for (;;) {
        const qint64 count = m_device.read(m_bytes.data(), m_bytes.size());
        if (count < 0) {
            m_readFailed = true;
            return TextEncoding::Utf8;
        }
        if (count == 0)
            break;
        if (!validator.feed(QByteArrayView(m_bytes.constData(), count)))
            return TextEncoding::Windows1252;
    }
    return validator.isCompleteUtf8() ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

bool DecodedText::next(QString &piece) {
    piece.clear();
    // A piece of UTF-8 can decode to nothing (a byte order mark alone, or the
    // start of a sequence that the next piece completes), so read on.
    while (!m_readFailed && piece.isEmpty()) {
        const qint64 count = m_device.read(m_bytes.data(), m_bytes.size());
        if (count < 0)
            m_readFailed = true;
        if (count <= 0)
            break;
        const QByteArrayView bytes(m_bytes.constData(), count);
        if (m_encoding == TextEncoding::Utf8)
            piece = m_utf8(bytes);
        else
            appendWindows1252(bytes, piece);
    }
    return !piece.isEmpty();
}

} // namespace vandelor
