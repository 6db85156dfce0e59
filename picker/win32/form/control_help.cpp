#include "control_help.h"

#include <commctrl.h>

#include "text_conversion.h"
#include "text_encoding.h"

namespace tintwell::win32 {

ControlHelp::ControlHelp()
    : names_(),
      tooltip_(nullptr),
      swatch_(nullptr),
      described_(),
      describedByKey_(true),
      describedKey_() {}

ControlHelp::~ControlHelp() {
    Detach();
}

ControlHelp::ControlHelp(IAccPropServices *services)
    : names_(services),
      tooltip_(nullptr),
      swatch_(nullptr),
      described_(),
      describedByKey_(true),
      describedKey_() {}

void ControlHelp::Attach(HWND form, HINSTANCE instance) {
    for (size_t i = 0; i < kControlDescriptionCount; ++i) {
        const ControlDescription &description = kControlDescriptions[i];
        if (description.accessibleName != nullptr) {
            names_.Set(GetDlgItem(form, description.id), description.accessibleName);
        }
    }
    swatch_ = GetDlgItem(form, kShape1);
    AddTooltips(form, instance);
}

void ControlHelp::Detach() {
    names_.ClearAll();
    if (tooltip_ != nullptr) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
}

void ControlHelp::AddTooltips(HWND form, HINSTANCE instance) {
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    // Shown even while another window is active, as the pointer rests on the button.
    // Not owned by the form: Wine puts a window that is asked into the topmost band
    // below a topmost window it owns instead, so keep-on-top would not hold.
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (tooltip_ == nullptr) return;
    for (size_t i = 0; i < kControlDescriptionCount; ++i) {
        const ControlDescription &description = kControlDescriptions[i];
        if (description.tooltip == nullptr) continue;
        TOOLINFOW tool{};
        // The older size, which every version of the common controls accepts.
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = form;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(form, description.id));
        tool.lpszText = const_cast<wchar_t *>(description.tooltip);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    AddSwatchTooltip(form, swatch_);
}

// Its text is asked for each time it shows, as the colour changes all the time. A
// width limit lets the tooltip break at the line ends.
void ControlHelp::AddSwatchTooltip(HWND form, HWND swatch) {
    if (swatch == nullptr) return;
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(swatch);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 32767);
}

void ControlHelp::DescribeSwatch(HWND swatch, const std::wstring &lines) {
    describedByKey_ = false;
    if (lines == described_) return;
    described_ = lines;
    names_.SetDescription(swatch, described_.c_str());
}

void ControlHelp::DescribeSwatch(const std::vector<std::string> &lines) {
    std::wstring text;
    for (const std::string &line : lines) {
        if (!text.empty()) text += L"\r\n";
        text += WideFromUtf16(Utf8ToUtf16(line));
    }
    DescribeSwatch(swatch_, text);
}

// The swatch's tooltip asks for its text each time it shows.
bool ControlHelp::OwnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT &result) {
    if (message != WM_NOTIFY) return false;
    auto *header = reinterpret_cast<NMHDR *>(lParam);
    if (header->code != TTN_GETDISPINFOW || swatch_ == nullptr ||
        header->idFrom != reinterpret_cast<UINT_PTR>(swatch_)) {
        return false;
    }
    auto *info = reinterpret_cast<NMTTDISPINFOW *>(header);
    info->lpszText = const_cast<wchar_t *>(described_.c_str());
    result = 0;
    return true;
}

}  // namespace tintwell::win32
