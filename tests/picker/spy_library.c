/* A stand-in colour table library that reports each call to the test through a
 * sink, so that library calls can be ordered among the window's operations. Built
 * with SPY_WITHOUT_DRAW2 or SPY_WITHOUT_GETCOLOR it lacks that export, to show how
 * the picker meets a library that is not complete. */
#include <stdint.h>
#include <stdio.h>

#define DYEPLATE_BUILDING
#include "colour_table.h"

typedef void (*SpySink)(const char *entry);

static SpySink spySink;
static uint32_t spyAnswer;

DYEPLATE_API void SpySetSink(SpySink sink) {
    spySink = sink;
}

/* What GetColor and GetColor2 answer. */
DYEPLATE_API void SpySetAnswer(uint32_t colour) {
    spyAnswer = colour;
}

static void Report(const char *name, uint32_t colour, int32_t mode, int32_t a, int32_t b,
                   int32_t webSafe) {
    char entry[128];
    snprintf(entry, sizeof entry, "%s %06X %d %d %d %d", name, (unsigned)colour, (int)mode, (int)a,
             (int)b, (int)webSafe);
    if (spySink != NULL) spySink(entry);
}

DYEPLATE_API int32_t DrawColorTable(DyeplateDC dc, uint32_t colour, int32_t tableMode,
                                    int32_t webSafe) {
    (void)dc;
    Report("DrawColorTable", colour, tableMode, 0, 0, webSafe);
    return 0;
}

#ifndef SPY_WITHOUT_DRAW2
DYEPLATE_API int32_t DrawColorTable2(DyeplateDC dc, uint32_t colour, int32_t tableMode,
                                     int32_t webSafe) {
    (void)dc;
    Report("DrawColorTable2", colour, tableMode, 0, 0, webSafe);
    return 0;
}
#endif

#ifndef SPY_WITHOUT_GETCOLOR
DYEPLATE_API uint32_t GetColor(uint32_t colour, int32_t tableMode, int32_t x, int32_t y,
                               int32_t webSafe) {
    Report("GetColor", colour, tableMode, x, y, webSafe);
    return spyAnswer;
}
#endif

DYEPLATE_API uint32_t GetColor2(uint32_t colour, int32_t tableMode, int32_t y, int32_t webSafe) {
    Report("GetColor2", colour, tableMode, y, 0, webSafe);
    return spyAnswer;
}
