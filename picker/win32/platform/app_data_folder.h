// The user's application-data folder (%APPDATA%), in which the program keeps the
// files the user turned on in a folder of its own (kProgramFolder). Nothing is made
// there unless a caller asks to: whoever writes a file makes the folders first.
#ifndef TINTWELL_PICKER_WIN32_APP_DATA_FOLDER_H
#define TINTWELL_PICKER_WIN32_APP_DATA_FOLDER_H

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "system_library.h"

namespace tintwell::win32 {

// The program's folder inside the application-data folder, with its separator.
constexpr const wchar_t *kProgramFolder = L"\\Tintwell";

// The application-data folder: its path, empty when the system names none, and
// whether it is there, made first when it was asked to be.
struct AppDataFolder {
    std::wstring path;
    bool present;
};
using AppDataLocator = std::function<AppDataFolder(bool make)>;

// The folder as the shell names it; with `make`, created first where it is missing.
class ShellAppData {
  public:
    ShellAppData();
    ShellAppData(const ShellAppData &) = delete;
    ShellAppData &operator=(const ShellAppData &) = delete;

    AppDataFolder Locate(bool make);

  private:
    SystemLibrary shell32_;
    BoundFunction<HRESULT(WINAPI *)(HWND, int, HANDLE, DWORD, LPWSTR)> getFolderPath_;
};

bool IsFolder(const std::wstring &path);

// Makes the program's folder inside `appData` (located with `make`) when it is not
// there, and returns its path; nullopt when it cannot be had, with `notMade` naming
// the folder that could not be made, for the message.
std::optional<std::wstring> MakeProgramFolder(const AppDataFolder &appData,
                                              std::wstring &notMade);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_APP_DATA_FOLDER_H
