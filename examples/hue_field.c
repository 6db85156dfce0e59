/* hue_field: the smallest whole use of dyeplate from C.
 *
 * Draws the colour field of a base colour into an image, saves the image as a
 * binary PPM, and checks that the library answers as documented: every drawn pixel
 * is what GetColor says is there, and a few GetColor/GetColor2 answers are the known
 * ones. On Linux the image is a pixel surface; on Windows it is a DIB section
 * selected into a memory DC, exactly as a GDI program would draw off screen.
 *
 *   hue_field [RRGGBB [output.ppm]]     (defaults: C86432 and hue_field.ppm)
 *
 * Exit status 0 when every check holds, 1 when one does not, 2 on a usage or file
 * error. */
#include <dyeplate/colour_table.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#endif

#define SIDE DYEPLATE_TABLE_SIZE

/* COLORREF layout, 0x00BBGGRR. */
#define COLOUR_WORD(r, g, b) ((uint32_t)(r) | ((uint32_t)(g) << 8) | ((uint32_t)(b) << 16))

/* The drawn field, top row first; each pixel 0x..RRGGBB in a native word. */
static uint32_t field[SIDE * SIDE];

#ifdef _WIN32
static int DrawField(uint32_t base) {
    BITMAPINFO info;
    void *bits = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap;
    HGDIOBJ previous;
    if (dc == NULL) return 0;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = SIDE;
    info.bmiHeader.biHeight = -SIDE; /* top-down, like the field as shown */
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (bitmap == NULL) {
        DeleteDC(dc);
        return 0;
    }
    previous = SelectObject(dc, bitmap);
    DrawColorTable(dc, base, TableModeHue, DYEPLATE_WEBSAFE_OFF);
    GdiFlush();
    memcpy(field, bits, sizeof field);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return 1;
}
#else
static int DrawField(uint32_t base) {
    DyeplateSurface surface;
    surface.pixels = field;
    surface.width = SIDE;
    surface.height = SIDE;
    surface.stride = SIDE * (int32_t)sizeof field[0];
    DrawColorTable(&surface, base, TableModeHue, DYEPLATE_WEBSAFE_OFF);
    return 1;
}
#endif

static int checks, failures;

static void Expect(const char *what, uint32_t got, uint32_t expected) {
    ++checks;
    if (got == expected) return;
    fprintf(stderr, "hue_field: %s is %06lX, expected %06lX\n", what, (unsigned long)got,
            (unsigned long)expected);
    ++failures;
}

/* The drawn pixels are 0x..RRGGBB, colour words 0x00BBGGRR. */
static uint32_t WordOfPixel(uint32_t pixel) {
    return COLOUR_WORD((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

static int WritePpm(const char *path) {
    FILE *out = fopen(path, "wb");
    int i, written;
    if (out == NULL) return 0;
    fprintf(out, "P6\n%d %d\n255\n", SIDE, SIDE);
    for (i = 0; i < SIDE * SIDE; ++i) {
        const unsigned char rgb[3] = {(unsigned char)(field[i] >> 16),
                                      (unsigned char)(field[i] >> 8), (unsigned char)field[i]};
        fwrite(rgb, 1, 3, out);
    }
    written = !ferror(out);
    return fclose(out) == 0 && written;
}

int main(int argc, char **argv) {
    const char *hex = argc > 1 ? argv[1] : "C86432";
    const char *path = argc > 2 ? argv[2] : "hue_field.ppm";
    uint32_t base;
    unsigned long rgb;
    int x, y, mismatched = 0;
    if (argc > 3 || strlen(hex) != 6 || strspn(hex, "0123456789abcdefABCDEF") != 6) {
        fprintf(stderr, "usage: hue_field [RRGGBB [output.ppm]]\n");
        return 2;
    }
    rgb = strtoul(hex, NULL, 16);
    base = COLOUR_WORD(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);

    if (!DrawField(base)) {
        fprintf(stderr, "hue_field: no memory DC to draw into\n");
        return 2;
    }
    for (y = 0; y < SIDE; ++y) {
        for (x = 0; x < SIDE; ++x) {
            const uint32_t drawn = WordOfPixel(field[y * SIDE + x]);
            if (drawn != GetColor(base, TableModeHue, x, y, DYEPLATE_WEBSAFE_OFF)) ++mismatched;
        }
    }
    if (mismatched != 0) {
        fprintf(stderr, "hue_field: %d drawn pixels differ from GetColor\n", mismatched);
        ++failures;
    }

    /* Known answers: white top left and black bottom line whatever the base, the
     * strip's pure red, blue and green, and one corner and one snapped colour. */
    Expect("field (0, 0)", GetColor(base, TableModeHue, 0, 0, 0), COLOUR_WORD(255, 255, 255));
    Expect("field (200, 255)", GetColor(base, TableModeHue, 200, 255, 0), 0);
    Expect("field (255, 0) of C86432", GetColor(COLOUR_WORD(200, 100, 50), TableModeHue, 255, 0, 0),
           COLOUR_WORD(255, 127, 0));
    Expect("web-safe field (128, 64) of FF0000",
           GetColor(COLOUR_WORD(255, 0, 0), TableModeHue, 128, 64, DYEPLATE_WEBSAFE_ON),
           COLOUR_WORD(204, 102, 102));
    Expect("strip line 0", GetColor2(base, TableModeHue, 0, 0), COLOUR_WORD(255, 0, 0));
    Expect("strip line 85", GetColor2(base, TableModeHue, 85, 0), COLOUR_WORD(0, 0, 255));
    Expect("strip line 170", GetColor2(base, TableModeHue, 170, 0), COLOUR_WORD(0, 255, 0));
    Expect("red-mode strip line 0 of 0A141E",
           GetColor2(COLOUR_WORD(10, 20, 30), TableModeRed, 0, 0), COLOUR_WORD(255, 20, 30));

    if (!WritePpm(path)) {
        fprintf(stderr, "hue_field: could not write %s\n", path);
        return 2;
    }
    if (failures != 0) return 1;
    printf("hue_field: #%s drawn into %s; %d pixels and %d answers as expected\n", hex, path,
           SIDE * SIDE, checks);
    return 0;
}
