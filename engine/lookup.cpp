#include "colour_table.h"
#include "table_rules.h"

// The lookups compute the colour afresh with the very rules the fills use, so they
// read no shared data and may run on any thread, also during a draw.

uint32_t DYEPLATE_CALL GetColor(uint32_t colour, int32_t tableMode, int32_t x, int32_t y,
                                int32_t webSafe) {
    using namespace dyeplate;
    if (!IsKnownMode(tableMode)) return 0;
    Rgb c = FieldColor(SplitColour(colour), tableMode, ClampCoordinate(x), ClampCoordinate(y));
    SnapWebSafe(c.red, c.green, c.blue, webSafe);
    return PackColour(c);
}

uint32_t DYEPLATE_CALL GetColor2(uint32_t colour, int32_t tableMode, int32_t y, int32_t webSafe) {
    using namespace dyeplate;
    if (!IsKnownMode(tableMode)) return 0;
    Rgb c = StripColor(SplitColour(colour), tableMode, ClampCoordinate(y));
    SnapWebSafe(c.red, c.green, c.blue, webSafe);
    return PackColour(c);
}
