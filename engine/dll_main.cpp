#include <windows.h>

// Loading and unloading need nothing: the buffer and header are static data.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
