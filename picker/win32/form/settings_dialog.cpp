#include "settings_dialog.h"

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

struct DialogState {
    WantedSettings choices;
    const std::vector<std::string> &formatKeys;
};

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

void Fill(HWND dialog, const DialogState &state) {
    const Settings &choices = state.choices.settings;
    SetWindowTextW(dialog, captions::kSettingsTitle);
    SetDlgItemTextW(dialog, IDC_SETTINGS_HOTKEY, captions::kPickHotkey);
    SetDlgItemTextW(dialog, IDC_SETTINGS_FORMAT_LABEL, captions::kPickCopyFormat);
    SetDlgItemTextW(dialog, IDC_SETTINGS_RESIDENT, captions::kResident);
    SetDlgItemTextW(dialog, IDC_SETTINGS_START_WITH_WINDOWS, captions::kStartWithWindows);
    SetDlgItemTextW(dialog, IDC_SETTINGS_KEEP, captions::kKeepSettings);
    SetDlgItemTextW(dialog, IDOK, captions::kOk);
    SetDlgItemTextW(dialog, IDCANCEL, captions::kCancel);

    Tick(dialog, IDC_SETTINGS_HOTKEY, choices.hotkeyEnabled);
    MakeHotkeyField(GetDlgItem(dialog, IDC_SETTINGS_HOTKEY_KEYS));
    ShowKeys(dialog, HotkeyText(choices.hotkey));
    const HWND formats = GetDlgItem(dialog, IDC_SETTINGS_FORMAT);
    for (size_t i = 0; i < state.formatKeys.size(); ++i) {
        const std::wstring name = FormatName(state.formatKeys, i);
        SendMessageW(formats, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SendMessageW(formats, CB_SETCURSEL, PickFormatIndex(state.formatKeys, choices.pickFormat), 0);
    Tick(dialog, IDC_SETTINGS_RESIDENT, choices.resident);
    Tick(dialog, IDC_SETTINGS_START_WITH_WINDOWS, choices.startWithWindows);
    Tick(dialog, IDC_SETTINGS_KEEP, state.choices.keep);
    EnableStartWithWindows(dialog);
}

WantedSettings Read(HWND dialog, const DialogState &state) {
    WantedSettings wanted = state.choices;
    Settings &choices = wanted.settings;
    choices.hotkeyEnabled = Ticked(dialog, IDC_SETTINGS_HOTKEY);
    const LRESULT format = SendDlgItemMessageW(dialog, IDC_SETTINGS_FORMAT, CB_GETCURSEL, 0, 0);
    // A template the list did not show is kept by its key, so that it is the pick's
    // format again when it comes back.
    if (format >= 0 && static_cast<size_t>(format) < state.formatKeys.size() &&
        state.formatKeys[static_cast<size_t>(format)] !=
            state.formatKeys[PickFormatIndex(state.formatKeys, choices.pickFormat)]) {
        choices.pickFormat = state.formatKeys[static_cast<size_t>(format)];
    }
    choices.resident = Ticked(dialog, IDC_SETTINGS_RESIDENT);
    choices.startWithWindows = Ticked(dialog, IDC_SETTINGS_START_WITH_WINDOWS);
    wanted.keep = Ticked(dialog, IDC_SETTINGS_KEEP);
    return wanted;
}

// A key pressed in the key field; true when it is the dialog's to act on.
bool KeyInField(HWND dialog, DialogState &state, uint32_t key, uint32_t held) {
    HotkeyCombo &hotkey = state.choices.settings.hotkey;
    const KeyFieldResult result = KeyFieldKeyDown(hotkey, key, held);
    switch (result.verdict) {
        case KeyFieldVerdict::Waiting:
            ShowKeys(dialog, ModifiersText(held));
            return false;
        case KeyFieldVerdict::Set:
            hotkey = result.combo;
            ShowKeys(dialog, HotkeyText(result.combo));
            return false;
        case KeyFieldVerdict::Refused:
            ShowKeys(dialog, HotkeyText(hotkey));
            MessageBeep(MB_OK);
            return false;
        case KeyFieldVerdict::PassOn:
            ShowKeys(dialog, HotkeyText(hotkey));
            return true;
    }
    return false;
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *state = reinterpret_cast<DialogState *>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            Fill(dialog, *reinterpret_cast<DialogState *>(lParam));
            return TRUE;
        case kHotkeyFieldKey:
            if (state == nullptr) return FALSE;
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT,
                              KeyInField(dialog, *state, static_cast<uint32_t>(wParam),
                                         static_cast<uint32_t>(lParam)));
            return TRUE;
        case kHotkeyFieldKeysLetGo:
            if (state != nullptr) ShowKeys(dialog, HotkeyText(state->choices.settings.hotkey));
            return TRUE;
        case WM_COMMAND:
            if (state == nullptr) return FALSE;
            switch (LOWORD(wParam)) {
                case IDC_SETTINGS_RESIDENT:
                    FollowResident(dialog);
                    return TRUE;
                case IDOK:
                    state->choices = Read(dialog, *state);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

}  // namespace

std::optional<WantedSettings> ShowSettingsDialog(HINSTANCE instance, HWND owner,
                                                 const WantedSettings &current,
                                                 const std::vector<std::string> &formatKeys) {
    DialogState state{current, formatKeys};
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS), owner,
                                           &DialogProcedure, reinterpret_cast<LPARAM>(&state));
    if (result == -1 || result == 0) {
        const std::wstring text = WideFromUtf16(Utf8ToUtf16(messages::kCannotShowSettings));
        MessageBoxW(owner, text.c_str(), kFormTitle, MB_OK | MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    if (result != IDOK) return std::nullopt;
    return state.choices;
}

}  // namespace tintwell::win32
