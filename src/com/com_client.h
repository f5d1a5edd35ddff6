#pragma once

#include "com/com_values.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vandelor::com {

// A program reached through COM: its main window by class, its application object
// by ProgID from a local server, and late-bound IDispatch calls. Every HRESULT comes
// back as a failed ComResult; nothing is thrown.
//
// Lives on one thread and initialises COM there for its lifetime; every ComObject
// must be gone before it is. Once a call finds a server gone, every later call on
// objects of the same activation fails at once.
class ComClient {
public:
    // Names are resolved and calls made with the user's locale, or with the one given.
    ComClient();
    explicit ComClient(std::uint32_t locale);
    ~ComClient();
    ComClient(const ComClient &) = delete;
    ComClient &operator=(const ComClient &) = delete;

    bool windowExists(const std::string &windowClass) const;
    // The application object of the class registered as progId: a new one from its
    // local server, or, where that fails, one registered as running.
    ComResult activate(const std::wstring &progId);
    // Always a new object from the local server, never one already running.
    ComResult create(const std::wstring &progId);
    // Arguments in the order the member lists them.
    ComResult call(const ComObject &target, const std::wstring &member,
                   const std::vector<ComArgument> &arguments);
    ComResult call(const ComObject &target, std::int32_t dispatchId,
                   const std::vector<ComArgument> &arguments);
    // Sets the property member to value.
    ComResult put(const ComObject &target, const std::wstring &member, const ComValue &value);

private:
    std::uint32_t m_locale;
    bool m_ownsApartment = false;
};

} // namespace vandelor::com
