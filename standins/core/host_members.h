#pragma once

#include "host_model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace standin {

// The kinds of object the host exports.
enum class ObjectKind { Application, PartProgram, Commands, Command, FeatureCommand };

// One object of the host: its kind and the part program serial or command id it
// stands for. A command's object names the command for its whole life.
struct ObjectAddress {
    ObjectKind kind = ObjectKind::Application;
    int number = 0;
    friend bool operator==(const ObjectAddress &, const ObjectAddress &) = default;
};

// A variant that holds a text.
struct VariantText {
    std::string text;
};

// An object argument or result; nothing for the empty reference.
using ObjectReference = std::optional<ObjectAddress>;

// One value passed to or returned by a member, in the kinds of the host interface.
// Texts are UTF-8.
using Value = std::variant<std::monostate, std::string, std::int16_t, std::int32_t, bool, double,
                           VariantText, ObjectReference>;

enum class Failure { None, UnknownObject, UnknownMember, WrongArguments, OutOfRange, Refused };

// What a call gets back: a result (empty for members without one), or a failure
// with its reason.
struct Outcome {
    Value result;
    Failure failure = Failure::None;
    std::string reason;
    bool failed() const { return failure != Failure::None; }
};

// The host's members and what they do to the model. Each platform's stand-in
// decodes a call into values of the kinds a member lists and hands it here.
class HostMembers {
public:
    using Handler = Outcome (HostMembers::*)(int number, const std::vector<Value> &arguments);
    struct Member {
        ObjectKind kind;
        std::string_view name;
        // How COM callers reach the member.
        std::int32_t dispatchId;
        // The argument kinds, one letter each as the session bus spells them (s text,
        // n 16-bit, i 32-bit, b Boolean, d double, v variant holding a text, o object),
        // and the result's kind, if any.
        std::string_view arguments;
        std::string_view result;
        // Per argument: 'r' where the host interface takes it by reference, else '-'.
        std::string_view passing;
        Handler handler;
    };

    explicit HostMembers(HostModel &model);

    static const std::vector<Member> &members();
    static const Member *find(ObjectKind kind, std::string_view name);
    static const Member *find(ObjectKind kind, std::int32_t dispatchId);

    // Whether the object exists now: its part program is open, its command in it.
    bool exists(const ObjectAddress &address) const;

    // Calls a member on an existing object with arguments of the member's kinds.
    Outcome call(const ObjectAddress &target, const Member &member,
                 const std::vector<Value> &arguments);

private:
    Outcome activePartProgram(int, const std::vector<Value> &);
    Outcome name(int, const std::vector<Value> &);
    Outcome commands(int serial, const std::vector<Value> &);
    Outcome count(int, const std::vector<Value> &);
    Outcome item(int, const std::vector<Value> &arguments);
    Outcome insertionPointAfter(int, const std::vector<Value> &arguments);
    Outcome add(int, const std::vector<Value> &arguments);
    Outcome featureCommand(int id, const std::vector<Value> &);
    Outcome putText(int id, const std::vector<Value> &arguments);
    Outcome setToggleString(int id, const std::vector<Value> &arguments);
    Outcome reDraw(int id, const std::vector<Value> &);
    Outcome putPoint(int id, const std::vector<Value> &arguments);
    Outcome putVector(int id, const std::vector<Value> &arguments);
    Outcome putFeature(int id, CommandEntry::Kind kind, const std::vector<Value> &arguments);

    HostModel &m_model;
};

} // namespace standin
