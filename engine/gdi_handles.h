// Owners for the two GDI objects a draw makes; each deletes its handle when it goes.
#ifndef DYEPLATE_GDI_HANDLES_H
#define DYEPLATE_GDI_HANDLES_H

#include <windows.h>

namespace dyeplate {

class OwnedBitmap {
  public:
    explicit OwnedBitmap(HBITMAP handle) : handle_(handle) {}
    ~OwnedBitmap() {
        if (handle_ != nullptr) DeleteObject(handle_);
    }
    OwnedBitmap(const OwnedBitmap &) = delete;
    OwnedBitmap &operator=(const OwnedBitmap &) = delete;
    HBITMAP get() const { return handle_; }

  private:
    HBITMAP handle_;
};

class OwnedMemoryDC {
  public:
    explicit OwnedMemoryDC(HDC handle) : handle_(handle) {}
    ~OwnedMemoryDC() {
        if (handle_ != nullptr) DeleteDC(handle_);
    }
    OwnedMemoryDC(const OwnedMemoryDC &) = delete;
    OwnedMemoryDC &operator=(const OwnedMemoryDC &) = delete;
    HDC get() const { return handle_; }

  private:
    HDC handle_;
};

}  // namespace dyeplate

#endif  // DYEPLATE_GDI_HANDLES_H
