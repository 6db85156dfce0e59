// The one owner of every handle the window layer holds: it gives the handle back
// with its release when it goes, moves but never copies, and can hand the handle
// over to whoever takes it (the clipboard takes a global block). The release is a
// small function object that may carry what the giving back needs (the window a DC
// came from, the DC an object was selected into, a function bound by name).
//
// The owners of memory and the clipboard are here; those of DCs and GDI objects are in
// gdi_handles.h.
#ifndef TINTWELL_PICKER_WIN32_OWNED_HANDLE_H
#define TINTWELL_PICKER_WIN32_OWNED_HANDLE_H

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <utility>

namespace tintwell::win32 {

template <typename Handle, typename Release>
class Owned {
  public:
    Owned() : handle_(), release_() {}
    explicit Owned(Handle handle, Release release = Release())
        : handle_(handle), release_(std::move(release)) {}
    ~Owned() { Reset(); }
    Owned(const Owned &) = delete;
    Owned &operator=(const Owned &) = delete;
    Owned(Owned &&other) noexcept
        : handle_(std::exchange(other.handle_, Handle())), release_(std::move(other.release_)) {}
    Owned &operator=(Owned &&other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Handle());
            release_ = std::move(other.release_);
        }
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle(); }
    // Gives the handle up without releasing it: its new holder releases it.
    Handle Surrender() { return std::exchange(handle_, Handle()); }

  private:
    void Reset() {
        if (handle_ != Handle()) release_(handle_);
        handle_ = Handle();
    }

    Handle handle_;
    Release release_;
};

// A popup menu, destroyed with the items it holds.
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using Menu = Owned<HMENU, DestroyMenuHandle>;

// Moveable global memory, until the clipboard takes it over.
struct FreeGlobalMemory {
    void operator()(HGLOBAL block) const { GlobalFree(block); }
};
class GlobalBlock : public Owned<HGLOBAL, FreeGlobalMemory> {
  public:
    explicit GlobalBlock(size_t bytes) : Owned(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    // Copies the bytes in; false when the block could not be had.
    bool Fill(const void *bytes, size_t size) {
        void *target = get() != nullptr ? GlobalLock(get()) : nullptr;
        if (target == nullptr) return false;
        std::memcpy(target, bytes, size);
        GlobalUnlock(get());
        return true;
    }
};

// The clipboard while this program holds it open: true from a successful
// OpenClipboard, closed with the CloseClipboard it was opened beside.
struct CloseClipboardWith {
    BOOL(WINAPI *close)();
    void operator()(bool) const { close(); }
};
using ClipboardSession = Owned<bool, CloseClipboardWith>;

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_OWNED_HANDLE_H
