// The two draws as a plain port would do them: every pixel by the reference
// formulas, then the table's bitmap made, filled and copied with GDI. The yardstick
// for the engine's own draws in the drag-step benchmark.
#ifndef TINTWELL_BENCH_DRAG_REFERENCE_DRAW_H
#define TINTWELL_BENCH_DRAG_REFERENCE_DRAW_H

#include <windows.h>

#include <cstdint>

namespace drag_bench {

void ReferenceDrawField(HDC target, uint32_t colour, int mode, int webSafe);
void ReferenceDrawStrip(HDC target, uint32_t colour, int mode, int webSafe);

}  // namespace drag_bench

#endif  // TINTWELL_BENCH_DRAG_REFERENCE_DRAW_H
