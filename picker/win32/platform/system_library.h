// Functions of the system's own DLLs bound by name at their first call. Modules are
// opened from the system folder only, so a DLL of the same name planted beside the
// program or on PATH is never picked up.
#ifndef TINTWELL_PICKER_WIN32_SYSTEM_LIBRARY_H
#define TINTWELL_PICKER_WIN32_SYSTEM_LIBRARY_H

#include <windows.h>

namespace tintwell::win32 {

using LoadLibraryExFn = HMODULE(WINAPI *)(LPCWSTR, HANDLE, DWORD);

// fileName loaded from the system folder and nowhere else, also where the system's
// loader lacks LOAD_LIBRARY_SEARCH_SYSTEM32. The loader is a parameter so that a test
// can play such a system.
HMODULE LoadFromSystemFolder(const wchar_t *fileName, LoadLibraryExFn load = &LoadLibraryExW);

// One system DLL, loaded at the first lookup and freed with the object.
class SystemLibrary {
  public:
    explicit SystemLibrary(const wchar_t *fileName) : fileName_(fileName), module_(nullptr) {}
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary &) = delete;
    SystemLibrary &operator=(const SystemLibrary &) = delete;

    // The export's address; throws PickerError naming the DLL or the export when
    // either is missing.
    FARPROC Require(const char *exportName);
    // The export's address, or nullptr when this system does not offer it.
    FARPROC Find(const char *exportName);

  private:
    HMODULE Module();

    const wchar_t *fileName_;
    HMODULE module_;
};

// A function pointer filled in from its library at the first call.
template <typename Fn>
class BoundFunction {
  public:
    BoundFunction(SystemLibrary &library, const char *exportName)
        : library_(library), exportName_(exportName), function_(nullptr) {}

    Fn Get() {
        if (function_ == nullptr) {
            function_ =
                reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(library_.Require(exportName_)));
        }
        return function_;
    }

    // nullptr when the export does not exist, for functions newer than the oldest
    // supported Windows.
    Fn GetOptional() {
        if (function_ == nullptr && !looked_) {
            looked_ = true;
            function_ =
                reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(library_.Find(exportName_)));
        }
        return function_;
    }

  private:
    SystemLibrary &library_;
    const char *exportName_;
    Fn function_;
    bool looked_ = false;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_SYSTEM_LIBRARY_H
