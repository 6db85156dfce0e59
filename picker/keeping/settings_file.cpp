#include "settings_file.h"

#include <optional>

namespace tintwell {

namespace {

constexpr std::string_view kSettingsByteOrderMark = "\xEF\xBB\xBF";
constexpr const char *kLineEnd = "\r\n";

enum class Field { HotkeyEnabled, Hotkey, PickFormat, Resident, StartWithWindows, Loupe, Sample };

struct FieldKey {
    Field field;
    const char *key;
};

// In the order the file lists them.
constexpr FieldKey kFieldKeys[] = {
    {Field::HotkeyEnabled, "hotkey_enabled"},
    {Field::Hotkey, "hotkey"},
    {Field::PickFormat, "pick_format"},
    {Field::Resident, "resident"},
    {Field::StartWithWindows, "start_with_windows"},
    {Field::Loupe, "loupe"},
    {Field::Sample, "sample_size"},
};

struct SampleSizeName {
    SampleSize size;
    const char *text;
    const char *shortText;
};

constexpr SampleSizeName kSampleSizeNames[] = {
    {SampleSize::OnePixel, "1x1", "1"},
    {SampleSize::ThreeByThree, "3x3", "3"},
    {SampleSize::FiveByFive, "5x5", "5"},
};

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<bool> SwitchOf(std::string_view value) {
    for (const char *on : {"on", "true", "yes", "1"})
        if (SameWord(value, on)) return true;
    for (const char *off : {"off", "false", "no", "0"})
        if (SameWord(value, off)) return false;
    return std::nullopt;
}

std::optional<SampleSize> SampleSizeOf(std::string_view value) {
    for (const SampleSizeName &name : kSampleSizeNames)
        if (SameWord(value, name.text) || value == name.shortText) return name.size;
    return std::nullopt;
}

const char *SampleSizeText(SampleSize size) {
    for (const SampleSizeName &name : kSampleSizeNames)
        if (name.size == size) return name.text;
    return kSampleSizeNames[0].text;
}

// A format key with a space at either end, or one that starts with a quote, is
// written between quotes, which reading takes off again: the blanks an editor may
// leave around a value are not the key's, the key's own spaces are.
bool NeedsQuotes(std::string_view key) {
    return !key.empty() && (key.front() == ' ' || key.back() == ' ' || key.front() == '"');
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The on/off field, const or not as the settings are; null for the other fields.
template <typename SettingsT>
auto SwitchField(SettingsT &settings, Field field) -> decltype(&settings.loupe) {
    switch (field) {
        case Field::HotkeyEnabled:
            return &settings.hotkeyEnabled;
        case Field::Resident:
            return &settings.resident;
        case Field::StartWithWindows:
            return &settings.startWithWindows;
        case Field::Loupe:
            return &settings.loupe;
        default:
            return nullptr;
    }
}

// Sets the field from the value; false, changing nothing, when it cannot be read.
bool ReadField(Settings &settings, Field field, std::string_view value) {
    if (bool *on = SwitchField(settings, field)) {
        const std::optional<bool> read = SwitchOf(value);
        if (read) *on = *read;
        return read.has_value();
    }
    switch (field) {
        case Field::Hotkey: {
            const std::optional<HotkeyCombo> combo = ParseHotkey(value);
            if (combo) settings.hotkey = *combo;
            return combo.has_value();
        }
        case Field::PickFormat:
            value = Unquoted(value);
            if (!IsValidPickFormatKey(value)) return false;
            settings.pickFormat = std::string(value);
            return true;
        case Field::Sample: {
            const std::optional<SampleSize> size = SampleSizeOf(value);
            if (size) settings.sampleSize = *size;
            return size.has_value();
        }
        default:
            return false;
    }
}

std::string FieldText(const Settings &settings, Field field) {
    const Settings defaults;
    switch (field) {
        case Field::Hotkey:
            return HotkeyText(IsAcceptableHotkey(settings.hotkey) ? settings.hotkey
                                                                  : defaults.hotkey);
        case Field::PickFormat: {
            const std::string &key = IsValidPickFormatKey(settings.pickFormat)
                                         ? settings.pickFormat
                                         : defaults.pickFormat;
            return NeedsQuotes(key) ? '"' + key + '"' : key;
        }
        case Field::Sample:
            return SampleSizeText(settings.sampleSize);
        default:
            return *SwitchField(settings, field) ? "on" : "off";
    }
}

// One line, without its line end; false when it holds something that is not read.
bool ReadLine(Settings &settings, std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() == ';' || line.front() == '#') return true;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view key = TrimBlanks(line.substr(0, equals));
    const std::string_view value = TrimBlanks(line.substr(equals + 1));
    for (const FieldKey &field : kFieldKeys)
        if (SameWord(key, field.key)) return ReadField(settings, field.field, value);
    return false;
}

}  // namespace

SettingsReading ReadSettings(std::string_view fileBytes) {
    SettingsReading reading;
    if (fileBytes.substr(0, kSettingsByteOrderMark.size()) == kSettingsByteOrderMark) {
        fileBytes.remove_prefix(kSettingsByteOrderMark.size());
    }
    while (!fileBytes.empty()) {
        const size_t end = fileBytes.find('\n');
        std::string_view line = fileBytes.substr(0, end);
        fileBytes.remove_prefix(end == std::string_view::npos ? fileBytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!ReadLine(reading.settings, line)) reading.unreadable = true;
    }
    return reading;
}

std::string SettingsText(const Settings &settings) {
    std::string text;
    for (const FieldKey &field : kFieldKeys) {
        text += field.key;
        text += '=';
        text += FieldText(settings, field.field);
        text += kLineEnd;
    }
    return text;
}

}  // namespace tintwell
