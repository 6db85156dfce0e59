#include "hotkey_combo.h"

#include <cstddef>

#include "key_codes.h"

namespace tintwell {

namespace {

constexpr uint32_t kKeyF1 = 0x70;
constexpr uint32_t kKeyF12 = 0x7B;
constexpr uint32_t kKeyF24 = 0x87;
constexpr uint32_t kKeyNum0 = 0x60;

struct NamedKey {
    uint32_t key;
    const char *name;
};

// Letters, digits and F-keys are named by rule; these by the table. The first name
// of a key is the one written.
constexpr NamedKey kNamedKeys[] = {
    {0x08, "Backspace"},   {0x09, "Tab"},        {0x0D, "Enter"},       {0x13, "Pause"},
    {0x1B, "Esc"},         {0x20, "Space"},      {0x21, "PageUp"},      {0x22, "PageDown"},
    {0x23, "End"},         {0x24, "Home"},       {0x25, "Left"},        {0x26, "Up"},
    {0x27, "Right"},       {0x28, "Down"},       {0x2C, "PrintScreen"}, {0x2D, "Insert"},
    {0x2E, "Delete"},      {0x5D, "Apps"},       {0x6A, "NumMultiply"}, {0x6B, "NumAdd"},
    {0x6D, "NumSubtract"}, {0x6E, "NumDecimal"}, {0x6F, "NumDivide"},   {0xBB, "Plus"},
    {0xBC, "Comma"},       {0xBD, "Minus"},      {0xBE, "Period"},
};

constexpr NamedKey kOtherNames[] = {
    {0x0D, "Return"}, {0x1B, "Escape"}, {0x21, "PgUp"},
    {0x22, "PgDn"},   {0x2E, "Del"},    {0x2D, "Ins"},
};

struct NamedModifier {
    uint32_t bit;
    const char *name;
};

// In the order the text shows them.
constexpr NamedModifier kModifiers[] = {
    {kModWin, "Win"},
    {kModControl, "Ctrl"},
    {kModAlt, "Alt"},
    {kModShift, "Shift"},
};

constexpr NamedModifier kOtherModifierNames[] = {
    {kModControl, "Control"},
    {kModWin, "Windows"},
};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

int CountBits(uint32_t bits) {
    int count = 0;
    for (; bits != 0; bits &= bits - 1) ++count;
    return count;
}

std::optional<uint32_t> ModifierOfName(std::string_view name) {
    for (const NamedModifier &m : kModifiers)
        if (SameName(name, m.name)) return m.bit;
    for (const NamedModifier &m : kOtherModifierNames)
        if (SameName(name, m.name)) return m.bit;
    return std::nullopt;
}

// The F-key a name gives, "F1" to "F24" without leading zeros.
std::optional<uint32_t> FunctionKeyOfName(std::string_view name) {
    if (name.size() < 2 || name.size() > 3 || Lower(name[0]) != 'f' || name[1] == '0') {
        return std::nullopt;
    }
    uint32_t number = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + static_cast<uint32_t>(c - '0');
    }
    if (number < 1 || number > 24) return std::nullopt;
    return kKeyF1 + number - 1;
}

std::optional<uint32_t> KeyOfName(std::string_view name) {
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= '0' && c <= '9') return static_cast<uint32_t>(c);
        if (Lower(c) >= 'a' && Lower(c) <= 'z') return static_cast<uint32_t>(Lower(c) - 'a' + 'A');
        return std::nullopt;
    }
    if (auto f = FunctionKeyOfName(name)) return f;
    if (name.size() == 4 && SameName(name.substr(0, 3), "Num") && name[3] >= '0' &&
        name[3] <= '9') {
        return kKeyNum0 + static_cast<uint32_t>(name[3] - '0');
    }
    for (const NamedKey &k : kNamedKeys)
        if (SameName(name, k.name)) return k.key;
    for (const NamedKey &k : kOtherNames)
        if (SameName(name, k.name)) return k.key;
    return std::nullopt;
}

}  // namespace

std::string KeyName(uint32_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= kKeyF1 && key <= kKeyF24) return "F" + std::to_string(key - kKeyF1 + 1);
    if (key >= kKeyNum0 && key <= kKeyNum0 + 9) {
        return "Num" + std::string(1, static_cast<char>('0' + (key - kKeyNum0)));
    }
    for (const NamedKey &k : kNamedKeys)
        if (k.key == key) return k.name;
    return std::string();
}

bool IsModifierKey(uint32_t key) {
    // Shift, Ctrl, Alt; the left and right Windows keys; the sided Shift, Ctrl, Alt.
    return (key >= 0x10 && key <= 0x12) || key == 0x5B || key == 0x5C ||
           (key >= 0xA0 && key <= 0xA5);
}

HotkeyRefusal HotkeyProblem(HotkeyCombo combo) {
    if (IsModifierKey(combo.key) || KeyName(combo.key).empty()) return HotkeyRefusal::UnnamedKey;
    if (combo.key == kKeyF12) return HotkeyRefusal::ReservedKey;
    if ((combo.modifiers & ~kModifierMask) != 0) return HotkeyRefusal::UnnamedKey;
    const bool win = (combo.modifiers & kModWin) != 0;
    if (!win && CountBits(combo.modifiers & (kModControl | kModAlt | kModShift)) < 2) {
        return HotkeyRefusal::NeedsModifiers;
    }
    return HotkeyRefusal::None;
}

std::string ModifiersText(uint32_t modifiers) {
    std::string text;
    for (const NamedModifier &m : kModifiers) {
        if ((modifiers & m.bit) != 0) {
            text += m.name;
            text += '+';
        }
    }
    return text;
}

std::string HotkeyText(HotkeyCombo combo) {
    const std::string key = KeyName(combo.key);
    if (key.empty()) return key;
    return ModifiersText(combo.modifiers) + key;
}

std::optional<HotkeyCombo> ParseHotkey(std::string_view text) {
    HotkeyCombo combo;
    while (true) {
        const size_t plus = text.find('+');
        const std::string_view part = Trimmed(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            const std::optional<uint32_t> key = KeyOfName(part);
            if (!key) return std::nullopt;
            combo.key = *key;
            break;
        }
        const std::optional<uint32_t> modifier = ModifierOfName(part);
        if (!modifier || (combo.modifiers & *modifier) != 0) return std::nullopt;
        combo.modifiers |= *modifier;
        text.remove_prefix(plus + 1);
    }
    if (!IsAcceptableHotkey(combo)) return std::nullopt;
    return combo;
}

KeyFieldResult KeyFieldKeyDown(HotkeyCombo current, uint32_t key, uint32_t heldModifiers) {
    const uint32_t held = heldModifiers & kModifierMask;
    if (IsModifierKey(key)) return KeyFieldResult{KeyFieldVerdict::Waiting, current, {}};
    const bool dialogKey = key == static_cast<uint32_t>(kKeyTab)
                               ? (held & ~kModShift) == 0
                               : (key == static_cast<uint32_t>(kKeyEnter) ||
                                  key == static_cast<uint32_t>(kKeyEscape)) &&
                                     held == 0;
    if (dialogKey) return KeyFieldResult{KeyFieldVerdict::PassOn, current, {}};
    const HotkeyCombo pressed{held, key};
    const HotkeyRefusal refusal = HotkeyProblem(pressed);
    if (refusal != HotkeyRefusal::None) {
        return KeyFieldResult{KeyFieldVerdict::Refused, current, refusal};
    }
    return KeyFieldResult{KeyFieldVerdict::Set, pressed, HotkeyRefusal::None};
}

}  // namespace tintwell
