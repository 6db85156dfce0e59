#include "colour_history_file.h"

#include <optional>
#include <utility>

#include "colour_history.h"
#include "text_conversion.h"
#include "whole_file.h"

namespace tintwell::win32 {

namespace {

constexpr const wchar_t *kHistoryFileName = L"\\history.txt";

}  // namespace

ColourHistoryFile::ColourHistoryFile()
    : shell_(), locate_(), looked_(false), path_(), folderNotMade_() {}

ColourHistoryFile::ColourHistoryFile(AppDataLocator locate) : ColourHistoryFile() {
    locate_ = std::move(locate);
}

AppDataFolder ColourHistoryFile::Locate(bool make) {
    return locate_ ? locate_(make) : shell_.Locate(make);
}

std::wstring ColourHistoryFile::Path() {
    if (looked_) return path_;
    looked_ = true;
    const AppDataFolder folder = Locate(false);
    if (!folder.path.empty()) path_ = KeptFilesFolder(folder) + kHistoryFileName;
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
    std::wstring notMade;
    const std::optional<std::wstring> folder = MakeProgramFolder(Locate(true), notMade);
    if (!folder) {
        folderNotMade_ = Utf8FromWide(notMade);
        return Outcome::NoFolder;
    }
    if (!WriteWholeFile(*folder + kHistoryFileName, bytes)) return Outcome::Failed;
    // The folder named now is the one from here on, also where none was named before.
    looked_ = true;
    path_ = *folder + kHistoryFileName;
    return Outcome::Written;
}

bool ColourHistoryFile::Remove() {
    const std::wstring path = Path();
    if (path.empty()) return true;
    if (DeleteFileW(path.c_str())) return true;
    return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
}

}  // namespace tintwell::win32
