// The pick's hotkey on the system's own RegisterHotKey, for a window of the test's
// own, with a second window standing for another program: a change registers the new
// combination before the old one goes, so that a taken one leaves the working one
// registered, and neither a change nor unticking leaves an old one behind; and the
// one-instance mark, taken and found in one step. (What the settings put into
// effect, and when, is the portable rule's, tested natively.)
#include <windows.h>

#include <gtest/gtest.h>

#include "hotkey_combo.h"
#include "pick_hotkey.h"
#include "resident_instance.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

constexpr HotkeyCombo kCtrlAltK{kModControl | kModAlt, 'K'};
constexpr HotkeyCombo kCtrlAltJ{kModControl | kModAlt, 'J'};
constexpr int kOtherProgramsId = 77;

class PickHotkeyTest : public testing::Test {
  protected:
    void SetUp() override {
        window_ = MakeWindow();
        other_ = MakeWindow();
        ASSERT_NE(window_, nullptr);
        ASSERT_NE(other_, nullptr);
        hotkey_.Attach(window_);
    }
    void TearDown() override {
        hotkey_.LetGo();
        UnregisterHotKey(other_, kOtherProgramsId);
        DestroyWindow(window_);
        DestroyWindow(other_);
    }
    static HWND MakeWindow() {
        return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    // Whether another program could take the combination now; it gives it back.
    bool OtherProgramCanTake(const HotkeyCombo &combo) {
        if (!RegisterHotKey(other_, kOtherProgramsId, RegisterHotKeyModifiers(combo), combo.key)) {
            return false;
        }
        UnregisterHotKey(other_, kOtherProgramsId);
        return true;
    }

    HWND window_ = nullptr;
    HWND other_ = nullptr;
    PickHotkey hotkey_;
};

TEST_F(PickHotkeyTest, ATakenCombinationKeepsTheWorkingOneAndAChangeLeavesNoOldOneBehind) {
    ASSERT_TRUE(hotkey_.Take(kDefaultHotkey));
    EXPECT_FALSE(OtherProgramCanTake(kDefaultHotkey));

    ASSERT_TRUE(RegisterHotKey(other_, kOtherProgramsId, RegisterHotKeyModifiers(kCtrlAltK),
                               kCtrlAltK.key));
    EXPECT_FALSE(hotkey_.Take(kCtrlAltK));
    EXPECT_FALSE(OtherProgramCanTake(kDefaultHotkey)) << "the working one is still registered";
    UnregisterHotKey(other_, kOtherProgramsId);

    ASSERT_TRUE(hotkey_.Take(kCtrlAltK));
    EXPECT_TRUE(OtherProgramCanTake(kDefaultHotkey)) << "the old one was let go";
    EXPECT_FALSE(OtherProgramCanTake(kCtrlAltK));
    ASSERT_TRUE(hotkey_.Take(kCtrlAltJ));
    EXPECT_TRUE(OtherProgramCanTake(kCtrlAltK));

    hotkey_.LetGo();
    EXPECT_TRUE(OtherProgramCanTake(kCtrlAltJ)) << "unticked, none is left registered";
}

// Two marks stand for two instances starting at once: whichever takes it first is
// the resident one, and the other learns so from the same call.
TEST(ResidentMarkTest, OfTwoInstancesTakingTheMarkAtOnceExactlyOneHoldsIt) {
    ResidentMark first;
    ResidentMark second;
    ASSERT_TRUE(first.Take());
    EXPECT_FALSE(second.Take());
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(first.Take()) << "taking it again is keeping it";
    first.Release();
    EXPECT_TRUE(second.Take()) << "once let go, another may take it";
}

}  // namespace
