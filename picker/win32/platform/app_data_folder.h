// The user's application-data folder (%APPDATA%), in which the program keeps the
// files the user turned on in a folder of its own (kProgramFolder); in portable mode
// (kept_folder.h) the program's own folder, which holds them itself. Nothing is made
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
// whether it is there, made first when it was asked to be. `portable`: the path is
// the program's own folder, marked for portable mode, and the files go in it.
struct AppDataFolder {
    std::wstring path;
    bool present;
    bool portable = false;
};
using AppDataLocator = std::function<AppDataFolder(bool make)>;

// The folder as the shell names it; with `make`, created first where it is missing.
// With the portable marker beside the running program, that program's folder.
class ShellAppData {
  public:
    ShellAppData();
    ShellAppData(const ShellAppData &) = delete;
    ShellAppData &operator=(const ShellAppData &) = delete;

    AppDataFolder Locate(bool make);

  private:
    // The running program's folder when the marker is beside it; empty otherwise.
    const std::wstring &PortableFolder();

    bool lookedForMarker_ = false;
    std::wstring portableFolder_;
    SystemLibrary shell32_;
    BoundFunction<HRESULT(WINAPI *)(HWND, int, HANDLE, DWORD, LPWSTR)> getFolderPath_;
};

bool IsFolder(const std::wstring &path);

// The folder the kept files go in: the program's folder of `appData`, or in portable
// mode the folder itself; without a separator at its end. Empty when `appData` names
// no folder.
std::wstring KeptFilesFolder(const AppDataFolder &appData);

// Makes the program's folder inside `appData` (located with `make`) when it is not
// there, and returns its path; nullopt when it cannot be had, with `notMade` naming
// the folder that could not be made, for the message.
std::optional<std::wstring> MakeProgramFolder(const AppDataFolder &appData,
                                              std::wstring &notMade);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_APP_DATA_FOLDER_H
