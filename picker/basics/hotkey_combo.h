// The global hotkey that starts a pick from anywhere: any mix of Ctrl, Alt, Shift
// and Win plus one other key, as RegisterHotKey takes it, as the settings file keeps
// it and as the settings window's key field shows it.
//
// - `modifiers` holds RegisterHotKey's MOD_* bits (the values are below, so that no
//   windows.h is needed); a HotkeyCombo never holds kModNoRepeat, which
//   RegisterHotKeyModifiers adds: a held hotkey must not start and cancel a pick
//   over and over. `key` is a Windows virtual-key code.
// - Only keys with a name take part: A-Z, 0-9, F1-F24, Space, Enter, Tab, Backspace,
//   Esc, Insert, Delete, Home, End, PageUp, PageDown, Left, Up, Right, Down,
//   PrintScreen, Pause, Apps, Num0-Num9, NumMultiply, NumAdd, NumSubtract,
//   NumDecimal, NumDivide, and the four punctuation keys every layout has: Plus,
//   Minus, Comma, Period. Keys whose character depends on the layout, the lock keys,
//   IME and media keys have none.
// - The text is the modifiers, then the key, joined by "+": "Win+Shift+C",
//   "Ctrl+Alt+K". Win comes first, as Windows writes its own shortcuts, then Ctrl, Alt
//   and Shift in that order. Parsing takes the modifiers in any order and case,
//   with blanks around the "+", and a few other names (Control, Windows, Return,
//   Escape, PgUp, PgDn, Del, Ins); the text written back is always the one above.
// - A combination is acceptable when it holds Win, or at least two of Ctrl, Alt and
//   Shift: with one of them alone the hotkey would take a shortcut away from every
//   program (Ctrl+C, Alt+F4, Shift+Home). F12 is never acceptable: Windows keeps it
//   for debuggers and refuses it as a hotkey.
#ifndef TINTWELL_PICKER_BASICS_HOTKEY_COMBO_H
#define TINTWELL_PICKER_BASICS_HOTKEY_COMBO_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tintwell {

constexpr uint32_t kModAlt = 0x0001;
constexpr uint32_t kModControl = 0x0002;
constexpr uint32_t kModShift = 0x0004;
constexpr uint32_t kModWin = 0x0008;
constexpr uint32_t kModNoRepeat = 0x4000;
constexpr uint32_t kModifierMask = kModAlt | kModControl | kModShift | kModWin;

struct HotkeyCombo {
    uint32_t modifiers = 0;
    uint32_t key = 0;

    friend constexpr bool operator==(const HotkeyCombo &a, const HotkeyCombo &b) {
        return a.modifiers == b.modifiers && a.key == b.key;
    }
    friend constexpr bool operator!=(const HotkeyCombo &a, const HotkeyCombo &b) {
        return !(a == b);
    }
};

constexpr HotkeyCombo kDefaultHotkey{kModWin | kModShift, 'C'};

// The key's name as the text shows it; empty for a key that has none.
std::string KeyName(uint32_t key);

// Shift, Ctrl, Alt and the Windows keys, either side.
bool IsModifierKey(uint32_t key);

// Why a combination cannot be a hotkey.
enum class HotkeyRefusal {
    None,
    UnnamedKey,      // no key, a modifier as the key, or a key without a name
    NeedsModifiers,  // neither Win nor two of Ctrl, Alt and Shift
    ReservedKey,     // F12
};

HotkeyRefusal HotkeyProblem(HotkeyCombo combo);
inline bool IsAcceptableHotkey(HotkeyCombo combo) {
    return HotkeyProblem(combo) == HotkeyRefusal::None;
}

// "Win+Shift+C"; empty when the key has no name. Bits outside kModifierMask are not
// shown.
std::string HotkeyText(HotkeyCombo combo);

// The modifiers alone, each followed by "+" ("Win+Ctrl+"), for the key field to
// show while they are held and the key is still to come; empty for none.
std::string ModifiersText(uint32_t modifiers);

// The combination a text names; empty unless it names exactly one key after
// distinct modifiers and the combination is acceptable.
std::optional<HotkeyCombo> ParseHotkey(std::string_view text);

// What RegisterHotKey takes as fsModifiers for the combination.
constexpr uint32_t RegisterHotKeyModifiers(HotkeyCombo combo) {
    return (combo.modifiers & kModifierMask) | kModNoRepeat;
}

// The key field: what a key-down (WM_KEYDOWN or WM_SYSKEYDOWN, with the modifiers
// held as GetKeyState tells them) makes of the field's combination.
enum class KeyFieldVerdict {
    // A modifier alone: nothing changes yet; the field may show ModifiersText.
    Waiting,
    // The field now shows `combo`.
    Set,
    // Not a hotkey (`refusal` says why); the field keeps its combination.
    Refused,
    // Tab, Shift+Tab, Enter and Esc without other modifiers are the dialog's: the
    // field lets them through, so that the keyboard can still leave the field and
    // close the dialog.
    PassOn,
};

struct KeyFieldResult {
    KeyFieldVerdict verdict;
    HotkeyCombo combo;  // the field's combination after the key
    HotkeyRefusal refusal;
};

KeyFieldResult KeyFieldKeyDown(HotkeyCombo current, uint32_t key, uint32_t heldModifiers);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_BASICS_HOTKEY_COMBO_H
