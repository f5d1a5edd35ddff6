#include "host_members.h"

#include "host/facts/orvanto_facts.h"
#include "listing.h"

namespace standin {

namespace {

namespace dispid = orvanto_facts::dispid;
namespace member = orvanto_facts::member;

// Members the tool calls by name get dispatch ids of their own, apart from the
// ones it calls by number.
constexpr std::int32_t FirstNamedDispatchId = 100;

Outcome answer(Value result) {
    return {std::move(result), Failure::None, {}};
}

Outcome failure(Failure kind, std::string reason) {
    return {{}, kind, std::move(reason)};
}

template <typename T> const T &argument(const std::vector<Value> &arguments, std::size_t index) {
    return std::get<T>(arguments[index]);
}

} // namespace

HostMembers::HostMembers(HostModel &model)
    : m_model(model) {}

const std::vector<HostMembers::Member> &HostMembers::members() {
    using K = ObjectKind;
    using H = HostMembers;
    constexpr std::int32_t n = FirstNamedDispatchId;
    static const std::vector<Member> table = {
        {K::Application, "ActivePartProgram", dispid::ActivePartProgram, "", "o", "",
         &H::activePartProgram},
        {K::PartProgram, "Name", dispid::PartProgramName, "", "s", "", &H::name},
        {K::PartProgram, "Commands", dispid::PartProgramCommands, "", "o", "", &H::commands},
        {K::Commands, member::Count, n, "", "i", "", &H::count},
        {K::Commands, member::Item, n + 1, "n", "o", "r", &H::item},
        {K::Commands, member::InsertionPointAfter, n + 2, "o", "", "r", &H::insertionPointAfter},
        {K::Commands, member::Add, n + 3, "ib", "o", "--", &H::add},
        {K::Command, member::FeatureCommand, n, "", "o", "", &H::featureCommand},
        {K::Command, member::PutText, n + 1, "sin", "", "---", &H::putText},
        {K::Command, member::SetToggleString, n + 2, "din", "s", "---", &H::setToggleString},
        {K::Command, member::ReDraw, n + 3, "", "", "", &H::reDraw},
        {K::FeatureCommand, member::PutPoint, n, "iivvd", "", "--rrr", &H::putPoint},
        {K::FeatureCommand, member::PutVector, n + 1, "iivvd", "", "--rrr", &H::putVector},
    };
    return table;
}

const HostMembers::Member *HostMembers::find(ObjectKind kind, std::string_view name) {
    for (const Member &m : members())
        if (m.kind == kind && m.name == name)
            return &m;
    return nullptr;
}

const HostMembers::Member *HostMembers::find(ObjectKind kind, std::int32_t dispatchId) {
    for (const Member &m : members())
        if (m.kind == kind && m.dispatchId == dispatchId)
            return &m;
    return nullptr;
}

bool HostMembers::exists(const ObjectAddress &address) const {
    const PartProgram *program = m_model.partProgram();
    switch (address.kind) {
    case ObjectKind::Application:
        return true;
    case ObjectKind::PartProgram:
    case ObjectKind::Commands:
        return program != nullptr && program->serial() == address.number;
    case ObjectKind::Command:
    case ObjectKind::FeatureCommand:
        return program != nullptr && program->rowOf(address.number).has_value();
    }
    return false;
}

Outcome HostMembers::call(const ObjectAddress &target, const Member &member,
                          const std::vector<Value> &arguments) {
    if (!exists(target))
        return failure(Failure::UnknownObject, "the object is gone with its part program");
    return (this->*member.handler)(target.number, arguments);
}

Outcome HostMembers::activePartProgram(int, const std::vector<Value> &) {
    const PartProgram *program = m_model.partProgram();
    if (program == nullptr)
        return answer(ObjectReference{});
    return answer(ObjectReference{{ObjectKind::PartProgram, program->serial()}});
}

Outcome HostMembers::name(int, const std::vector<Value> &) {
    return answer(m_model.partProgram()->name());
}

Outcome HostMembers::commands(int serial, const std::vector<Value> &) {
    return answer(ObjectReference{{ObjectKind::Commands, serial}});
}

Outcome HostMembers::count(int, const std::vector<Value> &) {
    return answer(static_cast<std::int32_t>(m_model.partProgram()->commands().size()));
}

Outcome HostMembers::item(int, const std::vector<Value> &arguments) {
    const auto &list = m_model.partProgram()->commands();
    const int position = argument<std::int16_t>(arguments, 0);
    if (position < 1 || static_cast<std::size_t>(position) > list.size())
        return failure(Failure::OutOfRange, "no command at position " + std::to_string(position) +
                                                " of " + std::to_string(list.size()));
    const int id = list[static_cast<std::size_t>(position - 1)].id();
    return answer(ObjectReference{{ObjectKind::Command, id}});
}

Outcome HostMembers::insertionPointAfter(int, const std::vector<Value> &arguments) {
    const ObjectReference &command = argument<ObjectReference>(arguments, 0);
    if (!command || command->kind != ObjectKind::Command ||
        !m_model.placeInsertionPointAfter(command->number))
        return failure(Failure::WrongArguments, "the object is no command of this part program");
    return {};
}

Outcome HostMembers::add(int, const std::vector<Value> &arguments) {
    const std::int32_t typeCode = argument<std::int32_t>(arguments, 0);
    const std::optional<int> id = m_model.add(typeCode);
    if (!id)
        return failure(Failure::Refused,
                       "commands of type " + std::to_string(typeCode) + " can't be added");
    return answer(ObjectReference{{ObjectKind::Command, *id}});
}

Outcome HostMembers::featureCommand(int id, const std::vector<Value> &) {
    return answer(ObjectReference{{ObjectKind::FeatureCommand, id}});
}

Outcome HostMembers::putText(int id, const std::vector<Value> &arguments) {
    const std::string &text = argument<std::string>(arguments, 0);
    const std::int32_t code = argument<std::int32_t>(arguments, 1);
    const std::int16_t index = argument<std::int16_t>(arguments, 2);
    if (m_model.refusesText(text))
        return failure(Failure::Refused, "the text " + text + " can't be written");
    m_model.changeCommand(id, [&](CommandRecord &c) { c.putText(code, index, text); });
    return {};
}

Outcome HostMembers::setToggleString(int id, const std::vector<Value> &arguments) {
    const double value = argument<double>(arguments, 0);
    const std::int32_t code = argument<std::int32_t>(arguments, 1);
    const std::int16_t index = argument<std::int16_t>(arguments, 2);
    m_model.changeCommand(id, [&](CommandRecord &c) { c.setToggle(code, index, value); });
    return answer(numberText(value));
}

Outcome HostMembers::reDraw(int id, const std::vector<Value> &) {
    m_model.changeCommand(id, [](CommandRecord &) {});
    return {};
}

Outcome HostMembers::putPoint(int id, const std::vector<Value> &arguments) {
    return putFeature(id, CommandEntry::Kind::Point, arguments);
}

Outcome HostMembers::putVector(int id, const std::vector<Value> &arguments) {
    return putFeature(id, CommandEntry::Kind::Vector, arguments);
}

Outcome HostMembers::putFeature(int id, CommandEntry::Kind kind,
                                const std::vector<Value> &arguments) {
    const FeatureValues values{
        argument<std::int32_t>(arguments, 0), argument<std::int32_t>(arguments, 1),
        argument<VariantText>(arguments, 2).text, argument<VariantText>(arguments, 3).text,
        argument<double>(arguments, 4)};
    m_model.changeCommand(id, [&](CommandRecord &c) { c.putFeature(kind, values); });
    return {};
}

} // namespace standin
