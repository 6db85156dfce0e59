#include "kept_folder.h"

namespace tintwell {

std::u16string FolderOfProgram(std::u16string_view exePath) {
    const size_t last = exePath.find_last_of(u"\\/");
    // A bare file name ("C:tintwell.exe" too: it
    // names the drive's current folder, which no program can count on).
    if (last == std::u16string_view::npos) return std::u16string();
    std::u16string_view folder = exePath.substr(0, last);
    // "\\server\share" and "\\?\C:" name folders; "\\?" or "\\server" alone do not.
    if (folder.size() >= 2 && folder[0] == u'\\' && folder[1] == u'\\') {
        const size_t separator = folder.find(u'\\', 2);
        if (separator == std::u16string_view::npos || separator + 1 >= folder.size()) {
            return std::u16string();
        }
    }
    return std::u16string(folder);
}

}  // namespace tintwell
