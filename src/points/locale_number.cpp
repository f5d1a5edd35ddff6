#include "points/locale_number.h"

#include <QLocale>

namespace vandelor {

NumberSeparators NumberSeparators::system() {
    const QLocale locale = QLocale::system();
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    return {decimal.isEmpty() ? QChar(u'.') : decimal.front(),
            group.isEmpty() ? QChar(u',') : group.front()};
}

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isSign(QChar c) {
    return c == u'+' || c == u'-';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<double> toLocaleNumber(const QString &text, NumberSeparators separators) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // The number in plain notation: no group separators, a point as decimal.
    QString plain;
    qsizetype i = begin;
    if (i < end && isSign(text[i]))
        plain.append(text[i++]);

    int mantissaDigits = 0;
    bool seenDecimal = false;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            ++mantissaDigits;
            plain.append(c);
        } else if (c == separators.decimal && !seenDecimal) {
            seenDecimal = true;
            plain.append(u'.');
        } else if (c == separators.group && !separators.group.isNull() && !seenDecimal) {
            // A group separator only stands between two digits.
            const bool digitBefore = i > begin && isDigit(text[i - 1]);
            const bool digitAfter = i + 1 < end && isDigit(text[i + 1]);
            if (!digitBefore || !digitAfter)
                return std::nullopt;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    if (i < end) {
        if (text[i] != u'e' && text[i] != u'E')
            return std::nullopt;
        plain.append(u'e');
        ++i;
        if (i < end && isSign(text[i]))
            plain.append(text[i++]);
        const qsizetype exponentStart = i;
        while (i < end && isDigit(text[i]))
            plain.append(text[i++]);
        if (i == exponentStart || i != end)
            return std::nullopt;
    }
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString formatLocaleNumber(double value, NumberSeparators separators) {
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', separators.decimal);
    return text;
}

} // namespace vandelor
