// Files written whole or not at all, and small files read whole. A write goes to a
// temporary file in the target's own folder (so the rename stays on one volume),
// is flushed, then renamed over the target: a failure at any step leaves the old
// file as it was and no temporary file behind.
#ifndef TINTWELL_PICKER_WIN32_WHOLE_FILE_H
#define TINTWELL_PICKER_WIN32_WHOLE_FILE_H

#include <windows.h>

#include <cstddef>
#include <string>

namespace tintwell::win32 {

// True when the target now holds exactly the bytes.
bool WriteWholeFile(const std::wstring &path, const std::string &bytes);

enum class ReplaceOutcome { Written, Gone, Failed };
// The same, but only over a file that is there: when the target is missing at the
// moment the new file would take its place, nothing is written and the result is
// Gone (the folder is not made either).
ReplaceOutcome ReplaceWholeFile(const std::wstring &path, const std::string &bytes);

// The same for a file that must not replace one: a target that exists, also one
// made by someone else while the bytes were being written, is left as it is.
enum class NewFile { Made, AlreadyThere, Failed };
NewFile CreateWholeFile(const std::wstring &path, const std::string &bytes);

// What a read of a small file found; the bytes when it was read.
struct SmallFile {
    enum class Outcome { Read, Missing, CannotRead, TooLong };
    Outcome outcome;
    std::string bytes;
};

// Reads the file whole when it holds at most `limit` bytes. Missing is a file or
// folder that is not there; a file held open by another program at that moment is
// tried again a few times before it counts as one that cannot be read.
SmallFile ReadSmallFile(const std::wstring &path, size_t limit);

// The folder part of a path, without the last separator; empty for a bare name.
std::wstring FolderOf(const std::wstring &path);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_WHOLE_FILE_H
