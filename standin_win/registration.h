#pragma once

#include <windows.h>

#include <string>

namespace standin {

// The stand-in's own class; callers find it by the host's ProgID.
// {31AFAFA1-088C-4B3B-B4D8-CCC5FEAED760}
inline constexpr CLSID StandinClassId = {
    0x31afafa1, 0x088c, 0x4b3b, {0xb4, 0xd8, 0xcc, 0xc5, 0xfe, 0xae, 0xd7, 0x60}};

// Registers the host's ProgID for this program as a local server: for the user,
// and machine-wide where that is allowed (Wine reads COM classes only from there).
// Gives what went wrong when neither could be written.
std::wstring registerServer(const std::wstring &programPath);

} // namespace standin
