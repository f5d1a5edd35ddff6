#include "insert/command_writer.h"

#include "host/orvanto_names.h"
#include "points/sixteen_bit_counts.h"

#include <utility>

namespace vandelor::insert {

using namespace host;

namespace {
constexpr qint32 FeatureScale = 100;
} // namespace

CommandWriter::CommandWriter(HostAutomation &host, CommandCursor &cursor)
    : m_host(host)
    , m_cursor(cursor) {}

std::optional<qint32> CommandWriter::placeInsertionPointAtEnd() {
    const CallResult count = m_host.call(m_cursor.commands, orvanto::member::Count);
    const std::optional<qint32> commands = count.ok() ? count.integer() : std::nullopt;
    if (!commands) {
        m_incomplete = true;
        return std::nullopt;
    }
    if (*commands < 1 || *commands > LargestCount)
        return commands;

    const CallResult last = m_host.call(m_cursor.commands, orvanto::member::Item,
                                        {byReference(int16(static_cast<qint16>(*commands)))});
    if (!last.ok() || !last.object()) {
        m_incomplete = true;
        return commands;
    }
    m_cursor.current = last.object();
    m_host.send(m_cursor.commands, orvanto::member::InsertionPointAfter,
                {byReference(object(m_cursor.current))});
    return commands;
}

void CommandWriter::add(qint32 typeCode) {
    const CallResult added =
        m_host.call(m_cursor.commands, orvanto::member::Add, {int32(typeCode), boolean(true)});
    m_cursor.current = added.ok() ? added.object() : HostObject();
    if (!m_cursor.current)
        m_incomplete = true;
}

void CommandWriter::putText(const QString &text, qint32 field, qint16 index) {
    sendToCurrent(orvanto::member::PutText, {host::text(text), int32(field), int16(index)});
}

void CommandWriter::setToggleString(double value, qint32 field, qint16 index) {
    sendToCurrent(orvanto::member::SetToggleString, {real(value), int32(field), int16(index)});
}

void CommandWriter::redraw() {
    sendToCurrent(orvanto::member::ReDraw);
}

void CommandWriter::putFeatureValues(const QString &member, qint32 slot, const QString &first,
                                     const QString &second, std::optional<double> third) {
    if (!third) {
        m_incomplete = true;
        return;
    }
    if (!m_cursor.current) {
        m_incomplete = true;
        return;
    }
    // The feature object serves this one call; it is asked anew each time.
    const CallResult feature = m_host.call(m_cursor.current, orvanto::member::FeatureCommand);
    if (!feature.ok() || !feature.object()) {
        m_incomplete = true;
        return;
    }
    m_host.send(feature.object(), member,
                {int32(slot), int32(FeatureScale), byReference(variantText(first)),
                 byReference(variantText(second)), byReference(real(*third))});
}

bool CommandWriter::takeIncomplete() {
    // A call sent without waiting counts for the point it was made for.
    const bool anySentFailed = m_host.settle() > 0;
    return std::exchange(m_incomplete, false) || anySentFailed;
}

void CommandWriter::sendToCurrent(const QString &member, const HostArguments &arguments) {
    if (!m_cursor.current) {
        m_incomplete = true;
        return;
    }
    m_host.send(m_cursor.current, member, arguments);
}

} // namespace vandelor::insert
