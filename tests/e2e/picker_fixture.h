// Each test gets a freshly started picker, its windows found, and a way to work
// and read it as a user would.
#ifndef TINTWELL_TESTS_E2E_PICKER_FIXTURE_H
#define TINTWELL_TESTS_E2E_PICKER_FIXTURE_H

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "control_layout.h"
#include "display_scale.h"
#include "dyeplate_library.h"
#include "picker_process.h"

namespace e2e {

using testsupport::PickerProcess;
using tintwell::win32::ControlId;
// The real dyeplate.dll loaded into the driver: what the picker should show is
// whatever its lookups answer for the state the test has put the picker in.
using ColourOracle = testsupport::DyeplateLibrary;

// Generous: a loaded two-core machine runs Wine slowly.
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kUpdateTimeoutMs = 10000;

// Waits for the clipboard to hold the text; false (and what it holds) when it did not in time.
testing::AssertionResult ClipboardBecomes(const std::wstring &expected);

class PickerTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    HWND form() const { return form_; }
    HWND Control(ControlId id) const;
    DWORD uiThread() const { return process_->threadId(); }
    PickerProcess &process() { return *process_; }
    const ColourOracle &oracle() const { return *oracle_; }

    // Screen positions of points in the pictures' inner areas and of controls.
    POINT FieldPoint(int x, int y) const;
    POINT StripPoint(int y) const;
    POINT ControlCentre(ControlId id) const;
    POINT Label1Point(int x, int y) const;

    void ClickControl(ControlId id);
    void ClickField(int x, int y);
    void ClickStrip(int y);

    std::wstring Text1() const;
    // Waits for Text1 to show the text; false (and the last text in the failure
    // message) when it did not in time.
    testing::AssertionResult TextBecomes(const std::wstring &expected,
                                         DWORD timeoutMs = kUpdateTimeoutMs) const;
    // Label1's top-left corner in Picture1's inner area; Label2's top in the form.
    POINT Label1Position() const;
    int Label2Top() const;
    testing::AssertionResult MarkersAt(POINT label1, int label2Top) const;
    bool IsChecked(ControlId id) const;
    // The texts of the message box the picker shows, once one shows and can be read;
    // empty when none does in time.
    std::wstring ShownMessageText();

    // The picker's shown top-level window of the class and title (either null for
    // any); null when it shows none.
    HWND ShownWindow(const wchar_t *className, const wchar_t *title) const;
    testing::AssertionResult LoupeBecomes(bool shown) const;
    // "設定…" chosen; the settings dialog once it shows, null when it does not in time.
    HWND OpenSettings();

    // The swatch's inner colour as it shows on screen, and a wait for one.
    uint32_t SwatchColour() const;
    testing::AssertionResult SwatchBecomes(uint32_t colour) const;
    // Field and strip on screen against the library, pixel for pixel; the marker
    // ring's rectangle is left out of the field. The first form is for 96 dpi, where
    // the tables show at their own size; the second maps each screen pixel to the
    // table pixel it shows at any scale.
    testing::AssertionResult TablesShow(uint32_t base, int mode, int webSafe) const;
    testing::AssertionResult TablesShow(uint32_t base, int mode, int webSafe,
                                        const tintwell::TableAxis &fieldColumns,
                                        const tintwell::TableAxis &fieldRows,
                                        const tintwell::TableAxis &stripRows) const;

    std::unique_ptr<PickerProcess> process_;
    std::unique_ptr<ColourOracle> oracle_;
    HWND form_ = nullptr;
};

}  // namespace e2e

#endif  // TINTWELL_TESTS_E2E_PICKER_FIXTURE_H
