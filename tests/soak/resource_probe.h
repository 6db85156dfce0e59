// What a running process holds, read from outside it: GDI objects, windows and
// memory. Wine answers GetGuiResources with 0, so GDI objects are counted in the
// process's own GDI handle table, which its PEB points to (Windows and Wine lay it
// out alike).
#ifndef TINTWELL_SOAK_RESOURCE_PROBE_H
#define TINTWELL_SOAK_RESOURCE_PROBE_H

#include <windows.h>

#include <cstdint>
#include <map>

namespace soak {

struct Resources {
    int64_t gdiObjects = -1;  // -1 when the table cannot be read
    // The same by the table's type of object (Wine's and Windows' numbering: 1 DC,
    // 4 region, 5 bitmap, 10 font, 16 brush, 48 pen, ...), to tell what grew.
    std::map<int, int64_t> gdiByType;
    int64_t windows = 0;      // top-level and child windows of the process
    int64_t memoryBytes = 0;  // committed private memory (pagefile usage)
};

Resources ReadResources(HANDLE process, DWORD processId);

// Whether the GDI count follows objects made and deleted in this process: a count
// that cannot see a leak must not pass for one that found none.
bool GdiCountSeesOwnObjects();

}  // namespace soak

#endif  // TINTWELL_SOAK_RESOURCE_PROBE_H
