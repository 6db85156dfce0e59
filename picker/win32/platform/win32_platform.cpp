#include "win32_platform.h"

#include <cstring>

#include "gdi_handles.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// Another program may hold the clipboard open for a moment; waiting about a tenth
// of a second in all rides that out without stalling the window noticeably.
constexpr int kClipboardTries = 10;
constexpr DWORD kClipboardRetryMs = 10;
// Within this time after the clipboard was found busy, one attempt is made, not ten.
constexpr ULONGLONG kClipboardBusyMemoryMs = 500;

// The formats by which clipboard history, the cloud clipboard and clipboard
// managers know to pass over what is on the clipboard: the first by being there, the
// other two by holding a DWORD 0.
constexpr const wchar_t *kExcludeFromMonitors = L"ExcludeClipboardContentFromMonitorProcessing";
constexpr const wchar_t *kNotForHistory = L"CanIncludeInClipboardHistory";
constexpr const wchar_t *kNotForCloud = L"CanUploadToCloudClipboard";

// A block of global memory until the clipboard takes it over.
class GlobalBlock {
  public:
    explicit GlobalBlock(size_t bytes) : block_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ~GlobalBlock() {
        if (block_ != nullptr) GlobalFree(block_);
    }
    GlobalBlock(const GlobalBlock &) = delete;
    GlobalBlock &operator=(const GlobalBlock &) = delete;

    HGLOBAL get() const { return block_; }
    void Release() { block_ = nullptr; }

    // Copies the bytes in; false when the block could not be had.
    bool Fill(const void *bytes, size_t size) {
        void *target = block_ != nullptr ? GlobalLock(block_) : nullptr;
        if (target == nullptr) return false;
        std::memcpy(target, bytes, size);
        GlobalUnlock(block_);
        return true;
    }

  private:
    HGLOBAL block_;
};

}  // namespace

// The clipboard held open by this program's window, closed again on every path.
class Win32Platform::ClipboardSession {
  public:
    // Both ends are bound before the clipboard is opened, so that closing it cannot
    // fail on the way out.
    explicit ClipboardSession(Win32Platform &platform)
        : platform_(platform), close_(platform.closeClipboard_.Get()) {
        auto open = platform_.openClipboard_.Get();
        const ULONGLONG now = GetTickCount64();
        const bool recentlyBusy = platform_.clipboardBusy_ &&
                                  now - platform_.clipboardBusySince_ < kClipboardBusyMemoryMs;
        const int tries = recentlyBusy ? 1 : kClipboardTries;
        for (int attempt = 0; attempt < tries; ++attempt) {
            if (attempt > 0) Sleep(kClipboardRetryMs);
            if (open(platform_.owner_)) {
                platform_.clipboardBusy_ = false;
                return;
            }
        }
        if (!recentlyBusy) {
            platform_.clipboardBusy_ = true;
            platform_.clipboardBusySince_ = GetTickCount64();
        }
        throw PickerError(messages::kClipboardBusy);
    }
    ~ClipboardSession() { close_(); }
    ClipboardSession(const ClipboardSession &) = delete;
    ClipboardSession &operator=(const ClipboardSession &) = delete;

    void Empty() {
        if (!platform_.emptyClipboard_.Get()()) throw PickerError(messages::kCannotEmptyClipboard);
    }

    // Hands the block over to the clipboard; false when it would not take it.
    bool Put(UINT format, GlobalBlock &block) {
        if (platform_.setClipboardData_.Get()(format, block.get()) == nullptr) return false;
        block.Release();
        return true;
    }

  private:
    Win32Platform &platform_;
    decltype(&::CloseClipboard) close_;
};

// Reads the screen in physical pixels: on a scaled display, or on a monitor whose
// scale differs from the primary's, a DPI-virtualised cursor position and screen DC
// would point at a different pixel than the one under the cursor. Systems without
// per-thread awareness (before Windows 10 1607) are left as they are.
class Win32Platform::PhysicalPixelScope {
  public:
    explicit PhysicalPixelScope(Win32Platform &platform)
        : setContext_(platform.setThreadDpiContext_.GetOptional()), previous_(nullptr) {
        if (setContext_ == nullptr) return;
        previous_ = setContext_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        if (previous_ == nullptr) previous_ = setContext_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    }
    ~PhysicalPixelScope() {
        if (previous_ != nullptr) setContext_(previous_);
    }
    PhysicalPixelScope(const PhysicalPixelScope &) = delete;
    PhysicalPixelScope &operator=(const PhysicalPixelScope &) = delete;

  private:
    DPI_AWARENESS_CONTEXT(WINAPI *setContext_)(DPI_AWARENESS_CONTEXT);
    DPI_AWARENESS_CONTEXT previous_;
};

Win32Platform::Win32Platform(HWND owner)
    : owner_(owner),
      history_(),
      keepHistory_(false),
      clipboardBusy_(false),
      clipboardBusySince_(0),
      user32_(L"user32.dll"),
      gdi32_(L"gdi32.dll"),
      setWindowPos_(user32_, "SetWindowPos"),
      getDc_(user32_, "GetDC"),
      releaseDc_(user32_, "ReleaseDC"),
      getCursorPos_(user32_, "GetCursorPos"),
      getPixel_(gdi32_, "GetPixel"),
      openClipboard_(user32_, "OpenClipboard"),
      closeClipboard_(user32_, "CloseClipboard"),
      emptyClipboard_(user32_, "EmptyClipboard"),
      setClipboardData_(user32_, "SetClipboardData"),
      registerClipboardFormat_(user32_, "RegisterClipboardFormatW"),
      setThreadDpiContext_(user32_, "SetThreadDpiAwarenessContext") {}

void Win32Platform::SetTopmost(WindowHandle window, bool topmost) {
    setWindowPos_.Get()(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0,
                        0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

ColorRef Win32Platform::ScreenPixelUnderCursor() {
    return ReadUnderCursor().pixel;
}

ScreenRead Win32Platform::ReadUnderCursor(HDC copyTo, int reach) {
    auto getDc = getDc_.Get();
    auto releaseDc = releaseDc_.Get();
    auto getCursorPos = getCursorPos_.Get();
    auto getPixel = getPixel_.Get();

    PhysicalPixelScope physical(*this);
    ScreenDc screen(getDc, releaseDc);
    ScreenRead read{POINT{0, 0}, CLR_INVALID};
    getCursorPos(&read.cursor);
    if (screen.get() == nullptr) return read;
    // Virtual-screen coordinates: a monitor left of or above the primary one has
    // negative x or y, which GetPixel on the screen DC takes as they are.
    read.pixel = getPixel(screen.get(), read.cursor.x, read.cursor.y);
    if (copyTo != nullptr) {
        const int side = 2 * reach + 1;
        BitBlt(copyTo, 0, 0, side, side, screen.get(), read.cursor.x - reach, read.cursor.y - reach,
               SRCCOPY);
    }
    return read;
}

POINT Win32Platform::CursorPosition() {
    auto getCursorPos = getCursorPos_.Get();
    PhysicalPixelScope physical(*this);
    POINT cursor{0, 0};
    getCursorPos(&cursor);
    return cursor;
}

void Win32Platform::ClipboardClear() {
    ClipboardSession clipboard(*this);
    clipboard.Empty();
}

void Win32Platform::ClipboardSetText(const std::u16string &text) {
    SetClipboardText(text, History::Keep);
}

void Win32Platform::ClipboardSetTransientText(const std::u16string &text) {
    SetClipboardText(text, History::Skip);
}

void Win32Platform::SetClipboardText(const std::u16string &text, History history) {
    const size_t bytes = (text.size() + 1) * sizeof(char16_t);
    GlobalBlock block(bytes);
    if (!block.Fill(text.c_str(), bytes)) throw PickerError(messages::kNoMemoryForClipboard);

    ClipboardSession clipboard(*this);
    clipboard.Empty();
    // The markers are a courtesy to the history: one that cannot be set leaves the
    // text to be copied all the same.
    if (history == History::Skip) {
        auto registerFormat = registerClipboardFormat_.Get();
        constexpr DWORD kNo = 0;
        for (const wchar_t *name : {kExcludeFromMonitors, kNotForHistory, kNotForCloud}) {
            const UINT format = registerFormat(name);
            GlobalBlock value(sizeof kNo);
            if (format != 0 && value.Fill(&kNo, sizeof kNo)) clipboard.Put(format, value);
        }
    }
    if (!clipboard.Put(CF_UNICODETEXT, block)) throw PickerError(messages::kCannotSetClipboard);
}

void Win32Platform::KeepRecentColours(const std::vector<ColorRef> &newestFirst) {
    if (!keepHistory_) return;
    if (!history_.Write(newestFirst)) throw PickerError(messages::kCannotWriteHistory);
}

std::vector<ColorRef> Win32Platform::StartHistory() {
    keepHistory_ = history_.Exists();
    return keepHistory_ ? history_.Read() : std::vector<ColorRef>{};
}

void Win32Platform::SwitchHistory(bool on, const std::vector<ColorRef> &newestFirst) {
    if (on) {
        if (!history_.Write(newestFirst)) throw PickerError(messages::kCannotWriteHistory);
    } else if (!history_.Remove()) {
        throw PickerError(messages::kCannotDeleteHistory);
    }
    keepHistory_ = on;
}

}  // namespace tintwell::win32
