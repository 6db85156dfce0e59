#include "system_library.h"

#include <string>

#include "form_controls.h"
#include "text_conversion.h"

namespace tintwell::win32 {

SystemLibrary::~SystemLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}

HMODULE SystemLibrary::Module() {
    if (module_ == nullptr) {
        module_ = LoadLibraryExW(fileName_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (module_ == nullptr) {
            throw PickerError("システム ライブラリ " + Utf8FromWide(fileName_) +
                              " を読み込めません。");
        }
    }
    return module_;
}

FARPROC SystemLibrary::Require(const char *exportName) {
    FARPROC address = GetProcAddress(Module(), exportName);
    if (address == nullptr) {
        throw PickerError("システム ライブラリ " + Utf8FromWide(fileName_) + " に関数 " +
                          std::string(exportName) + " が見つかりません。");
    }
    return address;
}

FARPROC SystemLibrary::Find(const char *exportName) {
    return GetProcAddress(Module(), exportName);
}

}  // namespace tintwell::win32
