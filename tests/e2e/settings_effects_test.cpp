// What the settings dialog's last three boxes do, on a window of the test's own: each
// effect runs only when its box changed, so that the defaults touch nothing; one that
// fails is said and leaves its box as it was; the start with Windows follows the
// notification icon as it came to be, and the settings file gets the choices as they
// ended up.
#include <windows.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "colour_word.h"
#include "failing_window_sink.h"
#include "settings_switch.h"
#include "system_menu.h"
#include "user_texts.h"
#include "utf8_text.h"
#include "window_probe.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

class PlainRunner : public HandlerRunner {
  public:
    void RunHandler(const std::function<void()> &handler) override { handler(); }
    void RunChosenHandler(const std::function<void()> &handler) override { handler(); }
};

// The effects as a record of what is in effect, refusing what the test says.
class RecordedEffects : public SettingsEffects {
  public:
    void SetResident(bool on) override {
        ++calls;
        if (refuseIcon) {
            throw PickerError(std::string(messages::kCannotShowTrayIcon) + " " +
                              messages::kNoNotificationArea);
        }
        resident = on;
    }
    void SetStartWithWindows(bool on) override {
        ++calls;
        if (refuseRunValue) throw PickerError(messages::kCannotRegisterStartup);
        startWithWindows = on;
    }
    void SetKeeping(bool on, const SettingsChoices &now) override {
        ++calls;
        keeping = on;
        keptWith = now;
    }

    int calls = 0;
    bool refuseIcon = false;
    bool refuseRunValue = false;
    bool resident = false;
    bool startWithWindows = false;
    bool keeping = false;
    std::optional<SettingsChoices> keptWith;
};

class SettingsEffectsTest : public testing::Test {
  protected:
    void SetUp() override {
        // A form an earlier test closed has posted its WM_QUIT to this thread, which
        // would end the message box's modal loop before it showed.
        MSG quit{};
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        settings_.Attach(window_, menu_);
        settings_.SetEffects(effects_);
    }
    void TearDown() override { DestroyWindow(window_); }

    static SettingsChoices AllThree() {
        SettingsChoices choices;
        choices.resident = true;
        choices.startWithWindows = true;
        choices.keepSettings = true;
        return choices;
    }

    PlainRunner runner_;
    SystemMenu menu_{runner_, testsupport::EndTheTestOnFailure()};
    SettingsSwitch settings_{GetModuleHandleW(nullptr), nullptr, nullptr};
    RecordedEffects effects_;
    HWND window_ = nullptr;
};

TEST_F(SettingsEffectsTest, TheDefaultsAndOtherChoicesPutNoneOfTheThreeIntoEffect) {
    settings_.Apply(SettingsChoices{});
    SettingsChoices format;
    format.pickFormat = "rgb(r, g, b)";
    settings_.Apply(format);
    EXPECT_EQ(effects_.calls, 0);
    EXPECT_EQ(settings_.choices().pickFormat, "rgb(r, g, b)");
}

TEST_F(SettingsEffectsTest, EachBoxTakesEffectWhenItChangesAndTheFileGetsTheOutcome) {
    settings_.Apply(AllThree());
    EXPECT_TRUE(effects_.resident);
    EXPECT_TRUE(effects_.startWithWindows);
    ASSERT_TRUE(effects_.keptWith.has_value());
    EXPECT_TRUE(effects_.keptWith->resident && effects_.keptWith->startWithWindows &&
                effects_.keptWith->keepSettings);
    EXPECT_TRUE(settings_.choices() == AllThree());

    const int before = effects_.calls;
    settings_.Apply(AllThree());
    EXPECT_EQ(effects_.calls, before) << "what is in effect is not done again";

    // Leaving the notification area takes the Run value with it, whatever was asked.
    SettingsChoices leave = AllThree();
    leave.resident = false;
    settings_.Apply(leave);
    EXPECT_FALSE(effects_.resident);
    EXPECT_FALSE(effects_.startWithWindows);
    EXPECT_FALSE(settings_.choices().startWithWindows);
    EXPECT_TRUE(effects_.keeping);
}

TEST_F(SettingsEffectsTest, ARefusedIconIsSaidAndNeitherItNorTheStartWithWindowsIsTicked) {
    effects_.refuseIcon = true;
    testsupport::BoxAnswer answer;
    settings_.Apply(AllThree());
    const std::wstring said = answer.Text();
    EXPECT_NE(said.find(L"通知領域にアイコンを表示できません。"), std::wstring::npos)
        << testsupport::Utf8(said);
    EXPECT_FALSE(settings_.choices().resident);
    EXPECT_FALSE(settings_.choices().startWithWindows);
    EXPECT_FALSE(effects_.startWithWindows);
    ASSERT_TRUE(effects_.keptWith.has_value());
    EXPECT_FALSE(effects_.keptWith->resident) << "the file holds what came to be";
    EXPECT_TRUE(settings_.choices().keepSettings);
}

TEST_F(SettingsEffectsTest, ARefusedRunValueLeavesItsBoxClearAndTheIconShown) {
    effects_.refuseRunValue = true;
    testsupport::BoxAnswer answer;
    settings_.Apply(AllThree());
    EXPECT_NE(answer.Text().find(L"Windows の起動時に開始するよう登録できません。"),
              std::wstring::npos);
    EXPECT_TRUE(settings_.choices().resident);
    EXPECT_FALSE(settings_.choices().startWithWindows);
}

TEST_F(SettingsEffectsTest, AtStartAKeptFileIsTakenAsThereAndNotWrittenAgain) {
    settings_.Restore(AllThree());
    EXPECT_TRUE(effects_.resident);
    EXPECT_TRUE(effects_.startWithWindows);
    EXPECT_FALSE(effects_.keptWith.has_value());
    EXPECT_TRUE(settings_.choices().keepSettings);
}

}  // namespace
