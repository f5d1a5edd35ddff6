#include "points/umwandeln.h"

#include <QRegularExpression>

#include <algorithm>

namespace vandelor {

namespace {

// Where an exponent ("E-2", "e+03") closes the text, or the text's size.
qsizetype exponentStart(const QString &text) {
    static const QRegularExpression exponent(QStringLiteral("[eE][+-]?[0-9]+\\s*$"));
    const QRegularExpressionMatch match = exponent.match(text);
    return match.hasMatch() ? match.capturedStart() : text.size();
}

} // namespace

void Umwandeln(QString &Wert) {
    constexpr qsizetype Decimals = 3;
    // Only the mantissa's decimals are cut; cutting into an exponent would
    // leave a text that is no number, and the host would get 0.
    const qsizetype mantissaEnd = exponentStart(Wert);
    const QString exponent = Wert.mid(mantissaEnd);
    const qsizetype comma = Wert.indexOf(u',');
    if (comma >= 0 && comma < mantissaEnd) {
        Wert = Wert.left(comma) + u'.' +
               Wert.mid(comma + 1, std::min(Decimals, mantissaEnd - comma - 1)) + exponent;
        return;
    }
    const qsizetype point = Wert.indexOf(u'.');
    if (point >= 0 && point < mantissaEnd && mantissaEnd - point - 1 > Decimals)
        Wert = Wert.left(point + 1 + Decimals) + exponent;
}

} // namespace vandelor
