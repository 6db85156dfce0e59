// The 32-bit dyeplate.dll called as an older 32-bit program calls it: the stack
// aligned to 4 bytes only, arguments pushed right to left, and the callee expected to
// pop them (stdcall) and to give back ebx, esi and edi. Every call must leave the
// stack pointer where stdcall puts it, and answer (or draw) exactly the independent
// reference: SSE2 code that assumed a 16-byte aligned stack would fault or misread
// its spills here.
//
// Prints one line per check and "N passed, N failed"; exits non-zero on a failure.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "dib_target.h"
#include "library_binding.h"
#include "reference_tables.h"
#include "sample_colours.h"

extern "C" uint32_t CallFromUnalignedStack(const void *function, const uint32_t *args, int count,
                                           int offset, int32_t *drift, int32_t *clobbered);

namespace {

// Offsets of the stack pointer from a 16-byte boundary at the call: 0 is what GCC's
// own callers guarantee, the others what a 4-byte aligned caller may hand over.
constexpr int kOffsets[] = {0, 4, 8, 12};

struct Call {
    uint32_t result;
    int32_t drift;
    int32_t clobbered;
};

template <typename Fn>
Call CallUnaligned(Fn function, int offset, std::initializer_list<uint32_t> args) {
    Call call{};
    call.result = CallFromUnalignedStack(reinterpret_cast<const void *>(function), args.begin(),
                                         static_cast<int>(args.size()), offset, &call.drift,
                                         &call.clobbered);
    return call;
}

std::string Fault(const char *what, int offset, const Call &call, uint32_t want) {
    char text[220];
    std::snprintf(text, sizeof text,
                  "%s from stack offset %d: answered %06lX (reference %06lX), stack pointer "
                  "off by %ld bytes, %ld callee-saved registers changed",
                  what, offset, static_cast<unsigned long>(call.result),
                  static_cast<unsigned long>(want), static_cast<long>(call.drift),
                  static_cast<long>(call.clobbered));
    return text;
}

bool Clean(const Call &call, uint32_t want) {
    return call.drift == 0 && call.clobbered == 0 && call.result == want;
}

uint32_t Packed(reference::Triple t) {
    return RGB(t.r, t.g, t.b);
}

const uint32_t kColours[] = {Colour(0x12, 0x34, 0x56), Colour(255, 5, 0), Colour(200, 100, 50),
                             0xAB123456u};

std::string LookupsPopTheirArguments(const LibraryBinding &lib) {
    for (int offset : kOffsets)
        for (uint32_t colour : kColours)
            for (int mode = 0; mode <= 6; ++mode)
                for (int webSafe : {0, 1})
                    for (int at = 0; at < 256; at += 51) {
                        const int x = at, y = 255 - at / 2;
                        const uint32_t fieldWant =
                            mode <= 5 ? Packed(reference::Field(colour, mode, x, y, webSafe)) : 0;
                        const Call field = CallUnaligned(lib.getColor, offset,
                                                         {colour, static_cast<uint32_t>(mode),
                                                          static_cast<uint32_t>(x),
                                                          static_cast<uint32_t>(y),
                                                          static_cast<uint32_t>(webSafe)});
                        if (!Clean(field, fieldWant)) return Fault("GetColor", offset, field, fieldWant);
                        const uint32_t stripWant =
                            mode <= 5 ? Packed(reference::Strip(colour, mode, y, webSafe)) : 0;
                        const Call strip = CallUnaligned(
                            lib.getColor2, offset,
                            {colour, static_cast<uint32_t>(mode), static_cast<uint32_t>(y),
                             static_cast<uint32_t>(webSafe)});
                        if (!Clean(strip, stripWant)) return Fault("GetColor2", offset, strip, stripWant);
                    }
    return "";
}

// One full draw of each table per offset, compared pixel by pixel with the reference.
std::string DrawsPopTheirArguments(const LibraryBinding &lib) {
    DibTarget target(256, 256, 32);
    if (!target.ok()) return "no target bitmap";
    const uint32_t dc = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(target.dc()));
    for (int offset : kOffsets) {
        const uint32_t colour = kColours[offset / 4];
        const int mode = offset / 4 + 2;  // 2 (drawn as hue), 3, 4, 5
        const int webSafe = offset / 4 % 2;
        target.Fill(RGB(0x13, 0x57, 0x9B));
        const Call field = CallUnaligned(lib.drawColorTable, offset,
                                         {dc, colour, static_cast<uint32_t>(mode),
                                          static_cast<uint32_t>(webSafe)});
        if (!Clean(field, 0)) return Fault("DrawColorTable", offset, field, 0);
        target.Capture();
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                if (target.At(x, y) != Packed(reference::Field(colour, mode, x, y, webSafe)))
                    return "DrawColorTable from stack offset " + std::to_string(offset) +
                           ": wrong pixel at (" + std::to_string(x) + ", " + std::to_string(y) +
                           ")";
        const Call strip = CallUnaligned(lib.drawColorTable2, offset,
                                         {dc, colour, static_cast<uint32_t>(mode),
                                          static_cast<uint32_t>(webSafe)});
        if (!Clean(strip, 0)) return Fault("DrawColorTable2", offset, strip, 0);
        target.Capture();
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 20; ++x)
                if (target.At(x, y) != Packed(reference::Strip(colour, mode, y, webSafe)))
                    return "DrawColorTable2 from stack offset " + std::to_string(offset) +
                           ": wrong pixel at (" + std::to_string(x) + ", " + std::to_string(y) +
                           ")";
    }
    return "";
}

// The harness itself must see a callee that leaves its arguments on the stack, or
// a zero drift above proves nothing.
extern "C" uint32_t __cdecl CdeclSum(uint32_t a, uint32_t b) {
    return a + b;
}

std::string HarnessSeesACallerCleanedCallee() {
    const Call call = CallUnaligned(&CdeclSum, 4, {0x120000, 0x3456});
    if (call.result != 0x123456 || call.drift != -8)
        return Fault("a cdecl control", 4, call, 0x123456) + " (expected 8 bytes left over)";
    return "";
}

}  // namespace

int main() {
    LibraryBinding lib;
    if (!lib.ok()) {
        std::printf(
            "FAIL load: dyeplate.dll or one of its four exports is missing\n0 passed, 1 failed\n");
        return 1;
    }
    const struct {
        const char *name;
        std::string (*run)(const LibraryBinding &);
    } checks[] = {
        {"the harness sees a callee that leaves its arguments",
         [](const LibraryBinding &) { return HarnessSeesACallerCleanedCallee(); }},
        {"GetColor and GetColor2 pop their arguments and answer the reference",
         LookupsPopTheirArguments},
        {"DrawColorTable and DrawColorTable2 pop their arguments and draw the reference",
         DrawsPopTheirArguments},
    };
    int passed = 0, failed = 0;
    for (const auto &check : checks) {
        const std::string fault = check.run(lib);
        std::printf("%s %s%s%s\n", fault.empty() ? "PASS" : "FAIL", check.name,
                    fault.empty() ? "" : ": ", fault.c_str());
        (fault.empty() ? passed : failed)++;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
