// Every text the user reads, in Japanese, in one place: the captions of the controls
// that have words, the messages of operations that failed, and the box shown when
// the program cannot start. Messages say what happened in the user's terms, never in
// the names the code gives its controls. They are UTF-8 because they travel in
// PickerError::what(); captions are wide because they go straight to a window.
#ifndef TINTWELL_PICKER_USER_TEXTS_H
#define TINTWELL_PICKER_USER_TEXTS_H

#include <exception>
#include <string>

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
// Keeping colours.
inline constexpr const char *kCannotWriteHistory = "色の履歴をファイルに保存できません。";
inline constexpr const char *kCannotDeleteHistory = "色の履歴のファイルを削除できません。";

// Start-up.
inline constexpr const char *kCannotCreateWindow = "ウィンドウを作成できません。";

// The pick from the screen.
inline constexpr const char *kCannotStartPick =
    "画面から色を取れません。マウスとキーボードの入力を受け取る許可をシステムが与えませんでした。";
inline constexpr const char *kPickNotCopied =
    "取った色をクリップボードにコピーできませんでした。クリップボードを他のプログラムが使用中です"
    "。";
// Settings.
inline constexpr const char *kCannotShowSettings = "設定の画面を開けません。";
// The pick's hotkey. `combination` is its text, "Ctrl+Alt+K".
std::string HotkeyTakenMessage(const std::string &combination);

std::string HexTextNotSixDigits(const std::string &hexText);
std::string HexTextNotHex(const std::string &hexText);
}  // namespace messages

// The palette could not be written to the file the user chose; the old file, if
// there was one, is as it was. `path` is UTF-8.
std::string PaletteNotSavedMessage(const std::string &path);

// The colour table library or one of its functions could not be had.
std::string LibraryNotFoundMessage(const std::string &fileName);
std::string ExportNotFoundMessage(const std::string &fileName, const std::string &exportName);

// The whole message for a failed start: what went wrong, naming the file or the
// export when the library was at fault, in UTF-16 for the message box.
std::u16string StartupFailureMessage(const std::exception &error);

// Caption of that message box.
std::u16string StartupFailureCaption();

}  // namespace tintwell

#endif  // TINTWELL_PICKER_USER_TEXTS_H
