#include "clipboard.h"

#include "form_controls.h"
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

}  // namespace

Clipboard::Clipboard(SystemLibrary &user32, HWND owner)
    : owner_(owner),
      busy_(false),
      busySince_(0),
      open_(user32, "OpenClipboard"),
      close_(user32, "CloseClipboard"),
      empty_(user32, "EmptyClipboard"),
      setData_(user32, "SetClipboardData"),
      getData_(user32, "GetClipboardData"),
      registerFormat_(user32, "RegisterClipboardFormatW") {}

// Both ends are bound before the clipboard is opened, so that closing it cannot fail
// on the way out.
ClipboardSession Clipboard::Open() {
    const CloseClipboardWith close{close_.Get()};
    auto open = open_.Get();
    const ULONGLONG now = GetTickCount64();
    const bool recentlyBusy = busy_ && now - busySince_ < kClipboardBusyMemoryMs;
    const int tries = recentlyBusy ? 1 : kClipboardTries;
    for (int attempt = 0; attempt < tries; ++attempt) {
        if (attempt > 0) Sleep(kClipboardRetryMs);
        if (open(owner_)) {
            busy_ = false;
            return ClipboardSession(true, close);
        }
    }
    if (!recentlyBusy) {
        busy_ = true;
        busySince_ = GetTickCount64();
    }
    throw PickerError(messages::kClipboardBusy);
}

void Clipboard::Empty() {
    if (!empty_.Get()()) throw PickerError(messages::kCannotEmptyClipboard);
}

bool Clipboard::Put(UINT format, GlobalBlock &block) {
    if (setData_.Get()(format, block.get()) == nullptr) return false;
    block.Surrender();
    return true;
}

void Clipboard::Clear() {
    const ClipboardSession session = Open();
    Empty();
}

void Clipboard::SetText(const std::u16string &text, ClipboardHistory history) {
    const size_t bytes = (text.size() + 1) * sizeof(char16_t);
    GlobalBlock block(bytes);
    if (!block.Fill(text.c_str(), bytes)) throw PickerError(messages::kNoMemoryForClipboard);

    const ClipboardSession session = Open();
    Empty();
    // The markers are a courtesy to the history: one that cannot be set leaves the
    // text to be copied all the same.
    if (history == ClipboardHistory::Skip) {
        auto registerFormat = registerFormat_.Get();
        constexpr DWORD kNo = 0;
        for (const wchar_t *name : {kExcludeFromMonitors, kNotForHistory, kNotForCloud}) {
            const UINT format = registerFormat(name);
            GlobalBlock value(sizeof kNo);
            if (format != 0 && value.Fill(&kNo, sizeof kNo)) Put(format, value);
        }
    }
    if (!Put(CF_UNICODETEXT, block)) throw PickerError(messages::kCannotSetClipboard);
}

// The text ends at its first zero, or where the block does: another program may have
// put a block there without one.
std::optional<std::u16string> Clipboard::Text(size_t limit) {
    auto getData = getData_.Get();
    const ClipboardSession session = Open();
    const HANDLE data = getData(CF_UNICODETEXT);
    if (data == nullptr) return std::nullopt;
    const size_t units = GlobalSize(data) / sizeof(char16_t);
    const auto *text = static_cast<const char16_t *>(GlobalLock(data));
    if (text == nullptr) return std::nullopt;
    size_t length = 0;
    while (length < units && length < limit && text[length] != u'\0') ++length;
    std::u16string copied(text, length);
    GlobalUnlock(data);
    return copied;
}

}  // namespace tintwell::win32
