// Colour texts both ways, worked as a user works them: the copy menu's other formats
// and the user's templates chosen from the keyboard and read back from the
// clipboard, and colour texts pasted with Ctrl+V and the menu's item. (What the menu
// shows is read in copy_menu_items_test, inside the process that shows it.)
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "sampling_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

constexpr int kDescribingLines = 2;
constexpr int kEightFormatItems = 8;
const std::wstring kSentinel = L"left by the test";

std::wstring TemplatesPath() {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::wstring(folder) + L"\\Tintwell\\formats.txt";
}

std::string FileBytes(const std::wstring &path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file) return "(missing)";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class ColourTextsTest : public SamplingTest {
  protected:
    // No templates from an earlier test: the menu is as a first start has it.
    void SetUp() override {
        DeleteFileW(TemplatesPath().c_str());
        SamplingTest::SetUp();
    }
    void TearDown() override {
        SamplingTest::TearDown();
        DeleteFileW(TemplatesPath().c_str());
    }

    testing::AssertionResult OpenMenu() {
        Click(ControlCentre(kCommand1), Button::Right);
        if (!WaitUntil(kUpdateTimeoutMs, [&] { return VisibleMenuOf(uiThread()) != nullptr; })) {
            return testing::AssertionFailure() << "no menu showed";
        }
        Pause(200);  // a key that arrives before the menu loop runs is lost
        return testing::AssertionSuccess();
    }
    testing::AssertionResult MenuCloses() {
        if (WaitUntil(kUpdateTimeoutMs, [&] { return VisibleMenuOf(uiThread()) == nullptr; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "the menu stayed open";
    }
    // Down to the item this many places past the describing lines (a third when a
    // recent colour differs from the one shown), then Enter.
    testing::AssertionResult Choose(int item, int described = kDescribingLines) {
        testing::AssertionResult opened = OpenMenu();
        if (!opened) return opened;
        for (int i = 0; i <= described + item; ++i) Key(VK_DOWN);
        Key(VK_RETURN);
        return MenuCloses();
    }
    // "ほかの形式" is the item after the formats and `templates` template lines; Right
    // opens it on its first item.
    testing::AssertionResult ChooseOtherFormat(int item, int templates = 0) {
        testing::AssertionResult opened = OpenMenu();
        if (!opened) return opened;
        for (int i = 0; i <= kDescribingLines + kEightFormatItems + templates; ++i) Key(VK_DOWN);
        Key(VK_RIGHT);
        Pause(200);
        for (int i = 0; i < item; ++i) Key(VK_DOWN);
        Key(VK_RETURN);
        return MenuCloses();
    }
    void SelectRedMode() {
        ClickControl(kOption4);
        ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kOption4); }));
    }
    void PasteKey() { KeyWith(VK_CONTROL, 'V'); }
};

TEST_F(ColourTextsTest, EachOtherFormatOfTheSwatchColourCopiesExactlyItsText) {
    SelectRedMode();
    ASSERT_TRUE(Sample(Rgb(0x1A, 0x2B, 0x3C), L"#1A2B3C"));
    const std::wstring expected[] = {
        L"hsv(210, 57%, 24%)",          L"hwb(210 10% 76%)",
        L"cmyk(57%, 28%, 0%, 76%)",     L"lab(16.68 -2.85 -13.25)",
        L"lch(16.68 13.55 257.85)",     L"oklab(0.2826 -0.0137 -0.03633)",
        L"oklch(0.2826 0.03883 249.34)"};
    for (int item = 0; item < 7; ++item) {
        ASSERT_TRUE(SetClipboardText(kSentinel));
        ASSERT_TRUE(ChooseOtherFormat(item)) << item;
        EXPECT_TRUE(ClipboardBecomes(expected[item])) << item;
    }
    EXPECT_EQ(Text1(), L"#1A2B3C") << "copying changes nothing shown";
}

TEST_F(ColourTextsTest, TheTemplatesFileIsReadAtEachOpeningAndItsLinesCopyExpanded) {
    SelectRedMode();
    ASSERT_TRUE(Sample(Rgb(0x12, 0x34, 0x56), L"#123456"));
    CreateDirectoryW(TemplatesPath().substr(0, TemplatesPath().find_last_of(L'\\')).c_str(),
                     nullptr);
    {
        std::ofstream file(TemplatesPath().c_str(), std::ios::binary);
        file << "// mine\r\nColor.FromArgb({r}, {g}, {b})\r\n0x{r:x}{g:x}{b:x}\r\n";
    }
    ASSERT_TRUE(SetClipboardText(kSentinel));
    ASSERT_TRUE(Choose(kEightFormatItems + 1));
    EXPECT_TRUE(ClipboardBecomes(L"0x123456"));
    ASSERT_TRUE(Choose(kEightFormatItems + 0));
    EXPECT_TRUE(ClipboardBecomes(L"Color.FromArgb(18, 52, 86)"));
    ASSERT_TRUE(ChooseOtherFormat(0, 2));
    EXPECT_TRUE(ClipboardBecomes(L"hsv(210, 79%, 34%)")) << "the submenu moves down past them";

    DeleteFileW(TemplatesPath().c_str());
    ASSERT_TRUE(SetClipboardText(kSentinel));
    ASSERT_TRUE(ChooseOtherFormat(0));
    EXPECT_TRUE(ClipboardBecomes(L"hsv(210, 79%, 34%)")) << "without the file, no lines";
    EXPECT_EQ(process().CountMessageBoxes(), 0);
}

TEST_F(ColourTextsTest, CtrlVShowsTheColourOfEachKindOfTextAndKeepsIt) {
    SelectRedMode();
    struct Case {
        const wchar_t *text;
        uint32_t colour;
    };
    const Case cases[] = {
        {L"#1A2B3C", Rgb(0x1A, 0x2B, 0x3C)},
        {L"rgb(18 52 86)", Rgb(0x12, 0x34, 0x56)},
        {L"rgb(101, 67, 33)", Rgb(0x65, 0x43, 0x21)},
        {L"hsl(120, 100%, 25%)", Rgb(0x00, 0x80, 0x00)},
        {L"oklch(0.2826 0.03883 249.34)", Rgb(0x1A, 0x2B, 0x3C)},
        {L"RebeccaPurple", Rgb(0x66, 0x33, 0x99)},
        {L"  --brand: #ABCDEF;", Rgb(0xAB, 0xCD, 0xEF)},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(SetClipboardText(c.text));
        PasteKey();
        EXPECT_TRUE(TextBecomes(DisplayText(c.colour))) << testing::PrintToString(c.text);
        EXPECT_TRUE(SwatchBecomes(c.colour)) << testing::PrintToString(c.text);
        EXPECT_EQ(ClipboardText(), std::wstring(c.text)) << "nothing is copied";
    }
    EXPECT_TRUE(IsChecked(kOption4));
    EXPECT_EQ(process().CountMessageBoxes(), 0);

    // Kept, newest first, as the recent colours (the oklch one is #1A2B3C again):
    // #ABCDEF, #663399, #1A2B3C, #008000, ... Away from it first, without a copy.
    ClickField(10, 10);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return Text1() != L"#ABCDEF"; }));
    ASSERT_TRUE(Choose(kEightFormatItems + 1 + 1, 3));
    EXPECT_TRUE(TextBecomes(L"#663399"));
    ASSERT_TRUE(Choose(kEightFormatItems + 1 + 3, 3));
    EXPECT_TRUE(TextBecomes(L"#008000"));

    // The menu's item does what the key does.
    ASSERT_TRUE(SetClipboardText(L"rgb(1 2 3)"));
    ASSERT_TRUE(OpenMenu());
    Key(VK_UP);
    Key(VK_UP);
    Key(VK_RETURN);
    ASSERT_TRUE(MenuCloses());
    EXPECT_TRUE(TextBecomes(L"#010203"));
}

TEST_F(ColourTextsTest, ATextThatIsNoColourIsQuotedAndChangesNothingAndTheTextBoxPastesText) {
    ClickField(100, 60);
    const std::wstring shown = DisplayText(oracle().GetColor(kWhite, 0, 100, 60, 0));
    ASSERT_TRUE(TextBecomes(shown));
    ASSERT_TRUE(SetClipboardText(L"no colour here"));
    PasteKey();
    const std::wstring said = ShownMessageText();
    EXPECT_NE(said.find(L"色として読めません: 「no colour here」"), std::wstring::npos)
        << testing::PrintToString(said);
    Key(VK_RETURN);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return process().CountMessageBoxes() == 0; }));
    EXPECT_EQ(Text1(), shown);
    EXPECT_TRUE(MarkersAt(POINT{95, 55}, 1));
    EXPECT_EQ(ClipboardText(), L"no colour here");

    ASSERT_TRUE(SetClipboardText(L"#123456"));
    ClickControl(kText1);
    ASSERT_TRUE(
        WaitUntil(kUpdateTimeoutMs, [&] { return FocusOf(uiThread()) == Control(kText1); }));
    Key(VK_HOME);
    Key(VK_END, true);
    PasteKey();
    EXPECT_TRUE(TextBecomes(L"#123456")) << "the text box takes the text itself";
    Pause(300);
    EXPECT_NE(SwatchColour(), Rgb(0x12, 0x34, 0x56)) << "and no colour is shown from it";
}

// A paste that cannot have the clipboard is said at every try, from the key and from
// the menu alike: a second "busy" kept quiet would look as if the paste had worked.
TEST_F(ColourTextsTest, AClipboardHeldElsewhereIsSaidAtEveryPasteFromTheKeyAndTheMenu) {
    SelectRedMode();
    const std::wstring before = Text1();
    ClickField(100, 60);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return Text1() != before; }));
    const std::wstring shown = Text1();
    // A copy, so that the menu ends on its paste item and the palette's, as for a user
    // who has copied before.
    ClickControl(kCommand1);
    ASSERT_TRUE(ClipboardBecomes(shown));
    ASSERT_TRUE(SetClipboardText(L"#123456"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const std::wstring busy = L"クリップボードは他のプログラムが使用中です。";
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (attempt < 2) {
            PasteKey();
        } else {
            ASSERT_TRUE(OpenMenu()) << attempt;
            Key(VK_UP);
            Key(VK_UP);
            Key(VK_RETURN);
            ASSERT_TRUE(MenuCloses()) << attempt;
        }
        const std::wstring said = ShownMessageText();
        EXPECT_NE(said.find(busy), std::wstring::npos)
            << "attempt " << attempt << ": " << testing::PrintToString(said);
        EXPECT_EQ(process().CountMessageBoxes(), 1) << attempt;
        Key(VK_RETURN);
        ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return process().CountMessageBoxes() == 0; }))
            << attempt;
    }
    CloseClipboard();
    EXPECT_EQ(Text1(), shown) << "nothing was pasted";
    PasteKey();
    EXPECT_TRUE(TextBecomes(L"#123456")) << "once free, the paste works";
}

TEST_F(ColourTextsTest, EditingTheTemplatesMakesTheFileWithItsExamplesAndOpensAnEditor) {
    ASSERT_TRUE(ChooseOtherFormat(0));
    ASSERT_EQ(FileBytes(TemplatesPath()), "(missing)") << "nothing makes it unasked";
    ASSERT_TRUE(OpenMenu());
    for (int i = 0; i <= kDescribingLines + kEightFormatItems; ++i) Key(VK_DOWN);
    Key(VK_RIGHT);
    Pause(200);
    Key(VK_UP);  // the last item, "形式を編集…"
    Key(VK_RETURN);
    ASSERT_TRUE(MenuCloses());
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] {
        return FileBytes(TemplatesPath()).rfind("// ", 0) == 0;
    })) << FileBytes(TemplatesPath());
    HWND editor = nullptr;
    EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] {
        editor = FindWindowW(L"Notepad", nullptr);
        return editor != nullptr;
    })) << "no editor showed";
    const std::string made = FileBytes(TemplatesPath());
    if (editor != nullptr) {
        // Gone before the menu opens again: an editor still closing may hold the
        // foreground, and the menu would then not open.
        PostMessageW(editor, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(editor); }));
    }
    // Opening it again leaves what the user has written.
    {
        std::ofstream file(TemplatesPath().c_str(), std::ios::binary);
        file << "{r}\r\n";
    }
    ASSERT_TRUE(OpenMenu());
    for (int i = 0; i <= kDescribingLines + kEightFormatItems + 1; ++i) Key(VK_DOWN);
    Key(VK_RIGHT);
    Pause(200);
    Key(VK_UP);
    Key(VK_RETURN);
    ASSERT_TRUE(MenuCloses());
    EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] {
        editor = FindWindowW(L"Notepad", nullptr);
        return editor != nullptr;
    }));
    if (editor != nullptr) PostMessageW(editor, WM_CLOSE, 0, 0);
    EXPECT_EQ(FileBytes(TemplatesPath()), "{r}\r\n");
    EXPECT_NE(made.find("{r}"), std::string::npos) << "the examples show how to write one";
}

}  // namespace
}  // namespace e2e
