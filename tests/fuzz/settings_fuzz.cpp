// libFuzzer target for the settings file's reader: any bytes are a settings.ini.
//  - Reading never throws and never fails; whatever it gives is within range: a
//    sample size of the three, an acceptable hotkey whose text reads back as itself,
//    a format key that can be a line of the file.
//  - Writing what was read and reading that again gives the same settings, with
//    nothing unreadable, and writing those gives the same text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "settings_file.h"

namespace {

using tintwell::Settings;
using tintwell::SettingsReading;

[[noreturn]] void Fail(const char *what, std::string_view input) {
    std::fprintf(stderr, "settings_fuzz: %s\n  input (%zu bytes):", what, input.size());
    for (unsigned char c : input) std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

SettingsReading ReadOrFail(std::string_view bytes, std::string_view input) {
    try {
        return tintwell::ReadSettings(bytes);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "settings_fuzz: %s\n", error.what());
        Fail("reading threw", input);
    } catch (...) {
        Fail("reading threw something not an exception", input);
    }
}

void CheckInRange(const Settings &settings, std::string_view input) {
    switch (settings.sampleSize) {
        case tintwell::SampleSize::OnePixel:
        case tintwell::SampleSize::ThreeByThree:
        case tintwell::SampleSize::FiveByFive:
            break;
        default:
            Fail("a sample size outside the three", input);
    }
    if (!tintwell::IsAcceptableHotkey(settings.hotkey)) Fail("an unacceptable hotkey", input);
    const std::string combo = tintwell::HotkeyText(settings.hotkey);
    if (combo.empty() || tintwell::ParseHotkey(combo) != settings.hotkey) {
        Fail("the hotkey's text does not read back as itself", input);
    }
    if (!tintwell::IsValidPickFormatKey(settings.pickFormat)) Fail("an invalid format key", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const SettingsReading first = ReadOrFail(input, input);
    CheckInRange(first.settings, input);

    const std::string text = tintwell::SettingsText(first.settings);
    const SettingsReading again = ReadOrFail(text, input);
    if (again.unreadable) Fail("the written text holds something unreadable", input);
    if (again.settings != first.settings)
        Fail("written and read again, the settings differ", input);
    if (tintwell::SettingsText(again.settings) != text)
        Fail("the text is not written again", input);
    return 0;
}
