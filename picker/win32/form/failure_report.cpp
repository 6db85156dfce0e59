#include "failure_report.h"

#include <utility>

#include "colour_word.h"
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

std::string FailureText(const std::exception_ptr &failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception &error) {
        return FailureMessage(error);
    } catch (...) {
        return messages::kUnexpectedError;
    }
}

void ShowStartupFailure(const std::exception_ptr &failure) {
    std::u16string message;
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception &error) {
        message = StartupFailureMessage(error);
    } catch (...) {
        message = StartupFailureMessage(PickerError(messages::kUnexpectedError));
    }
    const std::wstring text = WideFromUtf16(message);
    const std::wstring caption = WideFromUtf16(StartupFailureCaption());
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace tintwell::win32
