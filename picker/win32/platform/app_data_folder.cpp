#include "app_data_folder.h"

#include <shlobj.h>

#include <exception>
#include <vector>

#include "kept_folder.h"
#include "text_conversion.h"

namespace tintwell::win32 {

namespace {

std::wstring RunningProgramFile() {
    // Long enough for any path the system gives a program, \\?\ paths included.
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return std::wstring();
    return std::wstring(path.data(), length);
}

}  // namespace

ShellAppData::ShellAppData()
    : shell32_(L"shell32.dll"), getFolderPath_(shell32_, "SHGetFolderPathW") {}

const std::wstring &ShellAppData::PortableFolder() {
    if (lookedForMarker_) return portableFolder_;
    lookedForMarker_ = true;
    const std::wstring folder =
        WideFromUtf16(FolderOfProgram(Utf16FromWide(RunningProgramFile())));
    if (folder.empty()) return portableFolder_;
    // Whether the marker is there is the one thing looked at without the user having
    // turned anything on: its attributes, nothing read or written. A folder of that
    // name is no marker.
    const DWORD attributes =
        GetFileAttributesW((folder + L"\\" + WideFromUtf16(kPortableMarkerName)).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        portableFolder_ = folder;
    }
    return portableFolder_;
}

AppDataFolder ShellAppData::Locate(bool make) {
    const std::wstring &portable = PortableFolder();
    if (!portable.empty()) return AppDataFolder{portable, IsFolder(portable), true};
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

std::wstring KeptFilesFolder(const AppDataFolder &appData) {
    if (appData.path.empty()) return std::wstring();
    return appData.portable ? appData.path : appData.path + kProgramFolder;
}

std::optional<std::wstring> MakeProgramFolder(const AppDataFolder &appData,
                                              std::wstring &notMade) {
    if (!appData.present) {
        notMade = appData.path;
        return std::nullopt;
    }
    // The program's own folder is there: whether it can be written is found, and
    // said, as the file is written.
    if (appData.portable) return appData.path;
    // A file of the folder's name is no folder to write in, and stays.
    const std::wstring folder = KeptFilesFolder(appData);
    if (!CreateDirectoryW(folder.c_str(), nullptr) && !IsFolder(folder)) {
        notMade = folder;
        return std::nullopt;
    }
    return folder;
}

}  // namespace tintwell::win32
