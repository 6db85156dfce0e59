#include "eyedropper_input.h"

#include "user_texts.h"

namespace tintwell::win32 {

namespace {

struct SizeItem {
    UINT command;
    SampleSize size;
    const wchar_t *caption;
};
constexpr SizeItem kSizeItems[] = {
    {kOnePixelCommand, SampleSize::OnePixel, captions::kOnePixel},
    {kThreeByThreeCommand, SampleSize::ThreeByThree, captions::kThreeByThree},
    {kFiveByFiveCommand, SampleSize::FiveByFive, captions::kFiveByFive},
};

bool KeyHeld(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

bool IsFreezeKey(const MSG &message, HWND form) {
    if (message.message != WM_KEYDOWN || message.wParam != 'F') return false;
    if (form == nullptr || (message.hwnd != form && !IsChild(form, message.hwnd))) return false;
    return KeyHeld(VK_CONTROL) && !KeyHeld(VK_SHIFT) && !KeyHeld(VK_MENU);
}

void AddSampleSizeMenu(HWND form, UINT before) {
    HMENU system = GetSystemMenu(form, FALSE);
    HMENU sizes = CreatePopupMenu();
    if (system == nullptr || sizes == nullptr) {
        if (sizes != nullptr) DestroyMenu(sizes);
        return;
    }
    for (const SizeItem &item : kSizeItems) {
        AppendMenuW(sizes, MF_STRING, item.command, item.caption);
    }
    CheckMenuRadioItem(sizes, kSizeItems[0].command, kSizeItems[2].command, kSizeItems[0].command,
                       MF_BYCOMMAND);
    // The system menu owns the submenu from here on and destroys it with itself.
    if (!InsertMenuW(system, before, MF_BYCOMMAND | MF_POPUP | MF_STRING,
                     reinterpret_cast<UINT_PTR>(sizes), captions::kSampleSize)) {
        DestroyMenu(sizes);
    }
}

std::optional<SampleSize> SampleSizeCommand(HWND form, WPARAM command) {
    for (const SizeItem &item : kSizeItems) {
        if ((command & 0xFFF0) != item.command || (command & 0xFFFF0000u) != 0) continue;
        CheckMenuRadioItem(GetSystemMenu(form, FALSE), kSizeItems[0].command, kSizeItems[2].command,
                           item.command, MF_BYCOMMAND);
        return item.size;
    }
    return std::nullopt;
}

}  // namespace tintwell::win32
