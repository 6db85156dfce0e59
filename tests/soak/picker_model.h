// An independent model of what the picker shows: the picker's state and rules,
// re-derived on their own, so that the soak can predict the window after every
// event. Colours of the tables come from the library's lookups; everything else is
// computed here.
#ifndef TINTWELL_SOAK_PICKER_MODEL_H
#define TINTWELL_SOAK_PICKER_MODEL_H

#include <cstdint>
#include <functional>
#include <string>

#include "engine/colour_table.h"

namespace soak {

// 0x00BBGGRR.
using Colour = uint32_t;

struct Lookups {
    std::function<Colour(Colour base, int32_t mode, int32_t x, int32_t y, int32_t webSafe)> field;
    std::function<Colour(Colour base, int32_t mode, int32_t y, int32_t webSafe)> strip;
};

// What the window shows, as the soak can read it back.
struct Display {
    std::string text;  // Text1, "#RRGGBB"
    Colour swatch = 0;
    int32_t label1Left = -5;  // pixels of Picture1's inner area
    int32_t label1Top = -5;
    int32_t label2Top = 1;  // pixels of the form's client area
    Colour label1Fore = 0;
};

class PickerModel {
  public:
    explicit PickerModel(Lookups lookups);

    // The window right after start-up: white, hue mode, markers where the window
    // creates them.
    void Start();

    // Presses and moves, positions in the control's pixels (labels: pixels from the
    // label's top-left corner). buttons: 1 left, 2 right, 4 middle, added together.
    void FieldPress(int32_t x, int32_t y);
    void FieldMove(int32_t buttons, int32_t x, int32_t y);
    void StripPress(int32_t y);
    void StripMove(int32_t buttons, int32_t y);
    void Label1Press(int32_t x, int32_t y);
    void Label1Move(int32_t buttons, int32_t x, int32_t y);
    void Label2Move(int32_t buttons, int32_t y);
    // The last button coming up on the field or the ring, wherever the pointer is: a
    // drag that copied at its steps copies its end once more, for clipboard history.
    void FieldLetGo();

    // 0 hue, 3 red, 4 green, 5 blue.
    void SelectMode(int32_t mode);
    void SetWebSafe(bool on);
    void SetCopyOnPick(bool on) { copyOnPick_ = on; }
    // One screen sample of the given colour.
    void Sample(Colour colour);
    // The copy button.
    void Copy() {
        clipboard_ = display_.text;
        ++copies_;
        clipboardInHistory_ = true;
    }

    // A copy of other text: a pick from the screen copies its colour exactly, also
    // where the window shows it snapped to the web-safe colours.
    void CopyText(const std::string &text) {
        clipboard_ = text;
        ++copies_;
        clipboardInHistory_ = true;
    }

    const Display &display() const { return display_; }
    const std::string &clipboard() const { return clipboard_; }
    int copies() const { return copies_; }
    // False while the clipboard holds a drag step's copy, which is marked for
    // clipboard history to pass over.
    bool clipboardInHistory() const { return clipboardInHistory_; }
    Colour baseColour() const;
    int32_t mode() const { return mode_; }
    int32_t webSafe() const { return webSafe_; }

    // Building blocks, public for their own tests.
    static std::string HexText(Colour colour);
    static std::string Shown(const std::string &hexText);
    // Sets red, green, blue, fieldX, fieldY, stripPos from a BBGGRR text.
    void Locate(const std::string &hexText);
    static int32_t MiddleOfHue(int32_t largest, int32_t middle, int32_t smallest);
    int32_t red() const { return red_; }
    int32_t green() const { return green_; }
    int32_t blue() const { return blue_; }
    int32_t fieldX() const { return fieldX_; }
    int32_t fieldY() const { return fieldY_; }
    int32_t stripPos() const { return stripPos_; }

  private:
    void TakeChannels(const std::string &hexText);
    void Pick(int32_t x, int32_t y);
    void Refresh();

    Lookups lookups_;
    int32_t mode_ = TableModeHue;
    int32_t red_ = 0, green_ = 0, blue_ = 0;
    int32_t fieldX_ = 0, fieldY_ = 0, stripPos_ = 0;
    int32_t webSafe_ = 0;
    std::string hexText_;
    bool copyOnPick_ = false;
    std::string clipboard_;
    int copies_ = 0;
    bool clipboardInHistory_ = true;
    bool dragCopied_ = false;  // since the mouse last let go of the field
    Display display_;
};

}  // namespace soak

#endif  // TINTWELL_SOAK_PICKER_MODEL_H
