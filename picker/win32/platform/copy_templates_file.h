// The user's copy templates, formats.txt in the program's application-data folder
// (beside the program in portable mode, app_data_folder.h):
// read each time the copy menu opens, only when it exists, and opened in the user's
// editor on request, made first (with the commented examples) only when it is not
// there. Nothing else ever creates it.
#ifndef TINTWELL_PICKER_WIN32_COPY_TEMPLATES_FILE_H
#define TINTWELL_PICKER_WIN32_COPY_TEMPLATES_FILE_H

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

#include "app_data_folder.h"
#include "system_library.h"

namespace tintwell::win32 {

class CopyTemplatesFile {
  public:
    CopyTemplatesFile();
    CopyTemplatesFile(const CopyTemplatesFile &) = delete;
    CopyTemplatesFile &operator=(const CopyTemplatesFile &) = delete;

    // The file's bytes; empty when there is no file (or no folder for one). Throws
    // PickerError naming the file when it is there but cannot be read or is too
    // large to be a list of templates.
    std::optional<std::string> Read();

    // Opens the file with the program the user opens text files with, Notepad where
    // there is none. Throws PickerError saying which step failed and why.
    void Edit(HWND owner);

  private:
    std::wstring Path();
    // Makes the file with the default text unless it is there.
    void MakeUnlessThere(const std::wstring &path);

    ShellAppData appData_;
    SystemLibrary shell32_;
    BoundFunction<decltype(&::ShellExecuteW)> shellExecute_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_COPY_TEMPLATES_FILE_H
