#include "colour_history_file.h"

#include "colour_history.h"
#include "whole_file.h"

namespace tintwell::win32 {

namespace {

constexpr const wchar_t *kFileName = L"history.txt";
// Sixteen lines of "#RRGGBB" take 128 bytes; anything far larger is not ours.
constexpr size_t kReadLimit = 64 * 1024;

}  // namespace

ColourHistoryFile::ColourHistoryFile() : folder_() {}

std::wstring ColourHistoryFile::Path() {
    return folder_.PathOf(kFileName);
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
