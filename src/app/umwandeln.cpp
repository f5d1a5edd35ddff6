#include "umwandeln.h"

namespace vandelor {

void Umwandeln(QString &Wert) {
    constexpr qsizetype Decimals = 3;
    const qsizetype comma = Wert.indexOf(u',');
    if (comma >= 0) {
        Wert = Wert.left(comma) + u'.' + Wert.mid(comma + 1, Decimals);
        return;
    }
    const qsizetype point = Wert.indexOf(u'.');
    if (point >= 0)
        Wert.truncate(point + 1 + Decimals);
}

} // namespace vandelor
