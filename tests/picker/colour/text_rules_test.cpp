#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "form_controls.h"
#include "picker_state.h"
#include "rounding.h"
#include "text_encoding.h"

namespace tintwell {
namespace {

TEST(TextRules, HexTextPadsAndKeepsTheLowSixDigitsBlueFirst) {
    EXPECT_EQ(HexTextRule(0x0u), "000000");
    EXPECT_EQ(HexTextRule(0xFFu), "0000FF");
    EXPECT_EQ(HexTextRule(0xFFFFu), "00FFFF");
    EXPECT_EQ(HexTextRule(0xFFFFFFu), "FFFFFF");
    EXPECT_EQ(HexTextRule(PackColour(0x1A, 0x2B, 0x3C)), "3C2B1A");
    EXPECT_EQ(HexTextRule(0xAB3C2B1Au), "3C2B1A");
    EXPECT_EQ(HexTextRule(0xFFFFFFFFu), "FFFFFF");
    EXPECT_EQ(HexTextRule(0x00abcdefu), "ABCDEF");
}

TEST(TextRules, DisplayReordersPairsWithoutReversingDigits) {
    EXPECT_EQ(DisplayRule("0000FF"), u"#FF0000");
    EXPECT_EQ(DisplayRule("ABCDEF"), u"#EFCDAB");
    EXPECT_EQ(DisplayRule("3C2B1A"), u"#1A2B3C");
    EXPECT_EQ(DisplayRule("000000"), u"#000000");
    EXPECT_THROW(DisplayRule(""), PickerError);
    EXPECT_THROW(DisplayRule("ABCDEF0"), PickerError);
}

TEST(TextRules, ChannelRuleReadsPairsBack) {
    const Channels c = ChannelRule("3C2B1A");
    EXPECT_EQ(c.red, 0x1A);
    EXPECT_EQ(c.green, 0x2B);
    EXPECT_EQ(c.blue, 0x3C);
    EXPECT_EQ(ChannelRule("0000FF").red, 255);
    EXPECT_EQ(ChannelRule("0000ff").red, 255);
    EXPECT_THROW(ChannelRule("12345"), PickerError);
    EXPECT_THROW(ChannelRule("12G456"), PickerError);
    EXPECT_THROW(ChannelRule("12 456"), PickerError);
}

TEST(TextRules, HexThenChannelRuleRoundTripsAndDisplayShowsRedFirst) {
    const char *digits = "0123456789ABCDEF";
    for (int32_t red = 0; red < 256; red += 3) {
        for (int32_t green = 0; green < 256; green += 5) {
            for (int32_t blue = 0; blue < 256; blue += 7) {
                const std::string hex = HexTextRule(PackColour(red, green, blue));
                const Channels c = ChannelRule(hex);
                ASSERT_EQ(c.red, red);
                ASSERT_EQ(c.green, green);
                ASSERT_EQ(c.blue, blue);
                const std::u16string shown = DisplayRule(hex);
                ASSERT_EQ(shown[1], digits[red >> 4]);
                ASSERT_EQ(shown[4], digits[green & 15]);
                ASSERT_EQ(shown[6], digits[blue & 15]);
            }
        }
    }
}

TEST(Rounding, NearestWithHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(42.5), 42);
    EXPECT_EQ(RoundHalfEven(43.5), 44);
    EXPECT_EQ(RoundHalfEven(127.5), 128);
    EXPECT_EQ(RoundHalfEven(212.5), 212);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
    EXPECT_EQ(RoundHalfEven(10.4999), 10);
    EXPECT_EQ(RoundHalfEven(254.51), 255);
    EXPECT_EQ(RoundHalfEven(2147483647.0), 2147483647);
    EXPECT_THROW(RoundHalfEven(2147483647.5), PickerError);
    EXPECT_THROW(RoundHalfEven(std::nan("")), PickerError);
    EXPECT_THROW(RoundHalfEven(-1e300), PickerError);
}

TEST(Rounding, ClampSendsNanAndNegativesToZeroAndCapsAt255) {
    EXPECT_EQ(ClampToTable(-20.0f), 0.0f);
    EXPECT_EQ(ClampToTable(300.0f), 255.0f);
    EXPECT_EQ(ClampToTable(std::numeric_limits<float>::quiet_NaN()), 0.0f);
    EXPECT_EQ(ClampToTable(-std::numeric_limits<float>::infinity()), 0.0f);
    EXPECT_EQ(ClampToTable(std::numeric_limits<float>::infinity()), 255.0f);
    EXPECT_EQ(ClampToTable(254.75f), 254.75f);
}

TEST(TextEncoding, Utf8BecomesUtf16AndBrokenBytesAreReplaced) {
    EXPECT_EQ(Utf8ToUtf16("dyeplate.dll"), u"dyeplate.dll");
    EXPECT_EQ(Utf8ToUtf16("最前面"), u"最前面");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x8E\xA8"), u"\U0001F3A8");
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE6\x9C"), u"\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");
}

TEST(TextEncoding, OverlongSequencesOfEveryLengthAreReplaced) {
    // "/" and U+07FF written in more bytes than they need: never the character itself.
    EXPECT_EQ(Utf8ToUtf16("\xE0\x80\xAF"), u"\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xE0\x9F\xBF"), u"\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x80\x80\xAF"), u"\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x8F\xBF\xBF"), u"\uFFFD") << "U+FFFF in four bytes";
    // The shortest forms at each length's lower bound still decode.
    EXPECT_EQ(Utf8ToUtf16("\xE0\xA0\x80"), u"\u0800");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x90\x80\x80"), u"\U00010000");
}

}  // namespace
}  // namespace tintwell
