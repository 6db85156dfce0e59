/*
 * dyeplate - the colour table engine of Tintwell.
 *
 * Four plain functions draw and read back the two colour tables of the picker:
 *
 *   DrawColorTable   the 256 x 256 colour field, into a device context at (0, 0)
 *   DrawColorTable2  the strip, 20 x 256 pixels, into a device context at (0, 0)
 *   GetColor         the colour the field shows at (x, y)
 *   GetColor2        the colour the strip shows on line y
 *
 * Colour words are COLORREFs, 0x00BBGGRR: red in the low byte, blue in bits 16-23.
 * The top byte of a colour word passed in is ignored; colour words returned always
 * have a top byte of 0.
 *
 * Coordinates are pixels, x from the left and y from the top of the table as shown,
 * 0 to 255. Values outside that range are clamped to it by both lookups.
 *
 * The web-safe flag snaps every colour produced to the levels 0, 51, 102, 153, 204,
 * 255 of each channel when it is non-zero.
 *
 * The two draws share one static 256 x 256 x 24-bit buffer, so they are not
 * reentrant: call them from one thread. The lookups read no shared data and may run
 * on any thread at any time. A draw with a table mode outside 0-5 (negative ones
 * included) transfers the buffer as the previous draw left it (black before the
 * first); GetColor and GetColor2 answer such a mode with 0.
 *
 * On Windows the device context is an HDC; the library creates and deletes its own
 * bitmap and memory DC inside each draw and keeps nothing of the caller's. Elsewhere
 * it is a pointer to a DyeplateSurface (or NULL, which is ignored).
 *
 * Every export uses the platform's standard calling convention for exported
 * functions (stdcall on 32-bit Windows) and an undecorated name.
 *
 * Using it from C99 or C++, once dyeplate is installed:
 *
 *   #include <dyeplate/colour_table.h>
 *
 * and link with dyeplate: `find_package(dyeplate 1 CONFIG REQUIRED)` and the target
 * dyeplate::dyeplate in CMake, `pkg-config --cflags --libs dyeplate` on Linux, or the
 * import library (libdyeplate.dll.a with MinGW, dyeplate.lib with MSVC) on Windows,
 * where dyeplate.dll must sit beside the program or on its DLL search path.
 */
#ifndef DYEPLATE_COLOUR_TABLE_H
#define DYEPLATE_COLOUR_TABLE_H

#include <stdint.h>

/* stdcall is what 32-bit callers of the DLL have always pushed and popped by; the
 * other ABIs have a single convention, and naming one there would only make the
 * header less portable. */
#if defined(_WIN32) && !defined(_WIN64)
#define DYEPLATE_CALL __stdcall
#else
#define DYEPLATE_CALL
#endif

#if defined(DYEPLATE_BUILDING)
#if defined(_WIN32)
/* Windows exports come from dyeplate.def so that the names stay undecorated. */
#define DYEPLATE_API
#else
#define DYEPLATE_API __attribute__((visibility("default")))
#endif
#else
#define DYEPLATE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* What the tables are built around. Saturation and value have no tables of their
 * own: the library treats them exactly as hue. */
typedef enum TableMode {
    TableModeHue = 0,
    TableModeSaturation = 1,
    TableModeValue = 2,
    TableModeRed = 3,
    TableModeGreen = 4,
    TableModeBlue = 5
} TableMode;

/* The tables' sides in pixels. The field is DYEPLATE_TABLE_SIZE square; the strip is
 * DYEPLATE_STRIP_WIDTH wide and DYEPLATE_TABLE_SIZE tall. Lookup coordinates run from 0
 * to DYEPLATE_TABLE_SIZE - 1. */
#define DYEPLATE_TABLE_SIZE 256
#define DYEPLATE_STRIP_WIDTH 20

/* Values of the web-safe flag; any non-zero value snaps. */
#define DYEPLATE_WEBSAFE_OFF 0
#define DYEPLATE_WEBSAFE_ON 1

/* A caller's pixel surface, the device context of hosts without GDI: top-down rows,
 * each pixel 0xFFRRGGBB in a native 32-bit word (cairo's RGB24, Qt's RGB32).
 * A draw writes the rectangle at (0, 0) of min(table width, width) x min(256, height)
 * pixels, buffer row 255 on the top row, and touches no other pixel. A surface that
 * cannot describe such a block (NULL pixels, a width or height below 1, a stride that
 * is negative, not a multiple of 4 or less than width * 4) is left alone. */
typedef struct DyeplateSurface {
    uint32_t *pixels; /* top-down rows; each pixel 0xFFRRGGBB in a native 32-bit word */
    int32_t width;    /* pixels */
    int32_t height;   /* pixels */
    int32_t stride;   /* bytes from one row to the next */
} DyeplateSurface;

/* The device context a draw paints into: an HDC on Windows, a DyeplateSurface*
 * elsewhere. */
typedef void *DyeplateDC;

/* Draws the 256 x 256 colour field. Always returns 0. */
DYEPLATE_API int32_t DYEPLATE_CALL DrawColorTable(DyeplateDC dc, uint32_t colour, int32_t tableMode,
                                                  int32_t webSafe);

/* Draws the strip: 20 x 256 pixels, one colour per row. Always returns 0. */
DYEPLATE_API int32_t DYEPLATE_CALL DrawColorTable2(DyeplateDC dc, uint32_t colour,
                                                   int32_t tableMode, int32_t webSafe);

/* The colour the field drawn for (colour, tableMode, webSafe) shows at (x, y). */
DYEPLATE_API uint32_t DYEPLATE_CALL GetColor(uint32_t colour, int32_t tableMode, int32_t x,
                                             int32_t y, int32_t webSafe);

/* The colour the strip drawn for (colour, tableMode, webSafe) shows on line y. */
DYEPLATE_API uint32_t DYEPLATE_CALL GetColor2(uint32_t colour, int32_t tableMode, int32_t y,
                                              int32_t webSafe);

/* Pointer types for binding the exports by name (GetProcAddress, dlsym). */
typedef int32_t(DYEPLATE_CALL *DrawColorTableFn)(DyeplateDC, uint32_t, int32_t, int32_t);
typedef uint32_t(DYEPLATE_CALL *GetColorFn)(uint32_t, int32_t, int32_t, int32_t, int32_t);
typedef uint32_t(DYEPLATE_CALL *GetColor2Fn)(uint32_t, int32_t, int32_t, int32_t);

#ifdef __cplusplus
}
#endif

#endif /* DYEPLATE_COLOUR_TABLE_H */
