// Filling a table buffer: the whole 256 x 256 picture of the field or the strip,
// bottom-up rows of B, G, R bytes (see table_rules.h for the layout).
//
// The fills produce exactly the bytes of the per-pixel rules FieldColor / StripColor
// followed by SnapWebSafe; they only reorganise the work so that nothing is computed
// twice. Modes outside 0-5 leave the buffer untouched.
#ifndef DYEPLATE_TABLE_FILL_H
#define DYEPLATE_TABLE_FILL_H

#include <cstdint>

namespace dyeplate {

// buffer: kTableBytes bytes.
void FillFieldTable(uint8_t *buffer, uint32_t colour, int32_t tableMode, int32_t webSafe);
void FillStripTable(uint8_t *buffer, uint32_t colour, int32_t tableMode, int32_t webSafe);

}  // namespace dyeplate

#endif  // DYEPLATE_TABLE_FILL_H
