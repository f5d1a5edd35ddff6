#include "host/call_result.h"

#include <utility>

namespace vandelor::host {

CallResult::CallResult(HostValue value, QString error, bool ok)
    : m_value(std::move(value))
    , m_error(std::move(error))
    , m_ok(ok) {}

CallResult CallResult::success(HostValue value) {
    return CallResult(std::move(value), {}, true);
}

CallResult CallResult::failure(const QString &reason) {
    return CallResult({}, reason, false);
}

HostObject CallResult::object() const {
    if (const auto *handle = std::get_if<HostObject>(&m_value))
        return *handle;
    return {};
}

std::optional<QString> CallResult::text() const {
    if (const auto *plain = std::get_if<QString>(&m_value))
        return *plain;
    if (const auto *held = std::get_if<VariantText>(&m_value))
        return held->text;
    return std::nullopt;
}

std::optional<qint32> CallResult::integer() const {
    if (const auto *small = std::get_if<qint16>(&m_value))
        return *small;
    if (const auto *whole = std::get_if<qint32>(&m_value))
        return *whole;
    return std::nullopt;
}

} // namespace vandelor::host
