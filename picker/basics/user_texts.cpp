#include "user_texts.h"

#include "text_encoding.h"

namespace tintwell {

std::string messages::HotkeyTakenMessage(const std::string &combination) {
    return combination +
           " は他のプログラムが使っているため登録できません。別のキーを選んでください。";
}

std::string messages::HexTextNotSixDigits(const std::string &hexText) {
    return "色の16進表記が6桁ではありません: \"" + hexText + "\"";
}

std::string messages::HexTextNotHex(const std::string &hexText) {
    return "色の16進表記が正しくありません: \"" + hexText + "\"";
}

std::string PaletteNotSavedMessage(const std::string &path) {
    return "パレットを \"" + path +
           "\" に保存できませんでした。\nフォルダーに書き込めないか、ディスクがいっぱいです。"
           "既存のファイルは変更されていません。";
}

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
