// The eyedropper's rules: which cells of the square around the pointer lie on no
// monitor, the mean of a square, reads from a frozen snapshot, and one read per tick
// shared by the sample and the loupe.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "harness.h"
#include "key_codes.h"
#include "loupe_image.h"
#include "monitor_layout.h"
#include "screen_square.h"

namespace tintwell::testing {
namespace {

// A screen colour that differs at every position and in every channel.
ColorRef PatternAt(ScreenPoint p) {
    return Rgb((p.x * 7 + 0x12) & 0xFF, (p.y * 5 + 0x34) & 0xFF, (p.x + p.y + 0x56) & 0xFF);
}

// The square a live read of `reach` gives at `pointer`: what a copy of the screen
// holds, with the cells off every monitor still holding a stale 0xDEADBE.
ScreenSquare ReadLive(ScreenPoint pointer, int reach) {
    const int side = 2 * reach + 1;
    std::vector<BitmapPixel> bitmap(static_cast<size_t>(side) * (side + 2), 0x00DEADBEu);
    const size_t stride = static_cast<size_t>(side) + 2;
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            // Positions past the coordinate range are on no monitor.
            const int64_t x = int64_t{pointer.x} - reach + i;
            const int64_t y = int64_t{pointer.y} - reach + j;
            if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX) continue;
            const ScreenPoint p{static_cast<int32_t>(x), static_cast<int32_t>(y)};
            if (OnAnyMonitor(kLayout, p))
                bitmap[j * stride + i] = BitmapPixelFromColour(PatternAt(p));
        }
    }
    return SquareFromBitmap(pointer, reach, bitmap.data(), stride, kLayout);
}

// The cells off every monitor, as "dx,dy" offsets.
std::vector<std::string> OffCells(const ScreenSquare &square) {
    std::vector<std::string> off;
    for (int dy = -square.reach; dy <= square.reach; ++dy) {
        for (int dx = -square.reach; dx <= square.reach; ++dx) {
            const ColorRef cell = square.At(dx, dy);
            const ScreenPoint p{square.cursor.x + dx, square.cursor.y + dy};
            if (cell == kInvalidColor) {
                off.push_back(std::to_string(dx) + "," + std::to_string(dy));
            } else {
                EXPECT_EQ(cell, PatternAt(p)) << "cell " << dx << "," << dy;
            }
        }
    }
    return off;
}

using Cells = std::vector<std::string>;

TEST(ScreenSquare, CellsOffEveryMonitorAreUnreadAtEachEdgeAndCorner) {
    // The primary's bottom-right corner: right and below lie on nothing.
    EXPECT_EQ(OffCells(ReadLive({1919, 1079}, 1)), (Cells{"1,-1", "1,0", "-1,1", "0,1", "1,1"}));
    // Its top-left corner: above is the 192-dpi monitor, left of it the gap.
    EXPECT_EQ(OffCells(ReadLive({0, 0}, 1)), (Cells{"-1,0", "-1,1"}));
    // The left monitor's top edge next to the primary: the gap above it only.
    EXPECT_EQ(OffCells(ReadLive({-1, 120}, 1)), (Cells{"-1,-1", "0,-1"}));
    // The left monitor's bottom-left corner, far into negative x.
    EXPECT_EQ(OffCells(ReadLive({-2880, 1739}, 1)), (Cells{"-1,-1", "-1,0", "-1,1", "0,1", "1,1"}));
    // The top monitor's top edge and its left edge past the primary's.
    EXPECT_EQ(OffCells(ReadLive({100, -2160}, 1)), (Cells{"-1,-1", "0,-1", "1,-1"}));
    EXPECT_EQ(OffCells(ReadLive({-640, -1}, 1)), (Cells{"-1,-1", "-1,0", "-1,1", "0,1", "1,1"}));
    // Wholly inside: nothing off, also for the loupe's reach.
    EXPECT_TRUE(OffCells(ReadLive({-1500, 900}, 5)).empty());
    // A pointer where coordinates end reads nothing that wraps round onto a monitor.
    const ScreenSquare far = ReadLive({INT32_MAX - 1, INT32_MIN + 1}, 2);
    for (ColorRef cell : far.cells) EXPECT_EQ(cell, kInvalidColor);
}

ScreenSquare SquareOf(std::vector<ColorRef> cells, int reach) {
    ScreenSquare square = UnreadSquare({0, 0}, reach);
    square.cells = std::move(cells);
    return square;
}

TEST(ScreenSquare, TheMeanRoundsHalfUpPerChannelAndSkipsCellsOffScreen) {
    const ColorRef off = kInvalidColor;
    // Red 1 and 2 (1.5 up to 2), green 254 and 255 (254.5 up to 255), blue 0 and 3
    // (1.5 up to 2); the cells off screen would pull everything towards white.
    const ScreenSquare two = SquareOf({off, Rgb(1, 254, 0), off,  //
                                       off, Rgb(2, 255, 3), off,  //
                                       off, off, off},
                                      1);
    EXPECT_EQ(MeanOfSquare(two, 1), Rgb(2, 255, 2));
    // A third below the half stays down: 0, 0, 1 gives 0; 1, 1, 2 gives 1.
    const ScreenSquare three = SquareOf({Rgb(0, 1, 0x12), Rgb(0, 1, 0x34), Rgb(1, 2, 0x56),  //
                                         off, off, off,                                      //
                                         off, off, off},
                                        1);
    EXPECT_EQ(MeanOfSquare(three, 1), Rgb(0, 1, 0x34));
    // Only the reach asked for counts: the centre alone is itself.
    EXPECT_EQ(MeanOfSquare(three, 0), kInvalidColor);
    EXPECT_EQ(MeanOfSquare(two, 0), Rgb(2, 255, 3));

    // Nothing on screen: no mean, and a sample of it is black.
    const ScreenSquare none = SquareOf(std::vector<ColorRef>(25, off), 2);
    EXPECT_EQ(MeanOfSquare(none, 2), kInvalidColor);
    EXPECT_EQ(SampleOf(none, SampleSize::FiveByFive), 0u);
    EXPECT_EQ(SampleOf(none, SampleSize::OnePixel), 0u);

    // 5x5 of a square read wider for the loupe: the 25 middle cells only.
    ScreenSquare wide = UnreadSquare({0, 0}, 5);
    for (int dy = -5; dy <= 5; ++dy) {
        for (int dx = -5; dx <= 5; ++dx) {
            const bool inner = dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2;
            wide.cells[(dy + 5) * 11 + (dx + 5)] =
                inner ? Rgb(dx == 0 && dy == 0 ? 25 : 0, 0x34, 0x56) : Rgb(255, 255, 255);
        }
    }
    EXPECT_EQ(SampleOf(wide, SampleSize::FiveByFive), Rgb(1, 0x34, 0x56));
    EXPECT_EQ(SampleOf(wide, SampleSize::ThreeByThree), Rgb(3, 0x34, 0x56)) << "25/9 rounds to 3";
    EXPECT_EQ(SampleOf(wide, SampleSize::OnePixel), Rgb(25, 0x34, 0x56));
}

TEST(ScreenSnapshot, ReadsTheSquareAtAPositionAsItWasAndNothingBeyondIt) {
    // A virtual screen from (-30, -20), two monitors side by side with a gap row.
    const ScreenRect bounds{-30, -20, 50, 40};
    const std::vector<MonitorArea> monitors{{{-30, -20, 10, 40}, {-30, -20, 10, 40}, 144},
                                            {{10, -20, 50, 30}, {10, -20, 50, 30}, 96}};
    ScreenSnapshot snapshot(bounds, monitors);
    EXPECT_EQ(snapshot.bytes(), 80u * 60u * 4u);
    BitmapPixel *pixel = snapshot.pixels();
    for (int32_t y = bounds.top; y < bounds.bottom; ++y) {
        for (int32_t x = bounds.left; x < bounds.right; ++x) {
            *pixel++ = BitmapPixelFromColour(PatternAt({x, y}));
        }
    }
    const ScreenSquare corner = snapshot.ReadSquare({-30, -20}, 1);
    EXPECT_EQ(corner.cursor.x, -30);
    EXPECT_EQ(corner.centre(), PatternAt({-30, -20}));
    EXPECT_EQ(corner.At(1, 1), PatternAt({-29, -19}));
    EXPECT_EQ(corner.At(-1, 0), kInvalidColor) << "left of the virtual screen";
    EXPECT_EQ(corner.At(0, -1), kInvalidColor) << "above it";

    // Below the right monitor lies the snapshot's area but no monitor.
    const ScreenSquare gap = snapshot.ReadSquare({10, 29}, 1);
    EXPECT_EQ(gap.At(0, 0), PatternAt({10, 29}));
    EXPECT_EQ(gap.At(-1, 1), PatternAt({9, 30})) << "the left monitor goes on";
    EXPECT_EQ(gap.At(0, 1), kInvalidColor);
    EXPECT_EQ(gap.At(1, 1), kInvalidColor);
    EXPECT_EQ(snapshot.ReadSquare({49, 39}, 0).centre(), kInvalidColor);
}

// A loupe that remembers what it was shown.
class RecordingViewer : public ReadViewer {
  public:
    explicit RecordingViewer(int reach) : reach_(reach) {}
    int WantedReach() const override { return reach_; }
    void ShowRead(const ScreenSquare &read, const SampleStatus &status) override {
        shown.push_back(read);
        statuses.push_back(status);
    }
    bool Covers(const ScreenSquare &) const override { return covering; }
    std::vector<ScreenSquare> shown;
    std::vector<SampleStatus> statuses;
    bool covering = false;

  private:
    int reach_;
};

class Eyedropper : public ::testing::Test {
  protected:
    void SetUp() override {
        h.Load();
        h.state().tableMode = TableModeGreen;
        h.controls.check3 = 1;
        h.form.Check3_Click();
        h.platform.screen = [this](ScreenPoint p) { return shift + PatternAt(p); };
    }
    ColorRef Shown() const { return h.controls.shape1FillColor; }

    Harness h;
    // Changes the live screen after a snapshot.
    ColorRef shift = 0;
};

TEST_F(Eyedropper, ATickReadsOnceAndTheSampleAndTheLoupeShowThatRead) {
    RecordingViewer loupe(5);
    h.platform.cursor = {40, 30};
    h.form.SampleTick(loupe);
    EXPECT_EQ(h.platform.reads, 1);
    ASSERT_EQ(loupe.shown.size(), 1u);
    EXPECT_EQ(loupe.shown[0].reach, 5);
    EXPECT_EQ(loupe.shown[0].centre(), PatternAt({40, 30}));
    EXPECT_EQ(Shown(), PatternAt({40, 30}));
    EXPECT_EQ(loupe.statuses[0].sample, Shown());

    // A square: the text shows its mean, from the same single read. A bright centre
    // among eight darker pixels: (0x90 + 8 * 0x12) / 9 = 0x20.
    h.platform.screen = [](ScreenPoint p) {
        return p.x == 40 && p.y == 30 ? Rgb(0x90, 0x34, 0x56) : Rgb(0x12, 0x34, 0x56);
    };
    h.form.SetSampleSize(SampleSize::ThreeByThree);
    h.form.SampleTick(loupe);
    EXPECT_EQ(h.platform.reads, 2);
    const ColorRef mean = Rgb(0x20, 0x34, 0x56);
    EXPECT_EQ(Shown(), mean);
    EXPECT_EQ(loupe.statuses[1].sample, mean);
    EXPECT_EQ(loupe.statuses[1].sampleReach, 1);

    // Without a loupe, the read is only as wide as the sample needs.
    RecordingViewer none(0);
    h.form.SetSampleSize(SampleSize::FiveByFive);
    h.form.SampleTick(none);
    EXPECT_EQ(none.shown.at(0).reach, 2);
    EXPECT_EQ(h.platform.reads, 3);
}

TEST_F(Eyedropper, AReadTheLoupeLayOverIsShownToTheLoupeButNotTaken) {
    RecordingViewer loupe(5);
    h.platform.cursor = {40, 30};
    ASSERT_TRUE(h.form.SampleTick(loupe));
    h.platform.cursor = {60, 20};
    loupe.covering = true;
    EXPECT_FALSE(h.form.SampleTick(loupe));
    EXPECT_EQ(Shown(), PatternAt({40, 30})) << "the read may hold the loupe's own pixels";
    ASSERT_EQ(loupe.shown.size(), 2u) << "so that the loupe steps aside";
    loupe.covering = false;
    EXPECT_TRUE(h.form.SampleTick(loupe));
    EXPECT_EQ(Shown(), PatternAt({60, 20}));

    // A snapshot holds no loupe: what the loupe covers now does not matter.
    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    loupe.covering = true;
    EXPECT_TRUE(h.form.SampleTick(loupe));
}

TEST_F(Eyedropper, AFailingSampleStillShowsTheLoupeItsRead) {
    RecordingViewer loupe(5);
    h.log.failing = {"set_Text1_Text"};
    EXPECT_THROW(h.form.SampleTick(loupe), PickerError);
    EXPECT_EQ(loupe.shown.size(), 1u);
    EXPECT_EQ(h.platform.reads, 1);
}

TEST_F(Eyedropper, CtrlFFreezesWhatTheSampleAndTheLoupeSeeUntilCtrlFAgain) {
    RecordingViewer loupe(5);
    h.platform.cursor = {40, 30};
    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    EXPECT_EQ(h.form.freezeState(), FreezeState::Frozen);
    EXPECT_EQ(h.form.FrozenBytes(), 400u * 300u * 4u);
    shift = 0x010101;  // the hover changes the live screen
    h.platform.cursor = {41, 31};
    h.form.SampleTick(loupe);
    EXPECT_EQ(h.platform.reads, 0) << "nothing read live while frozen";
    EXPECT_EQ(Shown(), PatternAt({41, 31}));
    EXPECT_EQ(loupe.shown.at(0).At(-1, -1), PatternAt({40, 30}));
    EXPECT_EQ(loupe.statuses.at(0).freeze, FreezeState::Frozen);

    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    EXPECT_EQ(h.form.freezeState(), FreezeState::Live);
    EXPECT_EQ(h.form.FrozenBytes(), 0u) << "the snapshot is given back";
    h.form.SampleTick(loupe);
    EXPECT_EQ(Shown(), shift + PatternAt({41, 31}));
}

TEST_F(Eyedropper, EscTakesThePixelFromTheSnapshotAndClearingCheck3EndsTheFreeze) {
    h.platform.cursor = {12, 34};
    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    shift = 0x020202;
    h.form.Form_KeyDown(kKeyEscape, 0);
    EXPECT_EQ(Shown(), PatternAt({12, 34}));
    EXPECT_EQ(h.controls.check3, 0);
    EXPECT_EQ(h.form.freezeState(), FreezeState::Live);
    EXPECT_EQ(h.form.FrozenBytes(), 0u);

    h.controls.check3 = 1;
    h.form.Check3_Click();
    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    ASSERT_GT(h.form.FrozenBytes(), 0u);
    h.controls.check3 = 0;
    h.form.Check3_Click();
    EXPECT_EQ(h.form.FrozenBytes(), 0u);
    EXPECT_EQ(h.platform.snapshots, 2);
}

TEST_F(Eyedropper, ASnapshotThatCannotBeTakenLeavesSamplingLiveAndSaysSo) {
    RecordingViewer loupe(5);
    h.platform.snapshotFails = true;
    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    EXPECT_EQ(h.form.freezeState(), FreezeState::Failed);
    shift = 0x010101;
    h.form.SampleTick(loupe);
    EXPECT_EQ(h.platform.reads, 1);
    EXPECT_EQ(Shown(), shift + PatternAt({100, 100}));
    EXPECT_EQ(loupe.statuses.at(0).freeze, FreezeState::Failed);

    // Out of memory while the snapshot is made is no different.
    h.platform.snapshotFails = false;
    h.log.failing = {"TakeSnapshot"};
    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    EXPECT_EQ(h.form.freezeState(), FreezeState::Failed);
    EXPECT_EQ(h.controls.check3, 1);
}

TEST_F(Eyedropper, CtrlFDoesNothingWithoutSamplingOrWithOtherModifiers) {
    h.form.Form_KeyDown(kKeyF, kCtrlKey | kShiftKey);
    h.form.Form_KeyDown(kKeyF, kCtrlKey | kAltKey);
    h.form.Form_KeyDown(kKeyF, 0);
    EXPECT_EQ(h.platform.snapshots, 0);
    h.controls.check3 = 0;
    h.form.Check3_Click();
    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    EXPECT_EQ(h.platform.snapshots, 0);
    EXPECT_EQ(h.form.freezeState(), FreezeState::Live);
}

TEST(LoupeImage, CellsOffScreenAreHatchedAndTheSampledSquareIsOutlined) {
    const LoupeMetrics m = LoupeMetricsForDpi(96);
    std::vector<ColorRef> seen(static_cast<size_t>(m.cells * m.cells), Rgb(0x12, 0x34, 0x56));
    seen[0] = kInvalidColor;
    const size_t stride = static_cast<size_t>(m.imageSize());
    constexpr BitmapPixel kUnwritten = 0xDEADBEEFu;
    std::vector<BitmapPixel> image(stride * stride, kUnwritten);
    ComposeLoupeImage(seen.data(), m, image.data(), stride, 1);
    const int middle = m.cellSize / 2;
    const BitmapPixel hatched = image[static_cast<size_t>(middle) * stride + middle];
    EXPECT_EQ(hatched, HatchAt(middle, middle));
    EXPECT_NE(hatched, kUnwritten);
    EXPECT_EQ(std::count(image.begin(), image.end(), kUnwritten), 0) << "every pixel is drawn";
    EXPECT_NE(hatched, BitmapPixelFromColour(Rgb(0x12, 0x34, 0x56)));
    EXPECT_NE(HatchAt(0, 0), HatchAt(3, 0)) << "a hatch, not a flat grey";

    // The 3x3 square's outline starts one cell before the centre cell.
    const int first = (m.reach() - 1) * m.cellSize;
    EXPECT_EQ(LoupePixelRoleAt(m, first, first + middle, 1), LoupePixelRole::OutlineDark);
    EXPECT_EQ(LoupePixelRoleAt(m, first, first + middle, 0), LoupePixelRole::Grid);
    EXPECT_EQ(image[static_cast<size_t>(first + middle) * stride + first], 0u);
    // Inside the square the centre cell no longer has an outline of its own.
    const int centre = m.reach() * m.cellSize;
    EXPECT_EQ(LoupePixelRoleAt(m, centre + 1, centre + middle, 1), LoupePixelRole::Cell);

    EXPECT_EQ(LoupeCaption(Rgb(0x12, 0x34, 0x56), LoupeNote::Frozen), u"#123456\n固定");
    EXPECT_EQ(LoupeCaption(Rgb(0x12, 0x34, 0x56), LoupeNote::CannotFreeze),
              u"#123456\n固定できません");
}

}  // namespace
}  // namespace tintwell::testing
