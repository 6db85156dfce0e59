#include "user_texts.h"

#include <new>

#include "colour_word.h"
#include "text_encoding.h"

namespace tintwell {

std::string messages::HotkeyTakenMessage(const std::string &combination) {
    return combination +
           " は他のプログラムが使っているため登録できません。別のキーを選んでください。";
}

std::string messages::KeptHotkeyTakenMessage(const std::string &combination) {
    return combination +
           " は他のプログラムが使っているため登録できません。設定はそのまま保存され、次の起動時に"
           "もう一度登録します。";
}

std::string messages::HotkeyKeptMessage(const std::string &taken, const std::string &kept) {
    return HotkeyTakenMessage(taken) + "\nホットキーは " + kept + " のままです。";
}

std::string messages::HexTextNotSixDigits(const std::string &hexText) {
    return "色の16進表記が6桁ではありません: \"" + hexText + "\"";
}

std::string messages::HexTextNotHex(const std::string &hexText) {
    return "色の16進表記が正しくありません: \"" + hexText + "\"";
}

std::string messages::NotAColour(const std::string &excerpt) {
    return "色として読めません: 「" + excerpt + "」";
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

std::string messages::TemplatesFolderNotMade(const std::string &folder) {
    return "形式のファイルを置くフォルダー \"" + folder + "\" を作成できません。";
}

std::string PaletteNotSavedMessage(const std::string &path) {
    return "パレットを \"" + path +
           "\" に保存できませんでした。\nフォルダーに書き込めないか、ディスクがいっぱいです。"
           "既存のファイルは変更されていません。";
}

namespace {

constexpr const char *kHistoryLeftAlone =
    "\nこのファイルは変更せず、このセッションでは色の履歴を保存しません。";

}  // namespace

std::string HistoryUnreadableMessage(const std::string &path) {
    return "色の履歴のファイル \"" + path +
           "\" を読み取れません (開けないか、読み込みに失敗しました)。" + kHistoryLeftAlone;
}

std::string HistoryTooLongMessage(const std::string &path, size_t limitKiB) {
    return "色の履歴のファイル \"" + path + "\" が大きすぎます (" + std::to_string(limitKiB) +
           " KiB を超えています)。" + kHistoryLeftAlone;
}

std::string HistoryFolderNotMadeMessage(const std::string &folder) {
    return "色の履歴を保存するフォルダー \"" + folder + "\" を作成できません。";
}

std::string HistoryNotWrittenMessage(const std::string &path) {
    return "色の履歴をファイル \"" + path + "\" に保存できません。";
}

std::string HistoryNotDeletedMessage(const std::string &path) {
    return "色の履歴のファイル \"" + path + "\" を削除できません。";
}

namespace {

std::string WithReason(std::string message, const std::string &why) {
    if (!why.empty()) message += " " + why;
    return message;
}

}  // namespace

std::string SettingsNotWrittenMessage(const std::string &path, const std::string &why) {
    return WithReason("設定をファイル \"" + path + "\" に保存できません。", why);
}

std::string SettingsNotDeletedMessage(const std::string &path, const std::string &why) {
    return WithReason("設定のファイル \"" + path + "\" を削除できません。", why);
}

namespace {

constexpr const char *kSettingsLeftAlone =
    "\nこのファイルは変更せず、このセッションでは設定を保存しません。";

}  // namespace

std::string SettingsUnreadableMessage(const std::string &path) {
    return "設定のファイル \"" + path +
           "\" を読み取れません (開けないか、読み込みに失敗しました)。" + kSettingsLeftAlone;
}

std::string SettingsTooLongMessage(const std::string &path, size_t limitKiB) {
    return "設定のファイル \"" + path + "\" が大きすぎます (" + std::to_string(limitKiB) +
           " KiB を超えています)。" + kSettingsLeftAlone;
}

std::string SettingsFolderNotMadeReason(const std::string &folder) {
    return "フォルダー \"" + folder + "\" を作成できません。";
}

std::string messages::SystemErrorReason(unsigned long code) {
    return "(システムのエラー " + std::to_string(code) + ")";
}

std::u16string NotificationTip(std::optional<ColorRef> shown) {
    std::u16string tip = u"Tintwell";
    if (!shown) return tip;
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    tip += u" #";
    // COLORREF keeps red in its lowest byte; the text reads red first.
    for (int channel = 0; channel < 3; ++channel) {
        const unsigned value = (*shown >> (8 * channel)) & 0xFFu;
        tip += kDigits[value >> 4];
        tip += kDigits[value & 0xFu];
    }
    return tip;
}

std::string LibraryNotFoundMessage(const std::string &fileName) {
    return "ライブラリ \"" + fileName + "\" を読み込めません。";
}

std::string ExportNotFoundMessage(const std::string &fileName, const std::string &exportName) {
    return "ライブラリ \"" + fileName + "\" に関数 \"" + exportName + "\" が見つかりません。";
}

std::string FailureMessage(const std::exception &error) {
    if (dynamic_cast<const PickerError *>(&error) != nullptr) return error.what();
    if (dynamic_cast<const std::bad_alloc *>(&error) != nullptr) return messages::kOutOfMemory;
    return messages::kUnexpectedError;
}

std::u16string StartupFailureMessage(const std::exception &error) {
    return u"Tintwell を起動できませんでした。\n\n" + Utf8ToUtf16(FailureMessage(error));
}

std::u16string StartupFailureCaption() {
    return u"Tintwell";
}

std::string messages::HotkeyRefusalMessage(HotkeyRefusal refusal) {
    switch (refusal) {
        case HotkeyRefusal::NeedsModifiers:
            return kHotkeyNeedsModifiers;
        case HotkeyRefusal::ReservedKey:
            return kHotkeyReservedKey;
        case HotkeyRefusal::UnnamedKey:
            return kHotkeyUnnamedKey;
        case HotkeyRefusal::None:
        default:
            return std::string();
    }
}

std::string console_texts::UnknownCommand(const std::string &command) {
    return "不明なコマンドです: \"" + command + "\"";
}

std::string console_texts::UnknownOption(const std::string &option) {
    return "不明なオプションです: \"" + option +
           "\" (-- で始まる色の文字列は -- の後に書いてください)";
}

std::string console_texts::UnknownFormat(const std::string &name) {
    return "不明な形式です: \"" + name +
           "\" (hex rrggbb rgb channels hsl 0x vb colorref hsv hwb cmyk lab lch oklab oklch)";
}

std::string console_texts::OptionTwice(const std::string &option) {
    return option + " が 2 回指定されています。";
}

std::string console_texts::OptionNeedsValue(const std::string &option) {
    return option + " の後に値がありません。";
}

std::string console_texts::OptionTakesNoValue(const std::string &option) {
    return option + " は値をとりません。";
}

}  // namespace tintwell
