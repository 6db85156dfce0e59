// A Form wired to the fake window and to a colour table library bound by name, as
// the program binds it: the real engine, or the spy library that reports its calls.
#ifndef TINTWELL_TESTS_PICKER_HARNESS_H
#define TINTWELL_TESTS_PICKER_HARNESS_H

#include <string>

#include <gtest/gtest.h>

#include "colour_library.h"
#include "fake_window.h"
#include "form.h"

namespace tintwell::testing {

// Library files, handed over by the build.
inline const char *EnginePath() {
    return TINTWELL_DYEPLATE_PATH;
}
inline const char *SpyPath() {
    return TINTWELL_SPY_PATH;
}
inline const char *SpyWithoutDraw2Path() {
    return TINTWELL_SPY_NO_DRAW2_PATH;
}
inline const char *SpyWithoutGetColorPath() {
    return TINTWELL_SPY_NO_GETCOLOR_PATH;
}

struct Harness {
    explicit Harness(const std::string &libraryPath = EnginePath()) : library(libraryPath) {}

    // Form_Load, then a clean log for what the test does next.
    void Load() {
        form.Form_Load();
        log.Clear();
    }

    PickerState &state() { return form.state(); }

    CallLog log;
    FakeControls controls{log};
    FakePlatform platform{log};
    ColourTableLibrary library;
    Form form{controls, platform, library};
};

ColorRef Rgb(int32_t red, int32_t green, int32_t blue);

// A loaded picker on the real engine, put into a mode and colour and read back by
// channel.
class LoadedPicker : public ::testing::Test {
  protected:
    void SetUp() override { h.Load(); }

    // The mode, the channels and the text that shows them.
    void SetState(int32_t mode, int32_t red, int32_t green, int32_t blue) {
        h.state().tableMode = mode;
        h.state().red = red;
        h.state().green = green;
        h.state().blue = blue;
        h.state().hexText = HexTextRule(Rgb(red, green, blue));
    }

    void ExpectChannels(int32_t red, int32_t green, int32_t blue) {
        EXPECT_EQ(h.state().red, red);
        EXPECT_EQ(h.state().green, green);
        EXPECT_EQ(h.state().blue, blue);
    }

    Harness h;
};

// Routes the spy library's reports into a call log while it lives. The library is
// opened here too, so the instance the Form binds is the one whose sink is set.
class SpyConnection {
  public:
    SpyConnection(const std::string &path, CallLog &log);
    ~SpyConnection();
    SpyConnection(const SpyConnection &) = delete;
    SpyConnection &operator=(const SpyConnection &) = delete;

    void SetAnswer(ColorRef colour);

  private:
    void *module_;
};

// A picker on a spy library whose reports go into its own log: started without an
// export when the spy lacks one, and in a given state when the test needs one.
struct SpiedHarness : Harness {
    explicit SpiedHarness(const std::string &path = SpyPath(), const PickerState &start = {})
        : Harness(path), spy(path, log) {
        form.state() = start;
    }

    SpyConnection spy;
};

}  // namespace tintwell::testing

#endif  // TINTWELL_TESTS_PICKER_HARNESS_H
