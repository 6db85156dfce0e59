// The habit every window class here shares: the C++ object rides in the creation
// parameters, is stored with the window at WM_NCCREATE and forgotten at
// WM_NCDESTROY, and the window procedure hands each message to the object and lets
// no exception out of it.
//
// What a window is told about its children and menus (command notifications, owner
// drawing, context menus, system menu commands) goes first to the objects that own
// those children or menus, in the order they were made owners; the window handles
// only what none of them takes.
#ifndef TINTWELL_PICKER_WIN32_WINDOW_BASE_H
#define TINTWELL_PICKER_WIN32_WINDOW_BASE_H

#include <windows.h>

#include <vector>

namespace tintwell::win32 {

// Makes a window with `object` in its creation parameters: every window of the
// program is made here. `id` is a child's identifier, 0 for a top-level window.
HWND CreateWindowAt(HINSTANCE instance, const wchar_t *className, const wchar_t *title, DWORD style,
                    DWORD exStyle, const RECT &rect, HWND parent, UINT_PTR id, void *object);

// An object that owns some of a window's children or menu items.
class MessageOwner {
  public:
    // True when the message is about what this object owns; `result` is then what
    // the window procedure returns.
    virtual bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) = 0;

  protected:
    ~MessageOwner() = default;
};

// Whether the message is one a window's parts' owners are asked about.
constexpr bool IsAboutOwnedParts(UINT message) {
    return message == WM_COMMAND || message == WM_NOTIFY || message == WM_DRAWITEM ||
           message == WM_MEASUREITEM || message == WM_CONTEXTMENU || message == WM_SYSCOMMAND;
}

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

    // Makes this object's window; hwnd() is set from WM_NCCREATE on, and stays null
    // when the system refuses the window.
    HWND Create(HINSTANCE instance, const wchar_t *className, const wchar_t *title, DWORD style,
                DWORD exStyle, const RECT &rect, HWND parent = nullptr, UINT_PTR id = 0) {
        CreateWindowAt(instance, className, title, style, exStyle, rect, parent, id,
                       static_cast<Derived *>(this));
        return hwnd_;
    }

    // From now on `owner` is asked first about the window's parts it owns.
    void AddOwner(MessageOwner &owner) { owners_.push_back(&owner); }

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;

  private:
    LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam) {
        if (IsAboutOwnedParts(message)) {
            for (MessageOwner *owner : owners_) {
                LRESULT result = 0;
                if (owner->OwnMessage(message, wParam, lParam, result)) return result;
            }
        }
        return static_cast<Derived *>(this)->HandleMessage(message, wParam, lParam);
    }

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
            return self->Route(message, wParam, lParam);
        } catch (...) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    std::vector<MessageOwner *> owners_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_WINDOW_BASE_H
