#include "host/com/com_host_automation.h"

namespace vandelor::host {

namespace {

class ComHostObject : public HostObjectData {
public:
    explicit ComHostObject(com::ComObject object)
        : object(std::move(object)) {}
    com::ComObject object;
};

com::ComObject comObject(const HostObject &object) {
    const auto *held = dynamic_cast<const ComHostObject *>(object.get());
    return held ? held->object : com::ComObject{};
}

com::ComValue toCom(const HostValue &value) {
    switch (kindOf(value)) {
    case ValueKind::Empty:
        return {};
    case ValueKind::Text:
        return std::get<QString>(value).toStdWString();
    case ValueKind::Int16:
        return std::int16_t{std::get<qint16>(value)};
    case ValueKind::Int32:
        return std::int32_t{std::get<qint32>(value)};
    case ValueKind::Bool:
        return std::get<bool>(value);
    case ValueKind::Double:
        return std::get<double>(value);
    case ValueKind::VariantText:
        return com::ComVariantText{std::get<VariantText>(value).text.toStdWString()};
    case ValueKind::Object:
        return comObject(std::get<HostObject>(value));
    }
    return {};
}

std::vector<com::ComArgument> toCom(const HostArguments &arguments) {
    std::vector<com::ComArgument> converted;
    converted.reserve(static_cast<std::size_t>(arguments.size()));
    for (const HostArgument &argument : arguments)
        converted.push_back({toCom(argument.value), argument.passing == Passing::ByReference});
    return converted;
}

HostValue fromCom(const com::ComValue &value) {
    if (const auto *text = std::get_if<std::wstring>(&value))
        return QString::fromStdWString(*text);
    if (const auto *held = std::get_if<com::ComVariantText>(&value))
        return VariantText{QString::fromStdWString(held->text)};
    if (const auto *small = std::get_if<std::int16_t>(&value))
        return qint16{*small};
    if (const auto *whole = std::get_if<std::int32_t>(&value))
        return qint32{*whole};
    if (const auto *flag = std::get_if<bool>(&value))
        return *flag;
    if (const auto *real = std::get_if<double>(&value))
        return *real;
    if (const auto *object = std::get_if<com::ComObject>(&value))
        return *object ? HostObject(std::make_shared<ComHostObject>(*object)) : HostObject{};
    return {};
}

CallResult fromCom(const com::ComResult &result) {
    if (!result.ok)
        return CallResult::failure(QString::fromStdWString(result.error));
    // The host's members give none of these; an error value is no result.
    if (std::holds_alternative<com::ComDate>(result.value) ||
        std::holds_alternative<com::ComErrorValue>(result.value) ||
        std::holds_alternative<com::ComArray>(result.value))
        return CallResult::failure(
            QStringLiteral("the host returned a date, an error value or an array"));
    return CallResult::success(fromCom(result.value));
}

} // namespace

bool ComHostAutomation::windowExists(const QString &windowClass) {
    return m_host.windowExists(windowClass.toStdString());
}

CallResult ComHostAutomation::activate(const QString &progId) {
    return fromCom(m_host.activate(progId.toStdWString()));
}

CallResult ComHostAutomation::call(const HostObject &target, const QString &member,
                                   const HostArguments &arguments) {
    return fromCom(m_host.call(comObject(target), member.toStdWString(), toCom(arguments)));
}

CallResult ComHostAutomation::call(const HostObject &target, DispatchId member,
                                   const HostArguments &arguments) {
    return fromCom(m_host.call(comObject(target), member.value, toCom(arguments)));
}

} // namespace vandelor::host
