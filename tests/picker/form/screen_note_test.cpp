// What the screen did to a colour read from it is said in the colour's description
// and beside the loupe's read, and in neither where the monitor is plain; a pick's
// copy is the colour alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness.h"
#include "read_viewer.h"
#include "screen_colour.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

class StatusViewer : public ReadViewer {
  public:
    int WantedReach() const override { return 5; }
    void ShowRead(const ScreenSquare &, const SampleStatus &status) override {
        statuses.push_back(status);
    }
    std::vector<SampleStatus> statuses;
};

bool Says(const std::vector<std::string> &lines, const char *line) {
    return std::find(lines.begin(), lines.end(), std::string(line)) != lines.end();
}

class ScreenNoteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.Load();
        h.platform.screen = [](ScreenPoint p) { return Rgb(0x12 + p.x % 0x20, 0x34, 0x56); };
        h.platform.cursor = {40, 30};
    }
    Harness h;
};

TEST_F(ScreenNoteTest, ASampleOnAMonitorInHdrIsDescribedSoUntilAnotherColourIsShown) {
    h.form.Timer1_Timer();
    const std::vector<std::string> plain = h.form.ShownColourDescription();
    h.platform.screenNote = ScreenNote::Hdr;
    h.form.Timer1_Timer();
    std::vector<std::string> noted = h.form.ShownColourDescription();
    ASSERT_EQ(noted.size(), plain.size() + 1);
    EXPECT_EQ(noted.back(), screen_notes::kHdr);
    EXPECT_EQ(h.form.Command1_ContextMenu().description, noted) << "the copy menu's grey lines";

    // A pixel the sample takes was beyond SDR white.
    h.platform.clampedAt = [](ScreenPoint p) { return p.x == 40 && p.y == 30; };
    h.form.Timer1_Timer();
    EXPECT_TRUE(Says(h.form.ShownColourDescription(), screen_notes::kHdrClamped));
    EXPECT_FALSE(Says(h.form.ShownColourDescription(), screen_notes::kHdr));

    // A colour picked in the field is the program's own: nothing to say.
    h.form.Picture1_mousedown(1, 0, 10, 10);
    EXPECT_FALSE(Says(h.form.ShownColourDescription(), screen_notes::kHdrClamped));

    h.platform.screenNote = ScreenNote::None;
    h.platform.clampedAt = nullptr;
    h.form.Timer1_Timer();
    EXPECT_EQ(h.form.ShownColourDescription(), plain) << "a plain monitor adds nothing";
}

TEST_F(ScreenNoteTest, TheLoupeIsToldWithEachReadAndRedrawsWhenItChanges) {
    h.controls.check3 = 1;
    h.form.Check3_Click();
    StatusViewer loupe;
    h.form.SampleTick(loupe);
    h.platform.screenNote = ScreenNote::Corrected;
    h.form.SampleTick(loupe);
    ASSERT_EQ(loupe.statuses.size(), 2u);
    EXPECT_EQ(loupe.statuses[0].note, ScreenNote::None);
    EXPECT_EQ(loupe.statuses[1].note, ScreenNote::Corrected);
    EXPECT_FALSE(loupe.statuses[0] == loupe.statuses[1]) << "the same colour, another note";
    EXPECT_TRUE(Says(h.form.ShownColourDescription(), screen_notes::kCorrected));
}

TEST_F(ScreenNoteTest, APickCopiesTheColourAloneAndDescribesItWithTheNote) {
    h.platform.screenNote = ScreenNote::Filters;
    h.form.ScreenPickBegan("#RRGGBB");
    ASSERT_TRUE(h.form.ScreenPickTaken());
    h.form.ScreenPickCopy();
    EXPECT_EQ(h.platform.clipboard.find(u'\n'), std::u16string::npos);
    EXPECT_EQ(h.platform.clipboard.size(), 7u) << "#RRGGBB and nothing else";
    EXPECT_TRUE(Says(h.form.ShownColourDescription(), screen_notes::kFilters));
}

}  // namespace
}  // namespace tintwell::testing
