#include "points/decoded_text.h"

#include "points/utf8_validator.h"
#include "points/windows1252.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace vandelor {

namespace {

bool isControlCharacter(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f') ||
           byte == 0x7F;
}

// Mostly control characters: more than every second byte.
bool isMostlyControlCharacters(QByteArrayView bytes) {
    const auto controls = std::count_if(bytes.begin(), bytes.end(), [](char byte) {
        return isControlCharacter(static_cast<unsigned char>(byte));
    });
    return controls * 2 > bytes.size();
}

bool isUtf8(QByteArrayView bytes) {
    Utf8Validator validator;
    return validator.feed(bytes) && validator.isCompleteUtf8();
}

// The bytes at the end that start a UTF-8 sequence which the next bytes may
// complete; a piece of a long line is cut before them.
qsizetype openSequenceLength(QByteArrayView bytes) {
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, bytes.size()); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (byte < 0x80)
            return 0;
        if (byte >= 0xC0) {
            const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            return length > back ? back : 0;
        }
    }
    return 0;
}

// Decodes bytes onto the end of text, into room the text already has where it
// can, so that a reused piece is not allocated anew for every read.
void appendDecoded(QStringDecoder &decoder, QByteArrayView bytes, QString &text) {
    const qsizetype start = text.size();
    text.resize(start + decoder.requiredSpace(bytes.size()));
    const QChar *end = decoder.appendToBuffer(text.data() + start, bytes);
    text.truncate(end - text.constData());
}

} // namespace

DecodedText::DecodedText(QIODevice &device)
    : m_device(device)
    , m_bytes(PieceBytes, Qt::Uninitialized) {
    const qint64 start = m_device.pos();
    examine();
    if (!m_readFailed && !m_device.seek(start))
        m_readFailed = true;
}

qint64 DecodedText::read() {
    const qint64 count = m_device.read(m_bytes.data(), m_bytes.size());
    if (count < 0)
        m_readFailed = true;
    return count;
}

void DecodedText::examine() {
    qint64 count = read();
    if (count <= 0)
        return;
    const QByteArrayView first(m_bytes.constData(), count);
    if (first.startsWith("\xFF\xFE") || first.startsWith("\xFE\xFF")) {
        m_utf16.emplace(first.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                     : QStringDecoder::Utf16BE);
        return;
    }
    if (isMostlyControlCharacters(first)) {
        m_isText = false;
        return;
    }
    for (; count > 0; count = read())
        if (std::memchr(m_bytes.constData(), 0, static_cast<size_t>(count))) {
            m_isText = false;
            return;
        }
}

bool DecodedText::next(QString &piece) {
    piece.resize(0); // keeps its room for the next characters
    if (!m_isText)
        return false;
    // A piece can decode to nothing (a byte order mark alone, or the start of
    // a line or a sequence that the next piece completes), so read on.
    while (!m_readFailed && !m_atEnd && piece.isEmpty()) {
        if (m_utf16) {
            const qint64 count = read();
            m_atEnd = count <= 0;
            if (!m_atEnd)
                appendDecoded(*m_utf16, QByteArrayView(m_bytes.constData(), count), piece);
        } else if (!nextLines(piece)) {
            m_atEnd = true;
        }
    }
    return !piece.isEmpty();
}

bool DecodedText::nextLines(QString &piece) {
    const qint64 count = read();
    if (count > 0)
        m_openLine.append(m_bytes.constData(), count);
    if (m_atStart && m_openLine.size() >= 3) {
        if (m_openLine.startsWith("\xEF\xBB\xBF"))
            m_openLine.remove(0, 3);
        m_atStart = false;
    }
    if (m_openLine.isEmpty())
        return false;
    qsizetype end = m_openLine.size();
    if (count > 0) {
        const qsizetype lastLineEnd = m_openLine.lastIndexOf('\n');
        if (lastLineEnd >= 0)
            end = lastLineEnd + 1;
        else if (m_openLine.size() >= PieceBytes)
            end -= openSequenceLength(m_openLine);
        else
            return true; // the line goes on in the next piece
    }
    decodeLines(QByteArrayView(m_openLine).first(end), piece);
    m_openLine.remove(0, end);
    return true;
}

void DecodedText::decodeLines(QByteArrayView bytes, QString &piece) {
    // Mostly the whole piece is one encoding; then it is decoded in one go.
    if (isUtf8(bytes)) {
        appendDecoded(m_utf8, bytes, piece);
        return;
    }
    while (!bytes.isEmpty()) {
        const qsizetype lineEnd = bytes.indexOf('\n');
        const qsizetype length = lineEnd < 0 ? bytes.size() : lineEnd + 1;
        const QByteArrayView line = bytes.first(length);
        if (isUtf8(line))
            appendDecoded(m_utf8, line, piece);
        else
            appendWindows1252(line, piece);
        bytes = bytes.sliced(length);
    }
}

} // namespace vandelor
