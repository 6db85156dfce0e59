#include "system_library.h"

#include "form_controls.h"
#include "user_texts.h"
#include "text_conversion.h"

namespace tintwell::win32 {

SystemLibrary::~SystemLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}

HMODULE SystemLibrary::Module() {
    if (module_ == nullptr) {
        module_ = LoadLibraryExW(fileName_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (module_ == nullptr) {
            throw PickerError(LibraryNotFoundMessage(Utf8FromWide(fileName_)));
        }
    }
    return module_;
}

FARPROC SystemLibrary::Require(const char *exportName) {
    FARPROC address = GetProcAddress(Module(), exportName);
    if (address == nullptr) {
        throw PickerError(ExportNotFoundMessage(Utf8FromWide(fileName_), exportName));
    }
    return address;
}

FARPROC SystemLibrary::Find(const char *exportName) {
    return GetProcAddress(Module(), exportName);
}

}  // namespace tintwell::win32
