#include "failure_report.h"

#include <utility>

#include "control_layout.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::win32 {

void FailureReport::Note(HWND form, const std::string &message, Repeats repeats) {
    if (Busy()) return;
    std::wstring text = WideFromUtf16(Utf8ToUtf16(message));
    if (!shown_.insert(text).second && repeats == Repeats::OncePerRun) return;
    pending_ = true;
    text_ = std::move(text);
    PostMessageW(form, kShowFailureMessage, 0, 0);
}

void FailureReport::ShowPending(HWND form) {
    if (!pending_ || showing_) return;
    pending_ = false;
    showing_ = true;
    MessageBoxW(form, text_.c_str(), kFormTitle, MB_OK | MB_ICONEXCLAMATION);
    showing_ = false;
}

void ShowStartupFailure(const std::exception &failure) {
    const std::wstring text = WideFromUtf16(StartupFailureMessage(failure));
    const std::wstring caption = WideFromUtf16(StartupFailureCaption());
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace tintwell::win32
