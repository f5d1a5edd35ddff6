#pragma once

#include "com_values.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vandelor::com {

// The host reached through COM: its main window by class, its application object by
// ProgID from the running local server, and late-bound IDispatch calls. Every HRESULT
// comes back as a failed ComResult; nothing is thrown.
//
// Lives on one thread and initialises COM there for its lifetime; every ComObject
// must be gone before it is. Once a call finds the host's server gone, every later
// call on objects of the same activation fails at once.
class ComHost {
public:
    ComHost();
    ~ComHost();
    ComHost(const ComHost &) = delete;
    ComHost &operator=(const ComHost &) = delete;

    bool windowExists(const std::string &windowClass) const;
    ComResult activate(const std::wstring &progId);
    // Arguments in the order the member lists them.
    ComResult call(const ComObject &target, const std::wstring &member,
                   const std::vector<ComArgument> &arguments);
    ComResult call(const ComObject &target, std::int32_t dispatchId,
                   const std::vector<ComArgument> &arguments);

private:
    bool m_ownsApartment = false;
};

} // namespace vandelor::com
