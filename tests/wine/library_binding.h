// dyeplate.dll loaded from this program's own folder and its four exports bound by
// name, as the picker does it.
#ifndef DYEPLATE_TESTS_LIBRARY_BINDING_H
#define DYEPLATE_TESTS_LIBRARY_BINDING_H

#include <windows.h>

#include <string>

#include "colour_table.h"

class LibraryBinding {
  public:
    LibraryBinding() : module_(LoadBesideProgram(L"dyeplate.dll")) {
        if (module_ == nullptr) return;
        drawColorTable = Bind<DrawColorTableFn>("DrawColorTable");
        drawColorTable2 = Bind<DrawColorTableFn>("DrawColorTable2");
        getColor = Bind<GetColorFn>("GetColor");
        getColor2 = Bind<GetColor2Fn>("GetColor2");
    }
    ~LibraryBinding() {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    LibraryBinding(const LibraryBinding &) = delete;
    LibraryBinding &operator=(const LibraryBinding &) = delete;

    bool ok() const {
        return module_ != nullptr && drawColorTable != nullptr && drawColorTable2 != nullptr &&
               getColor != nullptr && getColor2 != nullptr;
    }

    DrawColorTableFn drawColorTable = nullptr;
    DrawColorTableFn drawColorTable2 = nullptr;
    GetColorFn getColor = nullptr;
    GetColor2Fn getColor2 = nullptr;

  private:
    static HMODULE LoadBesideProgram(const wchar_t *fileName) {
        wchar_t path[MAX_PATH];
        const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        std::wstring full(path, length);
        full.resize(full.find_last_of(L"\\/") + 1);
        full += fileName;
        return LoadLibraryExW(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    // Through the generic function pointer type, the one cast between function types
    // that compilers accept without a warning.
    template <typename Fn>
    Fn Bind(const char *name) {
        using Generic = void (*)();
        return reinterpret_cast<Fn>(reinterpret_cast<Generic>(GetProcAddress(module_, name)));
    }

    HMODULE module_;
};

#endif  // DYEPLATE_TESTS_LIBRARY_BINDING_H
