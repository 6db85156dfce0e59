// Colours worked out by hand for locating a colour in the tables: the channels the
// strip's hue has, the field point and the strip row. The picker core and the soak's
// model are both checked against these.
#ifndef TINTWELL_TESTS_SUPPORT_LOCATE_EXAMPLES_H
#define TINTWELL_TESTS_SUPPORT_LOCATE_EXAMPLES_H

namespace testsupport {

struct LocateExample {
    int r, g, b;                   // the colour located
    int red, green, blue;          // the hue it belongs to
    int fieldX, fieldY, stripPos;  // where it shows
};

// Greys, the six corners of the hue circle, every tie between the two smallest or
// the two largest channels, and rounding at .5 (to even).
inline constexpr LocateExample kLocateExamples[] = {
    {255, 255, 255, 255, 0, 0, 0, 0, 0},
    {0, 0, 0, 255, 0, 0, 0, 255, 0},
    {128, 128, 128, 255, 0, 0, 0, 127, 0},
    {255, 0, 0, 255, 0, 0, 255, 0, 0},
    {255, 0, 255, 255, 0, 255, 255, 0, 44},  // green smallest, red and blue tie
    {0, 0, 255, 0, 0, 255, 255, 0, 86},
    {0, 255, 255, 0, 255, 255, 255, 0, 128},  // red smallest, green and blue tie
    {0, 255, 0, 0, 255, 0, 255, 0, 169},
    {255, 255, 0, 255, 255, 0, 255, 0, 212},  // blue smallest, red and green tie
    {255, 128, 0, 255, 128, 0, 255, 0, 234},
    {200, 100, 50, 255, 96, 0, 191, 55, 239},
    {200, 100, 100, 255, 0, 45, 128, 55, 8},  // green and blue tie for smallest
    {255, 128, 128, 255, 0, 0, 127, 0, 0},    // a middle level that comes out at 0
    {255, 254, 254, 255, 0, 0, 1, 0, 0},
    {50, 100, 200, 0, 96, 255, 191, 55, 102},
    {100, 100, 200, 45, 0, 255, 128, 55, 78},  // green and red tie for smallest; 78.5 to even
    {1, 0, 0, 255, 0, 0, 255, 254, 0},
};

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_LOCATE_EXAMPLES_H
