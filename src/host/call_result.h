#pragma once

#include "host/host_value.h"

#include <QString>

#include <optional>

namespace vandelor::host {

// The outcome of one host operation: a value, or a failure with its reason.
// Failures are values; nothing is thrown across the layer.
class CallResult {
public:
    static CallResult success(HostValue value = {});
    static CallResult failure(const QString &reason);

    bool ok() const { return m_ok; }
    // Empty when the call failed.
    const HostValue &value() const { return m_value; }
    // Why the call failed; empty on success.
    const QString &error() const { return m_error; }

    // The result as an object; an empty handle when it is none or the call failed.
    HostObject object() const;
    // The result as a text, when it is one (plain or held by a variant).
    std::optional<QString> text() const;
    // The result as a whole number, when it is a 16- or 32-bit integer.
    std::optional<qint32> integer() const;

private:
    CallResult(HostValue value, QString error, bool ok);

    HostValue m_value;
    QString m_error;
    bool m_ok = false;
};

} // namespace vandelor::host
