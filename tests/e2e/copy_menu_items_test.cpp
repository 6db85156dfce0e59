// The copy button's menu as a screen reader reads it, inside this process, where the
// menu functions can read a menu that is open: its describing lines, its recent
// colours as text items whose swatch alone the program draws, and the save item.
#include <windows.h>

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
};

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
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_BITMAP;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        g_items.push_back(
            MenuItem{text, (info.fState & MFS_GRAYED) != 0, info.hbmpItem == HBMMENU_CALLBACK});
    }
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
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items[0].text, L"色名: white");
    EXPECT_EQ(items[1].text, L"白 1.0:1 — · 黒 21.0:1 AAA");
    EXPECT_EQ(items[2].text, L"#1A2B3C と 14.4:1 AAA");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(items[i].greyed) << i;
    EXPECT_EQ(items[3].text, L"");
    EXPECT_EQ(items[4].text, L"#FFFFFF");
    EXPECT_FALSE(items[4].greyed);
    EXPECT_EQ(items[13].text, L"#1A2B3C") << "the recent colour reads as its text";
    EXPECT_TRUE(items[13].drawnSwatch);
    EXPECT_FALSE(items[13].greyed);
    EXPECT_EQ(items[15].text, L"パレットを保存…");
    EXPECT_FALSE(items[15].greyed);
}

}  // namespace
