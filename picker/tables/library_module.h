// The platform's side of binding the colour table library: open a library file, find
// an export in it, close it. Null means not found. colour_library_posix.cpp and
// colour_library_win.cpp each provide these.
#ifndef TINTWELL_PICKER_LIBRARY_MODULE_H
#define TINTWELL_PICKER_LIBRARY_MODULE_H

#include <string>

namespace tintwell {

void *OpenLibraryModule(const std::string &fileName);
void *FindLibraryExport(void *module, const char *exportName);
void CloseLibraryModule(void *module);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_LIBRARY_MODULE_H
