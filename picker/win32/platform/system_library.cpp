#include "system_library.h"

#include <string>

#include "form_controls.h"
#include "text_conversion.h"
#include "user_texts.h"

namespace tintwell::win32 {

SystemLibrary::~SystemLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}

HMODULE LoadFromSystemFolder(const wchar_t *fileName, LoadLibraryExFn load) {
    HMODULE module = load(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) return module;
    // Windows 7 without its loader update rejects the search flags; a full path into
    // the system folder keeps the same promise there.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + fileName;
    return load(path.c_str(), nullptr, 0);
}

HMODULE SystemLibrary::Module() {
    if (module_ == nullptr) {
        module_ = LoadFromSystemFolder(fileName_);
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
