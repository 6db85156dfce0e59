#include "run_value.h"

#include "start_arguments.h"

namespace tintwell {

namespace {

bool IsDriveLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

bool IsFullPath(std::u16string_view path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == u':' && IsSeparator(path[2])) {
        return true;
    }
    // A share: "\\server\...", the server's name not empty.
    return path.size() >= 3 && path[0] == u'\\' && path[1] == u'\\' && !IsSeparator(path[2]);
}

// What Windows allows in no file name; ':' only as the drive's.
bool IsForbidden(char16_t c, size_t at) {
    if (c < 0x20) return true;
    switch (c) {
        case u'"':
        case u'<':
        case u'>':
        case u'|':
        case u'?':
        case u'*':
            return true;
        case u':':
            return at != 1;
        default:
            return false;
    }
}

char16_t FoldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

}  // namespace

std::optional<std::u16string> RunValueText(std::u16string_view exePath) {
    if (!IsFullPath(exePath)) return std::nullopt;
    const char16_t last = exePath.back();
    if (IsSeparator(last) || last == u' ' || last == u'.') return std::nullopt;
    for (size_t i = 0; i < exePath.size(); ++i)
        if (IsForbidden(exePath[i], i)) return std::nullopt;
    std::u16string text;
    text.reserve(exePath.size() + 8);
    text += u'"';
    text += exePath;
    text += u"\" ";
    text += kTrayArgument;
    return text;
}

bool IsRunValueFor(std::u16string_view value, std::u16string_view exePath) {
    const std::optional<std::u16string> wanted = RunValueText(exePath);
    if (!wanted || wanted->size() != value.size()) return false;
    for (size_t i = 0; i < value.size(); ++i)
        if (FoldAscii(value[i]) != FoldAscii((*wanted)[i])) return false;
    return true;
}

}  // namespace tintwell
