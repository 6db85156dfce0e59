#include "colour_history_file.h"

#include <shlobj.h>

#include <exception>
#include <utility>

#include "colour_history.h"
#include "text_conversion.h"
#include "whole_file.h"

namespace tintwell::win32 {

namespace {

constexpr const wchar_t *kHistoryFolderName = L"\\Tintwell";
constexpr const wchar_t *kHistoryFileName = L"\\history.txt";

bool IsFolder(const std::wstring &path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

ColourHistoryFile::ColourHistoryFile()
    : shell32_(L"shell32.dll"),
      getFolderPath_(shell32_, "SHGetFolderPathW"),
      locate_(),
      looked_(false),
      path_(),
      folderNotMade_() {}

ColourHistoryFile::ColourHistoryFile(AppDataLocator locate) : ColourHistoryFile() {
    locate_ = std::move(locate);
}

AppDataFolder ColourHistoryFile::ShellFolder(bool make) {
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
        // Named whether it is there or not: to look for the file without making
        // anything, and to say which folder could not be made.
        folder[0] = L'\0';
        if (FAILED(getFolderPath(nullptr, CSIDL_APPDATA | CSIDL_FLAG_DONT_VERIFY, nullptr,
                                 SHGFP_TYPE_CURRENT, folder))) {
            folder[0] = L'\0';
        }
        return AppDataFolder{folder, IsFolder(folder)};
    } catch (const std::exception &) {
        // No shell32: no history, and the picker works the same.
        return AppDataFolder{};
    }
}

std::wstring ColourHistoryFile::Path() {
    if (looked_) return path_;
    looked_ = true;
    const AppDataFolder folder = locate_ ? locate_(false) : ShellFolder(false);
    if (!folder.path.empty()) path_ = folder.path + kHistoryFolderName + kHistoryFileName;
    return path_;
}

std::string ColourHistoryFile::Where() {
    return Utf8FromWide(Path());
}

HistoryStore::Found ColourHistoryFile::Read() {
    const std::wstring path = Path();
    if (path.empty()) return Found{Found::Look::Missing, {}};
    SmallFile file = ReadSmallFile(path, kColourHistoryByteLimit);
    switch (file.outcome) {
        case SmallFile::Outcome::Read:
            return Found{Found::Look::Read, std::move(file.bytes)};
        case SmallFile::Outcome::Missing:
            return Found{Found::Look::Missing, {}};
        case SmallFile::Outcome::TooLong:
            return Found{Found::Look::TooLong, {}};
        case SmallFile::Outcome::CannotRead:
            break;
    }
    return Found{Found::Look::CannotRead, {}};
}

HistoryStore::Outcome ColourHistoryFile::Replace(const std::string &bytes) {
    const std::wstring path = Path();
    if (path.empty()) return Outcome::Gone;
    switch (ReplaceWholeFile(path, bytes)) {
        case ReplaceOutcome::Written:
            return Outcome::Written;
        case ReplaceOutcome::Gone:
            return Outcome::Gone;
        case ReplaceOutcome::Failed:
            break;
    }
    return Outcome::Failed;
}

HistoryStore::Outcome ColourHistoryFile::Create(const std::string &bytes) {
    folderNotMade_.clear();
    const AppDataFolder appData = locate_ ? locate_(true) : ShellFolder(true);
    if (!appData.present) {
        folderNotMade_ = Utf8FromWide(appData.path);
        return Outcome::NoFolder;
    }
    // A file of the folder's name is no folder to write in, and stays.
    const std::wstring folder = appData.path + kHistoryFolderName;
    if (!CreateDirectoryW(folder.c_str(), nullptr) && !IsFolder(folder)) {
        folderNotMade_ = Utf8FromWide(folder);
        return Outcome::NoFolder;
    }
    if (!WriteWholeFile(folder + kHistoryFileName, bytes)) return Outcome::Failed;
    // The folder named now is the one from here on, also where none was named before.
    looked_ = true;
    path_ = folder + kHistoryFileName;
    return Outcome::Written;
}

bool ColourHistoryFile::Remove() {
    const std::wstring path = Path();
    if (path.empty()) return true;
    if (DeleteFileW(path.c_str())) return true;
    return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
}

}  // namespace tintwell::win32
