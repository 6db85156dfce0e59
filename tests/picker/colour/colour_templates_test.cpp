// The copy templates: every kind of field with and without a precision, braces, the
// lines that are malformed; and the file they are read from.
#include <gtest/gtest.h>

#include <string>

#include "colour_bytes.h"
#include "colour_templates.h"
#include "template_file.h"

namespace tintwell::testing {
namespace {

using namespace std::string_view_literals;

const ColorRef kColour = ColourOfRrggbb(0x1A2B3C);

std::string Expanded(std::string_view line, ColorRef colour = kColour) {
    const std::optional<std::string> text = ExpandTemplate(line, colour);
    return text ? *text : "(malformed)";
}

TEST(ColourTemplates, ChannelFields) {
    EXPECT_EQ(Expanded("{r} {g} {b}"), "26 43 60");
    EXPECT_EQ(Expanded("{r:X}{g:X}{b:X} {r:x}{g:x}{b:x}"), "1A2B3C 1a2b3c");
    EXPECT_EQ(Expanded("{r:f} {g:f} {b:f}"), "0.102 0.169 0.235");
    EXPECT_EQ(Expanded("{b:f0} {b:f1} {b:f6}"), "0 0.2 0.235294");
    EXPECT_EQ(Expanded("{r:f}", ColourOfRrggbb(0x000000)), "0.000");
    EXPECT_EQ(Expanded("{r:f2}", ColourOfRrggbb(0xFF0000)), "1.00");
    EXPECT_EQ(Expanded("{b:X}", ColourOfRrggbb(0x00000A)), "0A");
}

TEST(ColourTemplates, SpaceFieldsAsTheirFormatsWriteThem) {
    EXPECT_EQ(Expanded("{hsl.h} {hsl.s} {hsl.l}"), "210 40 17");
    EXPECT_EQ(Expanded("{hsv.h} {hsv.s} {hsv.v}"), "210 57 24");
    EXPECT_EQ(Expanded("{hwb.h} {hwb.w} {hwb.b}"), "210 10 76");
    EXPECT_EQ(Expanded("{cmyk.c} {cmyk.m} {cmyk.y} {cmyk.k}"), "57 28 0 76");
    EXPECT_EQ(Expanded("{lab.l} {lab.a} {lab.b}"), "16.68 -2.85 -13.25");
    EXPECT_EQ(Expanded("{lch.l} {lch.c} {lch.h}"), "16.68 13.55 257.85");
    EXPECT_EQ(Expanded("{oklab.l} {oklab.a} {oklab.b}"), "0.2826 -0.0137 -0.03633");
    EXPECT_EQ(Expanded("{oklch.l} {oklch.c} {oklch.h}"), "0.2826 0.03883 249.34");
    EXPECT_EQ(Expanded("lch({lch.l}% {lch.c} {lch.h})", ColourOfRrggbb(0x808080)),
              "lch(53.59% 0 none)");
    EXPECT_EQ(Expanded("{hsl.h}", ColourOfRrggbb(0x808080)), "0");
}

TEST(ColourTemplates, SpaceFieldsWithDecimals) {
    EXPECT_EQ(Expanded("{lab.l:3} {lab.a:0} {lab.b:6}"), "16.678 -3 -13.247490");
    EXPECT_EQ(Expanded("{hsv.s:2} {cmyk.c:1} {cmyk.y:2}"), "56.67 56.7 0.00");
    EXPECT_EQ(Expanded("{hsl.h:1} {oklch.h:0} {oklab.l:2}"), "210.0 249 0.28");
    EXPECT_EQ(Expanded("{oklch.h:4}", ColourOfRrggbb(0xFFFFFF)), "none");
    // 359.76 degrees: whole, it is a full turn, 0, as hsl() writes it.
    EXPECT_EQ(Expanded("{hsl.h} {hsl.h:0} {hsl.h:1}", ColourOfRrggbb(0xFF0001)), "0 0 359.8");
    // Rounding a value just below 0 never shows "-0".
    EXPECT_EQ(Expanded("{lab.a:0}", ColourOfRrggbb(0x808081)), "0");
}

TEST(ColourTemplates, BracesAndPlainText) {
    EXPECT_EQ(Expanded("{{r}}"), "{r}");
    EXPECT_EQ(Expanded("{{{r}}}"), "{26}");
    EXPECT_EQ(Expanded(".c {{ color: #{r:X}{g:X}{b:X}; }}"), ".c { color: #1A2B3C; }");
    EXPECT_EQ(Expanded("a } b"), "a } b");
    EXPECT_EQ(Expanded("日本語 {r}"), "日本語 26");
    EXPECT_EQ(Expanded(""), "");
}

TEST(ColourTemplates, MalformedLines) {
    for (const char *line :
         {"{x}",       "{}",         "{R}",       "{r:}",     "{r:y}",   "{r:f7}",
          "{r:f00}",   "{r:2}",      "{r:X:}",    "{ r}",     "{r",      "abc {g",
          "{hsl}",     "{hsl.}",     "{hsl.x}",   "{hsl.hh}", "{HSL.H}", "{lab.l:7}",
          "{lab.l:a}", "{lab.l:-1}", "{lab.l:f}", "{rgb.r}",  "{a}",     "{r{g}}"}) {
        EXPECT_FALSE(ExpandTemplate(line, kColour)) << line;
        EXPECT_FALSE(IsWellFormedTemplate(line)) << line;
    }
    EXPECT_TRUE(IsWellFormedTemplate("#{r:X}{g:X}{b:X}"));
    EXPECT_EQ(MalformedTemplateText("{x}"), "形式の誤り: {x}");
}

TEST(TemplateFile, LinesReadSkippedAndPassedOver) {
    const TemplateFile file = ReadTemplateFile(
        "\xEF\xBB\xBF// comment\r\n"
        "\r\n"
        "   // indented comment\r\n"
        "{r}, {g}, {b}\r\n"
        "  \t \n"
        "#{r:X}\r"
        "bad \xC3 utf-8\n"
        "nul \x00 inside\n"
        "{x}\n"
        "last"sv);
    EXPECT_EQ(file.templates, (std::vector<std::string>{"{r}, {g}, {b}", "#{r:X}", "{x}", "last"}));
    EXPECT_EQ(file.notText.count, 2u);
    EXPECT_EQ(file.notText.firstLines, (std::vector<size_t>{7, 8}));
    EXPECT_EQ(file.skipped, "UTF-8 の文字として読めない行を読み飛ばしました: 7, 8 行目");
}

TEST(TemplateFile, CharactersNotBytesAndAtMostThirtyTwo) {
    std::string text;
    text += std::string(200, 'a') + "\n";        // line 1: kept
    text += std::string(201, 'a') + "\n";        // line 2: too long
    for (int i = 0; i < 200; ++i) text += "あ";  // line 3: 200 characters, 600 bytes
    text += "\n";
    for (int i = 4; i <= 40; ++i) text += "{r} " + std::to_string(i) + "\n";
    const TemplateFile file = ReadTemplateFile(text);
    ASSERT_EQ(file.templates.size(), kMaxTemplates);
    EXPECT_EQ(file.templates[0].size(), 200u);
    EXPECT_EQ(file.templates[1].size(), 600u);
    EXPECT_EQ(file.templates[31], "{r} 33");
    EXPECT_EQ(file.tooLong.firstLines, (std::vector<size_t>{2}));
    EXPECT_EQ(file.beyondLimit.count, 7u);
    EXPECT_EQ(file.beyondLimit.firstLines, (std::vector<size_t>{34, 35, 36, 37, 38}));
    EXPECT_EQ(file.skipped,
              "200 文字を超える行を読み飛ばしました: 2 行目\n"
              "32 個を超えたテンプレートを読み飛ばしました: 34, 35, 36, 37, 38 行目 ほか 2 行");
}

TEST(TemplateFile, Utf16WithItsMark) {
    const std::u16string lines = u"// c\r\n{r}\u3042\r\n\xD800x\r\n😀";
    std::string little = "\xFF\xFE";
    std::string big = "\xFE\xFF";
    for (char16_t unit : lines) {
        little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        big += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    for (const std::string &bytes : {little, big}) {
        const TemplateFile file = ReadTemplateFile(bytes);
        EXPECT_EQ(file.templates, (std::vector<std::string>{"{r}あ", "😀"}));
        EXPECT_EQ(file.notText.firstLines, (std::vector<size_t>{3}));
    }
    const TemplateFile odd = ReadTemplateFile(little + "\x41");
    EXPECT_EQ(odd.notText.firstLines, (std::vector<size_t>{3, 4})) << "an odd byte at the end";
}

TEST(TemplateFile, DefaultFileHoldsOnlyCommentsAndItsExamplesWork) {
    const std::string text = DefaultTemplateFile();
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    const TemplateFile file = ReadTemplateFile(text);
    EXPECT_TRUE(file.templates.empty());
    EXPECT_TRUE(file.skipped.empty());

    std::string uncommented;
    for (const char *example : {"// Color.FromArgb({r}, {g}, {b})", "// 0xFF{r:X}{g:X}{b:X}",
                                "// vec3({r:f}, {g:f}, {b:f})"}) {
        ASSERT_NE(text.find(std::string(example) + "\r\n"), std::string::npos) << example;
        uncommented += std::string(example + 3) + "\r\n";
    }
    const TemplateFile examples = ReadTemplateFile(uncommented);
    ASSERT_EQ(examples.templates.size(), 3u);
    EXPECT_EQ(Expanded(examples.templates[0]), "Color.FromArgb(26, 43, 60)");
    EXPECT_EQ(Expanded(examples.templates[1]), "0xFF1A2B3C");
    EXPECT_EQ(Expanded(examples.templates[2]), "vec3(0.102, 0.169, 0.235)");
}

}  // namespace
}  // namespace tintwell::testing
