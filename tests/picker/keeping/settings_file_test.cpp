#include <gtest/gtest.h>

#include <string>

#include "settings_file.h"
#include "template_file.h"

namespace tintwell::testing {
namespace {

// Every field away from its default, the format a user template's Japanese name.
Settings ChangedSettings() {
    Settings settings;
    settings.hotkeyEnabled = true;
    settings.hotkey = HotkeyCombo{kModControl | kModAlt, 'K'};
    settings.pickFormat = "私の形式 = #rrggbb;";
    settings.resident = true;
    settings.startWithWindows = true;
    settings.loupe = true;
    settings.sampleSize = SampleSize::FiveByFive;
    return settings;
}

TEST(SettingsFile, DefaultsAreWrittenAsLinesAUserCanRead) {
    EXPECT_EQ(SettingsText(Settings{}),
              "hotkey_enabled=off\r\n"
              "hotkey=Win+Shift+C\r\n"
              "pick_format=#RRGGBB\r\n"
              "resident=off\r\n"
              "start_with_windows=off\r\n"
              "loupe=off\r\n"
              "sample_size=1x1\r\n");
    const SettingsReading empty = ReadSettings("");
    EXPECT_EQ(empty.settings, Settings{});
    EXPECT_FALSE(empty.unreadable);
}

TEST(SettingsFile, WhatIsWrittenReadsBackExactly) {
    for (SampleSize size : {SampleSize::OnePixel, SampleSize::ThreeByThree}) {
        Settings settings = ChangedSettings();
        settings.sampleSize = size;
        const std::string text = SettingsText(settings);
        const SettingsReading reading = ReadSettings(text);
        EXPECT_EQ(reading.settings, settings) << text;
        EXPECT_FALSE(reading.unreadable);
        EXPECT_EQ(SettingsText(reading.settings), text);
    }
    EXPECT_EQ(ReadSettings(SettingsText(ChangedSettings())).settings, ChangedSettings());

    // Any template the templates file gives: the longest, spaces at its ends, quotes.
    for (const std::string &key :
         {std::string(kMaxTemplateCharacters, 'x'), std::string("  {r}, {g}, {b} "),
          std::string("\"#{rr}{gg}{bb}\""), std::string("\"a")}) {
        Settings settings = ChangedSettings();
        settings.pickFormat = key;
        EXPECT_EQ(ReadSettings(SettingsText(settings)).settings.pickFormat, key);
        EXPECT_FALSE(ReadSettings(SettingsText(settings)).unreadable) << key;
    }
}

TEST(SettingsFile, ReadsWhatAnEditorMayMakeOfIt) {
    const SettingsReading reading = ReadSettings(
        "\xEF\xBB\xBF; Tintwell\n"
        "# picked from anywhere\n"
        "\n"
        "  HOTKEY_ENABLED = Yes \r\n"
        "hotkey=alt + ctrl + k\n"
        "pick_format =\t私の形式 = #rrggbb;\n"
        "resident=TRUE\n"
        "start_with_windows=1\n"
        "Loupe=On\n"
        "sample_size=5");
    EXPECT_EQ(reading.settings, ChangedSettings());
    EXPECT_FALSE(reading.unreadable);
}

TEST(SettingsFile, WhatCannotBeReadLeavesItsDefaultAndIsReported) {
    const std::string damaged[] = {
        "[Tintwell]",
        "loupe",
        "colour=#123456",
        "loupe=maybe",
        "hotkey=Ctrl+C",
        "hotkey=Win+Shift+",
        "sample_size=4x4",
        "pick_format=",
        "pick_format=\x01#RRGGBB",
        "pick_format=\xE7\xA7",
        "pick_format=" + std::string(kMaxPickFormatKeyBytes + 1, 'x'),
    };
    const std::string good = "resident=on\r\n";
    for (const std::string &line : damaged) {
        const SettingsReading reading = ReadSettings(good + line + "\r\n" + good);
        EXPECT_TRUE(reading.unreadable) << line;
        Settings expected;
        expected.resident = true;
        EXPECT_EQ(reading.settings, expected) << line;
    }
    const SettingsReading nul = ReadSettings(std::string("loupe=on\0\r\n", 11));
    EXPECT_TRUE(nul.unreadable);
    EXPECT_FALSE(nul.settings.loupe);

    // A key given twice counts as its last readable line.
    const SettingsReading twice =
        ReadSettings("loupe=on\nloupe=off\nsample_size=3\nsample_size=9\n");
    EXPECT_FALSE(twice.settings.loupe);
    EXPECT_EQ(twice.settings.sampleSize, SampleSize::ThreeByThree);
    EXPECT_TRUE(twice.unreadable);
}

TEST(SettingsFile, ACutFileGivesEachSettingOrItsDefault) {
    const Settings full = ChangedSettings();
    const Settings defaults;
    const std::string text = SettingsText(full);
    for (size_t length = 0; length <= text.size(); ++length) {
        const Settings read = ReadSettings(text.substr(0, length)).settings;
        SCOPED_TRACE(text.substr(0, length));
        EXPECT_TRUE(read.hotkeyEnabled == full.hotkeyEnabled ||
                    read.hotkeyEnabled == defaults.hotkeyEnabled);
        EXPECT_TRUE(read.hotkey == full.hotkey || read.hotkey == defaults.hotkey);
        EXPECT_TRUE(read.sampleSize == full.sampleSize || read.sampleSize == defaults.sampleSize);
        // A key cut between characters still names something; cut inside one, nothing.
        EXPECT_TRUE(read.pickFormat == defaults.pickFormat ||
                    full.pickFormat.compare(0, read.pickFormat.size(), read.pickFormat) == 0);
        EXPECT_TRUE(IsValidPickFormatKey(read.pickFormat));
        EXPECT_EQ(SettingsText(ReadSettings(SettingsText(read)).settings), SettingsText(read));
    }
}

TEST(SettingsFile, FieldsOutOfRangeAreWrittenAsTheirDefaults) {
    Settings broken = ChangedSettings();
    broken.hotkey = HotkeyCombo{0, 'C'};
    broken.pickFormat = "\x01control";
    broken.sampleSize = static_cast<SampleSize>(7);
    const SettingsReading reading = ReadSettings(SettingsText(broken));
    EXPECT_FALSE(reading.unreadable);
    EXPECT_EQ(reading.settings.hotkey, kDefaultHotkey);
    EXPECT_EQ(reading.settings.pickFormat, kDefaultPickFormatKey);
    EXPECT_EQ(reading.settings.sampleSize, SampleSize::OnePixel);
    EXPECT_TRUE(reading.settings.loupe);
}

}  // namespace
}  // namespace tintwell::testing
