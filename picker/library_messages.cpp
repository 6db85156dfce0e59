#include "library_messages.h"

#include "text_encoding.h"

namespace tintwell {

std::string LibraryNotFoundMessage(const std::string &fileName) {
    return "ライブラリ \"" + fileName + "\" を読み込めません。";
}

std::string ExportNotFoundMessage(const std::string &fileName, const std::string &exportName) {
    return "ライブラリ \"" + fileName + "\" に関数 \"" + exportName + "\" が見つかりません。";
}

std::u16string StartupFailureMessage(const std::exception &error) {
    return u"Tintwell を起動できませんでした。\n\n" + Utf8ToUtf16(error.what());
}

std::u16string StartupFailureCaption() {
    return u"Tintwell";
}

}  // namespace tintwell
