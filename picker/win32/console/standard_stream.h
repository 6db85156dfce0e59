// Standard output or standard error as the console picker writes them: UTF-8 bytes
// through WriteFile to a pipe or a file, whatever the console's code page, and the same
// text as UTF-16 through WriteConsoleW to a real console, which shows it in any code
// page (WriteFile there would be read in the console's own).
#ifndef TINTWELL_PICKER_WIN32_CONSOLE_STANDARD_STREAM_H
#define TINTWELL_PICKER_WIN32_CONSOLE_STANDARD_STREAM_H

#include <windows.h>

#include <string>

namespace tintwell::win32 {

class StandardStream {
  public:
    // STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
    explicit StandardStream(DWORD which);

    // The whole text, or false: a pipe closed by its reader, a full disk. A program
    // started without the stream (a detached process) was asked for no output, and
    // writing to nowhere succeeds, as writing to NUL does.
    bool Write(const std::string &utf8);

  private:
    HANDLE handle_;
    bool console_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CONSOLE_STANDARD_STREAM_H
