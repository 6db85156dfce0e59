#include "window_base.h"

namespace tintwell::win32 {

HWND CreateWindowAt(HINSTANCE instance, const wchar_t *className, const wchar_t *title, DWORD style,
                    DWORD exStyle, const RECT &rect, HWND parent, UINT_PTR id, void *object) {
    return CreateWindowExW(exStyle, className, title, style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(id), instance, object);
}

}  // namespace tintwell::win32
