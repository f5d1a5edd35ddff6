#include "points/vda_statements.h"

#include "points/vda_number.h"

#include <algorithm>

namespace vandelor {

namespace {

constexpr qsizetype RecordLength = 80;
// Columns 73 to 80 are the sequence field.
constexpr qsizetype DataColumns = 72;
constexpr qsizetype MostNameLength = 8;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Whether the text starts with "HEADER/", blanks not counted, case-blind.
bool startsWithHeader(QStringView text) {
    constexpr QStringView Header = u"HEADER/";
    qsizetype matched = 0;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        if (c.toUpper() != Header[matched])
            return false;
        if (++matched == Header.size())
            return true;
    }
    return false;
}

// Only a statement holds "=", and only the header may stand without it.
bool beginsStatement(QStringView data) {
    return data.contains(u'=') || startsWithHeader(data);
}

// Columns 73 to 80 hold the record's sequence number, maybe behind letters,
// or nothing; anything else is data a writer put past column 72, which
// would be lost.
bool isSequenceField(QStringView record) {
    const QStringView field = record.sliced(std::min(record.size(), DataColumns)).trimmed();
    return field.isEmpty() ||
           (field.back().isDigit() && std::all_of(field.cbegin(), field.cend(), [](QChar c) {
                return c.isLetterOrNumber() || isBlank(c);
            }));
}

bool isName(QStringView name) {
    return !name.isEmpty() && name.size() <= MostNameLength &&
           std::none_of(name.cbegin(), name.cend(), isBlank);
}

bool isCommand(QStringView command) {
    return !command.isEmpty() && std::all_of(command.cbegin(), command.cend(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
    });
}

} // namespace

QStringView vdaRecordData(QStringView record) {
    QStringView data = record.first(std::min(record.size(), DataColumns));
    const qsizetype comment = data.indexOf(u"$$");
    if (comment >= 0)
        data = data.first(comment);
    return data.trimmed();
}

bool beginsVdaHeader(QStringView data) {
    return startsWithHeader(data.sliced(data.indexOf(u'=') + 1));
}

VdaStatements::VdaStatements(QIODevice &file)
    : m_lines(file) {}

bool VdaStatements::next(VdaStatement &statement) {
    for (;;) {
        if (m_ended || m_error)
            return false;
        if (!m_startRead) {
            do {
                if (!nextRecord())
                    return false;
            } while (m_data.isEmpty());
            if (!beginsStatement(m_data))
                return fail(SyntaxError::Kind::OutsideStatement, m_record);
        }
        m_startRead = false;
        // Cleared, not replaced, so that the room it holds is kept.
        statement.name.clear();
        statement.parameters.clear();
        statement.record = m_record;
        const qsizetype equals = m_data.indexOf(u'=');
        if (equals >= 0) {
            statement.name = m_data.first(equals).trimmed().toString();
            if (!isName(statement.name))
                return fail(SyntaxError::Kind::BadName, m_record, statement.name);
        }
        QString &text = statement.text;
        text.resize(0); // keeps its room
        text += m_data.sliced(equals + 1);
        if (beginsVdaHeader(m_data)) {
            if (!skipHeader(text))
                return false;
            continue;
        }
        // Where each record's part of the text begins.
        QList<std::pair<qsizetype, int>> starts{{0, m_record}};
        while (nextRecord()) {
            if (m_data.isEmpty())
                continue;
            if (beginsStatement(m_data)) {
                m_startRead = true;
                break;
            }
            text += u' ';
            starts.append({text.size(), m_record});
            text += m_data;
        }
        // A failed read may have cut the statement short.
        if (m_error || readFailed() || !split(starts, statement))
            return false;
        if (statement.command == u"END") {
            m_ended = true;
            return false;
        }
        return true;
    }
}

bool VdaStatements::nextRecord(bool data) {
    bool tooLong = false;
    if (!m_lines.next(m_line, tooLong) || m_lines.readFailed())
        return false;
    ++m_record;
    if (tooLong || (m_line.size() > RecordLength &&
                    !QStringView(m_line).sliced(RecordLength).trimmed().isEmpty()))
        return fail(SyntaxError::Kind::RecordTooLong, m_record);
    if (data && !isSequenceField(QStringView(m_line).first(std::min(m_line.size(), RecordLength))))
        return fail(SyntaxError::Kind::DataInSequenceField, m_record);
    m_data = vdaRecordData(m_line);
    return true;
}

bool VdaStatements::fail(SyntaxError::Kind kind, int record, const QString &text) {
    m_error = SyntaxError{kind, record, text};
    return false;
}

bool VdaStatements::skipHeader(QStringView header) {
    const int record = m_record;
    const QStringView count = header.sliced(header.indexOf(u'/') + 1).trimmed();
    const std::optional<qsizetype> records = vdaCount(count);
    if (!records)
        return fail(SyntaxError::Kind::NotACount, record, count.toString());
    for (qsizetype skipped = 0; skipped < *records; ++skipped)
        if (!nextRecord(false))
            return m_error || readFailed() ? false : fail(SyntaxError::Kind::HeaderCut, record);
    return true;
}

bool VdaStatements::split(const QList<std::pair<qsizetype, int>> &starts, VdaStatement &statement) {
    const QString &text = statement.text;
    const qsizetype slash = text.indexOf(u'/');
    const QStringView command = QStringView(text).first(slash < 0 ? text.size() : slash).trimmed();
    if (!isCommand(command))
        return fail(SyntaxError::Kind::NoCommand, statement.record, command.toString());
    statement.command = command.toString().toUpper();
    if (slash < 0)
        return true;
    auto start = starts.cbegin();
    for (qsizetype from = slash + 1;;) {
        const qsizetype comma = text.indexOf(u',', from);
        const qsizetype end = comma < 0 ? text.size() : comma;
        qsizetype first = from;
        while (first < end && isBlank(text[first]))
            ++first;
        while (std::next(start) != starts.cend() && std::next(start)->first <= first)
            ++start;
        statement.parameters.append(
            {QStringView(text).sliced(first, end - first).trimmed(), start->second});
        if (comma < 0)
            break;
        from = comma + 1;
    }
    if (statement.parameters.last().text.isEmpty())
        statement.parameters.removeLast();
    return true;
}

} // namespace vandelor
