// The habit every window class here shares: the C++ object rides in the creation
// parameters, is stored with the window at WM_NCCREATE and forgotten at
// WM_NCDESTROY, and the window procedure hands each message to the object. No
// exception leaves the window procedure, and none is lost there either: a failure
// while the window is being made fails the making, which Create throws to its caller
// once the system is done; any later one goes to the window's FailureSink.
//
// What a window is told about its children and menus (command notifications, owner
// drawing, context menus, menus opening, system menu commands) goes first to the
// objects that own those children or menus, in the order they were made owners; the
// window handles only what none of them takes.
#ifndef TINTWELL_PICKER_WIN32_WINDOW_BASE_H
#define TINTWELL_PICKER_WIN32_WINDOW_BASE_H

#include <windows.h>

#include <exception>
#include <utility>
#include <vector>

#include "colour_word.h"
#include "failure_sink.h"
#include "user_texts.h"

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
           message == WM_MEASUREITEM || message == WM_CONTEXTMENU || message == WM_SYSCOMMAND ||
           message == WM_INITMENUPOPUP || message == WM_HOTKEY;
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
    explicit WindowBase(FailureSink &failures)
        : hwnd_(nullptr), failures_(failures), owners_(), creating_(false), creationFailure_() {}
    ~WindowBase() = default;
    WindowBase(const WindowBase &) = delete;
    WindowBase &operator=(const WindowBase &) = delete;

    // Makes this object's window; hwnd() is set from WM_NCCREATE on. When the system
    // refuses the window, or this object's handling of a message fails while it is
    // being made, no window is left, hwnd() is null and the failure is thrown: the
    // handler's own exception, or a PickerError for the system's refusal.
    void Create(HINSTANCE instance, const wchar_t *className, const wchar_t *title, DWORD style,
                DWORD exStyle, const RECT &rect, HWND parent = nullptr, UINT_PTR id = 0) {
        creating_ = true;
        creationFailure_ = nullptr;
        const HWND made = CreateWindowAt(instance, className, title, style, exStyle, rect, parent,
                                         id, static_cast<Derived *>(this));
        // The failure came after WM_CREATE had succeeded (in a WM_SIZE or
        // WM_SHOWWINDOW the making sends): the window exists, half made, and goes,
        // its destruction still kept from the object.
        if (made != nullptr && creationFailure_) DestroyWindow(made);
        creating_ = false;
        const std::exception_ptr failure = std::exchange(creationFailure_, nullptr);
        if (made != nullptr && !failure) return;
        hwnd_ = nullptr;
        if (failure) std::rethrow_exception(failure);
        throw PickerError(messages::kCannotCreateWindow);
    }

    // From now on `owner` is asked first about the window's parts it owns.
    void AddOwner(MessageOwner &owner) { owners_.push_back(&owner); }

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    HWND hwnd_;

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

    // What a message gets once the window's making has failed: the making stops at
    // WM_NCCREATE or WM_CREATE, and nothing more reaches the half-made object.
    static LRESULT Refused(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) return FALSE;
        if (message == WM_CREATE) return -1;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        Derived *self = nullptr;
        if (message == WM_NCCREATE) {
            auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
            self = static_cast<Derived *>(create->lpCreateParams);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        }
        if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        // This class's own members, whatever names the derived class gives its own.
        WindowBase *const base = self;
        if (message == WM_NCCREATE) base->hwnd_ = window;
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            base->hwnd_ = nullptr;
            return DefWindowProcW(window, message, wParam, lParam);
        }
        if (base->creating_ && base->creationFailure_) {
            return Refused(window, message, wParam, lParam);
        }
        // A failure ends the handling of this message, which then gets the default
        // handling (a paint that failed is still validated, so it is not asked again
        // and again).
        try {
            return base->Route(message, wParam, lParam);
        } catch (...) {
            if (base->creating_) {
                base->creationFailure_ = std::current_exception();
                return Refused(window, message, wParam, lParam);
            }
            base->failures_.HandlerFailed(std::current_exception());
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    FailureSink &failures_;
    std::vector<MessageOwner *> owners_;
    // Between the call that makes the window and its return; what failed meanwhile.
    bool creating_;
    std::exception_ptr creationFailure_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_WINDOW_BASE_H
