// The console picker's command line: what each command and option asks for, and every
// line it refuses, with a message that says what was wrong and how to call it.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "console_request.h"
#include "user_texts.h"

namespace tintwell {
namespace {

ConsoleRequest Read(std::vector<std::string> words) {
    const ConsoleArguments read = ReadConsoleArguments(words);
    EXPECT_TRUE(read.request.has_value()) << read.error;
    EXPECT_TRUE(read.error.empty());
    return read.request.value_or(ConsoleRequest{});
}

// The refusal's message, which names what was wrong and ends with how to call.
std::string Refusal(std::vector<std::string> words) {
    const ConsoleArguments read = ReadConsoleArguments(words);
    EXPECT_FALSE(read.request.has_value());
    const std::string hint = std::string("\n") + console_texts::kUsageHint;
    EXPECT_GE(read.error.size(), hint.size() + 1) << read.error;
    if (read.error.size() >= hint.size()) {
        EXPECT_EQ(read.error.substr(read.error.size() - hint.size()), hint);
    }
    return read.error;
}

TEST(ConsoleRequestTest, EachCommandWithItsDefaults) {
    const ConsoleRequest pick = Read({"pick"});
    EXPECT_EQ(pick.command, ConsoleCommand::Pick);
    EXPECT_EQ(pick.format, ColourFormat::HashHex);
    EXPECT_FALSE(pick.colourTemplate);
    EXPECT_EQ(pick.sample, SampleSize::OnePixel);
    EXPECT_FALSE(pick.withPoint);
    EXPECT_FALSE(pick.copy);
    EXPECT_TRUE(pick.newline);

    const ConsoleRequest at = Read({"at", "812", "440"});
    EXPECT_EQ(at.command, ConsoleCommand::At);
    EXPECT_EQ(at.x, 812);
    EXPECT_EQ(at.y, 440);
    // A monitor left of or above the primary one has negative coordinates.
    const ConsoleRequest left = Read({"AT", "-1920", "+7"});
    EXPECT_EQ(left.x, -1920);
    EXPECT_EQ(left.y, 7);
    const ConsoleRequest extremes = Read({"at", "-2147483648", "2147483647"});
    EXPECT_EQ(extremes.x, INT32_MIN);
    EXPECT_EQ(extremes.y, INT32_MAX);

    const ConsoleRequest convert = Read({"Convert", "#1A2B3C"});
    EXPECT_EQ(convert.command, ConsoleCommand::Convert);
    EXPECT_EQ(convert.text, "#1A2B3C");
    // cmd hands an unquoted rgb(26, 43, 60) over in three words.
    EXPECT_EQ(Read({"convert", "rgb(26,", "43,", "60)"}).text, "rgb(26, 43, 60)");
}

TEST(ConsoleRequestTest, OptionsGoAnywhereWithTheirValueAfterASpaceOrAnEqualsSign) {
    const ConsoleRequest before =
        Read({"--format", "OKLCH", "--sample=5", "--xy", "--copy", "--no-newline", "at", "1", "2"});
    EXPECT_EQ(before.command, ConsoleCommand::At);
    EXPECT_EQ(before.format, ColourFormat::Oklch);
    EXPECT_EQ(before.sample, SampleSize::FiveByFive);
    EXPECT_TRUE(before.withPoint);
    EXPECT_TRUE(before.copy);
    EXPECT_FALSE(before.newline);

    const ConsoleRequest after = Read({"pick", "--sample", "3", "--format=vb"});
    EXPECT_EQ(after.sample, SampleSize::ThreeByThree);
    EXPECT_EQ(after.format, ColourFormat::BasicLiteral);

    const ConsoleRequest templated = Read({"convert", "red", "--template", "{r:X}-{oklch.h}"});
    EXPECT_EQ(templated.colourTemplate.value_or(""), "{r:X}-{oklch.h}");
    // A value is taken as it stands, even one that looks like an option.
    EXPECT_EQ(Read({"pick", "--template", "--x: {r}"}).colourTemplate.value_or(""), "--x: {r}");
}

TEST(ConsoleRequestTest, EveryShortFormatNameNamesItsOwnFormat) {
    std::set<ColourFormat> named;
    for (const char *name : ConsoleFormatNames()) {
        const ConsoleRequest request = Read({"convert", "red", "--format", name});
        named.insert(request.format);
        EXPECT_EQ(ConsoleFormatOfName(name), request.format) << name;
    }
    EXPECT_EQ(named.size(), kAllColourFormatCount);
    EXPECT_EQ(ConsoleFormatOfName("rgb"), ColourFormat::Rgb);
    EXPECT_EQ(ConsoleFormatOfName("channels"), ColourFormat::Triple);
    EXPECT_EQ(ConsoleFormatOfName("colorref"), ColourFormat::Decimal);
    EXPECT_EQ(ConsoleFormatOfName("0X"), ColourFormat::ZeroXHex);
    EXPECT_FALSE(ConsoleFormatOfName("#RRGGBB"));
    EXPECT_FALSE(ConsoleFormatOfName("he"));
}

TEST(ConsoleRequestTest, HelpAndVersionAnswerWhateverElseTheLineHolds) {
    for (const char *help : {"--help", "-h", "-?", "/?"}) {
        EXPECT_EQ(Read({"at", "x", help, "--format", "nonsense"}).command, ConsoleCommand::Help)
            << help;
    }
    EXPECT_EQ(Read({"--bogus", "--version"}).command, ConsoleCommand::Version);
    // After "--" it is a colour text like any other.
    EXPECT_EQ(Read({"convert", "--", "--help"}).text, "--help");
}

TEST(ConsoleRequestTest, DoubleDashLetsAColourTextStartWithDashes) {
    const ConsoleRequest request = Read({"convert", "--format", "rgb", "--", "--brand:", "#123;"});
    EXPECT_EQ(request.text, "--brand: #123;");
    EXPECT_EQ(request.format, ColourFormat::Rgb);
    EXPECT_NE(Refusal({"convert", "--brand:", "#123"}).find("\"--brand:\""), std::string::npos);
}

TEST(ConsoleRequestTest, RefusesEveryMalformedLineSayingWhat) {
    EXPECT_NE(Refusal({}).find(console_texts::kNoCommand), std::string::npos);
    EXPECT_NE(Refusal({"--xy"}).find(console_texts::kNoCommand), std::string::npos);
    EXPECT_NE(Refusal({"peek"}).find("\"peek\""), std::string::npos);
    EXPECT_NE(Refusal({"pick", "now"}).find(console_texts::kPickTakesNoText), std::string::npos);

    for (const std::vector<std::string> &at : {std::vector<std::string>{"at"},
                                               {"at", "1"},
                                               {"at", "1", "2", "3"},
                                               {"at", "1.5", "2"},
                                               {"at", "12px", "2"},
                                               {"at", "", "2"},
                                               {"at", "-", "2"},
                                               {"at", "1", "2147483648"},
                                               {"at", "-2147483649", "1"},
                                               {"at", "0x10", "1"}}) {
        EXPECT_NE(Refusal(at).find(console_texts::kAtNeedsTwoNumbers), std::string::npos)
            << at.size();
    }

    EXPECT_NE(Refusal({"convert"}).find(console_texts::kConvertNeedsText), std::string::npos);
    EXPECT_NE(Refusal({"convert", "red", "--xy"}).find(console_texts::kPointOnlyForScreen),
              std::string::npos);

    EXPECT_NE(Refusal({"pick", "--format", "hexa"}).find("\"hexa\""), std::string::npos);
    EXPECT_NE(Refusal({"pick", "--format"}).find("--format"), std::string::npos);
    EXPECT_NE(Refusal({"pick", "--format", "rgb", "--format", "hex"}).find("--format"),
              std::string::npos);
    EXPECT_NE(Refusal({"pick", "--xy", "--xy"}).find("--xy"), std::string::npos);
    EXPECT_NE(Refusal({"pick", "--copy=yes"}).find("--copy"), std::string::npos);
    EXPECT_NE(Refusal({"pick", "--format", "rgb", "--template", "{r}"})
                  .find(console_texts::kFormatAndTemplate),
              std::string::npos);
    EXPECT_NE(Refusal({"pick", "--template", ""}).find(console_texts::kEmptyTemplate),
              std::string::npos);
    EXPECT_NE(Refusal({"pick", "--template", "{red}"}).find("{red}"), std::string::npos);
    EXPECT_NE(Refusal({"pick", "--template", "{r"}).find("{r"), std::string::npos);
    for (const char *sample : {"2", "0", "3x3", ""}) {
        EXPECT_NE(Refusal({"pick", "--sample", sample}).find(console_texts::kBadSample),
                  std::string::npos)
            << sample;
    }
    EXPECT_NE(Refusal({"pick", "--loupe"}).find("\"--loupe\""), std::string::npos);
}

}  // namespace
}  // namespace tintwell
