// Conversions between the core's texts (UTF-8 names, UTF-16 control texts) and the
// wide strings of the W functions. UTF-8 messages become UTF-16 through the core's
// Utf8ToUtf16.
#ifndef TINTWELL_PICKER_WIN32_TEXT_CONVERSION_H
#define TINTWELL_PICKER_WIN32_TEXT_CONVERSION_H

#include <string>

namespace tintwell::win32 {

std::string Utf8FromWide(const std::wstring &text);
std::wstring WideFromUtf16(const std::u16string &text);
std::u16string Utf16FromWide(const std::wstring &text);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_TEXT_CONVERSION_H
