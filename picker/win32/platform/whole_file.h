// Files written whole or not at all, and small files read whole. A write goes to a
// temporary file in the target's own folder (so the rename stays on one volume),
// is flushed, then renamed over the target: a failure at any step leaves the old
// file as it was and no temporary file behind.
#ifndef TINTWELL_PICKER_WIN32_WHOLE_FILE_H
#define TINTWELL_PICKER_WIN32_WHOLE_FILE_H

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace tintwell::win32 {

// True when the target now holds exactly the bytes.
bool WriteWholeFile(const std::wstring &path, const std::string &bytes);

// The same for a file that must not replace one: a target that exists, also one
// made by someone else while the bytes were being written, is left as it is.
enum class NewFile { Made, AlreadyThere, Failed };
NewFile CreateWholeFile(const std::wstring &path, const std::string &bytes);

// The file's bytes; empty when it cannot be opened or read, or holds more than
// `limit` bytes (a history of sixteen lines never does).
std::optional<std::string> ReadSmallFile(const std::wstring &path, size_t limit);

// The folder part of a path, without the last separator; empty for a bare name.
std::wstring FolderOf(const std::wstring &path);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_WHOLE_FILE_H
