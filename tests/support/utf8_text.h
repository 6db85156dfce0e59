// UTF-16 texts (the window's, and wchar_t on Windows) as UTF-8, for test messages
// and for comparing with the narrow texts of the models and fakes.
#ifndef TINTWELL_TESTS_SUPPORT_UTF8_TEXT_H
#define TINTWELL_TESTS_SUPPORT_UTF8_TEXT_H

#include <string>

namespace testsupport {

// Unpaired surrogates become U+FFFD.
std::string Utf8(const std::u16string &text);
// wchar_t as UTF-16 where it is 16 bits wide, as code points elsewhere.
std::string Utf8(const std::wstring &text);

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_UTF8_TEXT_H
