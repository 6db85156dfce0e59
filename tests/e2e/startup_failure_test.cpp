// A dyeplate.dll that is missing or lacks an export: one message naming it, and at
// start-up a clean exit with a non-zero code. Nothing here may hang: every wait has
// a limit and the test closes the message boxes itself.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "control_layout.h"
#include "e2e_config.h"
#include "picker_process.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;
using testsupport::MessageBoxText;
using testsupport::PickerCopy;
using testsupport::PickerProcess;

constexpr DWORD kBoxTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 30000;

// The picker started from a folder of its own, beside `library` instead of the real
// dyeplate.dll (an empty path: beside none at all).
struct PickerWith {
    explicit PickerWith(const std::wstring &library)
        : copy(TheConfig().picker, library), process(copy.exe()) {}

    PickerCopy copy;
    PickerProcess process;
};

// The form of a picker that starts although its library lacks an export.
HWND FormOf(PickerProcess &picker) {
    EXPECT_TRUE(picker.started());
    return picker.started() ? picker.WaitForForm(kBoxTimeoutMs) : nullptr;
}

void Dismiss(HWND box) {
    SendMessageTimeoutW(box, WM_COMMAND, IDOK, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
}

void ExpectCleanFailedStart(PickerProcess &picker, const std::wstring &named) {
    HWND box = picker.WaitForMessageBox(kBoxTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_NE(MessageBoxText(box).find(named), std::wstring::npos)
        << testing::PrintToString(MessageBoxText(box));
    Dismiss(box);
    const DWORD code = picker.WaitForExit(kExitTimeoutMs);
    EXPECT_NE(code, static_cast<DWORD>(STILL_ACTIVE)) << "the program did not end";
    EXPECT_EQ(code, 1u) << "ended with code " << std::hex << code;
}

// Says why a picker copy did not start, should it not.
testing::AssertionResult Started(const PickerWith &picker) {
    if (picker.process.started()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the copy did not start: CreateProcess error "
                                       << picker.process.startError() << "; "
                                       << (picker.copy.problem().empty() ? "the copy was made"
                                                                         : picker.copy.problem());
}

TEST(StartupFailureTest, MissingLibraryIsNamedAndTheProgramEnds) {
    PickerWith none(L"");
    ASSERT_TRUE(Started(none));
    ExpectCleanFailedStart(none.process, L"dyeplate.dll");
}

TEST(StartupFailureTest, MissingDrawExportIsNamedAndTheProgramEnds) {
    PickerWith partial(TheConfig().libraryWithoutDrawColorTable2);
    ASSERT_TRUE(Started(partial));
    ExpectCleanFailedStart(partial.process, L"DrawColorTable2");
}

TEST(RunTimeFailureTest, FailedPickIsReportedAndThePickerGoesOn) {
    PickerWith partial(TheConfig().libraryWithoutGetColor2);
    PickerProcess &picker = partial.process;
    HWND form = FormOf(picker);
    ASSERT_NE(form, nullptr);
    HWND text = GetDlgItem(form, kText1);
    ASSERT_TRUE(WaitUntil(kBoxTimeoutMs, [&] { return WindowText(text) == L"#FFFFFF"; }));

    Click(ClientToScreenPoint(GetDlgItem(form, kPicture2), 9, 100));
    HWND box = picker.WaitForMessageBox(kBoxTimeoutMs);
    ASSERT_NE(box, nullptr) << "the failed strip pick was not reported";
    EXPECT_NE(MessageBoxText(box).find(L"GetColor2"), std::wstring::npos)
        << testing::PrintToString(MessageBoxText(box));
    EXPECT_TRUE(picker.IsRunning());
    Dismiss(box);

    Click(ClientToScreenPoint(GetDlgItem(form, kPicture1), 100, 60));
    EXPECT_TRUE(WaitUntil(kBoxTimeoutMs, [&] { return WindowText(text) == L"#123456"; }))
        << "after the report the picker still picks; Text1 shows "
        << testing::PrintToString(WindowText(text));
    EXPECT_TRUE(picker.IsRunning());
}

TEST(RunTimeFailureTest, FailingTicksShowOneReportAndLeaveSamplingStoppable) {
    PickerWith partial(TheConfig().libraryWithoutGetColor);
    PickerProcess &picker = partial.process;
    HWND form = FormOf(picker);
    ASSERT_NE(form, nullptr);
    HWND sampling = GetDlgItem(form, kCheck3);

    // Every tick redraws and looks up the colour, and every lookup fails.
    Click(ClientToScreenPoint(sampling, 6, 8));
    HWND box = picker.WaitForMessageBox(kBoxTimeoutMs);
    ASSERT_NE(box, nullptr) << "the failing tick was not reported";
    EXPECT_NE(MessageBoxText(box).find(L"GetColor"), std::wstring::npos)
        << testing::PrintToString(MessageBoxText(box));
    Pause(1500);
    EXPECT_EQ(picker.CountMessageBoxes(), 1) << "ticks under the box add no boxes";

    Dismiss(box);
    Pause(1500);
    EXPECT_EQ(picker.CountMessageBoxes(), 0) << "the same failure is not shown again";
    Click(ClientToScreenPoint(sampling, 6, 8));
    EXPECT_TRUE(WaitUntil(kBoxTimeoutMs, [&] {
        return SendMessageW(sampling, BM_GETCHECK, 0, 0) == BST_UNCHECKED;
    })) << "the user can still stop sampling";
    EXPECT_TRUE(picker.IsRunning());
}

}  // namespace
}  // namespace e2e
