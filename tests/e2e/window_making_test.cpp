// Windows of the real form that cannot be made: the user is told, in the picker's
// own words, and nothing half made is used. A window class left unregistered stands
// in for the system's refusal.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "command_ids.h"
#include "control_layout.h"
#include "form_window.h"
#include "loupe.h"
#include "picture_box.h"
#include "window_probe.h"

namespace {

using namespace tintwell::win32;

using testsupport::BoxAnswer;

bool OwnWindowOfClass(const wchar_t *className) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, className, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(found, &process);
        if (process == GetCurrentProcessId()) return true;
    }
    return false;
}

class WindowMakingTest : public testing::Test {
  protected:
    void SetUp() override { FormWindow::RegisterClasses(instance_); }
    // Every class back for the tests after this one.
    void TearDown() override { FormWindow::RegisterClasses(instance_); }

    HINSTANCE instance_ = GetModuleHandleW(nullptr);
};

TEST_F(WindowMakingTest, AFormWhoseFieldCannotBeMadeSaysSoAndIsNotLeft) {
    ASSERT_TRUE(UnregisterClassW(kPictureClass, instance_));
    MSG quit{};
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    FormWindow form(instance_);
    BoxAnswer answer;
    EXPECT_FALSE(form.Start(SW_SHOWNOACTIVATE));
    EXPECT_NE(answer.Text().find(L"Tintwell を起動できませんでした"), std::wstring::npos)
        << testing::PrintToString(answer.Text());
    EXPECT_NE(answer.Text().find(L"ウィンドウを作成できません"), std::wstring::npos);
    EXPECT_EQ(form.hwnd(), nullptr);
    EXPECT_FALSE(OwnWindowOfClass(kFormClass));
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "the half-made form ran its handling of WM_DESTROY";
}

// The picker starts without the loupe and without its switch, and says why once the
// window shows; the sample's size stays in the menu.
TEST_F(WindowMakingTest, AFormWhoseLoupeCannotBeMadeSaysSoAndGoesOnWithoutIt) {
    ASSERT_TRUE(UnregisterClassW(kLoupeClass, instance_));
    FormWindow form(instance_);
    ASSERT_TRUE(form.Start(SW_SHOWNOACTIVATE));
    const HMENU system = GetSystemMenu(form.hwnd(), FALSE);
    const int count = GetMenuItemCount(system);
    EXPECT_EQ(GetMenuItemID(system, count - 1), kKeepHistoryCommand);
    EXPECT_EQ(GetMenuState(system, kLoupeCommand, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetSubMenu(system, count - 2), nullptr);
    EXPECT_FALSE(OwnWindowOfClass(kLoupeClass));

    MSG report{};
    ASSERT_TRUE(
        PeekMessageW(&report, form.hwnd(), kShowFailureMessage, kShowFailureMessage, PM_REMOVE));
    BoxAnswer answer;
    DispatchMessageW(&report);
    EXPECT_NE(answer.Text().find(L"拡大鏡のウィンドウを作成できません"), std::wstring::npos)
        << testing::PrintToString(answer.Text());

    // Sampling goes on without it.
    SendMessageW(GetDlgItem(form.hwnd(), kCheck3), BM_CLICK, 0, 0);
    SendMessageW(form.hwnd(), WM_TIMER, kTimer1, 0);
    EXPECT_FALSE(OwnWindowOfClass(kLoupeClass));
    SendMessageW(GetDlgItem(form.hwnd(), kCheck3), BM_CLICK, 0, 0);
    DestroyWindow(form.hwnd());
}

}  // namespace
