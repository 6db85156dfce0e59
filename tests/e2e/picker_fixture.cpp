#include "picker_fixture.h"

#include <sstream>

#include "e2e_config.h"
#include "screen_probe.h"
#include "user_input.h"
#include "window_probe.h"

namespace e2e {

using namespace tintwell::win32;

testing::AssertionResult ClipboardBecomes(const std::wstring &expected) {
    if (WaitUntil(kUpdateTimeoutMs, [&] { return ClipboardText() == expected; })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "clipboard holds " << testing::PrintToString(ClipboardText().value_or(L"<none>"))
           << ", expected " << testing::PrintToString(expected);
}

void PickerTest::SetUp() {
    oracle_ = std::make_unique<ColourOracle>(TheConfig().library);
    ASSERT_TRUE(oracle_->ok()) << oracle_->error();
    process_ = std::make_unique<PickerProcess>(TheConfig().picker);
    ASSERT_TRUE(process_->started()) << "tintwell.exe did not start";
    form_ = process_->WaitForForm(kStartTimeoutMs);
    ASSERT_NE(form_, nullptr) << "Form1 did not show up";
    ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return Text1() == L"#FFFFFF"; }))
        << "Form_Load did not finish: Text1 shows " << testing::PrintToString(Text1());
    // Where the pointer was left by an earlier test must not count as a drag here.
    MoveTo(ClientToScreenPoint(form_, kFormClientWidth - 2, kFormClientHeight - 2));
}

void PickerTest::TearDown() {
    // A test that stopped in the middle of a drag must not leave a button down.
    for (Button button : {Button::Left, Button::Right, Button::Middle}) Release(button);
    process_.reset();
    oracle_.reset();
}

HWND PickerTest::Control(ControlId id) const {
    if (id == kLabel1) return GetDlgItem(Control(kPicture1), kLabel1);
    return GetDlgItem(form_, id);
}

POINT PickerTest::FieldPoint(int x, int y) const {
    return ClientToScreenPoint(Control(kPicture1), x, y);
}

POINT PickerTest::StripPoint(int y) const {
    return ClientToScreenPoint(Control(kPicture2), 9, y);
}

POINT PickerTest::ControlCentre(ControlId id) const {
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT PickerTest::Label1Point(int x, int y) const {
    return ClientToScreenPoint(Control(kLabel1), x, y);
}

void PickerTest::ClickControl(ControlId id) {
    Click(ControlCentre(id));
}
void PickerTest::ClickField(int x, int y) {
    Click(FieldPoint(x, y));
}
void PickerTest::ClickStrip(int y) {
    Click(StripPoint(y));
}

std::wstring PickerTest::Text1() const {
    return WindowText(Control(kText1));
}

testing::AssertionResult PickerTest::TextBecomes(const std::wstring &expected,
                                                 DWORD timeoutMs) const {
    if (WaitUntil(timeoutMs, [&] { return Text1() == expected; })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "Text1 shows " << testing::PrintToString(Text1())
                                       << ", expected " << testing::PrintToString(expected);
}

POINT PickerTest::Label1Position() const {
    const RECT rect = RectInContainer(Control(kLabel1), Control(kPicture1));
    return POINT{rect.left, rect.top};
}

int PickerTest::Label2Top() const {
    return RectInContainer(Control(kLabel2), form_).top;
}

testing::AssertionResult PickerTest::MarkersAt(POINT label1, int label2Top) const {
    const bool there = WaitUntil(kUpdateTimeoutMs, [&] {
        const POINT at = Label1Position();
        return at.x == label1.x && at.y == label1.y && Label2Top() == label2Top;
    });
    if (there) return testing::AssertionSuccess();
    const POINT at = Label1Position();
    return testing::AssertionFailure()
           << "Label1 at (" << at.x << ", " << at.y << "), Label2 top " << Label2Top()
           << "; expected (" << label1.x << ", " << label1.y << "), " << label2Top;
}

bool PickerTest::IsChecked(ControlId id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND PickerTest::ShownWindow(const wchar_t *className, const wchar_t *title) const {
    return testsupport::ShownWindowOf(process_->id(), className, title);
}

testing::AssertionResult PickerTest::LoupeBecomes(bool shown) const {
    if (WaitUntil(kUpdateTimeoutMs,
                  [&] { return (ShownWindow(L"TintwellLoupe", nullptr) != nullptr) == shown; })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "the loupe is " << (shown ? "hidden" : "shown");
}

HWND PickerTest::OpenSettings() {
    // The settings item's system command (command_ids.h).
    constexpr WPARAM kSettingsItem = 0x0130;
    PostMessageW(form(), WM_SYSCOMMAND, kSettingsItem, 0);
    HWND dialog = nullptr;
    WaitUntil(kUpdateTimeoutMs,
              [&] { return (dialog = ShownWindow(L"#32770", L"Tintwell の設定")) != nullptr; });
    return dialog;
}

std::wstring PickerTest::ShownMessageText() {
    std::wstring said;
    WaitUntil(kUpdateTimeoutMs, [&] {
        const HWND box = process().WaitForMessageBox(100);
        said = box ? testsupport::MessageBoxText(box) : std::wstring();
        return !said.empty();
    });
    return said;
}

uint32_t PickerTest::SwatchColour() const {
    const ScreenImage swatch = CaptureClient(Control(kShape1));
    return swatch.At(swatch.width() / 2, swatch.height() / 2);
}

testing::AssertionResult PickerTest::SwatchBecomes(uint32_t colour) const {
    if (WaitUntil(kUpdateTimeoutMs, [&] { return SwatchColour() == colour; })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "swatch shows " << std::hex << SwatchColour() << ", expected " << colour;
}

testing::AssertionResult PickerTest::TablesShow(uint32_t base, int mode, int webSafe) const {
    const ScreenImage field = CaptureClient(Control(kPicture1));
    if (field.width() != 256 || field.height() != 256) {
        return testing::AssertionFailure()
               << "field is " << field.width() << " x " << field.height();
    }
    using tintwell::TableAxis;
    return TablesShow(base, mode, webSafe, TableAxis(256, 256), TableAxis(256, 256),
                      TableAxis(256, 256));
}

testing::AssertionResult PickerTest::TablesShow(uint32_t base, int mode, int webSafe,
                                                const tintwell::TableAxis &fieldColumns,
                                                const tintwell::TableAxis &fieldRows,
                                                const tintwell::TableAxis &stripRows) const {
    std::ostringstream problem;
    const bool shown = WaitUntil(kUpdateTimeoutMs, [&] {
        problem.str("");
        const RECT ring = RectInContainer(Control(kLabel1), Control(kPicture1));
        const ScreenImage field = CaptureClient(Control(kPicture1));
        int wrong = 0;
        for (int y = 0; y < field.height(); ++y) {
            for (int x = 0; x < field.width(); ++x) {
                if (x >= ring.left && x < ring.right && y >= ring.top && y < ring.bottom) continue;
                const uint32_t expected =
                    oracle().GetColor(base, mode, fieldColumns.TableFromScreen(x),
                                      fieldRows.TableFromScreen(y), webSafe);
                if (field.At(x, y) != expected && wrong++ == 0) {
                    problem << "field (" << x << ", " << y << ") shows " << std::hex
                            << field.At(x, y) << ", library says " << expected << std::dec << "; ";
                }
            }
        }
        const ScreenImage strip = CaptureClient(Control(kPicture2));
        for (int y = 0; y < strip.height(); ++y) {
            const uint32_t expected =
                oracle().GetColor2(base, mode, stripRows.TableFromScreen(y), webSafe);
            for (int x = 0; x < strip.width(); ++x) {
                if (strip.At(x, y) != expected && wrong++ == 0) {
                    problem << "strip (" << x << ", " << y << ") shows " << std::hex
                            << strip.At(x, y) << ", library says " << expected << std::dec << "; ";
                }
            }
        }
        problem << wrong << " pixels differ";
        return wrong == 0;
    });
    if (shown) return testing::AssertionSuccess();
    return testing::AssertionFailure() << problem.str();
}

}  // namespace e2e
