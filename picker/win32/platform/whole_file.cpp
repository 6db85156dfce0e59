#include "whole_file.h"

#include <algorithm>

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

}  // namespace

std::wstring FolderOf(const std::wstring &path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

namespace {

// The temporary file written and flushed, then renamed to the target: over it when
// `replace`, otherwise only where there is none.
NewFile WriteThroughTemporary(const std::wstring &path, const std::string &bytes, bool replace) {
    std::wstring folder = FolderOf(path);
    if (folder.empty()) folder = L".";
    wchar_t temporary[MAX_PATH + 16] = {};
    // Makes a file of a fresh name in the folder, which also shows the folder can be
    // written to at all.
    if (folder.size() > MAX_PATH - 14 ||
        GetTempFileNameW(folder.c_str(), L"tw", 0, temporary) == 0) {
        return NewFile::Failed;
    }
    bool written = false;
    {
        FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file.valid() && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) &&
                  file.Close();
    }
    const DWORD how = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (written && MoveFileExW(temporary, path.c_str(), how)) return NewFile::Made;
    const DWORD error = GetLastError();
    DeleteFileW(temporary);
    const bool there = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
    return written && !replace && there ? NewFile::AlreadyThere : NewFile::Failed;
}

}  // namespace

bool WriteWholeFile(const std::wstring &path, const std::string &bytes) {
    return WriteThroughTemporary(path, bytes, true) == NewFile::Made;
}

NewFile CreateWholeFile(const std::wstring &path, const std::string &bytes) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return NewFile::AlreadyThere;
    return WriteThroughTemporary(path, bytes, false);
}

std::optional<std::string> ReadSmallFile(const std::wstring &path, size_t limit) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > limit) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace tintwell::win32
