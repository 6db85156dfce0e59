#include "start_arguments.h"

namespace tintwell {

namespace {

bool IsTrayArgument(const std::u16string &argument) {
    static const std::u16string kName = u"tray";
    if (argument.size() != kName.size() + 1) return false;
    if (argument[0] != u'/' && argument[0] != u'-') return false;
    for (size_t i = 0; i < kName.size(); ++i) {
        char16_t c = argument[i + 1];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != kName[i]) return false;
    }
    return true;
}

}  // namespace

StartOptions ReadStartArguments(const std::vector<std::u16string> &arguments) {
    StartOptions options;
    for (const std::u16string &argument : arguments)
        if (IsTrayArgument(argument)) options.tray = true;
    return options;
}

}  // namespace tintwell
