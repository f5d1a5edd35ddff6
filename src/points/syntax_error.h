#pragma once

#include <QString>

namespace vandelor {

// Where a file breaks the syntax of its format, and how.
struct SyntaxError {
    enum class Kind {
        // A record holds data beyond its 80 columns.
        RecordTooLong,
        // A record holds other text than a sequence number in columns 73 to 80.
        DataInSequenceField,
        // A record continues a statement where none began.
        OutsideStatement,
        // A statement's name is empty, too long or holds a blank.
        BadName,
        // What stands after the name is no command.
        NoCommand,
        // A count of records or points is no whole number.
        NotACount,
        // A coordinate or vector component is no number (or is missing).
        NotANumber,
        // A statement holds more or fewer values than its kind and count say.
        WrongValueCount,
        // The file ends inside the header's text.
        HeaderCut,
    };

    Kind kind = Kind::OutsideStatement;
    // The record, counted from 1.
    int record = 0;
    // The name, command, count or number at fault.
    QString text;
};

} // namespace vandelor
