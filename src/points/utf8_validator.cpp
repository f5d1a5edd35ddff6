#include "points/utf8_validator.h"

namespace vandelor {

bool Utf8Validator::feed(QByteArrayView bytes) {
    for (const char signedByte : bytes) {
        if (!m_valid)
            return false;
        const auto byte = static_cast<unsigned char>(signedByte);
        if (m_pending > 0) {
            if (byte < m_low || byte > m_high) {
                m_valid = false;
                return false;
            }
            --m_pending;
            m_low = 0x80;
            m_high = 0xBF;
            continue;
        }
        if (byte < 0x80)
            continue;
        // The first continuation byte narrows for E0, ED, F0 and F4 so that
        // overlong forms, surrogates and code points above U+10FFFF fail.
        if (byte >= 0xC2 && byte <= 0xDF) {
            m_pending = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            m_pending = 2;
            if (byte == 0xE0)
                m_low = 0xA0;
            else if (byte == 0xED)
                m_high = 0x9F;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            m_pending = 3;
            if (byte == 0xF0)
                m_low = 0x90;
            else if (byte == 0xF4)
                m_high = 0x8F;
        } else {
            m_valid = false;
        }
    }
    return m_valid;
}

} // namespace vandelor
