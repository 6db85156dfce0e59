#include "standard_stream.h"

#include <algorithm>

#include "text_conversion.h"
#include "text_encoding.h"

namespace tintwell::win32 {

StandardStream::StandardStream(DWORD which) : handle_(GetStdHandle(which)), console_(false) {
    DWORD mode = 0;
    console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE &&
               GetConsoleMode(handle_, &mode) != FALSE;
}

bool StandardStream::Write(const std::string &utf8) {
    if (utf8.empty()) return true;
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) return true;
    if (console_) {
        const std::wstring wide = WideFromUtf16(Utf8ToUtf16(utf8));
        size_t done = 0;
        while (done < wide.size()) {
            // The console takes a limited amount per call on older systems.
            const DWORD part = static_cast<DWORD>(std::min<size_t>(wide.size() - done, 8192));
            DWORD written = 0;
            if (!WriteConsoleW(handle_, wide.data() + done, part, &written, nullptr) ||
                written == 0) {
                return false;
            }
            done += written;
        }
        return true;
    }
    size_t done = 0;
    while (done < utf8.size()) {
        const DWORD part = static_cast<DWORD>(std::min<size_t>(utf8.size() - done, 1 << 16));
        DWORD written = 0;
        if (!WriteFile(handle_, utf8.data() + done, part, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace tintwell::win32
