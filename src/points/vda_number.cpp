#include "points/vda_number.h"

namespace vandelor {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Moves at past the digits there; how many there were.
qsizetype skipDigits(QStringView text, qsizetype &at) {
    const qsizetype start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at - start;
}

bool isSign(QStringView text, qsizetype at) {
    return at < text.size() && (text[at] == u'+' || text[at] == u'-');
}

} // namespace

bool appendVdaNumber(QStringView text, QString &to) {
    const QStringView number = text.trimmed();
    qsizetype at = isSign(number, 0) ? 1 : 0;
    qsizetype digits = skipDigits(number, at);
    if (at < number.size() && number[at] == u'.') {
        ++at;
        digits += skipDigits(number, at);
    }
    if (digits == 0)
        return false;
    const qsizetype exponent = at;
    if (at < number.size() && QStringView(u"EeDd").contains(number[at])) {
        at += isSign(number, at + 1) ? 2 : 1;
        if (skipDigits(number, at) == 0)
            return false;
    }
    if (at != number.size())
        return false;
    if (exponent == number.size() || number[exponent].toUpper() != u'D') {
        to += number;
        return true;
    }
    to += number.first(exponent);
    to += number[exponent] == u'D' ? u'E' : u'e';
    to += number.sliced(exponent + 1);
    return true;
}

std::optional<qsizetype> vdaCount(QStringView text) {
    const QStringView count = text.trimmed();
    // Nine digits are more points than any statement can hold.
    constexpr qsizetype MostDigits = 9;
    qsizetype at = 0;
    if (skipDigits(count, at) != count.size() || count.isEmpty() || count.size() > MostDigits)
        return std::nullopt;
    return count.toLongLong();
}

} // namespace vandelor
