#include "kept_file_store.h"

#include <optional>
#include <utility>

#include "system_reason.h"
#include "text_conversion.h"
#include "whole_file.h"

namespace tintwell::win32 {

namespace {

bool IsReadOnlyFile(const std::wstring &path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

KeptFileStoreOnDisk::KeptFileStoreOnDisk(const wchar_t *name, size_t byteLimit,
                                         AppDataLocator locate)
    : name_(std::wstring(L"\\") + name),
      byteLimit_(byteLimit),
      shell_(),
      locate_(std::move(locate)),
      looked_(false),
      path_(),
      folderNotMade_(),
      whyFailed_() {}

AppDataFolder KeptFileStoreOnDisk::Locate(bool make) {
    return locate_ ? locate_(make) : shell_.Locate(make);
}

std::wstring KeptFileStoreOnDisk::Path() {
    if (looked_) return path_;
    looked_ = true;
    const AppDataFolder folder = Locate(false);
    if (!folder.path.empty()) path_ = KeptFilesFolder(folder) + name_;
    return path_;
}

std::string KeptFileStoreOnDisk::Where() {
    const std::wstring path = Path();
    return Utf8FromWide(path.empty() ? name_.substr(1) : path);
}

void KeptFileStoreOnDisk::NoteFailure(DWORD error, const std::wstring &path) {
    // A read-only file is refused by the write's own check, which sets no error.
    if (error == ERROR_SUCCESS && IsReadOnlyFile(path)) error = ERROR_ACCESS_DENIED;
    whyFailed_ = SystemReason(error);
}

KeptFileStore::Found KeptFileStoreOnDisk::Read() {
    const std::wstring path = Path();
    if (path.empty()) return Found{Found::Look::Missing, {}};
    SmallFile file = ReadSmallFile(path, byteLimit_);
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

KeptFileStore::Outcome KeptFileStoreOnDisk::Replace(const std::string &bytes) {
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

KeptFileStore::Outcome KeptFileStoreOnDisk::Create(const std::string &bytes) {
    folderNotMade_.clear();
    std::wstring notMade;
    const std::optional<std::wstring> folder = MakeProgramFolder(Locate(true), notMade);
    if (!folder) {
        folderNotMade_ = Utf8FromWide(notMade);
        return Outcome::NoFolder;
    }
    const std::wstring path = *folder + name_;
    SetLastError(ERROR_SUCCESS);
    if (!WriteWholeFile(path, bytes)) {
        NoteFailure(GetLastError(), path);
        return Outcome::Failed;
    }
    // The folder named now is the one from here on, also where none was named before.
    looked_ = true;
    path_ = path;
    return Outcome::Written;
}

bool KeptFileStoreOnDisk::Remove() {
    const std::wstring path = Path();
    if (path.empty()) return true;
    if (DeleteFileW(path.c_str())) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
    NoteFailure(error, path);
    return false;
}

}  // namespace tintwell::win32
