#pragma once

#include "com/com_values.h"

#include <windows.h>

#include <memory>
#include <string>
#include <unordered_map>

namespace vandelor::com {

// The host's server as one activation reached it.
struct ComPeer {
    bool gone = false;
};

// Holds one reference on the object's IDispatch, and the dispatch ids of the member
// names already asked for, so each name is resolved once per object.
struct ComObjectData {
    ComObjectData(IDispatch *dispatch, std::shared_ptr<ComPeer> peer)
        : dispatch(dispatch)
        , peer(std::move(peer)) {}
    ~ComObjectData() { dispatch->Release(); }
    ComObjectData(const ComObjectData &) = delete;
    ComObjectData &operator=(const ComObjectData &) = delete;

    IDispatch *dispatch;
    std::shared_ptr<ComPeer> peer;
    std::unordered_map<std::wstring, DISPID> dispatchIds;
};

} // namespace vandelor::com
