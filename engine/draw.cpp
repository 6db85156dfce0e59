#include "colour_table.h"
#include "table_fill.h"
#include "table_rules.h"
#include "transfer.h"

namespace dyeplate {

uint8_t *SharedTableBuffer() {
    alignas(16) static uint8_t tableBuffer[kTableBytes];
    return tableBuffer;
}

}  // namespace dyeplate

int32_t DYEPLATE_CALL DrawColorTable(DyeplateDC dc, uint32_t colour, int32_t tableMode,
                                     int32_t webSafe) {
    dyeplate::TransferTable(
        dc, dyeplate::kFieldWidth,
        dyeplate::TableFill{dyeplate::FillFieldTable, colour, tableMode, webSafe});
    return 0;
}

int32_t DYEPLATE_CALL DrawColorTable2(DyeplateDC dc, uint32_t colour, int32_t tableMode,
                                      int32_t webSafe) {
    dyeplate::TransferTable(
        dc, dyeplate::kStripWidth,
        dyeplate::TableFill{dyeplate::FillStripTable, colour, tableMode, webSafe});
    return 0;
}
