#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pick_format.h"
#include "run_value.h"
#include "start_arguments.h"
#include "template_file.h"

namespace tintwell::testing {
namespace {

TEST(RunValue, QuotesTheFullPathAndAsksForTheTray) {
    EXPECT_EQ(RunValueText(u"C:\\Program Files\\Tintwell\\tintwell.exe"),
              u"\"C:\\Program Files\\Tintwell\\tintwell.exe\" /tray");
    EXPECT_EQ(RunValueText(u"\\\\server\\share\\色\\tintwell.exe"),
              u"\"\\\\server\\share\\色\\tintwell.exe\" /tray");
}

TEST(RunValue, RefusesPathsThatWouldStartSomethingElse) {
    for (const char16_t *path :
         {u"", u"tintwell.exe", u"C:tintwell.exe", u"\\tintwell.exe", u"C:\\a\" C:\\evil.exe",
          u"C:\\a\\tintwell.exe\"", u"C:\\a|b\\tintwell.exe", u"C:\\a\\tintwell.exe:stream",
          u"\\\\?\\C:\\a\\tintwell.exe", u"C:\\a\\", u"C:\\a\\tintwell.exe ",
          u"C:\\a\\tint\nwell.exe", u"C:\\a\\tintwell."}) {
        const std::u16string text = path;
        EXPECT_FALSE(RunValueText(text).has_value()) << std::string(text.begin(), text.end());
    }
}

TEST(RunValue, IsOursOnlyForThisPath) {
    const std::u16string path = u"C:\\Tools\\Tintwell\\tintwell.exe";
    EXPECT_TRUE(IsRunValueFor(u"\"c:\\tools\\TINTWELL\\tintwell.exe\" /tray", path));
    EXPECT_FALSE(IsRunValueFor(u"\"D:\\Tintwell\\tintwell.exe\" /tray", path));
    EXPECT_FALSE(IsRunValueFor(u"\"C:\\Tools\\Tintwell\\tintwell.exe\"", path));
    EXPECT_FALSE(IsRunValueFor(u"\"C:\\a\" x /tray", u"C:\\a\" x"));
}

TEST(StartArguments, TrayEitherWayInAnyCaseOthersIgnored) {
    using Arguments = std::vector<std::u16string>;
    for (const Arguments &arguments :
         {Arguments{u"/tray"}, Arguments{u"-TRAY"}, Arguments{u"--unknown", u"/Tray", u"x"}}) {
        EXPECT_TRUE(ReadStartArguments(arguments).tray);
    }
    for (const Arguments &arguments : {Arguments{}, Arguments{u"tray"}, Arguments{u"/trays"},
                                       Arguments{u"--tray"}, Arguments{u"/tray=1"}}) {
        EXPECT_FALSE(ReadStartArguments(arguments).tray);
    }
    // The installer's call at uninstall, told apart from a tray start.
    for (const Arguments &arguments :
         {Arguments{u"/forget-start"}, Arguments{u"-Forget-Start"}, Arguments{u"x", u"/FORGET-START"}}) {
        EXPECT_TRUE(ReadStartArguments(arguments).forgetStart);
        EXPECT_FALSE(ReadStartArguments(arguments).tray);
    }
    for (const Arguments &arguments : {Arguments{u"/tray"}, Arguments{u"/forget"},
                                       Arguments{u"forget-start"}, Arguments{u"/forget-starts"}}) {
        EXPECT_FALSE(ReadStartArguments(arguments).forgetStart);
    }

    Settings settings;
    EXPECT_FALSE(StartsHidden(StartOptions{true}, settings)) << "neither window nor icon";
    settings.resident = true;
    EXPECT_TRUE(StartsHidden(StartOptions{true}, settings));
    EXPECT_FALSE(StartsHidden(StartOptions{false}, settings));
}

TEST(PickFormat, AKeyFindsItsFormatWhereverTheListPutsIt) {
    std::vector<std::string> keys(BuiltInFormatKeys().begin(), BuiltInFormatKeys().end());
    for (const std::string &key : keys) EXPECT_TRUE(IsValidPickFormatKey(key)) << key;
    keys.insert(keys.begin() + 2, "私の形式");
    EXPECT_EQ(PickFormatIndex(keys, "私の形式"), 2u);
    EXPECT_EQ(keys[PickFormatIndex(keys, "COLORREF")], "COLORREF");
    EXPECT_EQ(keys[PickFormatIndex(keys, "gone")], kDefaultPickFormatKey);
    EXPECT_EQ(PickFormatIndex({"a", "b"}, "gone"), 0u);
}

TEST(PickFormat, KeysAreOneLineOfWellFormedText) {
    EXPECT_TRUE(IsValidPickFormatKey("私の形式 = #rrggbb;"));
    // Whatever the templates file can give is a key: the longest template, one of
    // four-byte characters, one with spaces at its ends.
    EXPECT_TRUE(IsValidPickFormatKey(std::string(kMaxTemplateCharacters, 'x')));
    std::string wide;
    for (size_t i = 0; i < kMaxTemplateCharacters; ++i) wide += "\xF0\x9F\x8E\xA8";
    EXPECT_TRUE(IsValidPickFormatKey(wide));
    EXPECT_TRUE(IsValidPickFormatKey(" {r} {g} "));
    for (const std::string &key :
         {std::string(), std::string(kMaxTemplateCharacters + 1, 'x'),
          std::string(kMaxPickFormatKeyBytes + 1, 'x'), std::string("a\tb"), std::string("a\x7F"),
          std::string("\xC2\x85"), std::string("\xC0\xAF"), std::string("\xED\xA0\x80"),
          std::string("\xF4\x90\x80\x80"), std::string("\xE7\xA7"), std::string("a\0b", 3)}) {
        EXPECT_FALSE(IsValidPickFormatKey(key)) << key;
    }
}

}  // namespace
}  // namespace tintwell::testing
