// What the console picker writes: a format's or a template's text, the point after it
// for --xy, the Windows line end unless --no-newline, and convert's reading of a text.
#include <string>

#include <gtest/gtest.h>

#include "console_answer.h"
#include "user_texts.h"

namespace tintwell {
namespace {

constexpr ColorRef kSlate = 0x3C2B1A;  // #1A2B3C

ConsoleRequest WithFormat(ColourFormat format) {
    ConsoleRequest request;
    request.format = format;
    return request;
}

TEST(ConsoleAnswerTest, TheColourInTheAskedFormatOrTemplate) {
    EXPECT_EQ(ConsoleColourText(ConsoleRequest{}, kSlate), "#1A2B3C");
    EXPECT_EQ(ConsoleColourText(WithFormat(ColourFormat::Rgb), kSlate), "rgb(26, 43, 60)");
    EXPECT_EQ(ConsoleColourText(WithFormat(ColourFormat::BasicLiteral), 0xFF000000u | kSlate),
              "&H3C2B1A&");
    EXPECT_EQ(ConsoleColourText(WithFormat(ColourFormat::Oklch), kSlate),
              "oklch(0.2826 0.03883 249.34)");
    ConsoleRequest templated;
    templated.colourTemplate = "Color.FromArgb({r}, {g}, {b}) /* {r:x}{g:x}{b:x} */";
    EXPECT_EQ(ConsoleColourText(templated, kSlate), "Color.FromArgb(26, 43, 60) /* 1a2b3c */");
    templated.colourTemplate = "色 {hsl.h}°";
    EXPECT_EQ(ConsoleColourText(templated, kSlate), "色 210°");
}

TEST(ConsoleAnswerTest, TheLineHasThePointOnlyWhenAskedAndEndsAsAsked) {
    ConsoleRequest request;
    const ScreenPoint point{812, -440};
    EXPECT_EQ(ConsoleLine(request, "#1A2B3C", point), "#1A2B3C\r\n");
    request.withPoint = true;
    EXPECT_EQ(ConsoleLine(request, "#1A2B3C", point), "#1A2B3C 812 -440\r\n");
    request.newline = false;
    EXPECT_EQ(ConsoleLine(request, "rgb(26, 43, 60)", point), "rgb(26, 43, 60) 812 -440");
    // convert has no point to write.
    EXPECT_EQ(ConsoleLine(request, "#1A2B3C", std::nullopt), "#1A2B3C");
}

TEST(ConsoleAnswerTest, ConvertReadsAnyColourTextAndNamesOneItCannot) {
    const ConsoleConversion hex = ConvertConsoleText("  --brand: #1a2b3c;");
    EXPECT_EQ(hex.colour, kSlate);
    EXPECT_TRUE(hex.note.empty());
    EXPECT_TRUE(hex.error.empty());
    EXPECT_EQ(ConvertConsoleText("rebeccapurple").colour, ColorRef{0x993366});
    EXPECT_EQ(ConvertConsoleText("ｒｇｂ（２６，４３，６０）").colour, kSlate);

    const ConsoleConversion wide = ConvertConsoleText("color(display-p3 1 0 0)");
    ASSERT_TRUE(wide.colour);
    EXPECT_EQ(wide.note, messages::kMappedIntoSrgb);

    const ConsoleConversion none = ConvertConsoleText("tomatoes\x01");
    EXPECT_FALSE(none.colour);
    EXPECT_EQ(none.error, "色として読めません: 「tomatoes 」");
    EXPECT_FALSE(ConvertConsoleText("").colour);
    EXPECT_FALSE(ConvertConsoleText("\xC3(").colour);
}

}  // namespace
}  // namespace tintwell
