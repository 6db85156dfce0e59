// The habit every window class here shares: the C++ object rides in the creation
// parameters, is stored with the window at WM_NCCREATE and forgotten at
// WM_NCDESTROY, and the window procedure hands each message to the object and lets
// no exception out of it.
#ifndef TINTWELL_PICKER_WIN32_WINDOW_BASE_H
#define TINTWELL_PICKER_WIN32_WINDOW_BASE_H

#include <windows.h>

namespace tintwell::win32 {

template <typename Derived>
class WindowBase {
  public:
    HWND hwnd() const { return hwnd_; }

    static void Register(HINSTANCE instance, const wchar_t *className, HBRUSH background,
                         HICON icon = nullptr, HICON smallIcon = nullptr) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &WindowBase::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = className;
        windowClass.hIcon = icon;
        windowClass.hIconSm = smallIcon;
        RegisterClassExW(&windowClass);
    }

  protected:
    WindowBase() = default;
    ~WindowBase() = default;
    WindowBase(const WindowBase &) = delete;
    WindowBase &operator=(const WindowBase &) = delete;

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        Derived *self = nullptr;
        if (message == WM_NCCREATE) {
            auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
            self = static_cast<Derived *>(create->lpCreateParams);
            self->hwnd_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        }
        if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            return DefWindowProcW(window, message, wParam, lParam);
        }
        // No exception may unwind through the system's frames between here and the
        // message loop: one that a handler lets out ends at this message, which then
        // gets the default handling. (The form reports its handlers' failures itself.)
        try {
            return self->HandleMessage(message, wParam, lParam);
        } catch (...) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_WINDOW_BASE_H
