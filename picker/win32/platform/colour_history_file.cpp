#include "colour_history_file.h"

#include <shlobj.h>

#include <exception>

#include "colour_history.h"
#include "whole_file.h"

namespace tintwell::win32 {

namespace {

constexpr const wchar_t *kFolderName = L"\\Tintwell";
constexpr const wchar_t *kFileName = L"\\history.txt";
// Sixteen lines of "#RRGGBB" take 128 bytes; anything far larger is not ours.
constexpr size_t kReadLimit = 64 * 1024;

}  // namespace

ColourHistoryFile::ColourHistoryFile()
    : shell32_(L"shell32.dll"),
      getFolderPath_(shell32_, "SHGetFolderPathW"),
      looked_(false),
      path_() {}

std::wstring ColourHistoryFile::Path() {
    if (looked_) return path_;
    looked_ = true;
    try {
        auto getFolderPath = getFolderPath_.GetOptional();
        wchar_t folder[MAX_PATH] = {};
        if (getFolderPath != nullptr &&
            SUCCEEDED(getFolderPath(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)) &&
            folder[0] != L'\0') {
            path_ = std::wstring(folder) + kFolderName + kFileName;
        }
    } catch (const std::exception &) {
        // No shell32: no history, and the picker works the same.
    }
    return path_;
}

bool ColourHistoryFile::Exists() {
    const std::wstring path = Path();
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<ColorRef> ColourHistoryFile::Read() {
    const std::wstring path = Path();
    if (path.empty()) return {};
    const std::optional<std::string> bytes = ReadSmallFile(path, kReadLimit);
    return bytes ? ReadColourHistory(*bytes) : std::vector<ColorRef>{};
}

bool ColourHistoryFile::Write(const std::vector<ColorRef> &newestFirst) {
    const std::wstring path = Path();
    if (path.empty()) return false;
    // The folder may be there already; a failure to make it shows in the write.
    CreateDirectoryW(FolderOf(path).c_str(), nullptr);
    return WriteWholeFile(path, ColourHistoryBytes(newestFirst));
}

bool ColourHistoryFile::Remove() {
    const std::wstring path = Path();
    if (path.empty()) return true;
    if (DeleteFileW(path.c_str())) return true;
    return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
}

}  // namespace tintwell::win32
