#include "wide_text.h"

#include <windows.h>

namespace standin {

std::wstring wideText(const std::string &utf8) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

std::string utf8Text(const wchar_t *wide, std::size_t length) {
    const int count = static_cast<int>(length);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, count, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, count, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

} // namespace standin
