// The soak's model is only as good as its own rules: check them against worked
// examples computed by hand, before trusting it to judge the running program.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "locate_examples.h"
#include "picker_model.h"

namespace soak {
namespace {

// A field whose every point is the base colour, and a strip of one fixed colour:
// enough to see which state the model hands to the lookups.
Lookups EchoLookups() {
    return Lookups{[](Colour base, int32_t, int32_t, int32_t, int32_t) { return base; },
                   [](Colour, int32_t, int32_t, int32_t) { return Colour{0x563412}; }};
}

std::string Hex(int r, int g, int b) {
    return PickerModel::HexText(static_cast<Colour>(r | g << 8 | b << 16));
}

TEST(PickerModelTest, TextRulesPadAndReorder) {
    EXPECT_EQ(PickerModel::HexText(0xFF), "0000FF");
    EXPECT_EQ(PickerModel::HexText(0xAB3C2B1A), "3C2B1A");
    EXPECT_EQ(PickerModel::Shown("3C2B1A"), "#1A2B3C");
    EXPECT_EQ(PickerModel::Shown("ABCDEF"), "#EFCDAB");
}

TEST(PickerModelTest, LocateMatchesHandWorkedColours) {
    for (const testsupport::LocateExample &c : testsupport::kLocateExamples) {
        PickerModel model(EchoLookups());
        model.Locate(Hex(c.r, c.g, c.b));
        EXPECT_EQ(std::make_tuple(model.red(), model.green(), model.blue(), model.fieldX(),
                                  model.fieldY(), model.stripPos()),
                  std::make_tuple(c.red, c.green, c.blue, c.fieldX, c.fieldY, c.stripPos))
            << "colour " << c.r << ", " << c.g << ", " << c.b;
    }
}

TEST(PickerModelTest, RefreshPlacesMarkersPerMode) {
    PickerModel model(EchoLookups());
    model.Start();
    model.StripPress(0);  // base becomes the strip colour 0x563412: red 0x12, green 0x34, blue 0x56
    model.FieldPress(10, 200);
    EXPECT_EQ(model.display().label1Left, 5);
    EXPECT_EQ(model.display().label1Top, 195);
    EXPECT_EQ(model.display().label2Top, 1);
    EXPECT_EQ(model.display().label1Fore, 0xFFFFFFu) << "lower half of the field";

    model.SelectMode(3);  // channels from the shown colour, which the echo field keeps
    EXPECT_EQ(model.display().label1Left, 0x56 - 5);
    EXPECT_EQ(model.display().label1Top, 250 - 0x34);
    EXPECT_EQ(model.display().label2Top, 256 - 0x12);
    model.SelectMode(5);
    EXPECT_EQ(model.display().label1Left, 0x12 - 5);
    EXPECT_EQ(model.display().label2Top, 256 - 0x56);
    EXPECT_EQ(model.display().text, "#123456");
}

TEST(PickerModelTest, DragsClampAndIgnoreOtherButtons) {
    PickerModel model(EchoLookups());
    model.Start();
    model.FieldMove(1, -20, 300);
    EXPECT_EQ(std::make_pair(model.fieldX(), model.fieldY()), std::make_pair(0, 255));
    model.FieldMove(3, 40, 40);
    EXPECT_EQ(model.fieldX(), 0) << "left with right held is no drag";
    model.StripPress(100);  // the arrow's top moves to 101
    model.Label2Move(1, -200);
    EXPECT_EQ(model.stripPos(), 0) << "a drag above the strip picks its top row";
    model.Label2Move(3, 50);
    EXPECT_EQ(model.stripPos(), 0) << "left with right held is no drag";
    model.Label2Move(1, 105 / 15 + 100);  // arrow top 1, 107 px below it, 8 px above the strip
    EXPECT_EQ(model.stripPos(), 100);
    model.Label1Press(0, 0);  // ring at (-5, 250): the pick is clamped onto the field
    EXPECT_EQ(std::make_pair(model.fieldX(), model.fieldY()), std::make_pair(0, 250));
}

TEST(PickerModelTest, CopyOnPickFollowsFieldPicksOnly) {
    PickerModel model(EchoLookups());
    model.Start();
    model.SetCopyOnPick(true);
    model.StripPress(3);
    EXPECT_EQ(model.clipboard(), "");
    model.FieldPress(1, 1);
    EXPECT_EQ(model.clipboard(), model.display().text);
}

TEST(PickerModelTest, ADragThatCopiedCopiesItsEndForTheHistoryWhenTheMouseLetsGo) {
    PickerModel model(EchoLookups());
    model.Start();
    model.SetCopyOnPick(true);
    model.Label1Press(5, 5);
    model.Label1Move(1, 40, 30);
    EXPECT_EQ(model.copies(), 2);
    EXPECT_FALSE(model.clipboardInHistory()) << "a drag step's copy";
    model.FieldLetGo();
    EXPECT_EQ(model.copies(), 3);
    EXPECT_TRUE(model.clipboardInHistory());
    EXPECT_EQ(model.clipboard(), model.display().text);
    model.FieldLetGo();
    EXPECT_EQ(model.copies(), 3) << "one copy per drag";

    model.FieldPress(9, 9);
    model.FieldMove(3, 20, 20);
    model.FieldLetGo();
    EXPECT_EQ(model.copies(), 4) << "a press alone, or a move with two buttons, is no drag";
}

TEST(PickerModelTest, SampleInChannelModeTakesTheColour) {
    PickerModel model(EchoLookups());
    model.Start();
    model.SelectMode(4);
    model.Sample(0x0A141E);
    EXPECT_EQ(std::make_tuple(model.red(), model.green(), model.blue()),
              std::make_tuple(0x1E, 0x14, 0x0A));
    model.SelectMode(0);
    model.Sample(0x3264C8);  // r 200, g 100, b 50
    EXPECT_EQ(std::make_tuple(model.red(), model.green(), model.blue(), model.stripPos()),
              std::make_tuple(255, 96, 0, 239));
}

}  // namespace
}  // namespace soak
