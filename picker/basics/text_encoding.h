// UTF-8 to UTF-16, for messages that travel as std::exception::what() and are shown
// by a window that holds UTF-16 text.
#ifndef TINTWELL_PICKER_TEXT_ENCODING_H
#define TINTWELL_PICKER_TEXT_ENCODING_H

#include <string>

namespace tintwell {

// Malformed sequences become U+FFFD each, so a broken message is still shown.
std::u16string Utf8ToUtf16(const std::string &utf8);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_TEXT_ENCODING_H
