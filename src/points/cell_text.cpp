#include "points/cell_text.h"

#include <QLocale>

#include <cmath>

namespace vandelor {

namespace {

// Below this every whole double is exact, so its digits are plain.
constexpr double PlainDigitsLimit = 1e15;
constexpr int SignificantDigits = 15;
constexpr qint64 MsPerDay = 86'400'000;

QString numberText(double number, QChar decimal) {
    if (number == 0)
        return QStringLiteral("0"); // also for -0
    if (std::fabs(number) < PlainDigitsLimit && number == std::trunc(number))
        return QString::number(static_cast<qint64>(number));
    QString text = QString::number(number, 'g', SignificantDigits);
    text.replace(u'e', u'E');
    text.replace(u'.', decimal);
    return text;
}

QString dateText(const QDateTime &dateTime, const CellTextRules &rules) {
    const QTime time = dateTime.time();
    const bool midnight = time == QTime(0, 0);
    if (dateTime.date() == spreadsheetZeroDay() && !midnight)
        return time.toString(rules.timeFormat);
    QString text = dateTime.date().toString(rules.dateFormat);
    if (!midnight)
        text += u' ' + time.toString(rules.timeFormat);
    return text;
}

} // namespace

CellTextRules CellTextRules::system() {
    const QLocale locale = QLocale::system();
    return {NumberSeparators::system(), locale.dateFormat(QLocale::ShortFormat),
            locale.timeFormat(QLocale::ShortFormat)};
}

QDate spreadsheetZeroDay() {
    return {1899, 12, 30};
}

QDateTime spreadsheetDateTime(double serial, const QDate &zeroDay) {
    const qint64 ms = std::llround(serial * MsPerDay);
    const qint64 days = ms >= 0 ? ms / MsPerDay : (ms - MsPerDay + 1) / MsPerDay;
    const qint64 msOfDay = ms - days * MsPerDay;
    return {zeroDay.addDays(days), QTime(0, 0).addMSecs(static_cast<int>(msOfDay)), Qt::UTC};
}

QString cellText(const CellValue &value, const CellTextRules &rules) {
    switch (value.kind) {
    case CellValue::Kind::Empty:
        return {};
    case CellValue::Kind::Text:
        return value.text;
    case CellValue::Kind::Number:
        return numberText(value.number, rules.separators.decimal);
    case CellValue::Kind::Date:
        return dateText(value.dateTime, rules);
    }
    return {};
}

} // namespace vandelor
