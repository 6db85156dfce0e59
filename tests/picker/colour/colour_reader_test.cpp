// The colour reader on every form the copy menu writes, on CSS's own valid and
// invalid examples (web-platform-tests, css/css-color/parsing), on the gamut
// mapping's published results (color.js's CSS algorithm tests) and on the limits of
// what it takes.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "colour_bytes.h"
#include "colour_description.h"
#include "colour_reader.h"

namespace tintwell::testing {
namespace {

constexpr uint32_t kNothing = 0xFFFFFFFFu;

// The colour read, as 0xRRGGBB for legible expectations, or kNothing.
uint32_t Read(std::string_view text) {
    const std::optional<FittedColour> read = ReadColourText(text);
    return read ? ColourOfRrggbb(read->colour) : kNothing;
}

bool Mapped(std::string_view text) {
    const std::optional<FittedColour> read = ReadColourText(text);
    return read && read->mapped;
}

struct Case {
    const char *text;
    uint32_t rgb;
};

void ExpectReads(std::initializer_list<Case> cases) {
    for (const Case &c : cases) EXPECT_EQ(Read(c.text), c.rgb) << c.text;
}

TEST(ColourReader, HexAndColorrefForms) {
    ExpectReads({
        {"#123456", 0x123456},   {"#abc", 0xAABBCC},       {"#ABCD", 0xAABBCC},
        {"#12345678", 0x123456}, {"123456", 0x123456},     {"1a2B3c", 0x1A2B3C},
        {"0x123456", 0x123456},  {"0X12ab56", 0x12AB56},   {"&H563412&", 0x123456},
        {"&h1&", 0x010000},      {"&H0&", 0x000000},       {"3943194", 0x1A2B3C},
        {"0", 0x000000},         {"16777215", 0xFFFFFF},   {"255", 0xFF0000},
        {"00255", 0xFF0000},     {"18, 52, 86", 0x123456}, {"18,52,86", 0x123456},
        {"18 52 86", 0x123456},  {"0, 0, 255", 0x0000FF},
    });
    for (const char *text : {"#12", "#12345", "#1234567", "#123456789", "#12345g", "16777216",
                             "0x12345", "0x1234567", "&H&", "&H1234567&", "&H12", "18, 52",
                             "18, 52, 256", "18, 52 86", "1.5, 2, 3", "-1", "0x", "#"})
        EXPECT_EQ(Read(text), kNothing) << text;
}

TEST(ColourReader, AroundTheColourCaseSpacesDeclarationsAndWideForms) {
    ExpectReads({
        {"  #1A2B3C  ", 0x1A2B3C},
        {"#1a2b3c;", 0x1A2B3C},
        {"\t\r\nRGB(26, 43, 60) ;\r\n", 0x1A2B3C},
        {"--brand: #1A2B3C;", 0x1A2B3C},
        {"color: rgb(26 43 60)", 0x1A2B3C},
        {"background-color:HSL(210, 40%, 17%) !important;", 0x1A2B3D},
        {"--accent-2 : red", 0xFF0000},
        {"\"#1A2B3C\"", 0x1A2B3C},
        {"'rebeccapurple'", 0x663399},
        {"ＲＧＢ（２６，　４３，　６０）", 0x1A2B3C},  // as a Japanese input method types it
        {"＃１Ａ２Ｂ３Ｃ", 0x1A2B3C},
        {"\xEF\xBB\xBF#1A2B3C", 0x1A2B3C},  // a byte-order mark before it
        {"rgb(26 43 60", 0x1A2B3C},         // closed by the end, as CSS closes it
        {"rgb(/* a comment */26 43 60)", 0x1A2B3C},
        {"rgb(1+2+3)", 0x010203},  // three numbers, as CSS's tokens make them
    });
    for (const char *text : {"", "   ", ";", "color:", "1: #1A2B3C", "#1A2B3C;;", "rgb(26 43 60) x",
                             "rgb(26 43 60))", "\"#1A2B3C'", "#1A2B3C !importan"})
        EXPECT_EQ(Read(text), kNothing) << text;
}

TEST(ColourReader, TheMenusSevenNewFormatsWithOtherSpacing) {
    ExpectReads({
        {"hsv(210, 57%, 24%)", 0x1A2C3D},
        {"HSV(210 57% 24%)", 0x1A2C3D},
        {"hwb(210 10% 76%)", 0x1A2B3D},
        {"cmyk(57%, 28%, 0%, 76%)", 0x1A2C3D},
        {"cmyk(57% 28% 0% 76%)", 0x1A2C3D},
        {"lab(16.68 -2.85 -13.25)", 0x1A2B3C},
        {"lch(16.68 13.55 257.85)", 0x1A2B3C},
        {"oklab(0.2826 -0.0137 -0.03633)", 0x1A2B3C},
        {"oklch(0.2826 0.03883 249.34)", 0x1A2B3C},
        {"lch(53.59 0 none)", 0x808080},
        {"oklch(0.5999 0 none)", 0x808080},
    });
    for (const char *text : {"cmyk(57, 28, 0, 76)", "cmyk(57%, 28%, 0%)", "cmyk(1% 2% 3% 4% / 1)",
                             "hsv(210, 57, 24)", "hsl(210, 40, 17)"})
        EXPECT_EQ(Read(text), kNothing) << text;
}

// Published conversions: MDN's lab() examples as colord's tests give them, color.js's
// P3 to sRGB, CSS's hsl() and hwb() roundings (a channel of exactly x.5 goes up).
TEST(ColourReader, CssFunctionsToTheirPublishedColours) {
    ExpectReads({
        {"lab(29.2345% 39.3825 20.0664)", 0x7D2329},
        {"lab(67.5345% -8.6911 -41.6019)", 0x62ACEF},
        {"lab(52.2345% 40.1645 59.9971 / .5)", 0xC65D06},
        {"color(display-p3 0.238 0.532 0.611)", 0x058A9E},
        {"color(display-p3 0.47 0.47 0.47)", 0x787878},
        {"color(srgb-linear 1 0 0)", 0xFF0000},
        {"color(xyz-d65 0.9504559270516717 1 1.0890577507598784)", 0xFFFFFF},
        {"color(xyz 0.9504559270516717 1 1.0890577507598784)", 0xFFFFFF},
        {"color(xyz-d50 0.9642956764295677 1 0.8251046025104602)", 0xFFFFFF},
        {"color(a98-rgb 1 1 1)", 0xFFFFFF},
        {"color(prophoto-rgb 1 1 1)", 0xFFFFFF},
        {"color(rec2020 1 1 1)", 0xFFFFFF},
        {"hsl(10 100% 50%)", 0xFF2B00},
        {"hsl(0 0% 49.99999%)", 0x7F7F7F},
        {"hwb(320deg 30% 40%)", 0x994D80},
        {"hwb(0deg 10% 50%)", 0x801A1A},
        {"hwb(120deg 10% 50%)", 0x1A801A},
        {"hwb(0 20% 100%)", 0x2B2B2B},
        {"hwb(90 30% 5%)", 0x9FF24D},
        {"hwb(-270 30% 5%)", 0x9FF24D},
        {"hsl(0.5turn 100% 50%)", 0x00FFFF},
        {"hsl(200grad 100% 50%)", 0x00FFFF},
        {"hsl(3.14159265358979rad 100% 50%)", 0x00FFFF},
        {"hsl(540DEG 100% 50%)", 0x00FFFF},
        {"rgb(2.55e2, 0e0, 1.53e2)", 0xFF0099},
        {"rgb(26.5 43.49 59.5)", 0x1B2B3C},
    });
}

// css/css-color/parsing/color-valid-*.html: each text with the colour it computes
// to, or with its serialisation, which must read as the same colour.
TEST(ColourReader, WebPlatformTestsValidColours) {
    ExpectReads({
        {"rgb(none none none)", 0x000000},
        {"rgb(none none none / none)", 0x000000},
        {"rgb(128 none none)", 0x800000},
        {"rgb(20% none none)", 0x330000},
        {"rgb(none none none / 50%)", 0x000000},
        {"rgba(128 none none / none)", 0x800000},
        {"rgb(-2 3 4)", 0x000304},
        {"rgb(-20% 20% 40%)", 0x003366},
        {"rgb(257 30 40)", 0xFF1E28},
        {"rgb(250% 20% 40%)", 0xFF3366},
        {"rgba(-2 3 4 / .5)", 0x000304},
        {"rgba(257 30 40 / 50%)", 0xFF1E28},
        {"hsl(120 30% 50%)", 0x59A659},
        {"hsl(120 30% 50% / 0.5)", 0x59A659},
        {"hsl(none none none)", 0x000000},
        {"hsla(0 0% 0% / 0)", 0x000000},
        {"hsl(120 none none)", 0x000000},
        {"hsl(120 80% none)", 0x000000},
        {"hsl(120 none 50%)", 0x808080},
        {"hsl(120 100% 50% / none)", 0x00FF00},
        {"hsl(none 100% 50%)", 0xFF0000},
        {"hsl(120 30 50)", 0x59A659},
        {"hsl(120 30% 50 / 0.5)", 0x59A659},
        {"hsl(120 30 50% / 0.5)", 0x59A659},
        {"hsl(0 -50% 40%)", 0x666666},
        {"hsl(30 -50 60)", 0x999999},
        {"hwb(120 30% 50%)", 0x4D804D},
        {"hwb(none none none)", 0xFF0000},
        {"hwb(120 none none)", 0x00FF00},
        {"hwb(120 80% 0%)", 0xCCFFCC},
        {"hwb(120 0% 50%)", 0x008000},
        {"hwb(0 100% 50% / 0)", 0xAAAAAA},
        {"hwb(120 30 50 / 0.5)", 0x4D804D},
        {"hwb(120 30% 50 / 0.5)", 0x4D804D},
    });
    const std::pair<const char *, const char *> same[] = {
        {"lab(0 0 0 / 0.5)", "lab(0 0 0)"},
        {"lab(20 0 10/0.5)", "lab(20 0 10)"},
        {"lab(400 0 10/50%)", "lab(100 0 10)"},
        {"lab(-40 0 0)", "lab(0 0 0)"},
        {"lab(none none none / none)", "lab(0 0 0)"},
        {"lab(20 none none / none)", "lab(20 0 0)"},
        {"lab(50% 100% -100%)", "lab(50 125 -125)"},
        {"oklab(0.2 0 0.1/50%)", "oklab(0.2 0 0.1)"},
        {"oklab(4 0 0.1/50%)", "oklab(1 0 0.1)"},
        {"oklab(-0.4 0 0)", "oklab(0 0 0)"},
        {"oklab(50% 100% -50%)", "oklab(0.5 0.4 -0.2)"},
        {"lch(20 50 20deg/0.5)", "lch(20 50 20)"},
        {"lch(10 20 1.28rad)", "lch(10 20 73.3386)"},
        {"lch(10 20 380deg)", "lch(10 20 20)"},
        {"lch(10 20 -340deg)", "lch(10 20 20)"},
        {"lch(10 20 740deg)", "lch(10 20 20)"},
        {"lch(10 20 -700)", "lch(10 20 20)"},
        {"lch(-40 0 0)", "lch(0 0 0)"},
        {"lch(20 -20 0)", "lch(20 0 0)"},
        {"lch(10 20 20deg / 110%)", "lch(10 20 20)"},
        {"lch(50% 100% 120)", "lch(50 150 120)"},
        {"oklch(0.2 0.5 20deg/50%)", "oklch(0.2 0.5 20)"},
        {"oklch(0.1 0.2 1.28rad)", "oklch(0.1 0.2 73.3386)"},
        {"oklch(0.1 0.2 -700deg)", "oklch(0.1 0.2 20)"},
        {"oklch(-4 0 0)", "oklch(0 0 0)"},
        {"oklch(0.2 -0.2 0)", "oklch(0.2 0 0)"},
        {"oklch(50% 50% 120)", "oklch(0.5 0.2 120)"},
        {"color(srgb 0% 0% 0%)", "color(srgb 0 0 0)"},
        {"color(srgb 10% 10% 10%)", "color(srgb 0.1 0.1 0.1)"},
        {"color(srgb .2 .2 25%)", "color(srgb 0.2 0.2 0.25)"},
        {"color(srgb 100% none 0.2 / 23.7%)", "color(srgb 1 0 0.2)"},
        {"color(display-p3 100% 50% 20%)", "color(display-p3 1 0.5 0.2)"},
        {"color(display-p3 1.00 none 0.2 / none)", "color(display-p3 1 0 0.2)"},
        {"color(srgb-linear 10% 10% 10%)", "color(srgb-linear 0.1 0.1 0.1)"},
        {"color(rec2020 100% none 20%)", "color(rec2020 1 0 0.2)"},
        {"color(xyz .20 0 10/50%)", "color(xyz-d65 0.2 0 10)"},
        {"color(xyz-d50 0.1 0.1 0.1 / 300%)", "color(xyz-d50 0.1 0.1 0.1)"},
        {"color(xyz 10% 20% 30%)", "color(xyz 0.1 0.2 0.3)"},
    };
    for (const auto &[text, serialised] : same) {
        EXPECT_NE(Read(text), kNothing) << text;
        EXPECT_EQ(Read(text), Read(serialised)) << text << " and " << serialised;
    }
}

// css/css-color/parsing/color-invalid*.html. Two of its texts are colours here: a
// bare whole number is a COLORREF ("123", "4"), and color(xyz 0% 0 0) is valid in
// the current CSS Color 4, which gave xyz percentages.
TEST(ColourReader, WebPlatformTestsInvalidColours) {
    std::vector<std::string> invalid = {
        "auto",
        "#12",
        "#123456789",
        "rgb",
        "rgb(1)",
        "rgb(1,2,3,4,5)",
        "hsla(1,2,3,4,5)",
        "rgb(10%, 20, 30%)",
        "rgba(-2, 300, 400%, -0.5)",
        "hwba(120 30% 50%)",
        "hwba(120 30% 50% / 0.5)",
        "",
        " /* hey */\n",
        "top",
        "current-Color",
        "transparent",
        "currentcolor",
        "canvas",
        "ButtonFace",
        "rgb(none, 0, 0)",
        "rgb(0 0 0 / 1 / 1)",
        "rgb(0, 0, 0 / 1)",
        "hsl(0 0% 0%, 1)",
        "hwb(0, 0%, 0%)",
        "lab(0, 0, 0)",
        "rgb(calc(infinity), 0, 0)",
        "rgb(0 0 0 0)",
        "hsl(10px 0% 0%)",
        "rgb(0deg 0 0)",
        "rgb(1e999 0 0)",
        "lch(0 0 0 0)",
        "color(srgb, 0, 0, 0)",
        "color(unknown 0 0 0)",
        "color(srgb)",
        "rgb(0 0 0 /)",
        "rgb(,0 0 0)",
    };
    for (const char *space : {"srgb", "srgb-linear", "a98-rgb", "rec2020", "prophoto-rgb", "xyz",
                              "xyz-d50", "xyz-d65", "display-p3"}) {
        for (const char *arguments : {"0 0 0 0", "0deg 0% 0", "0% 0 0 1", "0% 0 0 10%", "0% 0 0deg",
                                      "0% 0% 0deg", "40% 0 0deg"})
            invalid.push_back(std::string("color(") + space + " " + arguments + ")");
    }
    for (const char *lab : {"lab", "oklab"}) {
        for (const char *arguments :
             {"0% 0 0 1", "0% 0 0 10%", "0% 0 0deg", "0% 0% 0deg", "40% 0 0deg"})
            invalid.push_back(std::string(lab) + "(" + arguments + ")");
        invalid.push_back(std::string("color(") + lab + " 20% 0 10 / 50%)");
    }
    for (const char *lch : {"lch", "oklch"}) {
        invalid.push_back(std::string(lch) + "(20% 10 10deg 10)");
        invalid.push_back(std::string(lch) + "(20% 10 10deg 10 / 0.5)");
        invalid.push_back(std::string("color(") + lch + " 20% 0 10 / 50%)");
    }
    for (const std::string &text : invalid) EXPECT_EQ(Read(text), kNothing) << text;
    EXPECT_EQ(Read("123"), 0x7B0000);
    EXPECT_NE(Read("color(xyz 0% 0 0)"), kNothing);
}

TEST(ColourReader, EveryNamedColourInAnyCase) {
    for (const NamedColour &named : CssNamedColours()) {
        std::string upper = named.name;
        for (char &c : upper) c = static_cast<char>(c - 'a' + 'A');
        EXPECT_EQ(ReadColourText(std::string_view(named.name))->colour, named.colour) << named.name;
        EXPECT_EQ(ReadColourText(std::string_view(upper))->colour, named.colour) << upper;
    }
    EXPECT_EQ(Read("RebeccaPurple"), 0x663399);
    EXPECT_EQ(Read("grey"), Read("gray"));
    EXPECT_EQ(Read("redd"), kNothing);
    EXPECT_EQ(Read("re"), kNothing);
}

// color.js's "P3 primaries to sRGB, CSS algorithm" and its whites and blacks
// (test/gamut.js), each channel of the published percentages rounded to a step.
TEST(ColourReader, OutsideSrgbIsGamutMappedAsPublished) {
    ExpectReads({
        {"color(display-p3 1 0 0)", 0xFF0B0C},  // 100% 4.457% 4.5932%
        {"color(display-p3 0 1 0)", 0x00FB29},  // 0% 98.576% 15.974%
        {"color(display-p3 0 0 1)", 0x0000FF},
        {"color(display-p3 1 1 0)", 0xFEFF00},  // 99.623% 99.901% 0%
        {"color(display-p3 0 1 1)", 0x00FEFB},  // 0% 99.645% 98.471%
        {"color(display-p3 1 0 1)", 0xFF2BFB},  // 100% 16.736% 98.264%
        {"color(display-p3 2 0 1)", 0xFFFFFF},
        {"color(display-p3 -1 0 0)", 0x000000},
    });
    for (const char *text : {"color(display-p3 1 0 0)", "color(display-p3 0 1 1)",
                             "color(display-p3 2 0 1)", "lab(50 -160 160)", "oklch(0.7 0.4 30)",
                             "oklch(1.2 0.1 30)", "hsl(0 0% 150%)", "color(srgb 1.01 0 0)"})
        EXPECT_TRUE(Mapped(text)) << text;
    // Inside sRGB, or outside by less than rounding to a step can tell.
    for (const char *text : {"color(display-p3 1 1 1)", "lab(100 0 0)", "color(srgb 1.001 0 0)",
                             "oklab(1 0 0)", "rgb(300 0 0)", "#FF0000"})
        EXPECT_FALSE(Mapped(text)) << text;
    EXPECT_EQ(Read("oklch(1.2 0.1 30)"), 0xFFFFFF);
    EXPECT_EQ(Read("hsl(0 0% 150%)"), 0xFFFFFF);
    EXPECT_EQ(Read("color(srgb 1.01 0 0)"), 0xFF0000);
    // Too far out for a double: no colour rather than a guess.
    EXPECT_EQ(Read("lab(50 1e300 0)"), kNothing);
}

TEST(ColourReader, LengthAndEncodingLimits) {
    const std::string padded = "#1A2B3C" + std::string(kMaxColourTextCharacters - 7, ' ');
    EXPECT_EQ(Read(padded), 0x1A2B3C);
    EXPECT_EQ(Read(padded + " "), kNothing);
    std::u16string wide = u"#1A2B3C" + std::u16string(kMaxColourTextCharacters - 7, u'\u3000');
    EXPECT_EQ(ColourOfRrggbb(ReadColourText(wide)->colour), 0x1A2B3Cu);
    EXPECT_FALSE(ReadColourText(wide + u"\u3000"));
    EXPECT_FALSE(ReadColourText(std::u16string(u"#1A2B3C\xD800")));
    EXPECT_FALSE(ReadColourText(std::u16string(u"\xDC00#1A2B3C")));
    EXPECT_EQ(Read("#1A2B3C\xC3"), kNothing);
    EXPECT_EQ(Read("\xC0\xA3"
                   "1A2B3C"),
              kNothing);  // an overlong "#"
    EXPECT_FALSE(ReadColourText(std::u16string(u"😀")));
    // A NUL is no part of a colour, whichever way the text comes.
    EXPECT_EQ(Read(std::string_view("#1A2B3C\0", 8)), kNothing);
    EXPECT_FALSE(ReadColourText(std::u16string(u"#1A2B3C\0", 8)));
}

std::string Repeated(const char *utf8, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += utf8;
    return text;
}

TEST(ColourReader, NotAColourMessageShowsFortyCharacters) {
    const std::string prefix = "色として読めません: 「";
    EXPECT_EQ(NotAColourMessage(u"blue-ish"), prefix + "blue-ish」");
    EXPECT_EQ(NotAColourMessage(std::u16string(40, u'あ')), prefix + Repeated("あ", 40) + "」");
    EXPECT_EQ(NotAColourMessage(std::u16string(41, u'あ')), prefix + Repeated("あ", 40) + "…」");
    // A character outside the BMP is one character, not two.
    std::u16string faces;
    for (int i = 0; i < 41; ++i) faces += u"😀";
    EXPECT_EQ(NotAColourMessage(faces), prefix + Repeated("😀", 40) + "…」");
    EXPECT_EQ(NotAColourMessage(u"a\tb\r\nc"), prefix + "a b  c」");
    EXPECT_EQ(NotAColourMessage(std::u16string(u"x\xD800")), prefix + "x\uFFFD」");
    EXPECT_EQ(NotAColourMessage(u""), prefix + "」");
}

}  // namespace
}  // namespace tintwell::testing
