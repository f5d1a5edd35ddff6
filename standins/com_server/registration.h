#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace standin {

// Registers progId for a local server of the class classId, started with command
// (the program's path in quotes, and options): for the user, and machine-wide where
// that is allowed (Wine reads COM classes only from there). Gives what went wrong
// when neither could be written.
std::wstring registerServer(const CLSID &classId, const std::wstring &progId,
                            const std::wstring &description, const std::wstring &command);

// The running program's path in quotes, as a command starts it.
std::wstring quotedProgramPath();

// The arguments after the program's name, without the one COM adds when it starts
// a local server.
std::vector<std::wstring> serverArguments();

} // namespace standin
