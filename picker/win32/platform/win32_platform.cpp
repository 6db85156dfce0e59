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

Win32Platform::Win32Platform(HWND owner)
    : owner_(owner),
      clipboardBusy_(false),
      clipboardBusySince_(0),
      user32_(L"user32.dll"),
      setWindowPos_(user32_, "SetWindowPos"),
      openClipboard_(user32_, "OpenClipboard"),
      closeClipboard_(user32_, "CloseClipboard"),
      emptyClipboard_(user32_, "EmptyClipboard"),
      setClipboardData_(user32_, "SetClipboardData"),
      registerClipboardFormat_(user32_, "RegisterClipboardFormatW"),
      screen_() {}

void Win32Platform::SetTopmost(WindowHandle window, bool topmost) {
    setWindowPos_.Get()(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0,
                        0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

ColorRef Win32Platform::ScreenPixelUnderCursor() {
    return screen_.ReadSquare(0).centre();
}

ScreenSquare Win32Platform::ReadScreenSquare(int reach) {
    return screen_.ReadSquare(reach);
}

ScreenPoint Win32Platform::CursorPosition() {
    const POINT cursor = screen_.Cursor();
    return ScreenPoint{cursor.x, cursor.y};
}

std::unique_ptr<ScreenSnapshot> Win32Platform::TakeSnapshot() {
    return screen_.TakeSnapshot();
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

}  // namespace tintwell::win32
