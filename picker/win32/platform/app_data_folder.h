// The program's folder in the user's application-data folder (%APPDATA%\Tintwell),
// where the files the user turned on are kept. Nothing is made here: whoever writes
// a file makes the folder first.
#ifndef TINTWELL_PICKER_WIN32_APP_DATA_FOLDER_H
#define TINTWELL_PICKER_WIN32_APP_DATA_FOLDER_H

#include <windows.h>

#include <string>

#include "system_library.h"

namespace tintwell::win32 {

class AppDataFolder {
  public:
    AppDataFolder();
    AppDataFolder(const AppDataFolder &) = delete;
    AppDataFolder &operator=(const AppDataFolder &) = delete;

    // The full path of a file in the folder (`name` without a separator); empty when
    // the system names no application-data folder.
    std::wstring PathOf(const wchar_t *name);

  private:
    SystemLibrary shell32_;
    BoundFunction<HRESULT(WINAPI *)(HWND, int, HANDLE, DWORD, LPWSTR)> getFolderPath_;
    bool looked_;
    std::wstring folder_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_APP_DATA_FOLDER_H
