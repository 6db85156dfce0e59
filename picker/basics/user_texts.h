// Every text the user reads, in Japanese, in one place: the captions of the controls
// that have words, the messages of operations that failed, and the box shown when
// the program cannot start. Messages say what happened in the user's terms, never in
// the names the code gives its controls. They are UTF-8 because they travel in
// PickerError::what(); captions are wide because they go straight to a window.
#ifndef TINTWELL_PICKER_USER_TEXTS_H
#define TINTWELL_PICKER_USER_TEXTS_H

#include <cstddef>
#include <exception>
#include <optional>
#include <string>

#include "colour_word.h"
#include "hotkey_combo.h"

namespace tintwell {

namespace captions {
inline constexpr const wchar_t *kKeepOnTop = L"最前面";
inline constexpr const wchar_t *kCopyOnPick = L"同時にｸﾘｯﾌﾟﾎﾞｰﾄﾞ";
inline constexpr const wchar_t *kScreenColour = L"画面上の色";
inline constexpr const wchar_t *kWebSafe = L"Webセーフカラー";
}  // namespace captions

// The loupe: its switch in the window's system menu, also the name of its window.
namespace captions {
inline constexpr const wchar_t *kLoupe = L"拡大鏡";
}  // namespace captions

// The freeze and the sample's size: the loupe's caption beside the colour while the
// screen is frozen, or in its place when it could not be frozen; the submenu of the
// system menu and its items. UTF-8, as the loupe's caption is composed in the core.
namespace captions {
inline constexpr const char *kFrozenUtf8 = "固定";
inline constexpr const char *kCannotFreezeUtf8 = "固定できません";
inline constexpr const wchar_t *kSampleSize = L"サンプル範囲";
inline constexpr const wchar_t *kOnePixel = L"1 ピクセル";
inline constexpr const wchar_t *kThreeByThree = L"3×3 の平均";
inline constexpr const wchar_t *kFiveByFive = L"5×5 の平均";
}  // namespace captions

// What a colour read from the screen is said with, on a monitor whose pixels are not
// the colours programs drew: one line under the loupe's colour and in the colour's
// description (UTF-8). Nothing is said on a plain SDR sRGB monitor.
namespace screen_notes {
inline constexpr const char *kHdr = "HDR: 色は SDR に変換";
inline constexpr const char *kHdrClamped = "HDR: SDR の範囲外は切り詰め";
inline constexpr const char *kHdrUnread = "HDR: 色が正確に読めません";
inline constexpr const char *kWideColour = "広色域: 色は sRGB に変換";
inline constexpr const char *kWideColourClamped = "広色域: sRGB の外の色は切り詰め";
inline constexpr const char *kWideColourUnread = "広色域: 色が正確に読めません";
inline constexpr const char *kCorrected = "色の補正あり: 元の色と違うことがあります";
inline constexpr const char *kFilters = "カラー フィルター: 見た目の色と違います";
}  // namespace screen_notes

// What the controls without words say of themselves: the names a screen reader
// announces, and the copy button's tooltip, which says what Enter and a right-click
// do too.
namespace descriptions {
inline constexpr const wchar_t *kField = L"色を選ぶ";
inline constexpr const wchar_t *kStrip = L"色相・チャンネルを選ぶ";
inline constexpr const wchar_t *kCopyButton =
    L"クリップボードにコピー (Enter)。右クリックで他の形式・最近の色";
}  // namespace descriptions

// The lines that describe the colour in the swatch (UTF-8): its CSS name, and how
// well it reads as text on white, on black and on the colour before it.
namespace colour_lines {
inline constexpr const char *kExactName = "色名: ";
inline constexpr const char *kNearName = "近い色名: ";
inline constexpr const char *kOnWhite = "白 ";
inline constexpr const char *kOnBlack = "黒 ";
inline constexpr const char *kBetween = " · ";
inline constexpr const char *kAgainst = " と ";
inline constexpr const char *kLevelAaa = "AAA";
inline constexpr const char *kLevelAa = "AA";
inline constexpr const char *kLevelAaLarge = "AA 大";
inline constexpr const char *kLevelNone = "—";
}  // namespace colour_lines

// Keeping colours: the palette file the user saves, and the history kept between
// starts while its switch in the system menu is on.
namespace captions {
inline constexpr const wchar_t *kSavePalette = L"パレットを保存…";
inline constexpr const wchar_t *kKeepHistory = L"色の履歴を保存";
inline constexpr const wchar_t *kPaletteFilterGpl = L"GIMP パレット (*.gpl)";
inline constexpr const wchar_t *kPaletteFilterCss = L"CSS カスタムプロパティ (*.css)";
inline constexpr const wchar_t *kPaletteFilterJson = L"JSON (*.json)";
inline constexpr const wchar_t *kPaletteFilterAse = L"Adobe Swatch Exchange (*.ase)";
inline constexpr const wchar_t *kPaletteFilterTxt = L"テキスト (*.txt)";
inline constexpr const wchar_t *kPaletteFileName = L"Tintwell パレット";
}  // namespace captions

// The copy menu's other formats and the user's templates file, and pasting a
// colour; the file's path in the messages is UTF-8.
namespace captions {
inline constexpr const wchar_t *kOtherFormats = L"ほかの形式";
inline constexpr const wchar_t *kEditTemplates = L"形式を編集…";
inline constexpr const wchar_t *kPasteColour = L"クリップボードの色を表示 (Ctrl+V)";
}  // namespace captions
namespace messages {
inline constexpr const char *kNoTemplatesFolder =
    "ユーザーのアプリケーション データ フォルダーが見つからないため、形式のファイルを置けません。";
std::string TemplatesNotReadable(const std::string &path);
std::string TemplatesTooLarge(const std::string &path);
std::string TemplatesNotCreated(const std::string &path);
std::string TemplatesFolderNotMade(const std::string &folder);
// `why` says what the system answered.
std::string TemplatesNotOpened(const std::string &path, const std::string &why);
inline constexpr const char *kNoEditorFound = "テキスト ファイルを開くプログラムがありません。";
inline constexpr const char *kFileNotFound = "ファイルが見つかりません。";
inline constexpr const char *kAccessDenied = "アクセスが拒否されました。";
inline constexpr const char *kNotEnoughMemory = "メモリが足りません。";
}  // namespace messages

// The settings dialog, opened from "設定…" in the window's system menu: its title,
// its controls' captions and the names of the copy formats a pick copies in, in the
// order of the copy menu's formats.
namespace captions {
inline constexpr const wchar_t *kSettingsItem = L"設定…";
inline constexpr const wchar_t *kSettingsTitle = L"Tintwell の設定";
inline constexpr const wchar_t *kPickHotkey = L"ホットキーで画面から色を取る";
inline constexpr const wchar_t *kPickCopyFormat = L"取った色のコピー形式";
inline constexpr const wchar_t *kResident = L"通知領域に常駐する";
inline constexpr const wchar_t *kStartWithWindows = L"Windows の起動時に開始する";
inline constexpr const wchar_t *kKeepSettings = L"設定を保存する";
inline constexpr const wchar_t *kOk = L"OK";
inline constexpr const wchar_t *kCancel = L"キャンセル";
inline constexpr const wchar_t *kFormatNames[] = {
    L"#RRGGBB",        L"RRGGBB",   L"rgb(r, g, b)", L"r, g, b",
    L"hsl(h, s%, l%)", L"0xRRGGBB", L"&HBBGGRR&",    L"COLORREF (10 進)",
};
}  // namespace captions

namespace messages {
// Picking and display.
inline constexpr const char *kOverflow = "オーバーフローしました。";
inline constexpr const char *kMarkerOutOfPlace = "マーカーの位置が不正です。";
inline constexpr const char *kUnexpectedError = "予期しないエラーで操作が中断されました。";
inline constexpr const char *kOutOfMemory = "メモリが足りないため操作が中断されました。";
// The colour text box.
inline constexpr const char *kCannotShowColourText = "色の文字列を表示できません。";
inline constexpr const char *kBadTextSelection = "色の文字列の選択範囲が不正です。";
// Screen sampling.
inline constexpr const char *kBadSamplingInterval = "画面上の色を読み取る間隔が不正です。";
inline constexpr const char *kCannotStartSampling = "画面上の色の読み取りを開始できません。";
// The clipboard.
inline constexpr const char *kClipboardBusy = "クリップボードは他のプログラムが使用中です。";
inline constexpr const char *kCannotEmptyClipboard = "クリップボードを空にできません。";
inline constexpr const char *kNoMemoryForClipboard =
    "クリップボードの文字列を置くメモリが足りません。";
inline constexpr const char *kCannotSetClipboard = "クリップボードに文字列を設定できません。";
// Keeping colours: the system names no application-data folder to keep them in.
inline constexpr const char *kNoAppDataFolder =
    "色の履歴を保存するフォルダー (アプリケーション データ) が見つかりません。";

// Windows.
inline constexpr const char *kCannotCreateWindow = "ウィンドウを作成できません。";
inline constexpr const char *kCannotCreateLoupe =
    "拡大鏡のウィンドウを作成できません。拡大鏡なしで続けます。";
inline constexpr const char *kCannotAddMenuItems =
    "システムメニューに Tintwell の項目を追加できません。";

// The pick from the screen.
inline constexpr const char *kCannotStartPick =
    "画面から色を取れません。マウスとキーボードの入力を受け取る許可をシステムが与えませんでした。";
inline constexpr const char *kPickNotCopied =
    "取った色をクリップボードにコピーできませんでした。クリップボードを他のプログラムが使用中です"
    "。";
inline constexpr const char *kPickInputLost =
    "画面から色を取るのをやめました。マウスとキーボードの入力を受け取る仕組みをシステムが外したため"
    "、クリックやキーがほかのプログラムに届きました。もう一度取り直してください。";
// Settings.
inline constexpr const char *kCannotShowSettings = "設定の画面を開けません。";
// The pick's hotkey. `combination` is its text, "Ctrl+Alt+K".
std::string HotkeyTakenMessage(const std::string &combination);
// At start: the kept hotkey is held by another program. It stays chosen and is
// tried again at the next start.
std::string KeptHotkeyTakenMessage(const std::string &combination);
// Changing to a taken combination keeps the one that works.
std::string HotkeyKeptMessage(const std::string &taken, const std::string &kept);

std::string HexTextNotSixDigits(const std::string &hexText);
std::string HexTextNotHex(const std::string &hexText);
}  // namespace messages

// Colour formats both ways (UTF-8): a format's name in lists, what the colour reader
// says of a text it could not read or a colour it had to bring into sRGB, and what
// the copy templates say of a line in error and of the lines their file could not give.
namespace format_names {
inline constexpr const char *kDecimalColorref = "COLORREF (10 進数)";
}  // namespace format_names

namespace messages {
inline constexpr const char *kMappedIntoSrgb = "sRGB の外の色を近い色にしました";
inline constexpr const char *kMalformedTemplate = "形式の誤り: ";
// `excerpt` is the text as it is to be shown, already cut short.
std::string NotAColour(const std::string &excerpt);
}  // namespace messages

namespace template_file_texts {
inline constexpr const char *kNotUtf8 = "UTF-8 の文字として読めない行";
inline constexpr const char *kTooLong = "200 文字を超える行";
inline constexpr const char *kBeyondLimit = "32 個を超えたテンプレート";
inline constexpr const char *kSkipped = "を読み飛ばしました: ";
inline constexpr const char *kLine = " 行目";
inline constexpr const char *kListSeparator = ", ";
inline constexpr const char *kAndMore = " ほか ";
inline constexpr const char *kLinesCount = " 行";
// The file a user starts from: how a template is written, and examples to uncomment.
inline constexpr const char *kDefaultFile =
    "// Tintwell のコピー用テンプレート: 1 行に 1 つ、最大 32 個 (1 行 200 文字まで)。\n"
    "// 空の行と // で始まる行は読み飛ばします。UTF-8 で保存してください。\n"
    "//\n"
    "// {r} {g} {b}        各チャンネル 0～255\n"
    "// {r:X} {r:x}        16 進 2 桁 (大文字・小文字)\n"
    "// {r:f} {r:f2}       0～1 の小数 (既定 3 桁、f0～f6 で桁数)\n"
    "// {hsl.h} {hsv.v} {hwb.w} {cmyk.k} {lab.l} {lch.c} {oklab.a} {oklch.h} など\n"
    "//                    各形式の値 (% なし)。{lab.l:3} で小数 3 桁\n"
    "// {{ と }}           波かっこそのもの\n"
    "//\n"
    "// 例 (行頭の // を消すと使えます):\n"
    "// Color.FromArgb({r}, {g}, {b})\n"
    "// 0xFF{r:X}{g:X}{b:X}\n"
    "// vec3({r:f}, {g:f}, {b:f})\n";
}  // namespace template_file_texts

// The palette could not be written to the file the user chose; the old file, if
// there was one, is as it was. `path` is UTF-8.
std::string PaletteNotSavedMessage(const std::string &path);

// The history file is there but cannot be used, as it cannot be read or holds more
// than a history ever does; the file stays as it is and keeping stays off for the
// session. `path` is UTF-8.
std::string HistoryUnreadableMessage(const std::string &path);
std::string HistoryTooLongMessage(const std::string &path, size_t limitKiB);
// The folder the history file goes in could not be made, or the file could not be
// written or deleted.
std::string HistoryFolderNotMadeMessage(const std::string &folder);
std::string HistoryNotWrittenMessage(const std::string &path);
std::string HistoryNotDeletedMessage(const std::string &path);

// The settings file could not be written (its old text, if any, is as it was) or
// deleted. `why` is what the system said, in the user's words; it may be empty.
std::string SettingsNotWrittenMessage(const std::string &path, const std::string &why);
std::string SettingsNotDeletedMessage(const std::string &path, const std::string &why);
// The settings file is there but cannot be used (held open by another program, or
// larger than a settings file ever is): it stays as it is and the settings are not
// kept for the session.
std::string SettingsUnreadableMessage(const std::string &path);
std::string SettingsTooLongMessage(const std::string &path, size_t limitKiB);
// The reasons a settings file could not be made at all.
std::string SettingsFolderNotMadeReason(const std::string &folder);
namespace messages {
inline constexpr const char *kNoAppDataFolderForSettings =
    "ユーザーのアプリケーション データ フォルダーが見つかりません。";
}  // namespace messages

// The colour table library or one of its functions could not be had.
std::string LibraryNotFoundMessage(const std::string &fileName);
std::string ExportNotFoundMessage(const std::string &fileName, const std::string &exportName);

// What the user is told of a failure that ended an operation: a PickerError's own
// text, which is written for the user; for anything else, no programmer's words but
// a plain account in the user's language.
std::string FailureMessage(const std::exception &error);

// The whole message for a failed start: what went wrong, naming the file or the
// export when the library was at fault, in UTF-16 for the message box.
std::u16string StartupFailureMessage(const std::exception &error);

// Caption of that message box.
std::u16string StartupFailureCaption();

// Picking from anywhere: the notification icon's menu, the hints of the hotkey
// field, and what is said when something beyond the window could not be had.
namespace captions {
// The notification icon's menu.
inline constexpr const wchar_t *kShowWindow = L"開く";
inline constexpr const wchar_t *kPickNow = L"画面から色を取る";
inline constexpr const wchar_t *kExit = L"終了";
}  // namespace captions

// The notification icon's tooltip: the program's name and the colour the window
// shows, "Tintwell #1A2B3C"; the name alone while it shows none.
std::u16string NotificationTip(std::optional<ColorRef> shown);

namespace messages {
inline constexpr const char *kHotkeyNeedsModifiers =
    "Win か、Ctrl・Alt・Shift のうち二つと組み合わせてください。";
inline constexpr const char *kHotkeyReservedKey =
    "F12 はデバッガー用に予約されているため使えません。";
inline constexpr const char *kHotkeyUnnamedKey = "このキーはホットキーに使えません。";
inline constexpr const char *kCannotWriteSettings = "設定をファイルに保存できません。";
inline constexpr const char *kCannotRegisterStartup =
    "Windows の起動時に開始するよう登録できません。";
inline constexpr const char *kCannotUnregisterStartup =
    "Windows の起動時に開始する登録を解除できません。";
inline constexpr const char *kCannotShowTrayIcon = "通知領域にアイコンを表示できません。";
// Why a file, a registry value or the notification area refused, after one of the
// messages above.
inline constexpr const char *kNoNotificationArea = "通知領域が見つかりません。";
// At start the kept icon could not be shown: it is tried again.
inline constexpr const char *kTrayIconLater = "通知領域の準備ができしだい、アイコンを表示します。";
// Another Tintwell already lives in the notification area.
inline constexpr const char *kAnotherResidentInstance =
    "別の Tintwell がすでに通知領域に常駐しています。";
inline constexpr const char *kDiskFull = "ディスクの空き領域が足りません。";
inline constexpr const char *kFileInUse = "ファイルを他のプログラムが使用中です。";
inline constexpr const char *kProgramPathUnusable =
    "このプログラムのパスは起動時の登録に使えません。";
// A system error without words of its own: its number.
std::string SystemErrorReason(unsigned long code);

// The key field's hint for a refused key; empty for HotkeyRefusal::None.
std::string HotkeyRefusalMessage(HotkeyRefusal refusal);
}  // namespace messages

// The console picker, tintwell-cli.exe (UTF-8; they go to standard error, the help to
// standard output). What went wrong is said first, then how to call the program.
namespace console_texts {
inline constexpr const char *kUsageHint =
    "使い方: tintwell-cli pick | at X Y | convert 色の文字列 [オプション]"
    " (詳しくは tintwell-cli --help)";
inline constexpr const char *kHelp =
    "tintwell-cli: 画面の色を取り、色の文字列を変換して標準出力に書きます。\n"
    "\n"
    "使い方:\n"
    "  tintwell-cli pick [オプション]          画面から色を取る (クリック・Enter・Space で取り、\n"
    "                                        Esc・右クリックでやめる。矢印キーで 1 ピクセル、\n"
    "                                        Shift+矢印で 10 ピクセル動かし、ホイールで拡大)\n"
    "  tintwell-cli at X Y [オプション]        画面の物理座標 X, Y の色をすぐに書く\n"
    "  tintwell-cli convert 色の文字列 [オプション]\n"
    "                                        色の文字列 (#1A2B3C, rgb(), hsl(), oklch(),\n"
    "                                        色名など) を読み、選んだ形式で書く\n"
    "\n"
    "オプション:\n"
    "  --format 名前     形式 (既定は hex): hex rrggbb rgb channels hsl 0x vb colorref\n"
    "                    hsv hwb cmyk lab lch oklab oklch\n"
    "  --template 文字列 formats.txt と同じテンプレート ({r} {g} {b}, {r:X}, {hsl.h} など)\n"
    "  --sample 1|3|5    1 ピクセル (既定)、3×3 または 5×5 の平均 (pick, at)\n"
    "  --xy              点の座標も書く: #1A2B3C 812 440 (pick, at)\n"
    "  --copy            クリップボードにもコピーする\n"
    "  --no-newline      最後に改行を書かない\n"
    "  --help, --version\n"
    "  --                これより後はすべて色の文字列 (-- で始まる CSS の宣言など)\n"
    "\n"
    "終了コード: 0 完了、1 取り消し、2 引数か入力の誤り、3 システムの失敗\n";
inline constexpr const char *kNoCommand = "コマンドがありません。";
inline constexpr const char *kPickTakesNoText = "pick に続く引数は受け付けません。";
inline constexpr const char *kAtNeedsTwoNumbers =
    "at には画面の座標を整数で 2 つ指定してください: at X Y";
inline constexpr const char *kConvertNeedsText = "convert には色の文字列を指定してください。";
inline constexpr const char *kFormatAndTemplate =
    "--format と --template は同時に指定できません。";
inline constexpr const char *kEmptyTemplate = "--template の文字列が空です。";
inline constexpr const char *kBadSample = "--sample には 1、3、5 のいずれかを指定してください。";
inline constexpr const char *kPointOnlyForScreen = "--xy は pick と at だけに使えます。";
inline constexpr const char *kPointOnNoMonitor = "その点はどのモニターの上にもありません: ";
inline constexpr const char *kCannotReadScreen = "画面を読み取れません。";
inline constexpr const char *kCannotWriteOutput = "標準出力に書き込めません。";
inline constexpr const char *kCannotCreatePickWindow =
    "色を取るためのウィンドウを作成できません。";
std::string UnknownCommand(const std::string &command);
std::string UnknownOption(const std::string &option);
std::string UnknownFormat(const std::string &name);
std::string OptionTwice(const std::string &option);
std::string OptionNeedsValue(const std::string &option);
std::string OptionTakesNoValue(const std::string &option);
}  // namespace console_texts

}  // namespace tintwell

#endif  // TINTWELL_PICKER_USER_TEXTS_H
