// Why the system refused something, in the user's words, for the end of a message
// that says what did not happen.
#ifndef TINTWELL_PICKER_WIN32_SYSTEM_REASON_H
#define TINTWELL_PICKER_WIN32_SYSTEM_REASON_H

#include <windows.h>

#include <string>

namespace tintwell::win32 {

// UTF-8; empty for 0, the system having said nothing.
std::string SystemReason(DWORD error);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_SYSTEM_REASON_H
