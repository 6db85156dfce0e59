// Where a Windows test program finds the files built beside it.
#ifndef TINTWELL_TESTS_SUPPORT_PROGRAM_FOLDER_H
#define TINTWELL_TESTS_SUPPORT_PROGRAM_FOLDER_H

#include <string>

namespace testsupport {

// This program's folder, without a trailing backslash.
std::wstring ProgramFolder();

// fileName in this program's folder.
std::wstring BesideThisProgram(const std::wstring &fileName);

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_PROGRAM_FOLDER_H
