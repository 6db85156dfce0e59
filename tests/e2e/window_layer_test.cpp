// The window layer on its own, inside this process: the control properties as the
// picker core uses them, and the platform operations against real windows and a
// clipboard that another thread holds.
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control_layout.h"
#include "draw_target.h"
#include "form_window.h"
#include "history_switch.h"
#include "live_form.h"
#include "loupe.h"
#include "win32_platform.h"
#include "window_probe.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

class WindowLayerTest : public LiveFormTest {};

TEST_F(WindowLayerTest, SelectionStartCollapsesAndLengthExtendsWithinTheText) {
    form_->controls().set_Text1_Text(u"#1A2B3C");
    EXPECT_EQ(form_->controls().Text1_Text(), u"#1A2B3C");
    form_->controls().set_Text1_SelStart(1);
    EXPECT_EQ(form_->controls().Text1_SelText(), u"");
    form_->controls().set_Text1_SelLength(4);
    EXPECT_EQ(form_->controls().Text1_SelText(), u"1A2B");
    form_->controls().set_Text1_SelLength(100);
    EXPECT_EQ(form_->controls().Text1_SelText(), u"1A2B3C") << "a length past the end stops there";
    form_->controls().set_Text1_SelStart(50);
    form_->controls().set_Text1_SelLength(3);
    EXPECT_EQ(form_->controls().Text1_SelText(), u"");

    EXPECT_THROW(form_->controls().set_Text1_SelStart(-1), PickerError);
    EXPECT_THROW(form_->controls().set_Text1_SelLength(-1), PickerError);
}

TEST_F(WindowLayerTest, AnUnchangedTextIsLeftAsARewriteLeavesIt) {
    // A rewrite puts the caret at the start with nothing selected, whatever a copy
    // selected before; writing the same text again must end the same way.
    for (const char16_t *next : {u"#3C2B1A", u"#1A2B3C"}) {
        form_->controls().set_Text1_Text(u"#1A2B3C");
        SendMessageW(Control(kText1), EM_SETSEL, 0, -1);
        form_->controls().set_Text1_Text(next);
        DWORD start = 99, end = 99;
        SendMessageW(Control(kText1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << testing::PrintToString(std::u16string(next));
        EXPECT_EQ(end, 0u) << testing::PrintToString(std::u16string(next));
    }
}

TEST_F(WindowLayerTest, TextKeepsJapaneseAndLongTexts) {
    const std::u16string japanese = u"画面上の色ｸﾘｯﾌﾟ";
    form_->controls().set_Text1_Text(japanese);
    EXPECT_EQ(form_->controls().Text1_Text(), japanese);
    const std::u16string longText(70000, u'F');
    form_->controls().set_Text1_Text(longText);
    EXPECT_EQ(form_->controls().Text1_Text().size(), longText.size())
        << "Text1 has no length limit";
}

TEST_F(WindowLayerTest, MarkersKeepTheirFractionalPositionsAndSitOnTheNearestPixel) {
    form_->controls().set_Label1_Left(95.5f);
    form_->controls().set_Label1_Top(-5.0f);
    EXPECT_EQ(form_->controls().Label1_Left(), 95.5f);
    EXPECT_EQ(form_->controls().Label1_Top(), -5.0f);
    // The window follows once the handler's changes are shown, as after every handler.
    form_->controls().ShowChanges();
    RECT placed{};
    GetWindowRect(GetDlgItem(Control(kPicture1), kLabel1), &placed);
    MapWindowPoints(nullptr, Control(kPicture1), reinterpret_cast<POINT *>(&placed), 2);
    EXPECT_EQ(placed.left, 96);
    EXPECT_EQ(placed.top, -5);

    EXPECT_NEAR(form_->controls().Label2_Left(), 266.6667f, 0.001f) << "4000 twips";
    EXPECT_EQ(form_->controls().Label2_Top(), 1.0f);
    form_->controls().set_Label2_Top(101.0f);
    EXPECT_EQ(form_->controls().Label2_Top(), 101.0f);

    EXPECT_THROW(form_->controls().set_Label1_Left(std::nanf("")), PickerError);
    EXPECT_THROW(form_->controls().set_Label2_Top(1e9f), PickerError);
    EXPECT_EQ(form_->controls().Label2_Top(), 101.0f) << "a refused position changes nothing";
}

TEST_F(WindowLayerTest, CheckValuesFollowTheBoxesAndOptionsStayOneTabStop) {
    EXPECT_EQ(form_->controls().Check2_Value(), 0);
    SendMessageW(Control(kCheck2), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(form_->controls().Check2_Value(), 1);
    EXPECT_EQ(form_->controls().Check4_Value(), 0);

    SendMessageW(Control(kOption5), BM_CLICK, 0, 0);
    int stops = 0;
    for (ControlId option : {kOption1, kOption2, kOption3, kOption4, kOption5, kOption6}) {
        if (GetWindowLongPtrW(Control(option), GWL_STYLE) & WS_TABSTOP) ++stops;
    }
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(GetWindowLongPtrW(Control(kOption5), GWL_STYLE) & WS_TABSTOP);

    form_->controls().set_Check3_Value(1);
    EXPECT_EQ(form_->controls().Check3_Value(), 1);
    form_->controls().set_Check3_Value(0);
    EXPECT_EQ(SendMessageW(Control(kCheck3), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// Another process cannot read this menu under Wine, so the end-to-end suite sees the
// switches only through what they do.
// Below a separator: the settings, the sample size's submenu, the history's switch,
// then the loupe's, last; both switches off at start (no history file in the test's
// prefix).
TEST_F(WindowLayerTest, SampleSizeHistoryAndLoupeSwitchesEndTheSystemMenu) {
    HMENU menu = GetSystemMenu(form_->hwnd(), FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 5);
    EXPECT_EQ(GetMenuItemID(menu, count - 4), kSettingsCommand);
    EXPECT_EQ(GetMenuItemID(menu, count - 2), kKeepHistoryCommand);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), kLoupeCommand);
    EXPECT_NE(GetMenuState(menu, count - 5, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    wchar_t caption[32] = {};
    GetMenuStringW(menu, kSettingsCommand, caption, 32, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"設定…");
    GetMenuStringW(menu, kLoupeCommand, caption, 32, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"拡大鏡");
    GetMenuStringW(menu, kKeepHistoryCommand, caption, 32, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"色の履歴を保存");
    EXPECT_EQ(GetMenuState(menu, kLoupeCommand, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(GetMenuState(menu, kKeepHistoryCommand, MF_BYCOMMAND) & MF_CHECKED, 0u);

    GetMenuStringW(menu, count - 3, caption, 32, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"サンプル範囲");
    HMENU sizes = GetSubMenu(menu, count - 3);
    ASSERT_NE(sizes, nullptr);
    ASSERT_EQ(GetMenuItemCount(sizes), 3);
    const wchar_t *const names[] = {L"1 ピクセル", L"3×3 の平均", L"5×5 の平均"};
    for (int item = 0; item < 3; ++item) {
        GetMenuStringW(sizes, item, caption, 32, MF_BYPOSITION);
        EXPECT_STREQ(caption, names[item]);
        EXPECT_EQ((GetMenuState(sizes, item, MF_BYPOSITION) & MF_CHECKED) != 0, item == 0) << item;
    }
    // Chosen from the submenu, an item arrives as a command and ticks itself alone.
    SendMessageW(form_->hwnd(), WM_COMMAND, GetMenuItemID(sizes, 2), 0);
    for (int item = 0; item < 3; ++item) {
        EXPECT_EQ((GetMenuState(sizes, item, MF_BYPOSITION) & MF_CHECKED) != 0, item == 2) << item;
    }

    SendMessageW(form_->hwnd(), WM_SYSCOMMAND, kLoupeCommand, 0);
    EXPECT_NE(GetMenuState(menu, kLoupeCommand, MF_BYCOMMAND) & MF_CHECKED, 0u);
    SendMessageW(form_->hwnd(), WM_SYSCOMMAND, kLoupeCommand, 0);
    EXPECT_EQ(GetMenuState(menu, kLoupeCommand, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(WindowLayerTest, ReactivationPutsTheFocusBackWhereItWas) {
    SetFocus(Control(kText1));
    SendMessageW(form_->hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    SetFocus(form_->hwnd());
    SendMessageW(form_->hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
    EXPECT_EQ(GetFocus(), Control(kText1));
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return mask.bmWidth;
}

TEST_F(WindowLayerTest, WindowShowsTheProgramIconInBothSizes) {
    auto large = reinterpret_cast<HICON>(SendMessageW(form_->hwnd(), WM_GETICON, ICON_BIG, 0));
    auto small = reinterpret_cast<HICON>(SendMessageW(form_->hwnd(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(IconWidth(large), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(IconWidth(small), GetSystemMetrics(SM_CXSMICON));
}

TEST_F(WindowLayerTest, TimerIntervalRefusesNegativeValues) {
    EXPECT_NO_THROW(form_->controls().set_Timer1_Interval(100));
    EXPECT_NO_THROW(form_->controls().set_Timer1_Interval(0));
    EXPECT_THROW(form_->controls().set_Timer1_Interval(-100), PickerError);
}

TEST_F(WindowLayerTest, PicturesHandOutImagesOfTheirInnerSize) {
    for (DeviceContext dc : {form_->controls().Picture1_hDC(), form_->controls().Picture2_hDC()}) {
        ASSERT_NE(dc, nullptr);
        HBITMAP image = static_cast<HBITMAP>(GetCurrentObject(static_cast<HDC>(dc), OBJ_BITMAP));
        BITMAP info{};
        ASSERT_NE(GetObjectW(image, sizeof(info), &info), 0);
        EXPECT_EQ(info.bmHeight, 256);
        EXPECT_EQ(info.bmBitsPixel, 32);
    }
    BITMAP strip{};
    GetObjectW(GetCurrentObject(static_cast<HDC>(form_->controls().Picture2_hDC()), OBJ_BITMAP),
               sizeof(strip), &strip);
    EXPECT_EQ(strip.bmWidth, 18);
}

void PumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The pixels of a DC's selected bitmap, or of a screen area, top row first.
std::vector<uint32_t> Pixels(HDC source, int left, int top, int width, int height) {
    DrawTarget copy(TargetKind::Dib32, width, height);
    BitBlt(copy.dc(), 0, 0, width, height, source, left, top, SRCCOPY);
    copy.Capture();
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(copy.At(x, y));
    }
    return pixels;
}

// What a window draws into a grey memory DC through WM_PRINTCLIENT against what the
// screen shows of it: the pixels compared and those that differ. With `whereItShows`,
// only pixels where the window is the one under them count (a sibling may cover part
// of it, a child stand on it).
struct PrintComparison {
    int compared;
    int wrong;
};

PrintComparison ComparePrintWithScreen(HWND window, bool whereItShows) {
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    DrawTarget printed(TargetKind::Dib32, client.right, client.bottom);
    FillRect(printed.dc(), &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const std::vector<uint32_t> print = Pixels(printed.dc(), 0, 0, client.right, client.bottom);
    const std::vector<uint32_t> shown =
        Pixels(ScreenDc().get(), origin.x, origin.y, client.right, client.bottom);
    PrintComparison result{0, 0};
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            if (whereItShows && WindowFromPoint(POINT{origin.x + x, origin.y + y}) != window) {
                continue;
            }
            const size_t at = static_cast<size_t>(y) * client.right + x;
            ++result.compared;
            if (print[at] != shown[at]) ++result.wrong;
        }
    }
    return result;
}

void ExpectPrintsAsShown(HWND window, bool whereItShows) {
    RECT client{};
    GetClientRect(window, &client);
    const PrintComparison comparison = ComparePrintWithScreen(window, whereItShows);
    EXPECT_GT(comparison.compared, client.right * client.bottom / 2);
    EXPECT_EQ(comparison.wrong, 0) << "of " << comparison.compared << " pixels that show";
}

// A marker draws the same whatever DC it is given: the screen through WM_PAINT, or a
// printer or a window capture through WM_PRINTCLIENT. The ring shows the field
// around it there too.
TEST_F(WindowLayerTest, MarkersPrintAsTheyShowOnScreen) {
    SendMessageW(Control(kPicture1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 150));
    SendMessageW(Control(kPicture1), WM_LBUTTONUP, 0, MAKELPARAM(60, 150));
    PumpMessages();
    for (ControlId id : {kLabel1, kLabel2}) {
        SCOPED_TRACE(id);
        // The ring lies inside the field, the arrow on the form, where Picture2 covers
        // its right part.
        ExpectPrintsAsShown(id == kLabel1 ? GetDlgItem(Control(kPicture1), id) : Control(id), true);
    }
}

// So do the field, the strip, the swatch and the loupe, each through its one paint
// routine. This runs at 96 dpi with the suite and at 144 dpi on its own.
TEST_F(WindowLayerTest, FieldStripSwatchAndLoupePrintAsTheyShowOnScreen) {
    SendMessageW(Control(kOption4), BM_CLICK, 0, 0);
    SendMessageW(Control(kPicture1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 150));
    SendMessageW(Control(kPicture1), WM_LBUTTONUP, 0, MAKELPARAM(60, 150));
    PumpMessages();
    for (ControlId id : {kPicture1, kPicture2, kShape1}) {
        SCOPED_TRACE(id);
        ExpectPrintsAsShown(Control(id), true);
    }

    // The loupe lets the pointer through, so the window under its pixels is never it;
    // it is topmost, and all of it is compared.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 4, GetSystemMetrics(SM_CYSCREEN) / 2);
    SendMessageW(form_->hwnd(), WM_SYSCOMMAND, kLoupeCommand, 0);
    SendMessageW(Control(kCheck3), BM_CLICK, 0, 0);
    for (int i = 0; i < 5; ++i) {
        Sleep(100);
        PumpMessages();
    }
    const HWND loupe = FindWindowW(kLoupeClass, nullptr);
    ASSERT_NE(loupe, nullptr);
    ASSERT_TRUE(IsWindowVisible(loupe));
    ExpectPrintsAsShown(loupe, false);
    SendMessageW(Control(kCheck3), BM_CLICK, 0, 0);
}

TEST_F(WindowLayerTest, DpiChangeLaysOutLettersAndShowsAgainWithTheStateUnchanged) {
    HWND form = form_->hwnd();
    HWND field = Control(kPicture1);
    // A state of some kind: R mode, a field pick, web-safe on, Check2 ticked.
    SendMessageW(Control(kOption4), BM_CLICK, 0, 0);
    SendMessageW(Control(kCheck4), BM_CLICK, 0, 0);
    SendMessageW(Control(kCheck2), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 70));
    SendMessageW(field, WM_LBUTTONUP, 0, MAKELPARAM(40, 70));
    PumpMessages();
    const std::u16string text = form_->controls().Text1_Text();
    ASSERT_NE(text, u"#FFFFFF");
    const float ringLeft = form_->controls().Label1_Left();
    const float ringTop = form_->controls().Label1_Top();
    const float arrowTop = form_->controls().Label2_Top();
    HDC image = static_cast<HDC>(form_->controls().Picture1_hDC());
    const std::vector<uint32_t> table = Pixels(image, 0, 0, 256, 256);

    for (int dpi : {192, 120}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        const double k = dpi / 96.0;
        RECT before{};
        GetWindowRect(form, &before);
        // What the system suggests: the window scaled about its corner, somewhat off.
        const RECT suggested{before.left + 10, before.top + 10,
                             before.left + 10 + static_cast<LONG>(392 * k) + 8,
                             before.top + 10 + static_cast<LONG>(288 * k) + 30};
        SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        UpdateWindow(form);
        PumpMessages();

        RECT frame{};
        GetWindowRect(form, &frame);
        EXPECT_EQ(frame.left, suggested.left);
        EXPECT_EQ(frame.top, suggested.top);
        RECT client{};
        GetClientRect(form, &client);
        EXPECT_NEAR(client.right, 5880 * dpi / 1440.0, 0.5);
        EXPECT_NEAR(client.bottom, 4320 * dpi / 1440.0, 0.5);
        const RECT text1 = testsupport::RectInContainer(Control(kText1), form);
        EXPECT_NEAR(text1.left, 4560 * dpi / 1440.0, 1.0);
        EXPECT_NEAR(text1.right - text1.left, 945 * dpi / 1440.0, 1.0);
        const RECT check2 = testsupport::RectInContainer(Control(kCheck2), form);
        EXPECT_NEAR(check2.top, 1560 * dpi / 1440.0, 1.0);
        EXPECT_NEAR(check2.bottom - check2.top, 495 * dpi / 1440.0, 1.0);
        RECT inner{};
        GetClientRect(field, &inner);
        const int shown = static_cast<int>(std::lround(256 * k));
        EXPECT_EQ(inner.right, shown);
        EXPECT_EQ(inner.bottom, shown);

        // 9 pt at the new DPI on every caption.
        for (ControlId id : {kCheck1, kOption1, kText1}) {
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(id), WM_GETFONT, 0, 0)),
                       sizeof(font), &font);
            EXPECT_EQ(font.lfHeight, -static_cast<LONG>(std::lround(9 * dpi / 72.0)))
                << "control " << id;
        }

        // The state and the table image stay; the screen shows the image magnified.
        EXPECT_EQ(form_->controls().Text1_Text(), text);
        EXPECT_EQ(form_->controls().Check2_Value(), 1);
        EXPECT_EQ(form_->controls().Check4_Value(), 1);
        EXPECT_EQ(SendMessageW(Control(kOption4), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(form_->controls().Label1_Left(), ringLeft);
        EXPECT_EQ(form_->controls().Label1_Top(), ringTop);
        EXPECT_EQ(form_->controls().Label2_Top(), arrowTop);
        EXPECT_EQ(Pixels(image, 0, 0, 256, 256), table);

        POINT origin{0, 0};
        ClientToScreen(field, &origin);
        const std::vector<uint32_t> onScreen =
            Pixels(ScreenDc().get(), origin.x, origin.y, shown, shown);
        const RECT ring = testsupport::RectInContainer(GetDlgItem(field, kLabel1), field);
        int wrong = 0;
        for (int y = 0; y < shown; ++y) {
            for (int x = 0; x < shown; ++x) {
                const POINT at{x, y};
                if (PtInRect(&ring, at)) continue;
                const int tx = static_cast<int>((2 * x + 1) * 256 / (2 * shown));
                const int ty = static_cast<int>((2 * y + 1) * 256 / (2 * shown));
                if (onScreen[static_cast<size_t>(y) * shown + x] != table[ty * 256 + tx]) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0) << "screen pixels that are not the table pixel they map to";
        // The ring's reference point, 5.5 table pixels in from its corner, on the middle
        // of the picked pixel as shown.
        EXPECT_NEAR(ring.left + 5.5 * k, (ringLeft + 5.5) * k, 1.0);
        EXPECT_NEAR(ring.top + 5.5 * k, (ringTop + 5.5) * k, 1.0);
        EXPECT_NEAR(ring.right - ring.left, 255 * dpi / 1440.0, 1.0);
    }
}

// Another program's hold on the clipboard, from a thread of its own: until the holder
// goes, or only for a moment.
class ClipboardHolder {
  public:
    explicit ClipboardHolder(DWORD holdMs = 30000)
        : holdMs_(holdMs),
          opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          thread_(CreateThread(nullptr, 0, &Hold, this, 0, nullptr)) {
        WaitForSingleObject(opened_, 5000);
    }
    ~ClipboardHolder() {
        SetEvent(release_);
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
        CloseHandle(release_);
        CloseHandle(opened_);
    }

  private:
    static DWORD WINAPI Hold(void *context) {
        auto *self = static_cast<ClipboardHolder *>(context);
        const BOOL opened = OpenClipboard(nullptr);
        SetEvent(self->opened_);
        WaitForSingleObject(self->release_, self->holdMs_);
        if (opened) CloseClipboard();
        return 0;
    }

    DWORD holdMs_;
    HANDLE opened_;
    HANDLE release_;
    HANDLE thread_;
};

std::wstring ReadClipboard() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<busy>";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data != nullptr) {
        text = static_cast<const wchar_t *>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST_F(WindowLayerTest, ClipboardTakesUnicodeTextAndGivesUpSoonWhenHeld) {
    Win32Platform platform(form_->hwnd());
    platform.ClipboardClear();
    platform.ClipboardSetText(u"#C86432 画面");
    EXPECT_EQ(ReadClipboard(), L"#C86432 画面");
    platform.ClipboardSetText(u"");
    EXPECT_EQ(ReadClipboard(), L"");

    platform.ClipboardSetText(u"before");
    {
        ClipboardHolder holder;
        const ULONGLONG start = GetTickCount64();
        EXPECT_THROW(platform.ClipboardSetText(u"after"), PickerError);
        EXPECT_THROW(platform.ClipboardClear(), PickerError);
        EXPECT_LT(GetTickCount64() - start, 5000u) << "the window must not freeze";
    }
    EXPECT_EQ(ReadClipboard(), L"before");
}

// Clipboard managers and remote-desktop tools open the clipboard for a few
// milliseconds on every change; a copy arriving then must wait for them, not vanish.
TEST_F(WindowLayerTest, ClipboardHeldForAMomentStillTakesTheCopy) {
    Win32Platform platform(form_->hwnd());
    platform.ClipboardSetText(u"before");
    {
        ClipboardHolder holder(30);
        EXPECT_NO_THROW(platform.ClipboardClear());
    }
    {
        ClipboardHolder holder(30);
        EXPECT_NO_THROW(platform.ClipboardSetText(u"#C86432"));
    }
    EXPECT_EQ(ReadClipboard(), L"#C86432");
}

TEST_F(WindowLayerTest, KeepOnTopAndScreenPixelWorkOnRealWindows) {
    Win32Platform platform(form_->hwnd());
    RECT before{};
    GetWindowRect(form_->hwnd(), &before);
    platform.SetTopmost(form_->controls().hWnd(), true);
    EXPECT_TRUE(GetWindowLongPtrW(form_->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    platform.SetTopmost(form_->controls().hWnd(), false);
    EXPECT_FALSE(GetWindowLongPtrW(form_->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT after{};
    GetWindowRect(form_->hwnd(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));

    // The swatch is white after start-up; the pixel in its middle is read back.
    RECT swatch{};
    GetWindowRect(Control(kShape1), &swatch);
    SetCursorPos((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
    UpdateWindow(form_->hwnd());
    ColorRef pixel = kInvalidColor;
    for (int attempt = 0; attempt < 100 && pixel != 0xFFFFFFu; ++attempt) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        pixel = platform.ScreenPixelUnderCursor();
        Sleep(20);
    }
    EXPECT_EQ(pixel, 0xFFFFFFu);
}

}  // namespace
