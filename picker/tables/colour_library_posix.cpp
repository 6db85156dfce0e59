// Opening the colour table library on systems with dlopen.
#include <dlfcn.h>

#include "library_module.h"

namespace tintwell {

void *OpenLibraryModule(const std::string &fileName) {
    return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void *FindLibraryExport(void *module, const char *exportName) {
    return dlsym(module, exportName);
}

void CloseLibraryModule(void *module) {
    dlclose(module);
}

}  // namespace tintwell
