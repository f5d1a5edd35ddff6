#pragma once

#include "points/line_reader.h"
#include "points/syntax_error.h"

#include <QList>
#include <QString>

#include <optional>

class QIODevice;

namespace vandelor {

// A parameter of a statement and the record it stands in.
struct VdaParameter {
    // A part of its statement's text.
    QStringView text;
    int record = 0;
};

// One statement of a VDA-FS file, "NAME = COMMAND / p1, p2, ...".
struct VdaStatement {
    QString name;
    // In upper case.
    QString command;
    // What follows the name, the records joined by a blank.
    QString text;
    // Trimmed, as written; a comma closing the statement gives none.
    QList<VdaParameter> parameters;
    // The record the statement begins in, counted from 1.
    int record = 0;
};

// The data of a VDA-FS record: its columns 1 to 72 up to a "$$" comment,
// trimmed.
QStringView vdaRecordData(QStringView record);
// Whether a record's data begins the header, "HEADER / n" or
// "NAME = HEADER / n" (blanks not counted, case-blind).
bool beginsVdaHeader(QStringView data);

// Reads the statements of a VDA-FS file, record by record. A record is a line
// of up to 80 characters; its columns 73 to 80 are the sequence field and
// hold no data, and from "$$" on a record is a comment. A statement begins
// with a name of up to 8 characters and "=" (the header may have none) and
// goes on over the records up to the next statement. The n records after
// "HEADER / n" are the header's text and are passed over, and "END" closes
// the data.
class VdaStatements {
public:
    explicit VdaStatements(QIODevice &file);

    bool isText() const { return m_lines.isText(); }
    bool readFailed() const { return m_lines.readFailed(); }

    // Reads the next statement; false at the end of the data, at a syntax
    // error (error() tells it) or when the file could not be read to its end.
    bool next(VdaStatement &statement);
    const std::optional<SyntaxError> &error() const { return m_error; }

private:
    // Reads the next record's data into m_data; false at the file's end or
    // at a record too long. A record of data, not of the header's text, must
    // hold a sequence field or nothing in columns 73 to 80.
    bool nextRecord(bool data = true);
    bool fail(SyntaxError::Kind kind, int record, const QString &text = {});
    // Passes over the header's text that the statement in m_data announces.
    bool skipHeader(QStringView header);
    // Reads the command and the parameters out of the statement's text.
    bool split(const QList<std::pair<qsizetype, int>> &starts, VdaStatement &statement);

    LineReader m_lines;
    QString m_line;
    // The data of the last record read: columns 1 to 72 up to a comment, trimmed.
    QStringView m_data;
    int m_record = 0;
    // m_data begins the next statement.
    bool m_startRead = false;
    bool m_ended = false;
    std::optional<SyntaxError> m_error;
};

} // namespace vandelor
