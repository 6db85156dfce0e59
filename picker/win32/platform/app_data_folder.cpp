#include "app_data_folder.h"

#include <shlobj.h>

#include <exception>

namespace tintwell::win32 {

ShellAppData::ShellAppData()
    : shell32_(L"shell32.dll"), getFolderPath_(shell32_, "SHGetFolderPathW") {}

AppDataFolder ShellAppData::Locate(bool make) {
    try {
        auto getFolderPath = getFolderPath_.GetOptional();
        if (getFolderPath == nullptr) return AppDataFolder{};
        wchar_t folder[MAX_PATH] = {};
        if (make &&
            SUCCEEDED(getFolderPath(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                    SHGFP_TYPE_CURRENT, folder)) &&
            folder[0] != L'\0') {
            return AppDataFolder{folder, IsFolder(folder)};
        }
        // Named whether it is there or not: to look for a file without making
        // anything, and to say which folder could not be made.
        folder[0] = L'\0';
        if (FAILED(getFolderPath(nullptr, CSIDL_APPDATA | CSIDL_FLAG_DONT_VERIFY, nullptr,
                                 SHGFP_TYPE_CURRENT, folder))) {
            folder[0] = L'\0';
        }
        return AppDataFolder{folder, IsFolder(folder)};
    } catch (const std::exception &) {
        // No shell32: no files of the user's, and the picker works the same.
        return AppDataFolder{};
    }
}

bool IsFolder(const std::wstring &path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::wstring> MakeProgramFolder(const AppDataFolder &appData,
                                              std::wstring &notMade) {
    if (!appData.present) {
        notMade = appData.path;
        return std::nullopt;
    }
    // A file of the folder's name is no folder to write in, and stays.
    const std::wstring folder = appData.path + kProgramFolder;
    if (!CreateDirectoryW(folder.c_str(), nullptr) && !IsFolder(folder)) {
        notMade = folder;
        return std::nullopt;
    }
    return folder;
}

}  // namespace tintwell::win32
