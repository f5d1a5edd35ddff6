#pragma once

#include <QByteArrayView>

namespace vandelor {

// Checks a byte stream, fed in pieces of any size, for well-formed UTF-8:
// no overlong forms, no surrogates, nothing above U+10FFFF, no sequence cut
// off at the end.
class Utf8Validator {
public:
    // Returns false once the bytes so far cannot be UTF-8.
    bool feed(QByteArrayView bytes);
    // True when everything fed is UTF-8 and no sequence is left open.
    bool isCompleteUtf8() const { return m_valid && m_pending == 0; }

private:
    bool m_valid = true;
    int m_pending = 0; // continuation bytes still expected
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
};

} // namespace vandelor
