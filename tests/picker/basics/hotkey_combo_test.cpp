#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "hotkey_combo.h"
#include "key_codes.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

constexpr uint32_t kCtrlAlt = kModControl | kModAlt;
constexpr uint32_t kKeyCapsLock = 0x14;
constexpr uint32_t kKeySemicolonUs = 0xBA;
constexpr uint32_t kKeyLeftWin = 0x5B;
constexpr uint32_t kKeyRightCtrl = 0xA3;

TEST(HotkeyText, WinFirstThenCtrlAltShiftAndTheKeysName) {
    EXPECT_EQ(HotkeyText(kDefaultHotkey), "Win+Shift+C");
    EXPECT_EQ(HotkeyText({kCtrlAlt, 'K'}), "Ctrl+Alt+K");
    EXPECT_EQ(HotkeyText({kModifierMask, '7'}), "Win+Ctrl+Alt+Shift+7");
    EXPECT_EQ(HotkeyText({kModShift | kModControl, 0x87}), "Ctrl+Shift+F24");
    EXPECT_EQ(HotkeyText({kCtrlAlt, 0x67}), "Ctrl+Alt+Num7");
    EXPECT_EQ(HotkeyText({kCtrlAlt, 0x6B}), "Ctrl+Alt+NumAdd");
    EXPECT_EQ(HotkeyText({kCtrlAlt, 0xBB}), "Ctrl+Alt+Plus");
    EXPECT_EQ(HotkeyText({kModWin, static_cast<uint32_t>(kKeyPageUp)}), "Win+PageUp");
    EXPECT_EQ(HotkeyText({kCtrlAlt, kKeySemicolonUs}), "") << "its character is the layout's";
    EXPECT_EQ(ModifiersText(kModShift | kModWin | kModControl), "Win+Ctrl+Shift+");
    EXPECT_EQ(ModifiersText(0), "");
}

TEST(HotkeyText, EveryNamedKeyReadsBackAsItself) {
    for (uint32_t key = 0; key < 256; ++key) {
        const HotkeyCombo combo{kCtrlAlt | kModShift, key};
        if (!IsAcceptableHotkey(combo)) continue;
        EXPECT_EQ(ParseHotkey(HotkeyText(combo)), combo) << HotkeyText(combo);
    }
}

TEST(ParseHotkey, TakesAnyOrderCaseAndOtherNamesButOnlyWholeAcceptableCombinations) {
    EXPECT_EQ(ParseHotkey(" shift + WINDOWS +c "), kDefaultHotkey);
    EXPECT_EQ(ParseHotkey("alt+control+k"), (HotkeyCombo{kCtrlAlt, 'K'}));
    EXPECT_EQ(ParseHotkey("Ctrl+Alt+Return"), (HotkeyCombo{kCtrlAlt, 0x0D}));
    EXPECT_EQ(ParseHotkey("Win+PgDn"), (HotkeyCombo{kModWin, 0x22}));
    EXPECT_EQ(ParseHotkey("Win+f9"), (HotkeyCombo{kModWin, 0x78}));
    for (const char *text :
         {"", "C", "Ctrl+C", "Shift+F1", "Ctrl+Alt+Ctrl+K", "Ctrl+Alt+", "Ctrl++", "Ctrl+Alt+K+L",
          "Ctrl+Alt+F12", "Ctrl+Alt+F25", "Ctrl+Alt+F01", "Ctrl+Alt+Shift", "Ctrl+Alt+Foo",
          "Ctrl+Alt+Num10", "Hyper+Ctrl+K", "Ctrl+Alt+K\r"}) {
        EXPECT_FALSE(ParseHotkey(text).has_value()) << text;
    }
}

TEST(KeyField, ModifiersWaitAKeyWithEnoughModifiersSetsAndOthersAreRefused) {
    const HotkeyCombo current{kCtrlAlt, 'K'};
    for (uint32_t modifier : {static_cast<uint32_t>(0x10), kKeyLeftWin, kKeyRightCtrl}) {
        const KeyFieldResult waiting = KeyFieldKeyDown(current, modifier, kModControl);
        EXPECT_EQ(waiting.verdict, KeyFieldVerdict::Waiting);
        EXPECT_EQ(waiting.combo, current);
    }

    const KeyFieldResult set = KeyFieldKeyDown(current, 'P', kModWin | kModShift);
    EXPECT_EQ(set.verdict, KeyFieldVerdict::Set);
    EXPECT_EQ(HotkeyText(set.combo), "Win+Shift+P");
    EXPECT_EQ(KeyFieldKeyDown(current, kKeyEnter, kCtrlAlt).verdict, KeyFieldVerdict::Set);

    struct Refusal {
        uint32_t key;
        uint32_t modifiers;
        HotkeyRefusal why;
    };
    for (const Refusal &r : {Refusal{'P', 0, HotkeyRefusal::NeedsModifiers},
                             Refusal{'P', kModControl, HotkeyRefusal::NeedsModifiers},
                             Refusal{0x74, kModShift, HotkeyRefusal::NeedsModifiers},
                             Refusal{0x7B, kCtrlAlt, HotkeyRefusal::ReservedKey},
                             Refusal{kKeyCapsLock, kCtrlAlt, HotkeyRefusal::UnnamedKey},
                             Refusal{kKeySemicolonUs, kModWin, HotkeyRefusal::UnnamedKey}}) {
        const KeyFieldResult refused = KeyFieldKeyDown(current, r.key, r.modifiers);
        EXPECT_EQ(refused.verdict, KeyFieldVerdict::Refused) << r.key;
        EXPECT_EQ(refused.refusal, r.why) << r.key;
        EXPECT_EQ(refused.combo, current);
        EXPECT_FALSE(messages::HotkeyRefusalMessage(r.why).empty());
    }

    // The dialog's own keys go on to it.
    for (const auto &[key, modifiers] : {std::pair<uint32_t, uint32_t>{kKeyTab, 0},
                                         {kKeyTab, kModShift},
                                         {kKeyEnter, 0},
                                         {kKeyEscape, 0}}) {
        EXPECT_EQ(KeyFieldKeyDown(current, key, modifiers).verdict, KeyFieldVerdict::PassOn);
    }
}

TEST(HotkeyRegistration, NeverRepeatsAndNamesTheComboWhenTaken) {
    const HotkeyCombo combo{kCtrlAlt, 'K'};
    EXPECT_EQ(RegisterHotKeyModifiers(combo), kCtrlAlt | kModNoRepeat);
    const std::string message = messages::HotkeyTakenMessage(HotkeyText(combo));
    EXPECT_EQ(message.rfind("Ctrl+Alt+K ", 0), 0u) << message;
}

}  // namespace
}  // namespace tintwell::testing
