#include "dyeplate_library.h"

#include <cstdio>
#include <cstdlib>

#if defined(_WIN32)
#include <windows.h>

#include "program_folder.h"
#include "utf8_text.h"
#else
#include <dlfcn.h>
#endif

namespace testsupport {

namespace {

#if defined(_WIN32)
std::wstring Widen(const std::string &utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
    if (length > 1) MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], length);
    return wide;
}

void *Open(const std::wstring &path) {
    const std::wstring full =
        path.find_first_of(L"\\/") == std::wstring::npos ? BesideThisProgram(path) : path;
    return LoadLibraryExW(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void *Find(void *module, const char *name) {
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void Close(void *module) {
    FreeLibrary(static_cast<HMODULE>(module));
}
#else
void *Find(void *module, const char *name) {
    return dlsym(module, name);
}

void Close(void *module) {
    dlclose(module);
}
#endif

// Through the generic function pointer type, the one cast between function types
// that compilers accept without a warning.
template <typename Fn>
Fn Bind(void *module, const char *name, std::string &error) {
    using Generic = void (*)();
    void *symbol = Find(module, name);
    if (symbol == nullptr && error.empty()) error = std::string("missing export ") + name;
    return reinterpret_cast<Fn>(reinterpret_cast<Generic>(symbol));
}

}  // namespace

void ExitBecause(const std::string &reason) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    std::exit(1);
}

#if defined(_WIN32)
DyeplateLibrary::DyeplateLibrary(const std::string &path) : DyeplateLibrary(Widen(path)) {}

DyeplateLibrary::DyeplateLibrary(const std::wstring &path) : module_(Open(path)) {
    BindAll(Utf8(path));
}
#else
DyeplateLibrary::DyeplateLibrary(const std::string &path)
    : module_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    BindAll(path);
}
#endif

DyeplateLibrary::~DyeplateLibrary() {
    if (module_ != nullptr) Close(module_);
}

void DyeplateLibrary::BindAll(const std::string &path) {
    if (module_ == nullptr) {
        error_ = "cannot open " + path;
        return;
    }
    drawColorTable_ = Bind<DrawColorTableFn>(module_, "DrawColorTable", error_);
    drawColorTable2_ = Bind<DrawColorTableFn>(module_, "DrawColorTable2", error_);
    getColor_ = Bind<GetColorFn>(module_, "GetColor", error_);
    getColor2_ = Bind<GetColor2Fn>(module_, "GetColor2", error_);
    if (!error_.empty()) error_ += " in " + path;
}

}  // namespace testsupport
