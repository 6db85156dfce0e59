#include "settings_dialog.h"

#include <exception>
#include <iterator>
#include <string>

#include "colour_format_list.h"
#include "colour_formats.h"
#include "control_layout.h"
#include "hotkey_field.h"
#include "pick_format.h"
#include "settings_dialog_ids.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

static_assert(std::size(captions::kFormatNames) == kColourFormatCount,
              "the copy menu's formats need their names in the settings dialog");

// The copy menu's eight by the names its menu gives them, the seven more by the
// colour table's, a template by its own text.
std::wstring FormatName(const std::vector<std::string> &keys, size_t index) {
    if (index < std::size(captions::kFormatNames)) return captions::kFormatNames[index];
    if (index < kAllColourFormatCount) {
        return WideFromUtf16(Utf8ToUtf16(ColourFormatTable()[index].displayName));
    }
    return WideFromUtf16(Utf8ToUtf16(keys[index]));
}

bool Ticked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void Tick(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void ShowKeys(HWND dialog, const std::string &text) {
    SetDlgItemTextW(dialog, IDC_SETTINGS_HOTKEY_KEYS, WideFromUtf16(Utf8ToUtf16(text)).c_str());
}

// Starting with Windows means starting in the notification area, so it is offered
// only while the program stays there; a Run value that is there all the same shows
// ticked, and can be unticked.
void EnableStartWithWindows(HWND dialog) {
    EnableWindow(
        GetDlgItem(dialog, IDC_SETTINGS_START_WITH_WINDOWS),
        Ticked(dialog, IDC_SETTINGS_RESIDENT) || Ticked(dialog, IDC_SETTINGS_START_WITH_WINDOWS));
}

// Leaving the notification area takes the start with Windows with it.
void FollowResident(HWND dialog) {
    if (!Ticked(dialog, IDC_SETTINGS_RESIDENT))
        Tick(dialog, IDC_SETTINGS_START_WITH_WINDOWS, false);
    EnableStartWithWindows(dialog);
}

// The picker's settings as the dialog shows them.
class ChoicesPage : public SettingsDialogPage {
  public:
    ChoicesPage(const WantedSettings &current, const std::vector<std::string> &formatKeys)
        : choices_(current), formatKeys_(formatKeys), dialog_(nullptr) {}

    const WantedSettings &choices() const { return choices_; }

    void Fill(HWND dialog, FailureSink &failures) override;
    void Command(HWND dialog, int control) override {
        if (control == IDC_SETTINGS_RESIDENT) FollowResident(dialog);
    }
    void Read(HWND dialog) override;
    bool KeyPressed(uint32_t key, uint32_t held) override;
    void KeysLetGo() override { ShowKeys(dialog_, HotkeyText(choices_.settings.hotkey)); }

  private:
    WantedSettings choices_;
    const std::vector<std::string> &formatKeys_;
    HWND dialog_;
};

void ChoicesPage::Fill(HWND dialog, FailureSink &failures) {
    dialog_ = dialog;
    SetWindowTextW(dialog, captions::kSettingsTitle);
    SetDlgItemTextW(dialog, IDC_SETTINGS_HOTKEY, captions::kPickHotkey);
    SetDlgItemTextW(dialog, IDC_SETTINGS_FORMAT_LABEL, captions::kPickCopyFormat);
    SetDlgItemTextW(dialog, IDC_SETTINGS_RESIDENT, captions::kResident);
    SetDlgItemTextW(dialog, IDC_SETTINGS_START_WITH_WINDOWS, captions::kStartWithWindows);
    SetDlgItemTextW(dialog, IDC_SETTINGS_KEEP, captions::kKeepSettings);
    SetDlgItemTextW(dialog, IDOK, captions::kOk);
    SetDlgItemTextW(dialog, IDCANCEL, captions::kCancel);

    const Settings &choices = choices_.settings;
    Tick(dialog, IDC_SETTINGS_HOTKEY, choices.hotkeyEnabled);
    MakeHotkeyField(GetDlgItem(dialog, IDC_SETTINGS_HOTKEY_KEYS), *this, failures);
    ShowKeys(dialog, HotkeyText(choices.hotkey));
    const HWND formats = GetDlgItem(dialog, IDC_SETTINGS_FORMAT);
    for (size_t i = 0; i < formatKeys_.size(); ++i) {
        const std::wstring name = FormatName(formatKeys_, i);
        SendMessageW(formats, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SendMessageW(formats, CB_SETCURSEL, PickFormatIndex(formatKeys_, choices.pickFormat), 0);
    Tick(dialog, IDC_SETTINGS_RESIDENT, choices.resident);
    Tick(dialog, IDC_SETTINGS_START_WITH_WINDOWS, choices.startWithWindows);
    Tick(dialog, IDC_SETTINGS_KEEP, choices_.keep);
    EnableStartWithWindows(dialog);
}

void ChoicesPage::Read(HWND dialog) {
    WantedSettings wanted = choices_;
    Settings &choices = wanted.settings;
    choices.hotkeyEnabled = Ticked(dialog, IDC_SETTINGS_HOTKEY);
    const LRESULT format = SendDlgItemMessageW(dialog, IDC_SETTINGS_FORMAT, CB_GETCURSEL, 0, 0);
    // A template the list did not show is kept by its key, so that it is the pick's
    // format again when it comes back.
    if (format >= 0 && static_cast<size_t>(format) < formatKeys_.size() &&
        formatKeys_[static_cast<size_t>(format)] !=
            formatKeys_[PickFormatIndex(formatKeys_, choices.pickFormat)]) {
        choices.pickFormat = formatKeys_[static_cast<size_t>(format)];
    }
    choices.resident = Ticked(dialog, IDC_SETTINGS_RESIDENT);
    choices.startWithWindows = Ticked(dialog, IDC_SETTINGS_START_WITH_WINDOWS);
    wanted.keep = Ticked(dialog, IDC_SETTINGS_KEEP);
    choices_ = wanted;
}

// A key pressed in the key field; true when it is the dialog's to act on.
bool ChoicesPage::KeyPressed(uint32_t key, uint32_t held) {
    HotkeyCombo &hotkey = choices_.settings.hotkey;
    const KeyFieldResult result = KeyFieldKeyDown(hotkey, key, held);
    switch (result.verdict) {
        case KeyFieldVerdict::Waiting:
            ShowKeys(dialog_, ModifiersText(held));
            return false;
        case KeyFieldVerdict::Set:
            hotkey = result.combo;
            ShowKeys(dialog_, HotkeyText(result.combo));
            return false;
        case KeyFieldVerdict::Refused:
            ShowKeys(dialog_, HotkeyText(hotkey));
            MessageBeep(MB_OK);
            return false;
        case KeyFieldVerdict::PassOn:
            ShowKeys(dialog_, HotkeyText(hotkey));
            return true;
    }
    return false;
}

// The dialog around a page. A failure of the page's handling of a message ends the
// dialog as cancelled (what it shows may no longer be what would be applied) and is
// kept for RunSettingsDialog to throw once the system's frames are behind it.
class DialogFrame : public FailureSink {
  public:
    explicit DialogFrame(SettingsDialogPage &page) : page_(page), dialog_(nullptr), failure_() {}

    void HandlerFailed(const std::exception_ptr &failure) noexcept override {
        if (!failure_) failure_ = failure;
        if (dialog_ != nullptr) EndDialog(dialog_, IDCANCEL);
    }
    const std::exception_ptr &failure() const { return failure_; }

    INT_PTR Message(HWND dialog, UINT message, WPARAM wParam);

  private:
    SettingsDialogPage &page_;
    HWND dialog_;
    std::exception_ptr failure_;
};

INT_PTR DialogFrame::Message(HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
        case WM_INITDIALOG:
            dialog_ = dialog;
            page_.Fill(dialog, *this);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    page_.Read(dialog);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    page_.Command(dialog, LOWORD(wParam));
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto *frame = reinterpret_cast<DialogFrame *>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (frame == nullptr) return FALSE;
    try {
        return frame->Message(dialog, message, wParam);
    } catch (...) {
        frame->HandlerFailed(std::current_exception());
        return TRUE;
    }
}

}  // namespace

bool RunSettingsDialog(HINSTANCE instance, HWND owner, SettingsDialogPage &page) {
    DialogFrame frame(page);
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS), owner,
                                           &DialogProcedure, reinterpret_cast<LPARAM>(&frame));
    if (frame.failure()) std::rethrow_exception(frame.failure());
    if (result == -1 || result == 0) throw PickerError(messages::kCannotShowSettings);
    return result == IDOK;
}

std::optional<WantedSettings> ShowSettingsDialog(HINSTANCE instance, HWND owner,
                                                 const WantedSettings &current,
                                                 const std::vector<std::string> &formatKeys) {
    ChoicesPage page(current, formatKeys);
    if (!RunSettingsDialog(instance, owner, page)) return std::nullopt;
    return page.choices();
}

}  // namespace tintwell::win32
