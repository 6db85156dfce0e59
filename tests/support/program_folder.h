// Where a Windows test program finds the files built beside it.
#ifndef TINTWELL_TESTS_SUPPORT_PROGRAM_FOLDER_H
#define TINTWELL_TESTS_SUPPORT_PROGRAM_FOLDER_H

#include <string>
#include <vector>

namespace testsupport {

// This program's folder, without a trailing backslash.
std::wstring ProgramFolder();

// fileName in this program's folder.
std::wstring BesideThisProgram(const std::wstring &fileName);

// A path ctest hands over, in the build's Unix form, as Wine shows it: the Unix
// root is drive Z:, and the separators are backslashes.
std::wstring WindowsPath(const char *path);

// The names of what a folder holds, without "." and ".."; none for a missing folder.
std::vector<std::wstring> FolderEntries(const std::wstring &folder);

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_PROGRAM_FOLDER_H
