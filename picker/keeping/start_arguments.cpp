#include "start_arguments.h"

namespace tintwell {

namespace {

// Whether `argument` is the switch `spelled` ("/name"), with "/" or "-", in any case.
bool IsSwitch(const std::u16string &argument, const char16_t *spelled) {
    const std::u16string name = std::u16string(spelled).substr(1);
    if (argument.size() != name.size() + 1) return false;
    if (argument[0] != u'/' && argument[0] != u'-') return false;
    for (size_t i = 0; i < name.size(); ++i) {
        char16_t c = argument[i + 1];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != name[i]) return false;
    }
    return true;
}

}  // namespace

StartOptions ReadStartArguments(const std::vector<std::u16string> &arguments) {
    StartOptions options;
    for (const std::u16string &argument : arguments) {
        if (IsSwitch(argument, kTrayArgument)) options.tray = true;
        if (IsSwitch(argument, kForgetStartArgument)) options.forgetStart = true;
    }
    return options;
}

}  // namespace tintwell
