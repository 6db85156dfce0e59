#include "copy_menu.h"

#include <cstdint>
#include <vector>

#include "gdi_handles.h"
#include "picker_state.h"
#include "text_conversion.h"
#include "text_encoding.h"

namespace tintwell::win32 {

namespace {

// Command ids: formats from 1, recent colours from 101, so that 0 is "nothing".
constexpr UINT kFirstFormat = 1;
constexpr UINT kFirstRecent = 101;
// At 96 dpi: a swatch the height of a menu's small capitals, in a 1-pixel frame.
constexpr int kSwatchSideAt96 = 12;
constexpr int kSwatchFrameAt96 = 1;
constexpr uint32_t kFrameColour = 0xFF606060u;
constexpr uint32_t kOpaque = 0xFF000000u;

// A popup menu, destroyed with what it holds.
class PopupMenu {
  public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu() {
        if (menu_ != nullptr) DestroyMenu(menu_);
    }
    PopupMenu(const PopupMenu &) = delete;
    PopupMenu &operator=(const PopupMenu &) = delete;

    HMENU get() const { return menu_; }

  private:
    HMENU menu_;
};

// The colour's swatch as a 32-bit bitmap, opaque (menus blend 32-bit bitmaps by
// their alpha), drawn pixel by pixel at the size it is shown, so nothing scales it.
Bitmap SwatchBitmap(ColorRef colour, const DisplayScale &scale) {
    const int side = CopyMenuSwatchSide(scale);
    const int frame = CopyMenuSwatchFrame(scale);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = side;
    info.bmiHeader.biHeight = -side;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap.get() == nullptr || bits == nullptr) return Bitmap();
    // DIB pixels are 0xAARRGGBB; a COLORREF has red in its low byte.
    const uint32_t fill =
        kOpaque | (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
    auto *pixels = static_cast<uint32_t *>(bits);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool edge = x < frame || y < frame || x >= side - frame || y >= side - frame;
            pixels[y * side + x] = edge ? kFrameColour : fill;
        }
    }
    return bitmap;
}

}  // namespace

int CopyMenuSwatchSide(const DisplayScale &scale) {
    return scale.FromBasePixels(kSwatchSideAt96);
}

int CopyMenuSwatchFrame(const DisplayScale &scale) {
    return scale.FromBasePixels(kSwatchFrameAt96);
}

std::wstring MenuItemText(const std::u16string &text) {
    std::wstring shown;
    for (const wchar_t c : WideFromUtf16(text)) {
        shown += c;
        if (c == L'&') shown += L'&';
    }
    return shown;
}

CopyMenuChoice ShowCopyMenu(HWND owner, HWND source, POINT screenPoint,
                            const Form::CopyMenu &contents, const DisplayScale &scale) {
    const CopyMenuChoice nothing{CopyMenuChoice::Kind::None, 0};
    PopupMenu menu;
    if (menu.get() == nullptr) return nothing;
    for (size_t i = 0; i < contents.formats.size(); ++i) {
        const std::wstring text = MenuItemText(Utf8ToUtf16(contents.formats[i]));
        AppendMenuW(menu.get(), MF_STRING, kFirstFormat + i, text.c_str());
    }
    // The swatches live until the menu has closed.
    std::vector<Bitmap> swatches;
    if (!contents.recent.empty()) AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    for (size_t i = 0; i < contents.recent.size(); ++i) {
        const ColorRef colour = contents.recent[i].colour;
        std::wstring text = MenuItemText(DisplayRule(HexTextRule(colour)));
        swatches.push_back(SwatchBitmap(colour, scale));
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP;
        item.wID = static_cast<UINT>(kFirstRecent + i);
        item.dwTypeData = text.data();
        item.hbmpItem = swatches.back().get();
        InsertMenuItemW(menu.get(), GetMenuItemCount(menu.get()), TRUE, &item);
    }

    RECT button{};
    GetWindowRect(source, &button);
    const bool fromKeyboard = screenPoint.x == -1 && screenPoint.y == -1;
    if (fromKeyboard) screenPoint = POINT{button.left, button.bottom};
    TPMPARAMS avoid{sizeof(avoid), button};
    const UINT command = static_cast<UINT>(TrackPopupMenuEx(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL,
        screenPoint.x, screenPoint.y, owner, fromKeyboard ? &avoid : nullptr));
    if (command >= kFirstRecent && command < kFirstRecent + contents.recent.size()) {
        return CopyMenuChoice{CopyMenuChoice::Kind::Recent, command - kFirstRecent};
    }
    if (command >= kFirstFormat && command < kFirstFormat + contents.formats.size()) {
        return CopyMenuChoice{CopyMenuChoice::Kind::Format, command - kFirstFormat};
    }
    return nothing;
}

}  // namespace tintwell::win32
