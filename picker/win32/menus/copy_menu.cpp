#include "copy_menu.h"

#include <windowsx.h>

#include <algorithm>

#include "picker_state.h"
#include "text_conversion.h"
#include "text_encoding.h"

namespace tintwell::win32 {

namespace {

// Command ids: formats from 1, recent colours from 101, so that 0 is "nothing".
constexpr UINT kFirstFormat = 1;
constexpr UINT kFirstRecent = 101;
// At 96 dpi: a 12-pixel swatch in a 1-pixel frame, 4 pixels of space around it.
constexpr int kSwatchSideAt96 = 12;
constexpr int kSwatchFrameAt96 = 1;
constexpr int kPaddingAt96 = 4;
constexpr COLORREF kFrameColour = RGB(0x60, 0x60, 0x60);

void FillSolid(HDC dc, const RECT &rect, COLORREF colour) {
    const Brush brush(CreateSolidBrush(colour));
    if (brush.get() != nullptr) FillRect(dc, &rect, brush.get());
}

}  // namespace

std::wstring MenuItemText(const std::u16string &text) {
    std::wstring shown;
    for (const wchar_t c : WideFromUtf16(text)) {
        shown += c;
        if (c == L'&') shown += L'&';
    }
    return shown;
}

CopyMenu::CopyMenu(CopyMenuClient &client, const DisplayScale &scale)
    : client_(client),
      windowScale_(scale),
      owner_(nullptr),
      button_(nullptr),
      user32_(L"user32.dll"),
      parametersForDpi_(user32_, "SystemParametersInfoForDpi"),
      scale_(),
      font_(),
      recent_() {}

void CopyMenu::Attach(HWND owner, HWND button) {
    owner_ = owner;
    button_ = button;
}

// The button's context menu (other controls keep their own, or none), and the
// recent colours it draws itself while it shows.
bool CopyMenu::OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
    bool owned = false;
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == button_) {
        if (const Form::CopyMenu *contents = client_.CopyMenuContents()) {
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const CopyMenuChoice choice = Show(owner_, button_, at, *contents, windowScale_);
            if (choice.kind != CopyMenuChoice::Kind::None) client_.CopyMenuChosen(choice);
        }
        owned = true;
    } else if (message == WM_MEASUREITEM) {
        owned = Measure(*reinterpret_cast<MEASUREITEMSTRUCT *>(lParam));
    } else if (message == WM_DRAWITEM) {
        owned = Draw(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
    }
    if (owned) result = message == WM_CONTEXTMENU ? 0 : TRUE;
    return owned;
}

int CopyMenu::SwatchSide() const {
    return scale_.FromBasePixels(kSwatchSideAt96);
}

int CopyMenu::SwatchFrame() const {
    return scale_.FromBasePixels(kSwatchFrameAt96);
}

int CopyMenu::Padding() const {
    return scale_.FromBasePixels(kPaddingAt96);
}

// Where the system offers the font for a given DPI (Windows 10 1607 on), the menu of
// a window on a monitor of another scale than the primary one gets its own size.
Font CopyMenu::MenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    auto forDpi = parametersForDpi_.GetOptional();
    const BOOL got = forDpi != nullptr ? forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics,
                                                0, static_cast<UINT>(scale_.dpi()))
                                       : SystemParametersInfoW(SPI_GETNONCLIENTMETRICS,
                                                               sizeof(metrics), &metrics, 0);
    if (!got) return Font(static_cast<HFONT>(nullptr));
    return Font(CreateFontIndirectW(&metrics.lfMenuFont));
}

CopyMenuChoice CopyMenu::Show(HWND owner, HWND source, POINT screenPoint,
                              const Form::CopyMenu &contents, const DisplayScale &scale) {
    const CopyMenuChoice nothing{CopyMenuChoice::Kind::None, 0};
    const Menu menu(CreatePopupMenu());
    if (menu.get() == nullptr) return nothing;
    scale_ = scale;
    font_ = MenuFont();
    recent_.clear();
    for (size_t i = 0; i < contents.formats.size(); ++i) {
        const std::wstring text = MenuItemText(Utf8ToUtf16(contents.formats[i]));
        AppendMenuW(menu.get(), MF_STRING, kFirstFormat + i, text.c_str());
    }
    if (!contents.recent.empty()) AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    for (size_t i = 0; i < contents.recent.size(); ++i) {
        const ColorRef colour = contents.recent[i].colour;
        recent_.push_back(RecentItem{colour, WideFromUtf16(DisplayRule(HexTextRule(colour)))});
        AppendMenuW(menu.get(), MF_OWNERDRAW, kFirstRecent + i, nullptr);
    }

    RECT button{};
    GetWindowRect(source, &button);
    const bool fromKeyboard = screenPoint.x == -1 && screenPoint.y == -1;
    if (fromKeyboard) screenPoint = POINT{button.left, button.bottom};
    TPMPARAMS avoid{sizeof(avoid), button};
    const UINT command = static_cast<UINT>(TrackPopupMenuEx(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL,
        screenPoint.x, screenPoint.y, owner, fromKeyboard ? &avoid : nullptr));
    font_ = Font();
    const size_t recentCount = recent_.size();
    recent_.clear();
    if (command >= kFirstRecent && command < kFirstRecent + recentCount) {
        return CopyMenuChoice{CopyMenuChoice::Kind::Recent, command - kFirstRecent};
    }
    if (command >= kFirstFormat && command < kFirstFormat + contents.formats.size()) {
        return CopyMenuChoice{CopyMenuChoice::Kind::Format, command - kFirstFormat};
    }
    return nothing;
}

const CopyMenu::RecentItem *CopyMenu::ItemOf(UINT type, UINT id) const {
    if (type != ODT_MENU || id < kFirstRecent || id - kFirstRecent >= recent_.size()) {
        return nullptr;
    }
    return &recent_[id - kFirstRecent];
}

// Swatch, then text, each with the padding on both sides; as tall as the taller of
// the two with padding above and below.
bool CopyMenu::Measure(MEASUREITEMSTRUCT &item) const {
    const RecentItem *recent = ItemOf(item.CtlType, item.itemID);
    if (recent == nullptr) return false;
    ScreenDc screen;
    SIZE text{};
    if (screen.get() != nullptr) {
        const SelectedObject font(screen.get(), font_.get() != nullptr
                                                    ? static_cast<HGDIOBJ>(font_.get())
                                                    : GetStockObject(DEFAULT_GUI_FONT));
        GetTextExtentPoint32W(screen.get(), recent->text.c_str(),
                              static_cast<int>(recent->text.size()), &text);
    }
    item.itemWidth = static_cast<UINT>(4 * Padding() + SwatchSide() + text.cx);
    item.itemHeight = static_cast<UINT>(2 * Padding() + std::max<int>(SwatchSide(), text.cy));
    return true;
}

bool CopyMenu::Draw(const DRAWITEMSTRUCT &item) const {
    const RecentItem *recent = ItemOf(item.CtlType, item.itemID);
    if (recent == nullptr) return false;
    const HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const RECT &area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));

    const int side = SwatchSide();
    const int frame = SwatchFrame();
    const int left = area.left + Padding();
    const int top = area.top + (area.bottom - area.top - side) / 2;
    FillSolid(dc, RECT{left, top, left + side, top + side}, kFrameColour);
    FillSolid(dc, RECT{left + frame, top + frame, left + side - frame, top + side - frame},
              recent->colour);

    const SelectedObject font(dc, font_.get() != nullptr ? static_cast<HGDIOBJ>(font_.get())
                                                         : GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour =
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT text{left + side + 2 * Padding(), area.top, area.right, area.bottom};
    DrawTextW(dc, recent->text.c_str(), static_cast<int>(recent->text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    return true;
}

}  // namespace tintwell::win32
