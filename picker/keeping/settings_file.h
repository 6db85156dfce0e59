// The settings file, settings.ini: plain UTF-8 text a user can read and edit, one
// "key=value" a line, written in this order with CRLF line ends:
//
//   hotkey_enabled=off            on | off
//   hotkey=Win+Shift+C            as hotkey_combo.h writes it
//   pick_format=#RRGGBB           a format key (pick_format.h), as is; between
//                                 quotes when it has a space at an end or starts
//                                 with a quote
//   resident=off                  on | off
//   start_with_windows=off        on | off
//   loupe=off                     on | off
//   sample_size=1x1               1x1 | 3x3 | 5x5
//
// Reading never fails. It takes a byte-order mark, LF or CRLF, blanks around keys and
// values, keys in any case, on/off also as true/false, yes/no or 1/0 in any case, and
// sizes also as 1, 3 or 5; empty lines and lines starting with ';' or '#' are
// comments. A key given twice counts as its last readable line. Whatever cannot be
// read (a line without "=", an unknown key, a value out of range, broken UTF-8) is
// passed over: its setting stays at its default, and `unreadable` says so, so that the
// window leaves the file alone until the user changes a setting. A missing key is no
// damage (older files lack newer keys); it takes its default quietly. The last line
// needs no line end, as an editor may leave it.
//
// Writing what was read gives the same settings when read again, and the writer's
// text read and written again is the same text.
#ifndef TINTWELL_PICKER_KEEPING_SETTINGS_FILE_H
#define TINTWELL_PICKER_KEEPING_SETTINGS_FILE_H

#include <string>
#include <string_view>

#include "settings.h"

namespace tintwell {

inline constexpr const char16_t *kSettingsFileName = u"settings.ini";

struct SettingsReading {
    Settings settings;
    bool unreadable = false;
};

SettingsReading ReadSettings(std::string_view fileBytes);

// The whole file. A field that breaks its invariant (settings.h) is written as its
// default, so the file always reads back without damage.
std::string SettingsText(const Settings &settings);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_SETTINGS_FILE_H
