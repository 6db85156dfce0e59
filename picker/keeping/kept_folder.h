// Where the files the user turns on (settings.ini, history.txt, formats.txt) are kept.
// Normally in a Tintwell folder of the user's application-data folder; with an empty
// file named "portable" beside tintwell.exe (portable mode, for a stick or a Scoop
// install), beside the program itself, so that they go wherever it goes.
// Paths are UTF-16, as GetModuleFileNameW gives them.
#ifndef TINTWELL_PICKER_KEEPING_KEPT_FOLDER_H
#define TINTWELL_PICKER_KEEPING_KEPT_FOLDER_H

#include <string>
#include <string_view>

namespace tintwell {

inline constexpr const char16_t *kPortableMarkerName = u"portable";

// The folder that holds the program file at `exePath`, without a separator at its
// end ("C:\Tools\tintwell.exe" -> "C:\Tools", "C:\tintwell.exe" -> "C:"), so that
// "\settings.ini" can follow; empty when the path names no folder at all.
std::u16string FolderOfProgram(std::u16string_view exePath);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_KEPT_FOLDER_H
