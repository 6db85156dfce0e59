// The program's command line. "/tray" starts it in the notification area without
// showing its window, as the Run value does at logon; "-tray" is taken too, and
// either in any case, as Windows programs commonly take both. "/forget-start", which
// the installer gives when it takes the program away, removes the Run value if it
// starts this very file, and ends at once, showing nothing. Every other argument
// is ignored, so a shortcut or a Run value with arguments this version does not know
// still starts the program.
#ifndef TINTWELL_PICKER_KEEPING_START_ARGUMENTS_H
#define TINTWELL_PICKER_KEEPING_START_ARGUMENTS_H

#include <string>
#include <vector>

#include "settings.h"

namespace tintwell {

inline constexpr const char16_t *kTrayArgument = u"/tray";
inline constexpr const char16_t *kForgetStartArgument = u"/forget-start";

struct StartOptions {
    bool tray = false;
    bool forgetStart = false;
};

// `arguments` without the program's own name (CommandLineToArgvW's from index 1).
StartOptions ReadStartArguments(const std::vector<std::u16string> &arguments);

// Whether to start hidden in the notification area: asked to, and resident. A /tray
// start while not resident (a Run value left behind) shows the window, so that the
// program never runs with neither a window nor an icon.
inline bool StartsHidden(const StartOptions &options, const Settings &settings) {
    return options.tray && settings.resident;
}

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_START_ARGUMENTS_H
