#include "option_group.h"

#include <algorithm>
#include <iterator>

#include "control_id.h"

namespace tintwell::win32 {

namespace {

constexpr ControlId kOptions[] = {kOption1, kOption2, kOption3, kOption4, kOption5, kOption6};

}  // namespace

bool IsOptionButton(int control) {
    return std::find(std::begin(kOptions), std::end(kOptions), control) != std::end(kOptions);
}

void KeepSelectedOptionAsTabStop(HWND form) {
    for (ControlId id : kOptions) {
        HWND option = GetDlgItem(form, id);
        const bool selected = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
        LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
        style = selected ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrW(option, GWL_STYLE, style);
    }
}

}  // namespace tintwell::win32
