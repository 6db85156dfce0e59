// Cost of one draw through GDI (run under Wine or on Windows): DrawColorTable and
// DrawColorTable2 of the real dyeplate.dll into a memory DC, against the fill alone
// and against a plain SetDIBitsToDevice of a ready 256 x 256 buffer, the least any
// transfer of the table can cost. Prints figures; never fails on time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "colour_table.h"
#include "draw_target.h"
#include "dyeplate_library.h"
#include "table_fill.h"
#include "table_rules.h"

namespace {

double MedianMicroseconds(const std::function<void()> &work) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> samples;
    for (int run = 0; run < 21; ++run) {
        LARGE_INTEGER start, end;
        const int calls = 50;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < calls; ++i) work();
        GdiFlush();
        QueryPerformanceCounter(&end);
        samples.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
                          static_cast<double>(frequency.QuadPart) / calls);
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

}  // namespace

int main() {
    const testsupport::DyeplateLibrary library("dyeplate.dll");
    if (!library.ok()) {
        std::printf("%s\n", library.error().c_str());
        return 1;
    }
    DrawTarget target(TargetKind::Dib32, 256, 256);
    const HDC dc = target.dc();
    BITMAPINFO table{};
    table.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    table.bmiHeader.biWidth = 256;
    table.bmiHeader.biHeight = 256;
    table.bmiHeader.biPlanes = 1;
    table.bmiHeader.biBitCount = 24;
    table.bmiHeader.biCompression = BI_RGB;

    std::vector<uint8_t> buffer(dyeplate::kTableBytes);
    const uint32_t colour = 0x00326496u;

    const double field = MedianMicroseconds([&] { library.DrawColorTable(dc, colour, 0, 0); });
    const double strip = MedianMicroseconds([&] { library.DrawColorTable2(dc, colour, 0, 0); });
    const double unknown = MedianMicroseconds([&] { library.DrawColorTable(dc, colour, 6, 0); });
    const double fill =
        MedianMicroseconds([&] { dyeplate::FillFieldTable(buffer.data(), colour, 0, 0); });
    const double blit = MedianMicroseconds([&] {
        SetDIBitsToDevice(dc, 0, 0, 256, 256, 0, 0, 0, 256, buffer.data(), &table, DIB_RGB_COLORS);
    });

    std::printf("GDI draw cost (median of 21 x 50 calls, microseconds per call)\n");
    std::printf("%-44s %9.1f\n", "DrawColorTable, hue field", field);
    std::printf("%-44s %9.1f\n", "DrawColorTable2, hue strip", strip);
    std::printf("%-44s %9.1f\n", "DrawColorTable, mode 6 (transfer only)", unknown);
    std::printf("%-44s %9.1f\n", "hue field fill alone", fill);
    std::printf("%-44s %9.1f\n", "SetDIBitsToDevice of a ready buffer", blit);
    std::printf("field draw / plain blit: %.2fx; fill share of the draw: %.0f%%\n", field / blit,
                100.0 * fill / field);
    return 0;
}
