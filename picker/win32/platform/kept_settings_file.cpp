#include "kept_settings_file.h"

#include <optional>
#include <utility>

#include "settings_file.h"
#include "system_reason.h"
#include "text_conversion.h"
#include "user_texts.h"
#include "whole_file.h"

namespace tintwell::win32 {

namespace {

std::wstring FileNameWithSeparator() {
    return L"\\" + WideFromUtf16(kSettingsFileName);
}

bool IsReadOnlyFile(const std::wstring &path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

KeptSettingsFile::KeptSettingsFile() : shell_(), whyFailed_() {}

std::wstring KeptSettingsFile::Path() {
    const AppDataFolder folder = shell_.Locate(false);
    if (folder.path.empty()) return std::wstring();
    return KeptFilesFolder(folder) + FileNameWithSeparator();
}

std::string KeptSettingsFile::Where() {
    const std::wstring path = Path();
    return path.empty() ? Utf8FromWide(FileNameWithSeparator().substr(1)) : Utf8FromWide(path);
}

void KeptSettingsFile::NoteFailure(DWORD error, const std::wstring &path) {
    // A read-only file is refused by the write's own check, which sets no error.
    if (error == ERROR_SUCCESS && IsReadOnlyFile(path)) error = ERROR_ACCESS_DENIED;
    whyFailed_ = SystemReason(error);
}

SettingsStore::Found KeptSettingsFile::Read() {
    const std::wstring path = Path();
    if (path.empty()) return Found{Found::Look::Missing, {}};
    SmallFile file = ReadSmallFile(path, kSettingsByteLimit);
    switch (file.outcome) {
        case SmallFile::Outcome::Read:
            return Found{Found::Look::Read, std::move(file.bytes)};
        case SmallFile::Outcome::Missing:
            return Found{Found::Look::Missing, {}};
        case SmallFile::Outcome::TooLong:
        case SmallFile::Outcome::CannotRead:
            break;
    }
    return Found{Found::Look::CannotRead, {}};
}

SettingsStore::Outcome KeptSettingsFile::Replace(const std::string &bytes) {
    const std::wstring path = Path();
    if (path.empty()) return Outcome::Gone;
    SetLastError(ERROR_SUCCESS);
    switch (ReplaceWholeFile(path, bytes)) {
        case ReplaceOutcome::Written:
            return Outcome::Written;
        case ReplaceOutcome::Gone:
            return Outcome::Gone;
        case ReplaceOutcome::Failed:
            break;
    }
    NoteFailure(GetLastError(), path);
    return Outcome::Failed;
}

bool KeptSettingsFile::Create(const std::string &bytes) {
    std::wstring notMade;
    const std::optional<std::wstring> folder = MakeProgramFolder(shell_.Locate(true), notMade);
    if (!folder) {
        whyFailed_ = notMade.empty() ? std::string(messages::kNoAppDataFolderForSettings)
                                     : SettingsFolderNotMadeReason(Utf8FromWide(notMade));
        return false;
    }
    const std::wstring path = *folder + FileNameWithSeparator();
    SetLastError(ERROR_SUCCESS);
    if (WriteWholeFile(path, bytes)) return true;
    NoteFailure(GetLastError(), path);
    return false;
}

bool KeptSettingsFile::Remove() {
    const std::wstring path = Path();
    if (path.empty()) return true;
    if (DeleteFileW(path.c_str())) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
    NoteFailure(error, path);
    return false;
}

}  // namespace tintwell::win32
