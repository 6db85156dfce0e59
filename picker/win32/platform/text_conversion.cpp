#include "text_conversion.h"

#include <windows.h>

namespace tintwell::win32 {

std::string Utf8FromWide(const std::wstring &text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        length, nullptr, nullptr);
    return narrow;
}

// wchar_t is a UTF-16 code unit on Windows, so these copy unit by unit.
std::wstring WideFromUtf16(const std::u16string &text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string Utf16FromWide(const std::wstring &text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace tintwell::win32
