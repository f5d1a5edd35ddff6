#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

namespace vandelor {

// How the fields of a line of a point file are separated.
enum class FieldSeparator { Semicolon, Tab, Comma, Blanks };

// How a point file that the tool cannot read by itself is read, as the user
// sets it in the "Spalten zuordnen" dialog.
struct ColumnAssignment {
    FieldSeparator separator = FieldSeparator::Semicolon;
    // Only for telling numbers from other text: the texts stay as written.
    bool decimalComma = false;
    // Lines at the start of the file that hold no points.
    int skippedLines = 0;
    // For each field of a line, the table column it fills, or -1.
    QList<int> columns;

    friend bool operator==(const ColumnAssignment &, const ColumnAssignment &) = default;
};

// The fields of a line: split at the separator, or at every run of blanks
// and tabs with the blanks around the line dropped.
QStringList assignedFields(QStringView line, FieldSeparator separator);

// Whether the text, blanks around it dropped, is a number: a sign, digits
// with one decimal separator, an exponent.
bool readsAsNumber(QStringView text, bool decimalComma);

// A first guess at how the lines are meant: the separator the first line of
// data uses (one with three numbers), whether its numbers have a decimal
// comma, the lines before it skipped, and the columns named by the line
// before the data where it names any, else ID (where the first field is no
// number), X, Y, Z, I, J, K, I Obf, J Obf, K Obf in turn.
ColumnAssignment guessedAssignment(const QStringList &lines);

// The columns guessed for the lines split at the separator, the first
// skippedLines of them not data.
QList<int> guessedColumns(const QStringList &lines, FieldSeparator separator, int skippedLines);

} // namespace vandelor
