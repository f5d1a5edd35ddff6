#include "bus_floor.h"

#include <dbus/dbus.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include <sys/prctl.h>
#include <unistd.h>

namespace busfloor {

namespace {

constexpr const char *ResponderName = "org.vandelor.BusFloor";
constexpr const char *ResponderPath = "/Floor";
constexpr const char *ResponderInterface = "org.vandelor.BusFloor";
constexpr int TimeoutMs = 3000;

DBusHandlerResult answer(DBusConnection *connection, DBusMessage *call, void *) {
    if (dbus_message_get_type(call) != DBUS_MESSAGE_TYPE_METHOD_CALL)
        return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
    DBusMessage *reply = dbus_message_new_method_return(call);
    // A waited call gets an object back, as Add and FeatureCommand do.
    if (std::strcmp(dbus_message_get_member(call), "Waited") == 0)
        dbus_message_append_args(reply, DBUS_TYPE_OBJECT_PATH, &ResponderPath, DBUS_TYPE_INVALID);
    dbus_connection_send(connection, reply, nullptr);
    dbus_message_unref(reply);
    return DBUS_HANDLER_RESULT_HANDLED;
}

[[noreturn]] void respond() {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    DBusError error;
    dbus_error_init(&error);
    DBusConnection *connection = dbus_bus_get_private(DBUS_BUS_SESSION, &error);
    DBusObjectPathVTable table{};
    table.message_function = answer;
    if (connection == nullptr ||
        !dbus_connection_register_object_path(connection, ResponderPath, &table, nullptr) ||
        dbus_bus_request_name(connection, ResponderName, 0, &error) !=
            DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER)
        _exit(1);
    while (dbus_connection_read_write_dispatch(connection, -1)) {
    }
    _exit(0);
}

DBusMessage *newCall(const char *member) {
    DBusMessage *call =
        dbus_message_new_method_call(ResponderName, ResponderPath, ResponderInterface, member);
    dbus_message_set_auto_start(call, false);
    // The arguments of a PutText.
    const char *text = "#VP1";
    const std::int32_t field = 2;
    const std::int16_t index = 0;
    dbus_message_append_args(call, DBUS_TYPE_STRING, &text, DBUS_TYPE_INT32, &field,
                             DBUS_TYPE_INT16, &index, DBUS_TYPE_INVALID);
    return call;
}

bool answered(DBusMessage *reply) {
    const bool ok =
        reply != nullptr && dbus_message_get_type(reply) == DBUS_MESSAGE_TYPE_METHOD_RETURN;
    if (reply != nullptr)
        dbus_message_unref(reply);
    return ok;
}

bool callAndWait(DBusConnection *connection) {
    DBusMessage *call = newCall("Waited");
    DBusMessage *reply =
        dbus_connection_send_with_reply_and_block(connection, call, TimeoutMs, nullptr);
    dbus_message_unref(call);
    return answered(reply);
}

bool collect(std::vector<DBusPendingCall *> &pending) {
    bool ok = true;
    for (DBusPendingCall *call : pending) {
        dbus_pending_call_block(call);
        ok = answered(dbus_pending_call_steal_reply(call)) && ok;
        dbus_pending_call_unref(call);
    }
    pending.clear();
    return ok;
}

bool waitForResponder(DBusConnection *connection) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (dbus_bus_name_has_owner(connection, ResponderName, nullptr))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

double nsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

pid_t startResponder() {
    const pid_t child = fork();
    if (child == 0)
        respond();
    return child;
}

std::optional<Figures> measure(const std::string &pattern, int rows, int bareCalls) {
    DBusConnection *connection = dbus_bus_get_private(DBUS_BUS_SESSION, nullptr);
    if (connection == nullptr)
        return std::nullopt;
    bool ok = waitForResponder(connection);
    Figures figures;
    auto start = std::chrono::steady_clock::now();
    std::vector<DBusPendingCall *> pending;
    for (int row = 0; ok && row < rows; ++row) {
        for (const char kind : pattern) {
            if (kind == 'W') {
                ok = collect(pending) && callAndWait(connection) && ok;
                continue;
            }
            DBusMessage *call = newCall("Sent");
            DBusPendingCall *reply = nullptr;
            ok = dbus_connection_send_with_reply(connection, call, &reply, TimeoutMs) && ok;
            dbus_message_unref(call);
            if (reply != nullptr)
                pending.push_back(reply);
        }
        ok = collect(pending) && ok;
    }
    figures.rowNs = nsSince(start) / rows;
    start = std::chrono::steady_clock::now();
    for (int i = 0; ok && i < bareCalls; ++i)
        ok = callAndWait(connection);
    figures.bareCallNs = nsSince(start) / bareCalls;
    dbus_connection_close(connection);
    dbus_connection_unref(connection);
    if (!ok)
        return std::nullopt;
    return figures;
}

} // namespace busfloor
