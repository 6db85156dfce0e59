// Binding of the colour table library on Windows. The library is loaded by full
// path from the program's own folder: a plain by-name load would also search the
// current directory and PATH, where anyone could plant a dyeplate.dll of their own.
#include <windows.h>

#include <string>

#include "library_module.h"
#include "text_encoding.h"

namespace tintwell {

namespace {

std::wstring WidenUtf8(const std::string &utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    return std::wstring(text.begin(), text.end());
}

bool IsAbsolute(const std::wstring &path) {
    return (path.size() >= 2 && path[1] == L':') ||
           (path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\');
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace

void *OpenLibraryModule(const std::string &fileName) {
    std::wstring path = WidenUtf8(fileName);
    if (!IsAbsolute(path)) {
        const std::wstring folder = ProgramFolder();
        if (folder.empty()) return nullptr;
        path = folder + path;
    }
    // The library's own imports are looked up beside it and in System32 only. Systems
    // without the search-flag update reject the flags; the full path alone still keeps
    // the library itself from being searched for.
    HMODULE module = LoadLibraryExW(
        path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return module;
}

void *FindLibraryExport(void *module, const char *exportName) {
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(module), exportName));
}

void CloseLibraryModule(void *module) {
    FreeLibrary(static_cast<HMODULE>(module));
}

}  // namespace tintwell
