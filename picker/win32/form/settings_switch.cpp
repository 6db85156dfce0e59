#include "settings_switch.h"

#include <string>

#include "control_layout.h"
#include "hotkey_combo.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

void Tell(HWND window, const std::string &message) {
    const std::wstring text = WideFromUtf16(Utf8ToUtf16(message));
    MessageBoxW(window, text.c_str(), kFormTitle, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

SettingsSwitch::SettingsSwitch(HINSTANCE instance)
    : instance_(instance), window_(nullptr), choices_(), hotkeyRegistered_(false) {}

void SettingsSwitch::Attach(HWND window, UINT before) {
    window_ = window;
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == nullptr) return;
    InsertMenuW(menu, before, MF_BYCOMMAND | MF_STRING, kSettingsCommand, captions::kSettingsItem);
}

void SettingsSwitch::Detach() {
    if (hotkeyRegistered_) UnregisterHotKey(window_, kPickHotkeyId);
    hotkeyRegistered_ = false;
}

bool SettingsSwitch::OwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
    if (message != WM_SYSCOMMAND || (wParam & 0xFFF0) != kSettingsCommand) return false;
    Open();
    result = 0;
    return true;
}

void SettingsSwitch::Open() {
    if (const auto wanted = ShowSettingsDialog(instance_, window_, choices_)) Apply(*wanted);
}

void SettingsSwitch::Apply(const SettingsChoices &wanted) {
    ApplyHotkey(wanted);
    const bool pickHotkey = choices_.pickHotkey;
    choices_ = wanted;
    choices_.pickHotkey = pickHotkey;
}

void SettingsSwitch::ApplyHotkey(const SettingsChoices &wanted) {
    const bool same = hotkeyRegistered_ == wanted.pickHotkey && choices_.hotkey == wanted.hotkey;
    if (same) return;
    if (hotkeyRegistered_) UnregisterHotKey(window_, kPickHotkeyId);
    hotkeyRegistered_ = false;
    choices_.pickHotkey = false;
    if (!wanted.pickHotkey) return;
    if (RegisterHotKey(window_, kPickHotkeyId, RegisterHotKeyModifiers(wanted.hotkey),
                       wanted.hotkey.key)) {
        hotkeyRegistered_ = true;
        choices_.pickHotkey = true;
        return;
    }
    Tell(window_, messages::HotkeyTakenMessage(HotkeyText(wanted.hotkey)));
}

}  // namespace tintwell::win32
