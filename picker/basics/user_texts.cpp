#include "user_texts.h"

#include "text_encoding.h"

namespace tintwell {

std::string messages::HexTextNotSixDigits(const std::string &hexText) {
    return "色の16進表記が6桁ではありません: \"" + hexText + "\"";
}

std::string messages::HexTextNotHex(const std::string &hexText) {
    return "色の16進表記が正しくありません: \"" + hexText + "\"";
}

std::string messages::TemplatesNotReadable(const std::string &path) {
    return "形式のファイル \"" + path + "\" を読めません。";
}

std::string messages::TemplatesTooLarge(const std::string &path) {
    return "形式のファイル \"" + path + "\" は大きすぎるため読みません (1 MB まで)。";
}

std::string messages::TemplatesNotCreated(const std::string &path) {
    return "形式のファイル \"" + path +
           "\" を作成できません。\nフォルダーに書き込めないか、ディスクがいっぱいです。";
}

std::string messages::TemplatesNotOpened(const std::string &path, const std::string &why) {
    return "形式のファイル \"" + path + "\" をエディターで開けません。\n" + why;
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
