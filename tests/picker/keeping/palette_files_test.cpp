#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "colour_formats.h"
#include "colour_history.h"
#include "harness.h"
#include "palette_files.h"

namespace tintwell::testing {
namespace {

const std::vector<ColorRef> kColours{Rgb(0x1A, 0x2B, 0x3C), Rgb(0xFF, 0x00, 0x80)};

TEST(PaletteFiles, TextFormatsByteForByte) {
    EXPECT_EQ(PaletteBytes(PaletteFormat::Gpl, kColours),
              "GIMP Palette\nName: Tintwell\n26 43 60\t#1A2B3C\n255 0 128\t#FF0080\n");
    EXPECT_EQ(PaletteBytes(PaletteFormat::Css, kColours),
              ":root {\n  --tintwell-1: #1A2B3C;\n  --tintwell-2: #FF0080;\n}\n");
    EXPECT_EQ(PaletteBytes(PaletteFormat::Json, kColours), "[\"#1A2B3C\", \"#FF0080\"]\n");
    EXPECT_EQ(PaletteBytes(PaletteFormat::Txt, kColours), "#1A2B3C\n#FF0080\n");
}

// Reads an Adobe Swatch Exchange file as its published layout describes it: the
// signature "ASEF", major and minor version (16 bits each), the number of blocks
// (32 bits), then blocks of a 16-bit type and a 32-bit length; a colour entry (type
// 1) holds a name (16-bit length in UTF-16 units, the zero included, then the units),
// a four-byte model, the channel floats and a 16-bit colour type. All big-endian.
class AseReader {
  public:
    struct Entry {
        std::u16string name;
        std::string model;
        std::vector<float> channels;
        uint16_t colourType;
    };

    explicit AseReader(const std::string &bytes) : bytes_(bytes), at_(0) {}

    std::vector<Entry> Read(uint16_t &major, uint16_t &minor) {
        EXPECT_EQ(Take(4), "ASEF");
        major = U16();
        minor = U16();
        const uint32_t blocks = U32();
        std::vector<Entry> entries;
        for (uint32_t i = 0; i < blocks && !::testing::Test::HasFailure(); ++i) {
            EXPECT_EQ(U16(), 0x0001);
            const uint32_t length = U32();
            const size_t start = at_;
            Entry entry;
            const uint16_t units = U16();
            for (uint16_t u = 0; u < units; ++u) entry.name.push_back(static_cast<char16_t>(U16()));
            EXPECT_EQ(entry.name.back(), u'\0');
            entry.name.pop_back();
            entry.model = Take(4);
            const int count = entry.model == "CMYK" ? 4 : entry.model == "Gray" ? 1 : 3;
            for (int c = 0; c < count; ++c) entry.channels.push_back(F32());
            entry.colourType = U16();
            EXPECT_EQ(at_ - start, length);
            entries.push_back(entry);
        }
        EXPECT_EQ(at_, bytes_.size()) << "bytes left after the last block";
        return entries;
    }

  private:
    std::string Take(size_t n) {
        if (at_ + n > bytes_.size()) {
            ADD_FAILURE() << "file ends early";
            at_ = bytes_.size();
            return std::string(n, '\0');
        }
        const std::string part = bytes_.substr(at_, n);
        at_ += n;
        return part;
    }
    uint32_t Unsigned(size_t n) {
        uint32_t value = 0;
        for (char ch : Take(n)) value = (value << 8) | static_cast<unsigned char>(ch);
        return value;
    }
    uint16_t U16() { return static_cast<uint16_t>(Unsigned(2)); }
    uint32_t U32() { return Unsigned(4); }
    float F32() {
        const uint32_t bits = U32();
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    const std::string &bytes_;
    size_t at_;
};

TEST(PaletteFiles, AdobeSwatchExchangeReadsBackAsGlobalRgbColoursNamedByHex) {
    const std::string bytes = PaletteBytes(PaletteFormat::Ase, kColours);
    uint16_t major = 0;
    uint16_t minor = 0;
    const std::vector<AseReader::Entry> entries = AseReader(bytes).Read(major, minor);
    EXPECT_EQ(major, 1);
    EXPECT_EQ(minor, 0);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, u"#1A2B3C");
    EXPECT_EQ(entries[1].name, u"#FF0080");
    for (const AseReader::Entry &entry : entries) {
        EXPECT_EQ(entry.model, "RGB ");
        EXPECT_EQ(entry.colourType, 0) << "global";
    }
    const float expected[2][3] = {{0x1A, 0x2B, 0x3C}, {0xFF, 0x00, 0x80}};
    for (size_t i = 0; i < 2; ++i) {
        ASSERT_EQ(entries[i].channels.size(), 3u);
        for (size_t c = 0; c < 3; ++c) {
            EXPECT_EQ(std::lround(entries[i].channels[c] * 255.0f), expected[i][c]);
        }
    }
    EXPECT_EQ(PaletteBytes(PaletteFormat::Ase, {}), std::string("ASEF\0\1\0\0\0\0\0\0", 12));
}

TEST(PaletteFiles, TheExtensionNamesTheFormatInAnyCaseElseTheChosenTypeDoes) {
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\mine.GPL", PaletteFormat::Css), PaletteFormat::Gpl);
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\mine.ASE", PaletteFormat::Gpl), PaletteFormat::Ase);
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\x.JSON", PaletteFormat::Txt), PaletteFormat::Json);
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\x.Css", PaletteFormat::Txt), PaletteFormat::Css);
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\notes.tXt", PaletteFormat::Ase), PaletteFormat::Txt);

    // A dot in a folder's name, an extension of no palette, a name that only ends in
    // one or a name of none: the chosen type.
    EXPECT_EQ(PaletteFormatFor(u"C:\\v1.css\\mine", PaletteFormat::Txt), PaletteFormat::Txt);
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\colours.2024", PaletteFormat::Ase), PaletteFormat::Ase);
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\mine.gpl2", PaletteFormat::Json), PaletteFormat::Json);
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\mine", PaletteFormat::Css), PaletteFormat::Css);
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\.\u00C9SE", PaletteFormat::Css), PaletteFormat::Css);
}

// The dialog reports its types counted from 1, in the order it lists them.
TEST(PaletteFiles, TheDialogsChosenTypeIsCountedFromOne) {
    EXPECT_EQ(PaletteFormatOfDialogType(1), PaletteFormat::Gpl);
    EXPECT_EQ(PaletteFormatOfDialogType(2), PaletteFormat::Css);
    EXPECT_EQ(PaletteFormatOfDialogType(3), PaletteFormat::Json);
    EXPECT_EQ(PaletteFormatOfDialogType(4), PaletteFormat::Ase);
    EXPECT_EQ(PaletteFormatOfDialogType(5), PaletteFormat::Txt);
    EXPECT_EQ(PaletteFormatOfDialogType(0), PaletteFormat::Gpl) << "a typed filter";
    EXPECT_EQ(PaletteFormatOfDialogType(6), PaletteFormat::Gpl);
    EXPECT_EQ(PaletteFormatFor(u"C:\\pal\\mine", PaletteFormatOfDialogType(3)),
              PaletteFormat::Json);
}

TEST(ColourHistory, WrittenListReadsBack) {
    EXPECT_EQ(ReadColourHistory(ColourHistoryBytes(kColours)), kColours);
    EXPECT_TRUE(ReadColourHistory("").empty());
}

TEST(ColourHistory, MalformedLinesAreSkippedAndNothingFails) {
    const std::string file =
        "\xEF\xBB\xBF#1a2b3c\r\n"  // mark, lower case, CRLF
        "garbage\n"
        "#12345\n"
        "#1234567\n"
        "  #FF0080\t\n"
        "#1A2B3C\n"  // listed before
        "\n"
        "#GG0000\n"
        "# 12345\n"
        "\xFF\xFE#000000\n"
        "#0000FF";  // no line end at the end
    EXPECT_EQ(
        ReadColourHistory(file),
        (std::vector<ColorRef>{Rgb(0x1A, 0x2B, 0x3C), Rgb(0xFF, 0x00, 0x80), Rgb(0, 0, 0xFF)}));
    EXPECT_TRUE(ReadColourHistory(std::string("\0\0\0\n\n\n", 6)).empty());

    std::string many;
    for (int i = 0; i < 40; ++i) many += HashHexText(Rgb(i, 0x34, 0x56)) + "\n";
    const std::vector<ColorRef> kept = ReadColourHistory(many);
    ASSERT_EQ(kept.size(), 16u);
    EXPECT_EQ(kept.front(), Rgb(0, 0x34, 0x56));
    EXPECT_EQ(kept.back(), Rgb(15, 0x34, 0x56));
}

}  // namespace
}  // namespace tintwell::testing
