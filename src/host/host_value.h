#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <variant>

namespace vandelor::host {

// What a backend keeps to reach one object of the host: a COM interface pointer,
// a bus path, an entry of the fake. The object lives as long as a handle to it.
class HostObjectData {
public:
    virtual ~HostObjectData() = default;
};

// A reference to a host object; empty when the host returned no object.
using HostObject = std::shared_ptr<const HostObjectData>;

// A variant that holds a text: the host reads these arguments as values of any kind.
struct VariantText {
    QString text;
    friend bool operator==(const VariantText &, const VariantText &) = default;
};

// The kinds of value the host interface passes, in the order of HostValue's alternatives.
enum class ValueKind { Empty, Text, Int16, Int32, Bool, Double, VariantText, Object };

// One value passed to or returned by a host member.
using HostValue =
    std::variant<std::monostate, QString, qint16, qint32, bool, double, VariantText, HostObject>;

inline ValueKind kindOf(const HostValue &value) {
    return static_cast<ValueKind>(value.index());
}

enum class Passing { ByValue, ByReference };

// One argument of a call: its value and whether the host interface takes it by reference.
struct HostArgument {
    HostValue value;
    Passing passing = Passing::ByValue;
    friend bool operator==(const HostArgument &, const HostArgument &) = default;
};

using HostArguments = QList<HostArgument>;

inline HostArgument text(const QString &value) {
    return {value};
}
inline HostArgument int16(qint16 value) {
    return {value};
}
inline HostArgument int32(qint32 value) {
    return {value};
}
inline HostArgument boolean(bool value) {
    return {value};
}
inline HostArgument real(double value) {
    return {value};
}
inline HostArgument variantText(const QString &value) {
    return {VariantText{value}};
}
inline HostArgument object(const HostObject &value) {
    return {value};
}

// The same argument, passed by reference.
inline HostArgument byReference(HostArgument argument) {
    argument.passing = Passing::ByReference;
    return argument;
}

// A short readable form for logs and test failures: `int16 5`, `text "#VP1"`,
// `&double 2.5` for a value passed by reference, `object` or `nothing`.
QString describe(const HostValue &value);
QString describe(const HostArgument &argument);
QString describe(const HostArguments &arguments);

} // namespace vandelor::host
