#pragma once

#include "points/locale_number.h"

#include <QDateTime>
#include <QString>

namespace vandelor {

// How cell values read as text: the number separators and the short date
// and time patterns of the user's locale.
struct CellTextRules {
    NumberSeparators separators;
    QString dateFormat;
    QString timeFormat;

    static CellTextRules system();
};

// One cell of a worksheet as the spreadsheet program computed it.
struct CellValue {
    enum class Kind { Empty, Text, Number, Date };

    Kind kind = Kind::Empty;
    QString text;       // Kind::Text
    double number = 0;  // Kind::Number
    QDateTime dateTime; // Kind::Date

    static CellValue empty() { return {}; }
    static CellValue ofText(const QString &text) { return {Kind::Text, text, 0, {}}; }
    static CellValue ofNumber(double number) { return {Kind::Number, {}, number, {}}; }
    static CellValue ofDate(const QDateTime &dateTime) { return {Kind::Date, {}, 0, dateTime}; }
};

// The day a spreadsheet's date serial 0 stands for; a date on it shows as
// its time alone.
QDate spreadsheetZeroDay();
// The date and time a serial stands for: days since zeroDay, to the millisecond.
QDateTime spreadsheetDateTime(double serial, const QDate &zeroDay = spreadsheetZeroDay());

// The cell as text: empty for an empty cell, text as it stands, a whole
// number as plain digits, any other number with up to 15 significant digits
// (exponent form such as "1,5E-07" below 0,0001 and from 1E+15 on), a date
// as the short date followed by the time when it is not midnight (the time
// alone on the zero day).
QString cellText(const CellValue &value, const CellTextRules &rules);

} // namespace vandelor
