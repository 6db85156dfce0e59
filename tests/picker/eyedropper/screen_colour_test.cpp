// What the system's answers make of a monitor, what a read is said with, and that the
// state is asked for once per change, not per read.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "loupe_image.h"
#include "screen_colour.h"
#include "screen_square.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

constexpr ScreenRect kSideMonitor{-1920, 0, 0, 1080};
constexpr ScreenRect kMainMonitor{0, 0, 2560, 1440};

MonitorAnswers::AdvancedColour Flags(bool enabled, bool enforced, bool forceDisabled = false) {
    MonitorAnswers::AdvancedColour colour;
    colour.supported = true;
    colour.enabled = enabled;
    colour.wideColourEnforced = enforced;
    colour.forceDisabled = forceDisabled;
    return colour;
}

MonitorAnswers::AdvancedColour Mode(int mode) {
    MonitorAnswers::AdvancedColour colour = Flags(mode != 0, false);
    colour.activeMode = mode;
    return colour;
}

class FakeSystem : public ScreenColourSystem {
  public:
    std::vector<MonitorAnswers> monitors;
    std::optional<bool> filters;
    int asked = 0;
    std::vector<MonitorAnswers> Monitors() override {
        ++asked;
        return monitors;
    }
    std::optional<bool> FiltersOn() override {
        ++asked;
        return filters;
    }
};

TEST(ScreenColourState, EachModeFromTheSystemsAnswers) {
    MonitorAnswers hdr{kMainMonitor, Flags(true, false), 2500, u"C:\\x\\panel.icm"};
    const MonitorColour h = MonitorColourOf(hdr);
    EXPECT_EQ(h.mode, ColourMode::Hdr);
    EXPECT_EQ(h.sdrWhite, 2500u);
    EXPECT_EQ(h.bounds, kMainMonitor);

    EXPECT_EQ(MonitorColourOf({kMainMonitor, Flags(true, true), 1000, std::nullopt}).mode,
              ColourMode::WideColour);
    EXPECT_EQ(MonitorColourOf({kMainMonitor, Flags(false, false), 1000, std::nullopt}).mode,
              ColourMode::Sdr);
    EXPECT_EQ(MonitorColourOf({kMainMonitor, Flags(true, false, true), 1000, std::nullopt}).mode,
              ColourMode::Sdr)
        << "turned off by the system's policy";
    // The newer answer's mode in effect decides, whatever the older flags would say.
    MonitorAnswers::AdvancedColour sdrAfterAll = Mode(0);
    sdrAfterAll.enabled = true;
    EXPECT_EQ(MonitorColourOf({kMainMonitor, sdrAfterAll, 1000, std::nullopt}).mode,
              ColourMode::Sdr);
    EXPECT_EQ(MonitorColourOf({kMainMonitor, Mode(1), 1000, std::nullopt}).mode,
              ColourMode::WideColour);
    EXPECT_EQ(MonitorColourOf({kMainMonitor, Mode(2), 1000, std::nullopt}).mode, ColourMode::Hdr);
}

TEST(ScreenColourState, AProfileCountsOnlyWhenItIsNotTheSystemsSrgb) {
    EXPECT_TRUE(
        MonitorColourOf({kMainMonitor, std::nullopt, std::nullopt, u"C:\\c\\wide gamut.icc"})
            .profile);
    EXPECT_FALSE(MonitorColourOf({kMainMonitor, std::nullopt, std::nullopt,
                                  u"C:\\Windows\\system32\\spool\\drivers\\color\\sRGB Color "
                                  u"Space Profile.icm"})
                     .profile);
    EXPECT_TRUE(IsSrgbProfile(u"srgb color space profile.ICM"));
    EXPECT_FALSE(IsSrgbProfile(u"sRGB Color Space Profile.icm.bak"));
    EXPECT_FALSE(MonitorColourOf({kMainMonitor, std::nullopt, std::nullopt, u""}).profile);
}

TEST(ScreenColourState, ASystemThatDoesNotAnswerIsPlainSdrSrgb) {
    const MonitorColour plain =
        MonitorColourOf({kSideMonitor, std::nullopt, std::nullopt, std::nullopt});
    EXPECT_EQ(plain.mode, ColourMode::Sdr);
    EXPECT_EQ(plain.sdrWhite, 1000u);
    EXPECT_FALSE(plain.profile);
    EXPECT_EQ(MonitorColourOf({kSideMonitor, Flags(true, false), 0u, std::nullopt}).sdrWhite, 1000u)
        << "a white level of nothing is no white level";

    FakeSystem system;
    system.monitors = {{kSideMonitor, std::nullopt, std::nullopt, std::nullopt}};
    ScreenColourWatch watch(system);
    const ScreenColour &state = watch.Current();
    EXPECT_FALSE(state.filters);
    ASSERT_NE(state.At({-5, 5}), nullptr);
    EXPECT_EQ(NoteFor(state.At({-5, 5}), state.filters, false, false), ScreenNote::None);
    EXPECT_EQ(state.At({5, 5}), nullptr);
}

TEST(ScreenColourState, IsAskedOnceUntilForgotten) {
    FakeSystem system;
    system.monitors = {{kSideMonitor, std::nullopt, std::nullopt, std::nullopt},
                       {kMainMonitor, Flags(true, false), 2000, std::nullopt}};
    system.filters = true;
    ScreenColourWatch watch(system);
    for (int read = 0; read < 50; ++read) {
        EXPECT_EQ(watch.Current().At({10, 10})->mode, ColourMode::Hdr);
    }
    EXPECT_EQ(system.asked, 2) << "monitors and filters, once each";
    EXPECT_TRUE(watch.Current().filters);

    system.monitors[1].advancedColour = Flags(false, false);
    system.filters = false;
    EXPECT_EQ(watch.Current().At({10, 10})->mode, ColourMode::Hdr) << "not yet told";
    watch.Forget();
    EXPECT_EQ(watch.Current().At({10, 10})->mode, ColourMode::Sdr);
    EXPECT_FALSE(watch.Current().filters);
    EXPECT_EQ(system.asked, 4);
}

TEST(ScreenNotes, AdvancedColourFirstThenFiltersThenAProfile) {
    MonitorColour hdr{kMainMonitor, ColourMode::Hdr, 2000, true};
    MonitorColour wide{kMainMonitor, ColourMode::WideColour, 1000, false};
    MonitorColour profiled{kMainMonitor, ColourMode::Sdr, 1000, true};
    MonitorColour plain{kMainMonitor, ColourMode::Sdr, 1000, false};
    EXPECT_EQ(NoteFor(&hdr, true, true, false), ScreenNote::Hdr);
    EXPECT_EQ(NoteFor(&hdr, false, true, true), ScreenNote::HdrClamped);
    EXPECT_EQ(NoteFor(&hdr, false, false, false), ScreenNote::HdrUnread);
    EXPECT_EQ(NoteFor(&wide, false, true, false), ScreenNote::WideColour);
    EXPECT_EQ(NoteFor(&wide, false, true, true), ScreenNote::WideColourClamped);
    EXPECT_EQ(NoteFor(&wide, false, false, false), ScreenNote::WideColourUnread);
    EXPECT_EQ(NoteFor(&profiled, true, false, false), ScreenNote::Filters);
    EXPECT_EQ(NoteFor(&profiled, false, false, false), ScreenNote::Corrected);
    EXPECT_EQ(NoteFor(&plain, false, false, false), ScreenNote::None);
    EXPECT_EQ(NoteFor(nullptr, false, false, false), ScreenNote::None);

    EXPECT_EQ(ScreenNoteLine(ScreenNote::None), "");
    EXPECT_EQ(ScreenNoteLine(ScreenNote::Hdr), screen_notes::kHdr);
    EXPECT_EQ(ScreenNoteLine(ScreenNote::Corrected), screen_notes::kCorrected);
}

TEST(ScreenNotes, ASampleIsClampedOnlyWhenACellItTakesWas) {
    ScreenSquare square = UnreadSquare({50, 50}, 2);
    for (ColorRef &cell : square.cells) cell = 0x563412;
    square.note = ScreenNote::Hdr;
    EXPECT_EQ(SampleNote(square, SampleSize::FiveByFive), ScreenNote::Hdr);
    square.clamped.assign(square.cells.size(), 0);
    square.clamped[0] = 1;  // a corner: within 5 x 5, outside 3 x 3
    EXPECT_EQ(SampleNote(square, SampleSize::OnePixel), ScreenNote::Hdr);
    EXPECT_EQ(SampleNote(square, SampleSize::ThreeByThree), ScreenNote::Hdr);
    EXPECT_EQ(SampleNote(square, SampleSize::FiveByFive), ScreenNote::HdrClamped);
    square.cells[0] = kInvalidColor;
    EXPECT_EQ(SampleNote(square, SampleSize::FiveByFive), ScreenNote::Hdr)
        << "a cell the mean does not take";
    square.clamped[12] = 1;
    square.note = ScreenNote::WideColour;
    EXPECT_EQ(SampleNote(square, SampleSize::OnePixel), ScreenNote::WideColourClamped);
}

TEST(ScreenNotes, ASnapshotAnswersWithTheNoteAndFlagsOfWhereItIsRead) {
    const ScreenRect bounds{-20, 0, 20, 10};
    const ScreenRect left{-20, 0, 0, 10};
    const ScreenRect right{0, 0, 20, 10};
    ScreenSnapshot snapshot(bounds, {{left, left, 96}, {right, right, 96}});
    ScreenSquare plain = snapshot.ReadSquare({5, 5}, 1);
    EXPECT_EQ(plain.note, ScreenNote::None);
    EXPECT_TRUE(plain.clamped.empty());

    snapshot.SetNote(left, ScreenNote::Hdr);
    snapshot.clampedFlags()[5 * 40 + 18] = 1;  // (-2, 5)
    const ScreenSquare read = snapshot.ReadSquare({-2, 5}, 1);
    EXPECT_EQ(read.note, ScreenNote::Hdr);
    EXPECT_EQ(SampleNote(read, SampleSize::OnePixel), ScreenNote::HdrClamped);
    EXPECT_EQ(SampleNote(snapshot.ReadSquare({-4, 5}, 1), SampleSize::OnePixel), ScreenNote::Hdr);
    EXPECT_EQ(snapshot.ReadSquare({5, 5}, 1).note, ScreenNote::None);
}

TEST(ScreenNotes, TheLoupesCaptionEndsWithTheNoteOnALineOfItsOwn) {
    const std::u16string plain = LoupeCaption(0x563412, LoupeNote::Frozen);
    const std::u16string noted = LoupeCaption(0x563412, LoupeNote::Frozen, ScreenNote::Hdr);
    EXPECT_EQ(noted, plain + u"\n" + Utf8ToUtf16(screen_notes::kHdr));
    EXPECT_EQ(CaptionLines(noted), 3);
    EXPECT_EQ(LoupeCaption(0x563412, LoupeNote::None, ScreenNote::None), LoupeCaption(0x563412));
    EXPECT_EQ(CaptionLines(LoupeCaption(0x563412)), 1);
}

}  // namespace
}  // namespace tintwell::testing
