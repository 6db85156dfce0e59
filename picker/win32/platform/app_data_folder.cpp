#include "app_data_folder.h"

#include <shlobj.h>

#include <exception>

namespace tintwell::win32 {

AppDataFolder::AppDataFolder()
    : shell32_(L"shell32.dll"),
      getFolderPath_(shell32_, "SHGetFolderPathW"),
      looked_(false),
      folder_() {}

std::wstring AppDataFolder::PathOf(const wchar_t *name) {
    if (!looked_) {
        looked_ = true;
        try {
            auto getFolderPath = getFolderPath_.GetOptional();
            wchar_t folder[MAX_PATH] = {};
            if (getFolderPath != nullptr &&
                SUCCEEDED(
                    getFolderPath(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)) &&
                folder[0] != L'\0') {
                folder_ = std::wstring(folder) + L"\\Tintwell";
            }
        } catch (const std::exception &) {
            // No shell32: no folder, and the picker works the same without its files.
        }
    }
    return folder_.empty() ? std::wstring() : folder_ + L"\\" + name;
}

}  // namespace tintwell::win32
