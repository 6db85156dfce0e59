// The copy button's menu as a screen reader reads it, inside this process, where the
// menu functions can read a menu that is open: its describing lines, the other
// formats and the user's templates, its recent colours as text items whose swatch
// alone the program draws, and the paste and save items.
#include <windows.h>

#include <shlobj.h>

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control_layout.h"
#include "live_form.h"

namespace {

using namespace tintwell::win32;

struct MenuItem {
    std::wstring text;
    bool greyed;
    bool drawnSwatch;
    std::vector<MenuItem> submenu;
};

std::vector<MenuItem> ItemsOf(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_BITMAP | MIIM_SUBMENU;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back(
            MenuItem{text, (info.fState & MFS_GRAYED) != 0, info.hbmpItem == HBMMENU_CALLBACK,
                     info.hSubMenu != nullptr ? ItemsOf(info.hSubMenu) : std::vector<MenuItem>{}});
    }
    return items;
}

std::wstring TemplatesPath() {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::wstring(folder) + L"\\Tintwell\\formats.txt";
}

// Filled by the timer that runs inside the menu's own loop.
std::vector<MenuItem> g_items;

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32768" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND *>(found) = window;
    return FALSE;
}

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menuWindow = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&menuWindow));
    if (menuWindow == nullptr) return;
    KillTimer(nullptr, timer);
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    g_items = ItemsOf(menu);
    EndMenu();
}

class CopyMenuItemsTest : public LiveFormTest {
  protected:
    std::vector<MenuItem> OpenedMenu() {
        g_items.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, ReadOpenMenu);
        // As Shift+F10 on the button asks for it; returns when the menu has closed.
        SendMessageW(form_->hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control(kCommand1)),
                     MAKELPARAM(-1, -1));
        KillTimer(nullptr, timer);
        return g_items;
    }
};

TEST_F(CopyMenuItemsTest, DescribingLinesFirstRecentColoursAsTextAndTheSaveItemLast) {
    std::vector<MenuItem> items = OpenedMenu();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items.back().text, L"パレットを保存…");
    EXPECT_TRUE(items.back().greyed) << "nothing to save yet";

    // A copy of a typed colour makes it recent; the swatch still shows white.
    form_->controls().set_Text1_Text(u"#1A2B3C");
    SendMessageW(Control(kCommand1), BM_CLICK, 0, 0);
    items = OpenedMenu();
    ASSERT_EQ(items.size(), 18u);
    EXPECT_EQ(items[0].text, L"色名: white");
    EXPECT_EQ(items[1].text, L"白 1.0:1 — · 黒 21.0:1 AAA");
    EXPECT_EQ(items[2].text, L"#1A2B3C と 14.4:1 AAA");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(items[i].greyed) << i;
    EXPECT_EQ(items[3].text, L"");
    EXPECT_EQ(items[4].text, L"#FFFFFF");
    EXPECT_FALSE(items[4].greyed);
    EXPECT_EQ(items[12].text, L"ほかの形式");
    EXPECT_EQ(items[14].text, L"#1A2B3C") << "the recent colour reads as its text";
    EXPECT_TRUE(items[14].drawnSwatch);
    EXPECT_FALSE(items[14].greyed);
    EXPECT_EQ(items[16].text, L"クリップボードの色を表示 (Ctrl+V)");
    EXPECT_FALSE(items[16].greyed);
    EXPECT_EQ(items[17].text, L"パレットを保存…");
    EXPECT_FALSE(items[17].greyed);
}

class CopyMenuTextsTest : public CopyMenuItemsTest {
  protected:
    void SetUp() override {
        DeleteFileW(TemplatesPath().c_str());
        CopyMenuItemsTest::SetUp();
    }
    void TearDown() override {
        CopyMenuItemsTest::TearDown();
        DeleteFileW(TemplatesPath().c_str());
    }
    void WriteTemplates(const std::string &bytes) {
        const std::wstring path = TemplatesPath();
        CreateDirectoryW(path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
        std::ofstream file(path.c_str(), std::ios::binary);
        file << bytes;
    }
};

// The texts themselves, for a colour of more than one channel, are read back from
// the clipboard end to end; here, where they stand, for white.
TEST_F(CopyMenuTextsTest, OtherFormatsFollowTheEightAndEndInTheEditItem) {
    const std::vector<MenuItem> items = OpenedMenu();
    ASSERT_EQ(items.size(), 15u) << "no recent colour, no template";
    EXPECT_EQ(items[10].text, L"16777215");
    ASSERT_EQ(items[11].text, L"ほかの形式");
    EXPECT_TRUE(items[11].drawnSwatch) << "lined up with the other texts";
    const std::vector<MenuItem> &others = items[11].submenu;
    ASSERT_EQ(others.size(), 9u) << "seven formats, a separator, the edit item";
    EXPECT_EQ(others[0].text, L"hsv(0, 0%, 100%)");
    EXPECT_EQ(others[1].text, L"hwb(0 100% 0%)");
    EXPECT_EQ(others[2].text, L"cmyk(0%, 0%, 0%, 0%)");
    EXPECT_EQ(others[6].text.rfind(L"oklch(1 0", 0), 0u) << testing::PrintToString(others[6].text);
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(others[i].greyed) << i;
    EXPECT_EQ(others[8].text, L"形式を編集…");
    EXPECT_EQ(items[12].text, L"");
    EXPECT_EQ(items[13].text, L"クリップボードの色を表示 (Ctrl+V)");
    EXPECT_EQ(items[14].text, L"パレットを保存…");
    EXPECT_EQ(GetFileAttributesW(TemplatesPath().c_str()), INVALID_FILE_ATTRIBUTES)
        << "opening the menu makes no file";
}

TEST_F(CopyMenuTextsTest, TemplatesShowExpandedBeforeTheOtherFormatsAndABadLineGreyed) {
    WriteTemplates(
        "\xEF\xBB\xBF// colours for code\r\nColor.FromArgb({r}, {g}, {b})\r\n"
        "vec3({r:f}, {g:f}, {b:f})\r\n{oklch.h} {nope}\r\n");
    std::vector<MenuItem> items = OpenedMenu();
    ASSERT_GE(items.size(), 16u);
    EXPECT_EQ(items[10].text, L"16777215") << "the eight formats as they were";
    EXPECT_EQ(items[11].text, L"Color.FromArgb(255, 255, 255)");
    EXPECT_FALSE(items[11].greyed);
    EXPECT_EQ(items[12].text, L"vec3(1.000, 1.000, 1.000)");
    EXPECT_EQ(items[13].text, L"形式の誤り: {oklch.h} {nope}");
    EXPECT_TRUE(items[13].greyed);
    EXPECT_EQ(items[14].text, L"ほかの形式");

    // Read again at each opening: what the file no longer holds is gone, and a file
    // that is not UTF-8 gives what it can and says what it skipped.
    WriteTemplates(
        "{r:X}{g:X}{b:X}\n\xFF\xFE\xFD"
        "broken\n");
    items = OpenedMenu();
    ASSERT_GE(items.size(), 15u);
    EXPECT_EQ(items[11].text, L"FFFFFF");
    EXPECT_TRUE(items[12].greyed);
    EXPECT_NE(items[12].text.find(L"UTF-8"), std::wstring::npos)
        << testing::PrintToString(items[12].text);
    EXPECT_EQ(items[13].text, L"ほかの形式");
}

}  // namespace
