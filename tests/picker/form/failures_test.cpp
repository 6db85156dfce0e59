#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "picker_state.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

using ::testing::HasSubstr;

std::string LoadFailure(Harness &h) {
    try {
        h.form.Form_Load();
    } catch (const PickerError &error) {
        const std::u16string shown = StartupFailureMessage(error);
        EXPECT_EQ(shown.find(u"Tintwell"), 0u);
        return error.what();
    }
    ADD_FAILURE() << "Form_Load did not fail";
    return "";
}

TEST(Failures, MissingLibraryEndsFormLoadAtTheFirstDrawNamingTheFile) {
    Harness h("/nonexistent/dyeplate-missing.so");
    EXPECT_THAT(LoadFailure(h), HasSubstr("dyeplate-missing.so"));
    const PickerState &s = h.state();
    EXPECT_EQ(s.red, 255);
    EXPECT_EQ(s.green, 255);
    EXPECT_EQ(s.blue, 255);
    EXPECT_TRUE(s.hexText.empty());
    EXPECT_EQ(h.controls.shape1FillColor, kWhite);
    EXPECT_TRUE(h.controls.option2Enabled);
    EXPECT_EQ(h.controls.text1, u"Text1");
    EXPECT_EQ(h.log.Names().back(), "Picture1_hDC");
}

TEST(Failures, MissingExportIsNamedAndEndsTheHandlerAtThatCall) {
    SpiedHarness h(SpyWithoutDraw2Path());
    EXPECT_THAT(LoadFailure(h), HasSubstr("\"DrawColorTable2\""));
    EXPECT_EQ(h.log.Names(), (std::vector<std::string>{"set_Shape1_FillColor", "Picture1_hDC",
                                                       "DrawColorTable", "Picture2_hDC"}));
    EXPECT_TRUE(h.controls.option2Enabled);
}

TEST(Failures, ALookupThatCannotBeBoundLeavesWhatWasWritten) {
    SpiedHarness h(SpyWithoutGetColorPath());
    h.Load();
    h.state().tableMode = TableModeRed;
    h.spy.SetAnswer(Rgb(0x12, 0x34, 0x56));
    try {
        h.form.Picture2_mousedown(1, 0, 0.0f, 7.0f);
        ADD_FAILURE() << "the pick did not fail";
    } catch (const PickerError &error) {
        EXPECT_THAT(error.what(), HasSubstr("\"GetColor\""));
    }
    EXPECT_EQ(h.state().stripPos, 7);
    EXPECT_EQ(h.state().hexText, "563412");
    EXPECT_EQ(h.state().red, 0x12);
    EXPECT_EQ(h.state().blue, 0x56);
    EXPECT_EQ(h.controls.label2Top, 256.0f - 0x12);
    EXPECT_EQ(h.controls.shape1FillColor, kWhite);
    EXPECT_EQ(h.controls.text1, u"#FFFFFF");
}

TEST(Failures, AFailingControlEndsJustItsHandler) {
    Harness h;
    h.Load();
    h.state().hexText = HexTextRule(Rgb(0x12, 0x34, 0x56));
    h.log.failing = {"Picture2_Refresh"};
    EXPECT_THROW(h.form.Option4_Click(), PickerError);
    // Converted and switched before the refresh failed; markers and text not reached.
    EXPECT_EQ(h.state().tableMode, TableModeRed);
    EXPECT_EQ(h.state().red, 0x12);
    EXPECT_EQ(h.controls.label1Left, -5.0f);
    EXPECT_EQ(h.controls.text1, u"#FFFFFF");

    // The next event runs normally.
    h.log.failing.clear();
    h.form.Option4_Click();
    EXPECT_EQ(h.controls.text1, u"#123456");

    h.log.failing = {"Check2_Value"};
    EXPECT_THROW(h.form.Picture1_mousedown(1, 0, 0.0f, 0.0f), PickerError);
    EXPECT_EQ(h.controls.text1, u"#12FF00");
    EXPECT_EQ(h.platform.clipboard, u"old");
}

TEST(Failures, FormLoadStopsAtAFailingControl) {
    Harness h;
    h.log.failing = {"set_Option3_Enabled"};
    EXPECT_THROW(h.form.Form_Load(), PickerError);
    EXPECT_FALSE(h.controls.option2Enabled);
    EXPECT_TRUE(h.state().hexText.empty());
    EXPECT_EQ(h.log.Names().back(), "set_Option3_Enabled");
}

TEST(Failures, StartupMessageNamesTheCause) {
    const PickerError error(ExportNotFoundMessage("dyeplate.dll", "GetColor2"));
    const std::u16string shown = StartupFailureMessage(error);
    EXPECT_NE(shown.find(u"dyeplate.dll"), std::u16string::npos);
    EXPECT_NE(shown.find(u"GetColor2"), std::u16string::npos);
    EXPECT_NE(StartupFailureMessage(PickerError(LibraryNotFoundMessage("dyeplate.dll")))
                  .find(u"\"dyeplate.dll\" を読み込めません"),
              std::u16string::npos);
}

}  // namespace
}  // namespace tintwell::testing
