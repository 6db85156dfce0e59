// The window layer's keyboard and help parts inside this process: the keys a picture
// takes and hands on, and what the controls tell a screen reader and the pointer,
// with the system's annotation service replaced by one that writes down its calls
// (Wine's only answers E_NOTIMPL).
#include <windows.h>

#include <commctrl.h>
#include <initguid.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control_help.h"
#include "control_layout.h"
#include "form_window.h"
#include "live_form.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

struct Annotation {
    HWND window;
    DWORD object;
    DWORD child;
    GUID property;
    std::wstring text;
};

// Every method the help does not use fails, so a call the test does not expect
// leaves no name behind.
class RecordingServices : public IAccPropServices {
  public:
    std::vector<Annotation> set;
    std::vector<Annotation> cleared;
    HRESULT answer = S_OK;
    ULONG references = 1;

    HRESULT WINAPI QueryInterface(REFIID, void **out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return ++references; }
    ULONG WINAPI Release() override { return --references; }
    HRESULT WINAPI SetPropValue(const BYTE *, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetPropServer(const BYTE *, DWORD, const MSAAPROPID *, int, IAccPropServer *,
                                 AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE *, DWORD, const MSAAPROPID *, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropStr(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                                  LPCWSTR text) override {
        set.push_back(Annotation{window, object, child, property, text});
        return answer;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID *, int, IAccPropServer *,
                                     AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHwndProps(HWND window, DWORD object, DWORD child,
                                  const MSAAPROPID *properties, int count) override {
        for (int i = 0; i < count; ++i) {
            cleared.push_back(Annotation{window, object, child, properties[i], L""});
        }
        return S_OK;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE **, DWORD *) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE *, DWORD, HWND *, DWORD *,
                                               DWORD *) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID *, int, IAccPropServer *,
                                      AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID *, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE **, DWORD *) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE *, DWORD, HMENU *, DWORD *) override {
        return E_NOTIMPL;
    }
};

class ControlHelpTest : public LiveFormTest {};

TEST_F(ControlHelpTest, NamesGoToTheClientObjectsOfTheThreeControlsAndAreTakenBack) {
    RecordingServices services;
    {
        ControlHelp help(&services);
        help.Attach(form_->hwnd(), GetModuleHandleW(nullptr));
        ASSERT_EQ(services.set.size(), 3u);
        const struct {
            ControlId id;
            const wchar_t *name;
        } expected[] = {
            {kPicture1, L"色を選ぶ"},
            {kPicture2, L"色相・チャンネルを選ぶ"},
            {kCommand1, L"クリップボードにコピー (Enter)。右クリックで他の形式・最近の色"}};
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(services.set[i].window, Control(expected[i].id)) << i;
            EXPECT_EQ(services.set[i].object, static_cast<DWORD>(OBJID_CLIENT));
            EXPECT_EQ(services.set[i].child, static_cast<DWORD>(CHILDID_SELF));
            EXPECT_TRUE(IsEqualGUID(services.set[i].property, PROPID_ACC_NAME));
            EXPECT_EQ(services.set[i].text, expected[i].name);
        }
        EXPECT_EQ(GetWindowTextLengthW(Control(kCommand1)), 0) << "the button stays blank";
        help.Detach();
        ASSERT_EQ(services.cleared.size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(services.cleared[i].window, services.set[i].window);
            EXPECT_TRUE(IsEqualGUID(services.cleared[i].property, PROPID_ACC_NAME));
        }
        help.Detach();
        EXPECT_EQ(services.cleared.size(), 3u) << "names are taken back once";
    }
    EXPECT_EQ(services.references, 1u) << "the service is released with the help";
}

TEST_F(ControlHelpTest, ARefusingServiceLeavesNothingToTakeBack) {
    RecordingServices services;
    services.answer = E_NOTIMPL;
    ControlHelp help(&services);
    help.Attach(form_->hwnd(), GetModuleHandleW(nullptr));
    EXPECT_EQ(services.set.size(), 3u);
    EXPECT_NE(help.tooltip(), nullptr) << "tooltips do not depend on the names";
    help.Detach();
    EXPECT_TRUE(services.cleared.empty());
}

std::wstring ToolText(HWND tooltip, HWND owner, HWND tool) {
    wchar_t text[128] = L"";
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, sizeof(text) / sizeof(text[0]),
                 reinterpret_cast<LPARAM>(&info));
    return text;
}

TEST_F(ControlHelpTest, TheCopyButtonAndTheSwatchHaveTooltips) {
    RecordingServices services;
    ControlHelp help(&services);
    help.Attach(form_->hwnd(), GetModuleHandleW(nullptr));
    ASSERT_NE(help.tooltip(), nullptr);
    EXPECT_EQ(SendMessageW(help.tooltip(), TTM_GETTOOLCOUNT, 0, 0), 2);
    EXPECT_EQ(ToolText(help.tooltip(), form_->hwnd(), Control(kCommand1)),
              L"クリップボードにコピー (Enter)。右クリックで他の形式・最近の色");
    EXPECT_EQ(ToolText(help.tooltip(), form_->hwnd(), Control(kPicture1)), L"");
    EXPECT_EQ(ToolText(help.tooltip(), form_->hwnd(), Control(kPicture2)), L"");
    // The swatch's text is asked of the form as the tooltip shows: the lines that
    // describe the colour shown, white at start.
    EXPECT_EQ(ToolText(help.tooltip(), form_->hwnd(), Control(kShape1)),
              L"色名: white\r\n白 1.0:1 — · 黒 21.0:1 AAA");
    const HWND tooltip = help.tooltip();
    help.Detach();
    EXPECT_FALSE(IsWindow(tooltip)) << "it goes with the form";
}

// The form describes its swatch after each handler: a pick gives it the picked
// colour's lines, and once a copy made that colour recent, the next pick is measured
// against it.
TEST_F(ControlHelpTest, TheFormsSwatchTextFollowsThePickAndTheColourCopiedBeforeIt) {
    RecordingServices services;
    ControlHelp probe(&services);
    probe.Attach(form_->hwnd(), GetModuleHandleW(nullptr));
    ASSERT_NE(probe.tooltip(), nullptr);
    auto swatchText = [&] { return ToolText(probe.tooltip(), form_->hwnd(), Control(kShape1)); };
    auto pick = [&](int x, int y) {
        SendMessageW(Control(kPicture1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(Control(kPicture1), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    const std::wstring white = swatchText();

    pick(200, 60);
    const std::wstring first = swatchText();
    EXPECT_NE(first, white);
    EXPECT_EQ(first.find(L"\r\n#"), std::wstring::npos) << "nothing recent to measure against";
    const std::u16string firstColour = form_->controls().Text1_Text();
    ASSERT_EQ(firstColour.size(), 7u);

    SendMessageW(Control(kCommand1), BM_CLICK, 0, 0);
    EXPECT_EQ(swatchText(), first) << "the colour copied is no colour before itself";
    pick(40, 220);
    const std::wstring second = swatchText();
    EXPECT_NE(second, first);
    const std::wstring against = L"\r\n" + std::wstring(firstColour.begin(), firstColour.end());
    EXPECT_NE(second.find(against), std::wstring::npos) << "measured against the copied colour";
    probe.Detach();
}

TEST_F(ControlHelpTest, TheSwatchDescriptionFollowsItsColourAndIsTakenBack) {
    RecordingServices services;
    {
        ControlHelp help(&services);
        help.DescribeSwatch(Control(kShape1), L"色名: white");
        help.DescribeSwatch(Control(kShape1), L"色名: white");
        help.DescribeSwatch(Control(kShape1), L"色名: black");
        ASSERT_EQ(services.set.size(), 2u) << "an unchanged description is not set again";
        EXPECT_TRUE(IsEqualGUID(services.set[1].property, PROPID_ACC_DESCRIPTION));
        EXPECT_EQ(services.set[1].text, L"色名: black");
        help.Detach();
        ASSERT_EQ(services.cleared.size(), 1u);
        EXPECT_TRUE(IsEqualGUID(services.cleared[0].property, PROPID_ACC_DESCRIPTION));
    }
}

// Keys sent straight to the pictures, as the dialog keys leave them there: the steps
// reach the core, the others are the window's own.
TEST_F(ControlHelpTest, PicturesTakeTheArrowsAndHandStepKeysToTheCore) {
    for (ControlId id : {kPicture1, kPicture2}) {
        EXPECT_EQ(SendMessageW(Control(id), WM_GETDLGCODE, VK_TAB, 0), DLGC_WANTARROWS) << id;
    }
    SendMessageW(Control(kPicture1), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(Control(kPicture1), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(form_->controls().Label1_Left(), -4.0f) << "Right from (0, 0) reaches column 1";
    EXPECT_EQ(form_->controls().Label1_Top(), -4.0f) << "and Down row 1";
    SendMessageW(Control(kPicture1), WM_KEYDOWN, 'A', 0);
    SendMessageW(Control(kPicture1), WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ(form_->controls().Label1_Left(), -4.0f);
    SendMessageW(Control(kPicture1), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(form_->controls().Label1_Left(), 250.0f) << "End reaches column 255";
    const std::u16string picked = form_->controls().Text1_Text();

    SendMessageW(Control(kPicture2), WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(form_->controls().Label2_Top(), 17.0f) << "Page Down moves the strip to row 16";
    EXPECT_NE(form_->controls().Text1_Text(), picked) << "with a new hue";
    SendMessageW(Control(kPicture2), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(form_->controls().Label2_Top(), 17.0f);
}

}  // namespace
