// What a running process holds, read from outside it: GDI objects, windows and
// memory. Wine answers GetGuiResources with 0, so GDI objects are counted in the
// process's own GDI handle table, which its PEB points to (Windows and Wine lay it
// out alike).
#ifndef TINTWELL_SOAK_RESOURCE_PROBE_H
#define TINTWELL_SOAK_RESOURCE_PROBE_H

#include <windows.h>

#include <cstdint>

namespace soak {

struct Resources {
    int64_t gdiObjects = -1;  // -1 when the table cannot be read
    int64_t windows = 0;      // top-level and child windows of the process
    int64_t memoryBytes = 0;  // committed private memory (pagefile usage)
};

Resources ReadResources(HANDLE process, DWORD processId);

// Whether the GDI count follows objects made and deleted in this process: a count
// that cannot see a leak must not pass for one that found none.
bool GdiCountSeesOwnObjects();

}  // namespace soak

#endif  // TINTWELL_SOAK_RESOURCE_PROBE_H
