#include "whole_file.h"

#include <algorithm>
#include <utility>

namespace tintwell::win32 {

namespace {

// A file handle, closed with the object.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // False when closing reported an error, which for a written file may mean its
    // last bytes never reached the disk.
    bool Close() {
        if (!valid()) return true;
        const BOOL closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed != FALSE;
    }

  private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, const std::string &bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

bool IsFile(const std::wstring &path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Windows does not rename over a read-only file, but not every system that runs the
// program says so (Wine replaces it): asked here, so the file is kept everywhere.
bool IsReadOnly(const std::wstring &path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Where the new file may take its place: over anything, only over a file that is
// there, or only where there is none.
enum class Over { Anything, ExistingOnly, NothingOnly };

bool IsPassingHold(DWORD error);

// A reader that opened the target without FILE_SHARE_DELETE (an editor, a virus
// scanner, a viewer reading it just now) keeps it from being renamed over for a
// moment; that moment is waited out, a lasting hold is not.
bool RenameOver(const wchar_t *temporary, const std::wstring &path, DWORD how) {
    constexpr int kTries = 4;
    constexpr DWORD kPauseMs = 25;
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary, path.c_str(), how)) return true;
        const DWORD error = GetLastError();
        if (attempt == kTries || !(IsPassingHold(error) || error == ERROR_ACCESS_DENIED)) {
            SetLastError(error);
            return false;
        }
        Sleep(kPauseMs);
    }
}

// Writes the bytes to a fresh temporary file beside the target and renames it to the
// target. Gone is a target that was not there (ExistingOnly) or was (NothingOnly)
// when the rename came.
ReplaceOutcome WriteBeside(const std::wstring &path, const std::string &bytes, Over over) {
    if (over != Over::NothingOnly && IsReadOnly(path)) return ReplaceOutcome::Failed;
    std::wstring folder = FolderOf(path);
    if (folder.empty()) folder = L".";
    wchar_t temporary[MAX_PATH + 16] = {};
    // Makes a file of a fresh name in the folder, which also shows the folder can be
    // written to at all.
    if (folder.size() > MAX_PATH - 14 ||
        GetTempFileNameW(folder.c_str(), L"tw", 0, temporary) == 0) {
        return over == Over::ExistingOnly && !IsFile(path) ? ReplaceOutcome::Gone
                                                           : ReplaceOutcome::Failed;
    }
    bool written = false;
    {
        FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file.valid() && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) &&
                  file.Close();
    }
    // As late as can be: a file deleted since (another instance turning keeping off)
    // is not brought back.
    ReplaceOutcome outcome = ReplaceOutcome::Failed;
    const DWORD how =
        MOVEFILE_WRITE_THROUGH | (over == Over::NothingOnly ? 0 : MOVEFILE_REPLACE_EXISTING);
    if (written && over == Over::ExistingOnly && !IsFile(path)) {
        outcome = ReplaceOutcome::Gone;
    } else if (written && RenameOver(temporary, path, how)) {
        return ReplaceOutcome::Written;
    } else if (written && over == Over::NothingOnly) {
        // Someone else made the file while the bytes were written: theirs stays.
        const DWORD error = GetLastError();
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
            outcome = ReplaceOutcome::Gone;
        }
    }
    DeleteFileW(temporary);
    return outcome;
}

bool IsPassingHold(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

}  // namespace

bool WriteWholeFile(const std::wstring &path, const std::string &bytes) {
    return WriteBeside(path, bytes, Over::Anything) == ReplaceOutcome::Written;
}

ReplaceOutcome ReplaceWholeFile(const std::wstring &path, const std::string &bytes) {
    if (!IsFile(path)) return ReplaceOutcome::Gone;
    return WriteBeside(path, bytes, Over::ExistingOnly);
}

NewFile CreateWholeFile(const std::wstring &path, const std::string &bytes) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return NewFile::AlreadyThere;
    switch (WriteBeside(path, bytes, Over::NothingOnly)) {
        case ReplaceOutcome::Written:
            return NewFile::Made;
        case ReplaceOutcome::Gone:
            return NewFile::AlreadyThere;
        case ReplaceOutcome::Failed:
            break;
    }
    return NewFile::Failed;
}

SmallFile ReadSmallFile(const std::wstring &path, size_t limit) {
    constexpr int kTries = 4;
    constexpr DWORD kPauseMs = 25;
    HANDLE opened = INVALID_HANDLE_VALUE;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened != INVALID_HANDLE_VALUE) break;
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return SmallFile{SmallFile::Outcome::Missing, {}};
        }
        if (!IsPassingHold(error) || attempt == kTries) {
            return SmallFile{SmallFile::Outcome::CannotRead, {}};
        }
        Sleep(kPauseMs);
    }
    FileHandle file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) {
        return SmallFile{SmallFile::Outcome::CannotRead, {}};
    }
    if (static_cast<unsigned long long>(size.QuadPart) > limit) {
        return SmallFile{SmallFile::Outcome::TooLong, {}};
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return SmallFile{SmallFile::Outcome::CannotRead, {}};
    }
    return SmallFile{SmallFile::Outcome::Read, std::move(bytes)};
}

std::wstring FolderOf(const std::wstring &path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

}  // namespace tintwell::win32
