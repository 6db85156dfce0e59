// libdyeplate.so opened by path and its four exports bound by name, the way the
// picker binds them.
#ifndef DYEPLATE_TESTS_LOADED_LIBRARY_H
#define DYEPLATE_TESTS_LOADED_LIBRARY_H

#include <dlfcn.h>

#include <stdexcept>
#include <string>

#include "colour_table.h"

class LoadedLibrary {
  public:
    explicit LoadedLibrary(const char *path) : handle_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
        if (handle_ == nullptr) throw std::runtime_error(std::string("dlopen: ") + dlerror());
        drawColorTable = Bind<DrawColorTableFn>("DrawColorTable");
        drawColorTable2 = Bind<DrawColorTableFn>("DrawColorTable2");
        getColor = Bind<GetColorFn>("GetColor");
        getColor2 = Bind<GetColor2Fn>("GetColor2");
    }
    ~LoadedLibrary() { dlclose(handle_); }
    LoadedLibrary(const LoadedLibrary &) = delete;
    LoadedLibrary &operator=(const LoadedLibrary &) = delete;

    DrawColorTableFn drawColorTable;
    DrawColorTableFn drawColorTable2;
    GetColorFn getColor;
    GetColor2Fn getColor2;

  private:
    template <typename Fn>
    Fn Bind(const char *name) {
        void *symbol = dlsym(handle_, name);
        if (symbol == nullptr) throw std::runtime_error(std::string("missing export ") + name);
        return reinterpret_cast<Fn>(symbol);
    }

    void *handle_;
};

// One process-wide instance: the library's buffer is process-wide too.
inline LoadedLibrary &Dyeplate() {
    static LoadedLibrary library(DYEPLATE_LIBRARY_PATH);
    return library;
}

#endif  // DYEPLATE_TESTS_LOADED_LIBRARY_H
