// Binding of the colour table library on systems with dlopen.
#include <dlfcn.h>

#include <utility>

#include "colour_library.h"
#include "library_messages.h"

namespace tintwell {

ColourTableLibrary::ColourTableLibrary(std::string fileName) : fileName_(std::move(fileName)) {}

ColourTableLibrary::~ColourTableLibrary() {
    if (module_ != nullptr) dlclose(module_);
}

void *ColourTableLibrary::Resolve(const char *exportName, void *&slot) {
    if (slot != nullptr) return slot;
    // A library that could not be opened is tried again at the next call, as each
    // call is the first one until the binding succeeds.
    if (module_ == nullptr) {
        module_ = dlopen(fileName_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module_ == nullptr) throw PickerError(LibraryNotFoundMessage(fileName_));
    }
    slot = dlsym(module_, exportName);
    if (slot == nullptr) throw PickerError(ExportNotFoundMessage(fileName_, exportName));
    return slot;
}

}  // namespace tintwell
