#include "points/line_reader.h"

#include <algorithm>

namespace vandelor {

LineReader::LineReader(QIODevice &device)
    : m_text(device) {}

bool LineReader::fill() {
    while (m_pos >= m_piece.size()) {
        if (!m_text.next(m_piece))
            return false;
        m_pos = 0;
    }
    return true;
}

bool LineReader::next(QString &line, bool &tooLong) {
    line.resize(0);
    tooLong = false;
    if (!fill())
        return false;
    while (fill()) {
        qsizetype stop = m_pos;
        while (stop < m_piece.size() && m_piece.at(stop) != u'\r' && m_piece.at(stop) != u'\n')
            ++stop;
        const qsizetype room = MaxLineLength - line.size();
        const qsizetype length = stop - m_pos;
        line.append(QStringView(m_piece).sliced(m_pos, std::min(length, room)));
        tooLong = tooLong || length > room;
        m_pos = stop;
        if (stop < m_piece.size()) {
            const bool carriageReturn = m_piece.at(m_pos) == u'\r';
            ++m_pos;
            if (carriageReturn && fill() && m_piece.at(m_pos) == u'\n')
                ++m_pos;
            return true;
        }
    }
    return true;
}

} // namespace vandelor
