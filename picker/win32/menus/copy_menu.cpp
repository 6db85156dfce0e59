#include "copy_menu.h"

#include <windowsx.h>

#include <algorithm>

#include "command_ids.h"
#include "picker_state.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// The items' ids, from the registry; 0 is "nothing chosen".
constexpr UINT kFirstFormat = kCopyFormatIds.first;
constexpr UINT kFirstRecent = kRecentColourIds.first;
constexpr UINT kSavePalette = kSavePaletteIds.first;
constexpr UINT kPasteColour = kClipboardColourIds.first;
constexpr UINT kFirstOtherFormat = kMoreFormatIds.first;
constexpr UINT kOtherFormatsItem = kMoreFormatsItemIds.first;
constexpr UINT kEditTemplates = kEditTemplatesIds.first;
constexpr UINT kFirstTemplate = kTemplateIds.first;
constexpr UINT kFirstDescription = kDescriptionIds.first;
constexpr UINT kLastId = kCopyMenuIds.last;

// At 96 dpi: a 12-pixel swatch in a 1-pixel frame, 4 pixels of space around it.
constexpr int kSwatchSideAt96 = 12;
constexpr int kSwatchFrameAt96 = 1;
constexpr int kPaddingAt96 = 4;

// A text item with the owner-drawn swatch column. Every text item has one, drawn
// empty where there is no colour, so that all texts line up after the column and the
// widest line is measured with it (Wine leaves the column out of the width of an item
// without it, cutting off the end of the longest line).
void AppendTextItem(HMENU menu, UINT id, std::wstring text, bool greyed) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP | MIIM_STATE;
    item.wID = id;
    item.dwTypeData = &text[0];
    item.hbmpItem = HBMMENU_CALLBACK;
    item.fState = greyed ? MFS_GRAYED : MFS_ENABLED;
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

// A submenu item, with the empty swatch column so that its text lines up with the
// others. The menu owns the submenu once it is in; false when it could not be put in.
bool AppendSubmenu(HMENU menu, HMENU submenu, const wchar_t *caption) {
    std::wstring text = caption;
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP;
    item.wID = kOtherFormatsItem;
    item.hSubMenu = submenu;
    item.dwTypeData = &text[0];
    item.hbmpItem = HBMMENU_CALLBACK;
    return InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item) != FALSE;
}

// The index of a command in the range starting at `first`, when it is one of the
// `count` there.
bool InRange(UINT command, UINT first, size_t count, size_t &index) {
    if (command < first || command - first >= count) return false;
    index = command - first;
    return true;
}

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
      scale_(),
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

CopyMenuChoice CopyMenu::Show(HWND owner, HWND source, POINT screenPoint,
                              const Form::CopyMenu &contents, const DisplayScale &scale) {
    const CopyMenuChoice nothing{CopyMenuChoice::Kind::None, 0};
    const Menu menu(CreatePopupMenu());
    if (menu.get() == nullptr) return nothing;
    scale_ = scale;
    recent_.clear();
    // Each list keeps to its range: a longer one would take the next list's ids.
    const size_t descriptions =
        std::min<size_t>(contents.description.size(), kDescriptionIds.size());
    const size_t formats = std::min<size_t>(contents.formats.size(), kCopyFormatIds.size());
    const size_t recents = std::min<size_t>(contents.recent.size(), kRecentColourIds.size());
    const size_t otherFormats =
        std::min<size_t>(contents.otherFormats.size(), kMoreFormatIds.size());
    // What the colour is: greyed, as nothing happens when they are chosen, but read
    // out by a screen reader as the menu opens.
    for (size_t i = 0; i < descriptions; ++i) {
        AppendTextItem(menu.get(), static_cast<UINT>(kFirstDescription + i),
                       MenuItemText(Utf8ToUtf16(contents.description[i])), true);
    }
    if (!contents.description.empty()) AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    for (size_t i = 0; i < formats; ++i) {
        AppendTextItem(menu.get(), static_cast<UINT>(kFirstFormat + i),
                       MenuItemText(Utf8ToUtf16(contents.formats[i])), false);
    }
    const size_t templates = std::min<size_t>(contents.templates.size(), kTemplateIds.size());
    for (size_t i = 0; i < templates; ++i) {
        const Form::TemplateLine &line = contents.templates[i];
        AppendTextItem(menu.get(), static_cast<UINT>(kFirstTemplate + i),
                       MenuItemText(Utf8ToUtf16(line.text)), !line.usable);
    }
    if (HMENU others = CreatePopupMenu()) {
        for (size_t i = 0; i < otherFormats; ++i) {
            AppendTextItem(others, static_cast<UINT>(kFirstOtherFormat + i),
                           MenuItemText(Utf8ToUtf16(contents.otherFormats[i])), false);
        }
        AppendMenuW(others, MF_SEPARATOR, 0, nullptr);
        AppendTextItem(others, kEditTemplates, captions::kEditTemplates, false);
        if (!AppendSubmenu(menu.get(), others, captions::kOtherFormats)) DestroyMenu(others);
    }
    if (!contents.recent.empty()) AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    for (size_t i = 0; i < recents; ++i) {
        const ColorRef colour = contents.recent[i].colour;
        recent_.push_back(colour);
        AppendTextItem(menu.get(), static_cast<UINT>(kFirstRecent + i),
                       WideFromUtf16(DisplayRule(HexTextRule(colour))), false);
    }
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendTextItem(menu.get(), kPasteColour, captions::kPasteColour, false);
    AppendTextItem(menu.get(), kSavePalette, captions::kSavePalette, contents.recent.empty());

    RECT button{};
    GetWindowRect(source, &button);
    const bool fromKeyboard = screenPoint.x == -1 && screenPoint.y == -1;
    if (fromKeyboard) screenPoint = POINT{button.left, button.bottom};
    TPMPARAMS avoid{sizeof(avoid), button};
    const UINT command = static_cast<UINT>(TrackPopupMenuEx(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL,
        screenPoint.x, screenPoint.y, owner, fromKeyboard ? &avoid : nullptr));
    const size_t recentCount = recent_.size();
    recent_.clear();
    using Kind = CopyMenuChoice::Kind;
    size_t index = 0;
    if (command == kSavePalette) return CopyMenuChoice{Kind::SavePalette, 0};
    if (command == kPasteColour) return CopyMenuChoice{Kind::PasteColour, 0};
    if (command == kEditTemplates) return CopyMenuChoice{Kind::EditTemplates, 0};
    if (InRange(command, kFirstRecent, recentCount, index)) {
        return CopyMenuChoice{Kind::Recent, index};
    }
    if (InRange(command, kFirstFormat, formats, index)) {
        return CopyMenuChoice{Kind::Format, index};
    }
    if (InRange(command, kFirstOtherFormat, otherFormats, index)) {
        return CopyMenuChoice{Kind::OtherFormat, index};
    }
    if (InRange(command, kFirstTemplate, templates, index)) {
        return CopyMenuChoice{Kind::Template, index};
    }
    return nothing;
}

const ColorRef *CopyMenu::ColourOf(UINT type, UINT id) const {
    if (type != ODT_MENU || id < kFirstRecent || id - kFirstRecent >= recent_.size()) {
        return nullptr;
    }
    return &recent_[id - kFirstRecent];
}

// The swatch with padding on both sides; the system puts the text after it.
bool CopyMenu::Measure(MEASUREITEMSTRUCT &item) const {
    if (item.CtlType != ODT_MENU || item.itemID < kFirstFormat || item.itemID > kLastId) {
        return false;
    }
    item.itemWidth = static_cast<UINT>(SwatchSide() + Padding());
    // Only a swatch needs the room above and below it; the other lines keep the
    // height of their text.
    const bool swatch = ColourOf(item.CtlType, item.itemID) != nullptr;
    item.itemHeight = static_cast<UINT>(swatch ? SwatchSide() + 2 * Padding() : 1);
    return true;
}

// The frame takes the menu's text colour, so that it shows on any theme, high
// contrast included; the system has drawn the item's background already.
bool CopyMenu::Draw(const DRAWITEMSTRUCT &item) const {
    if (item.CtlType != ODT_MENU || item.itemID < kFirstFormat || item.itemID > kLastId) {
        return false;
    }
    const ColorRef *colour = ColourOf(item.CtlType, item.itemID);
    if (colour == nullptr) return true;  // an empty column
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const int side = SwatchSide();
    const int frame = SwatchFrame();
    const RECT &area = item.rcItem;
    const int left = area.left + std::max<LONG>(0, (area.right - area.left - side) / 2);
    const int top = area.top + (area.bottom - area.top - side) / 2;
    FillSolid(item.hDC, RECT{left, top, left + side, top + side},
              GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    FillSolid(item.hDC, RECT{left + frame, top + frame, left + side - frame, top + side - frame},
              *colour);
    return true;
}

}  // namespace tintwell::win32
