// What the settings of the pick from anywhere put into effect, and when, over a
// record of the system's side and a settings file in memory: what the user wants is
// never lost to what could not be taken, and each effect runs only when it is due.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "colour_word.h"
#include "settings_file.h"
#include "settings_keeping.h"
#include "settings_state.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

// The system as the test sets it up: combinations other programs hold, a
// notification area that is there or not, a Run value that can be written or not.
class SystemRecord : public SettingsEffects {
  public:
    bool TakeHotkey(const HotkeyCombo &combo) override {
        ++calls;
        if (heldElsewhere.count(HotkeyText(combo)) != 0) return false;
        registered.clear();
        registered.insert(HotkeyText(combo));
        return true;
    }
    void LetHotkeyGo() override {
        ++calls;
        registered.clear();
    }
    void ShowIcon(bool on) override {
        ++calls;
        if (on && !notificationArea) {
            throw PickerError(std::string(messages::kCannotShowTrayIcon) + " " +
                              messages::kNoNotificationArea);
        }
        icon = on;
    }
    bool RunValuePresent() override { return runValue; }
    void SetRunValue(bool on) override {
        ++calls;
        if (refuseRunValue) throw PickerError(messages::kCannotRegisterStartup);
        runValue = on;
    }

    int calls = 0;
    std::set<std::string> heldElsewhere;
    std::set<std::string> registered;
    bool notificationArea = true;
    bool icon = false;
    bool runValue = false;
    bool refuseRunValue = false;
};

class SettingsFileInMemory : public SettingsStore {
  public:
    std::optional<std::string> bytes;
    bool locked = false;
    int writes = 0;

    Found Read() override {
        if (!bytes) return Found{Found::Look::Missing, {}};
        if (locked) return Found{Found::Look::CannotRead, {}};
        return Found{Found::Look::Read, *bytes};
    }
    Outcome Replace(const std::string &text) override {
        if (!bytes) return Outcome::Gone;
        return Write(text);
    }
    Outcome Create(const std::string &text) override { return Write(text); }
    std::string FolderNotMade() override { return std::string(); }
    bool Remove() override {
        bytes.reset();
        return true;
    }
    std::string Where() override {
        return "C:\\Users\\u\\AppData\\Roaming\\Tintwell\\settings.ini";
    }
    std::string WhyFailed() override { return std::string(); }

    Settings Kept() const { return ReadSettings(bytes.value_or("")).settings; }

  private:
    Outcome Write(const std::string &text) {
        if (locked) return Outcome::Failed;
        ++writes;
        bytes = text;
        return Outcome::Written;
    }
};

constexpr HotkeyCombo kCtrlAltK{kModControl | kModAlt, 'K'};

class SettingsStateTest : public ::testing::Test {
  protected:
    WantedSettings AllThree() const {
        WantedSettings wanted = state_.wanted();
        wanted.settings.resident = true;
        wanted.settings.startWithWindows = true;
        wanted.keep = true;
        return wanted;
    }
    // A start from a file that keeps the hotkey and the icon on.
    void StartKept(Settings kept) {
        file_.bytes = SettingsText(kept);
        said_ = state_.Start();
    }

    SystemRecord system_;
    SettingsFileInMemory file_;
    SettingsKeeping keeping_{file_};
    SettingsState state_{system_, keeping_};
    std::vector<std::string> said_;
};

Settings HotkeyAndIcon() {
    Settings kept;
    kept.hotkeyEnabled = true;
    kept.resident = true;
    return kept;
}

TEST_F(SettingsStateTest, TheDefaultsAndUnrelatedChangesTouchNothingOfTheSystem) {
    EXPECT_TRUE(state_.Start().empty());
    WantedSettings format = state_.wanted();
    format.settings.pickFormat = "rgb(r, g, b)";
    format.settings.loupe = true;
    EXPECT_TRUE(state_.Change(format).empty());
    EXPECT_EQ(system_.calls, 0);
    EXPECT_FALSE(file_.bytes.has_value()) << "nothing is written without the box";
    EXPECT_EQ(state_.wanted().settings.pickFormat, "rgb(r, g, b)");
}

TEST_F(SettingsStateTest, AStartThatCannotTakeTheHotkeyOrTheIconKeepsBothWantedAndSaysSoOnce) {
    system_.heldElsewhere.insert(HotkeyText(kDefaultHotkey));
    system_.notificationArea = false;
    StartKept(HotkeyAndIcon());
    ASSERT_EQ(said_.size(), 2u);
    EXPECT_NE(said_[0].find(messages::kCannotShowTrayIcon), std::string::npos) << said_[0];
    EXPECT_NE(said_[1].find(HotkeyText(kDefaultHotkey)), std::string::npos) << said_[1];
    EXPECT_NE(said_[1].find("次の起動時"), std::string::npos) << said_[1];
    EXPECT_TRUE(state_.wanted().settings.hotkeyEnabled);
    EXPECT_TRUE(state_.wanted().settings.resident);
    EXPECT_TRUE(state_.IconOwed());

    // An unrelated change writes what the user wants, not what is in effect, and
    // asks nothing of the system again.
    const int calls = system_.calls;
    WantedSettings loupe = state_.wanted();
    loupe.settings.loupe = true;
    EXPECT_TRUE(state_.Change(loupe).empty());
    EXPECT_EQ(system_.calls, calls);
    EXPECT_TRUE(file_.Kept().hotkeyEnabled);
    EXPECT_TRUE(file_.Kept().resident);
    EXPECT_TRUE(file_.Kept().loupe);

    // The icon is tried again quietly, later and when the notification area comes.
    EXPECT_FALSE(state_.Later());
    system_.notificationArea = true;
    EXPECT_TRUE(state_.TaskbarCreated());
    EXPECT_TRUE(system_.icon);
    EXPECT_FALSE(state_.IconOwed());
}

TEST_F(SettingsStateTest, TheIconComesBackWheneverTheNotificationAreaIsMadeAnew) {
    StartKept(HotkeyAndIcon());
    ASSERT_TRUE(said_.empty());
    system_.icon = false;  // Explorer went, and its icons with it
    EXPECT_TRUE(state_.TaskbarCreated());
    EXPECT_TRUE(system_.icon);

    // Not wanted, nothing shows.
    WantedSettings off = state_.wanted();
    off.settings.resident = false;
    state_.Change(off);
    EXPECT_FALSE(system_.icon);
    EXPECT_TRUE(state_.TaskbarCreated());
    EXPECT_FALSE(system_.icon);
}

TEST_F(SettingsStateTest, ChangingToATakenCombinationKeepsTheOldOneWorkingAndUntickingLetsItGo) {
    StartKept(HotkeyAndIcon());
    system_.heldElsewhere.insert(HotkeyText(kCtrlAltK));
    WantedSettings taken = state_.wanted();
    taken.settings.hotkey = kCtrlAltK;
    said_ = state_.Change(taken);
    ASSERT_EQ(said_.size(), 1u);
    EXPECT_NE(said_[0].find(HotkeyText(kCtrlAltK)), std::string::npos) << said_[0];
    EXPECT_NE(said_[0].find(HotkeyText(kDefaultHotkey) + " のまま"), std::string::npos) << said_[0];
    EXPECT_EQ(system_.registered, std::set<std::string>{HotkeyText(kDefaultHotkey)});
    EXPECT_EQ(state_.wanted().settings.hotkey, kDefaultHotkey);
    EXPECT_EQ(state_.inEffect().hotkey, kDefaultHotkey);

    system_.heldElsewhere.clear();
    EXPECT_TRUE(state_.Change(taken).empty());
    EXPECT_EQ(system_.registered, std::set<std::string>{HotkeyText(kCtrlAltK)});

    WantedSettings untick = state_.wanted();
    untick.settings.hotkeyEnabled = false;
    state_.Change(untick);
    EXPECT_TRUE(system_.registered.empty());
    EXPECT_FALSE(state_.inEffect().hotkey.has_value());
}

TEST_F(SettingsStateTest, EachBoxTakesEffectWhenItChangesAndTheFileGetsTheOutcome) {
    state_.Start();
    EXPECT_TRUE(state_.Change(AllThree()).empty());
    EXPECT_TRUE(system_.icon);
    EXPECT_TRUE(system_.runValue);
    EXPECT_TRUE(file_.Kept().resident && file_.Kept().startWithWindows);
    EXPECT_TRUE(state_.wanted() == AllThree());

    const int before = system_.calls;
    state_.Change(AllThree());
    EXPECT_EQ(system_.calls, before) << "what is in effect is not done again";

    // Leaving the notification area takes the Run value with it.
    WantedSettings leave = AllThree();
    leave.settings.resident = false;
    leave.settings.startWithWindows = false;
    state_.Change(leave);
    EXPECT_FALSE(system_.icon);
    EXPECT_FALSE(system_.runValue);
    EXPECT_FALSE(file_.Kept().startWithWindows);
    EXPECT_TRUE(state_.wanted().keep);
}

TEST_F(SettingsStateTest, ARefusedIconIsSaidAndNeitherItNorTheStartWithWindowsIsTicked) {
    state_.Start();
    system_.notificationArea = false;
    said_ = state_.Change(AllThree());
    ASSERT_EQ(said_.size(), 1u);
    EXPECT_NE(said_[0].find(messages::kCannotShowTrayIcon), std::string::npos);
    EXPECT_FALSE(state_.wanted().settings.resident);
    EXPECT_FALSE(state_.wanted().settings.startWithWindows);
    EXPECT_FALSE(system_.runValue);
    EXPECT_FALSE(file_.Kept().resident) << "the file holds what came to be";
    EXPECT_TRUE(state_.wanted().keep);
}

TEST_F(SettingsStateTest, ARefusedRunValueLeavesItsBoxClearAndTheIconShown) {
    state_.Start();
    system_.refuseRunValue = true;
    said_ = state_.Change(AllThree());
    ASSERT_EQ(said_.size(), 1u);
    EXPECT_NE(said_[0].find(messages::kCannotRegisterStartup), std::string::npos);
    EXPECT_TRUE(state_.wanted().settings.resident);
    EXPECT_FALSE(state_.wanted().settings.startWithWindows);
}

TEST_F(SettingsStateTest, TheRunValueIsReadAtStartShownAsItIsAndUntickingRemovesIt) {
    // Left by a run whose settings were not kept: the file says nothing of it.
    system_.runValue = true;
    EXPECT_TRUE(state_.Start().empty());
    EXPECT_TRUE(state_.wanted().settings.startWithWindows);
    EXPECT_FALSE(state_.wanted().settings.resident);
    WantedSettings loupe = state_.wanted();
    loupe.settings.loupe = true;
    state_.Change(loupe);
    EXPECT_TRUE(system_.runValue) << "nothing the user did not touch is removed";

    WantedSettings untick = state_.wanted();
    untick.settings.startWithWindows = false;
    state_.Change(untick);
    EXPECT_FALSE(system_.runValue);
    EXPECT_FALSE(state_.wanted().settings.startWithWindows);

    // A file that says it is on, without the value, shows it clear.
    Settings kept = HotkeyAndIcon();
    kept.startWithWindows = true;
    SettingsFileInMemory other;
    other.bytes = SettingsText(kept);
    SettingsKeeping otherKeeping(other);
    SystemRecord otherSystem;
    SettingsState otherState(otherSystem, otherKeeping);
    otherState.Start();
    EXPECT_FALSE(otherState.wanted().settings.startWithWindows);
}

TEST_F(SettingsStateTest, ALockedFileAtStartIsSaidAndNotWrittenByTheNextChange) {
    file_.bytes = SettingsText(HotkeyAndIcon());
    file_.locked = true;
    said_ = state_.Start();
    ASSERT_EQ(said_.size(), 1u);
    EXPECT_NE(said_[0].find(file_.Where()), std::string::npos) << said_[0];
    EXPECT_FALSE(state_.wanted().keep);
    WantedSettings loupe = state_.wanted();
    loupe.settings.loupe = true;
    EXPECT_TRUE(state_.Change(loupe).empty());
    EXPECT_EQ(file_.writes, 0);
    EXPECT_EQ(file_.bytes, SettingsText(HotkeyAndIcon()));
}

}  // namespace
}  // namespace tintwell::testing
