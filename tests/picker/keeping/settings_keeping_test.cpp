#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "colour_word.h"
#include "settings_file.h"
#include "settings_keeping.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

using SettingsLook = SettingsStore::Found::Look;
using SettingsOutcome = SettingsStore::Outcome;

// A settings file in memory: there or not, and refusing what the test says.
class MemorySettingsFile : public SettingsStore {
  public:
    std::optional<std::string> bytes;
    bool unreadable = false;
    bool refuseWrites = false;
    bool refuseRemoval = false;
    int writes = 0;

    Found Read() override {
        if (!bytes) return Found{SettingsLook::Missing, {}};
        if (unreadable) return Found{SettingsLook::CannotRead, {}};
        if (bytes->size() > kSettingsByteLimit) return Found{SettingsLook::TooLong, {}};
        return Found{SettingsLook::Read, *bytes};
    }
    Outcome Replace(const std::string &text) override {
        if (!bytes) return SettingsOutcome::Gone;
        if (refuseWrites) return SettingsOutcome::Failed;
        ++writes;
        bytes = text;
        return SettingsOutcome::Written;
    }
    Outcome Create(const std::string &text) override {
        if (refuseWrites) return SettingsOutcome::Failed;
        ++writes;
        bytes = text;
        return SettingsOutcome::Written;
    }
    std::string FolderNotMade() override { return std::string(); }
    bool Remove() override {
        if (refuseRemoval) return false;
        bytes.reset();
        return true;
    }
    std::string Where() override {
        return "C:\\Users\\u\\AppData\\Roaming\\Tintwell\\settings.ini";
    }
    std::string WhyFailed() override { return messages::kAccessDenied; }
};

Settings Changed() {
    Settings settings;
    settings.hotkeyEnabled = true;
    settings.hotkey = HotkeyCombo{kModControl | kModAlt, 'K'};
    settings.pickFormat = "rgb";
    settings.resident = true;
    settings.startWithWindows = true;
    settings.loupe = true;
    settings.sampleSize = SampleSize::ThreeByThree;
    return settings;
}

std::string FailureOf(SettingsKeeping &keeping, const Settings &now, bool switchTo) {
    try {
        if (switchTo) {
            keeping.Switch(!keeping.on(), now);
        } else {
            keeping.Keep(now);
        }
    } catch (const PickerError &error) {
        return error.what();
    }
    return std::string();
}

TEST(SettingsKeeping, WithoutAFileNothingIsKeptOrWrittenAndTheDefaultsHold) {
    MemorySettingsFile store;
    SettingsKeeping keeping(store);
    EXPECT_EQ(keeping.Start(), Settings{});
    EXPECT_FALSE(keeping.on());
    keeping.Keep(Changed());
    EXPECT_FALSE(store.bytes.has_value());
    EXPECT_EQ(store.writes, 0);
}

TEST(SettingsKeeping, AKeptFileIsReadAtStartAndWrittenOnlyWhenASettingChanges) {
    MemorySettingsFile store;
    store.bytes = SettingsText(Changed());
    SettingsKeeping keeping(store);
    EXPECT_EQ(keeping.Start(), Changed());
    EXPECT_TRUE(keeping.on());

    keeping.Keep(Changed());
    EXPECT_EQ(store.writes, 0) << "what the file holds is not written again";

    Settings now = Changed();
    now.sampleSize = SampleSize::FiveByFive;
    keeping.Keep(now);
    EXPECT_EQ(store.bytes, SettingsText(now));
    EXPECT_EQ(store.writes, 1);
}

TEST(SettingsKeeping, ADamagedFileGivesDefaultsAndStaysUntilTheUserChangesASetting) {
    MemorySettingsFile store;
    const std::string damaged = "resident=on\r\nloupe=maybe\r\n\xff\xfe=1\r\n";
    store.bytes = damaged;
    SettingsKeeping keeping(store);
    Settings expected;
    expected.resident = true;
    EXPECT_EQ(keeping.Start(), expected);
    keeping.Keep(expected);
    EXPECT_EQ(store.bytes, damaged);

    expected.loupe = true;
    keeping.Keep(expected);
    EXPECT_EQ(store.bytes, SettingsText(expected));
}

// One that cannot be read at all (held open by an editor or a scanner, or too long)
// is never written over: keeping stays off for the session and the user is told,
// and what the user changes meanwhile, the switch included, leaves it alone.
TEST(SettingsKeeping, AFileThatCannotBeReadAtStartIsSaidAndNeverWrittenOver) {
    for (bool tooLong : {false, true}) {
        MemorySettingsFile locked;
        locked.bytes = tooLong ? "resident=on\r\n" + std::string(kSettingsByteLimit, ';')
                               : "resident=on\r\nhotkey_enabled=on\r\n";
        locked.unreadable = !tooLong;
        const std::string before = *locked.bytes;
        SettingsKeeping keeping(locked);
        std::string said;
        Settings started = Changed();
        try {
            started = keeping.Start();
        } catch (const PickerError &error) {
            said = error.what();
        }
        EXPECT_NE(said.find(locked.Where()), std::string::npos) << said;
        EXPECT_NE(said.find(tooLong ? "64 KiB" : "読み取れません"), std::string::npos) << said;
        EXPECT_EQ(started, Changed()) << "the start threw";
        EXPECT_FALSE(keeping.on());
        EXPECT_EQ(keeping.settings(), Settings{});
        keeping.Keep(Changed());
        EXPECT_NE(FailureOf(keeping, Changed(), true), "") << "the switch cannot take it over";
        EXPECT_FALSE(keeping.on());
        EXPECT_EQ(locked.writes, 0);
        EXPECT_EQ(locked.bytes, before);
    }
}

TEST(SettingsKeeping, AFileDeletedMeanwhileTurnsKeepingOffWithoutAWord) {
    MemorySettingsFile store;
    store.bytes = SettingsText(Settings{});
    SettingsKeeping keeping(store);
    keeping.Start();
    store.bytes.reset();
    EXPECT_EQ(FailureOf(keeping, Changed(), false), "");
    EXPECT_FALSE(keeping.on());
    EXPECT_FALSE(store.bytes.has_value()) << "nothing is made again behind the user's back";
}

TEST(SettingsKeeping, AWriteThatFailsIsSaidWithPathAndReasonAndTriedAgainNextTime) {
    MemorySettingsFile store;
    store.bytes = SettingsText(Settings{});
    SettingsKeeping keeping(store);
    keeping.Start();
    store.refuseWrites = true;
    const std::string said = FailureOf(keeping, Changed(), false);
    EXPECT_NE(said.find(store.Where()), std::string::npos) << said;
    EXPECT_NE(said.find(messages::kAccessDenied), std::string::npos) << said;
    EXPECT_TRUE(keeping.on());
    EXPECT_EQ(store.bytes, SettingsText(Settings{})) << "the old file stays as it was";

    store.refuseWrites = false;
    keeping.Keep(Changed());
    EXPECT_EQ(store.bytes, SettingsText(Changed()));
}

TEST(SettingsKeeping, TheSwitchWritesTheSettingsNowOrDeletesTheFileAndStaysAsItWasOnFailure) {
    MemorySettingsFile store;
    SettingsKeeping keeping(store);
    keeping.Start();

    store.refuseWrites = true;
    EXPECT_NE(FailureOf(keeping, Changed(), true), "");
    EXPECT_FALSE(keeping.on());
    EXPECT_FALSE(store.bytes.has_value());

    store.refuseWrites = false;
    keeping.Switch(true, Changed());
    EXPECT_TRUE(keeping.on());
    EXPECT_EQ(store.bytes, SettingsText(Changed()));

    store.refuseRemoval = true;
    const std::string said = FailureOf(keeping, Changed(), true);
    EXPECT_NE(said.find(store.Where()), std::string::npos) << said;
    EXPECT_TRUE(keeping.on());

    store.refuseRemoval = false;
    keeping.Switch(false, Changed());
    EXPECT_FALSE(keeping.on());
    EXPECT_FALSE(store.bytes.has_value());
    keeping.Keep(Settings{});
    EXPECT_FALSE(store.bytes.has_value());
}

}  // namespace
}  // namespace tintwell::testing
