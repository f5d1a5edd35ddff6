#pragma once

#include <string>

namespace standin {

// UTF-8, as the host model keeps texts, to and from UTF-16, as COM and Win32 pass them.
std::wstring wideText(const std::string &utf8);
std::string utf8Text(const wchar_t *wide, std::size_t length);

} // namespace standin
