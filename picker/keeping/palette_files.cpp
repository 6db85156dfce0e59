#include "palette_files.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "colour_formats.h"

namespace tintwell {

namespace {

struct Channels {
    unsigned red;
    unsigned green;
    unsigned blue;
};

Channels Split(ColorRef colour) {
    return Channels{colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu};
}

void PutU16(std::string &out, uint16_t value) {
    out.push_back(static_cast<char>(value >> 8));
    out.push_back(static_cast<char>(value & 0xFF));
}

void PutU32(std::string &out, uint32_t value) {
    PutU16(out, static_cast<uint16_t>(value >> 16));
    PutU16(out, static_cast<uint16_t>(value & 0xFFFF));
}

void PutF32(std::string &out, float value) {
    static_assert(sizeof(float) == sizeof(uint32_t), "IEEE single expected");
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    PutU32(out, bits);
}

std::string Gpl(const std::vector<ColorRef> &colours) {
    std::string out = "GIMP Palette\nName: Tintwell\n";
    for (ColorRef colour : colours) {
        const Channels c = Split(colour);
        char line[32];
        std::snprintf(line, sizeof line, "%u %u %u\t", c.red, c.green, c.blue);
        out += line + HashHexText(colour) + "\n";
    }
    return out;
}

std::string Css(const std::vector<ColorRef> &colours) {
    std::string out = ":root {\n";
    for (size_t i = 0; i < colours.size(); ++i) {
        out += "  --tintwell-" + std::to_string(i + 1) + ": " + HashHexText(colours[i]) + ";\n";
    }
    return out + "}\n";
}

std::string Json(const std::vector<ColorRef> &colours) {
    std::string out = "[";
    for (size_t i = 0; i < colours.size(); ++i) {
        if (i > 0) out += ", ";
        out += "\"" + HashHexText(colours[i]) + "\"";
    }
    return out + "]\n";
}

std::string Ase(const std::vector<ColorRef> &colours) {
    constexpr uint16_t kColourEntry = 0x0001;
    constexpr uint16_t kGlobal = 0;
    std::string out = "ASEF";
    PutU16(out, 1);
    PutU16(out, 0);
    PutU32(out, static_cast<uint32_t>(colours.size()));
    for (ColorRef colour : colours) {
        const std::string name = HashHexText(colour);  // ASCII, so one UTF-16 unit a byte
        const uint16_t units = static_cast<uint16_t>(name.size() + 1);
        PutU16(out, kColourEntry);
        PutU32(out, static_cast<uint32_t>(2 + 2 * units + 4 + 3 * 4 + 2));
        PutU16(out, units);
        for (char ch : name) PutU16(out, static_cast<uint16_t>(ch));
        PutU16(out, 0);
        out += "RGB ";
        const Channels c = Split(colour);
        PutF32(out, static_cast<float>(c.red) / 255.0f);
        PutF32(out, static_cast<float>(c.green) / 255.0f);
        PutF32(out, static_cast<float>(c.blue) / 255.0f);
        PutU16(out, kGlobal);
    }
    return out;
}

std::string Txt(const std::vector<ColorRef> &colours) {
    std::string out;
    for (ColorRef colour : colours) out += HashHexText(colour) + "\n";
    return out;
}

}  // namespace

const char *PaletteExtension(PaletteFormat format) {
    switch (format) {
        case PaletteFormat::Gpl:
            return ".gpl";
        case PaletteFormat::Css:
            return ".css";
        case PaletteFormat::Json:
            return ".json";
        case PaletteFormat::Ase:
            return ".ase";
        case PaletteFormat::Txt:
            break;
    }
    return ".txt";
}

std::optional<PaletteFormat> PaletteFormatOfName(const std::u16string &fileName) {
    const size_t dot = fileName.find_last_of(u'.');
    const size_t slash = fileName.find_last_of(u"\\/");
    if (dot == std::u16string::npos || (slash != std::u16string::npos && dot < slash)) {
        return std::nullopt;
    }
    std::string extension;
    for (size_t i = dot; i < fileName.size(); ++i) {
        const char16_t ch = fileName[i];
        if (ch > 0x7F) return std::nullopt;
        extension.push_back(static_cast<char>(ch >= u'A' && ch <= u'Z' ? ch - u'A' + u'a' : ch));
    }
    for (PaletteFormat format : kPaletteFormats) {
        if (extension == PaletteExtension(format)) return format;
    }
    return std::nullopt;
}

PaletteFormat PaletteFormatOfDialogType(uint32_t filterIndex) {
    if (filterIndex < 1 || filterIndex > kPaletteFormatCount) return kPaletteFormats[0];
    return kPaletteFormats[filterIndex - 1];
}

PaletteFormat PaletteFormatFor(const std::u16string &fileName, PaletteFormat chosen) {
    return PaletteFormatOfName(fileName).value_or(chosen);
}

std::string PaletteBytes(PaletteFormat format, const std::vector<ColorRef> &newestFirst) {
    switch (format) {
        case PaletteFormat::Gpl:
            return Gpl(newestFirst);
        case PaletteFormat::Css:
            return Css(newestFirst);
        case PaletteFormat::Json:
            return Json(newestFirst);
        case PaletteFormat::Ase:
            return Ase(newestFirst);
        case PaletteFormat::Txt:
            break;
    }
    return Txt(newestFirst);
}

}  // namespace tintwell
