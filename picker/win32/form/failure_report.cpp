#include "failure_report.h"

#include "colour_word.h"
#include "control_layout.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

void ShowBox(HWND owner, const Notice &notice) {
    const std::wstring text = WideFromUtf16(Utf8ToUtf16(notice.text));
    switch (notice.look) {
        case NoticeLook::Failure:
            MessageBoxW(owner, text.c_str(), kFormTitle, MB_OK | MB_ICONEXCLAMATION);
            break;
        case NoticeLook::Information:
            MessageBoxW(owner, text.c_str(), kFormTitle, MB_OK | MB_ICONINFORMATION);
            break;
        case NoticeLook::FileNotSaved:
            MessageBoxW(owner, text.c_str(), captions::kSavePalette, MB_OK | MB_ICONERROR);
            break;
    }
}

}  // namespace

void FailureReport::Note(HWND form, const Notice &notice, NoticeOrigin origin) {
    if (!queue_.Add(notice, origin) || posted_) return;
    posted_ = PostMessageW(form, kShowFailureMessage, 0, 0) != FALSE;
}

void FailureReport::ShowPending(HWND form) {
    posted_ = false;
    while (const std::optional<Notice> next = queue_.TakeNext()) {
        // The box's text is made before the box counts as open, and a notice whose
        // text cannot be made (no memory) is dropped rather than left open for ever.
        try {
            ShowBox(form, *next);
        } catch (...) {
        }
        queue_.Dismissed();
    }
}

void TellUser(HWND form, const Notice &notice) {
    if (form != nullptr &&
        SendMessageW(form, kTellUserMessage, 0, reinterpret_cast<LPARAM>(&notice)) != 0) {
        return;
    }
    ShowBox(form, notice);
}

void TellFailure(HWND form, const std::exception &failure) {
    TellUser(form, Notice{FailureMessage(failure), NoticeLook::Failure});
}

const Notice &ToldNotice(LPARAM lParam) {
    return *reinterpret_cast<const Notice *>(lParam);
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
