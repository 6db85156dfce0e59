// The 32-bit dyeplate.dll called as an older 32-bit program calls it: the stack
// aligned to 4 bytes only, arguments pushed right to left, and the callee expected to
// pop them (stdcall) and to give back ebx, esi and edi. Every call must leave the
// stack pointer where stdcall puts it, and answer (or draw) exactly the independent
// reference: SSE2 code that assumed a 16-byte aligned stack would fault or misread
// its spills here.
#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include <gtest/gtest.h>

#include "draw_target.h"
#include "program_folder.h"
#include "reference_tables.h"
#include "sample_colours.h"

extern "C" uint32_t CallFromUnalignedStack(const void *function, const uint32_t *args, int count,
                                           int offset, int32_t *drift, int32_t *clobbered);

namespace {

struct Call {
    uint32_t result;
    int32_t drift;      // bytes the stack pointer is off from where stdcall leaves it
    int32_t clobbered;  // callee-saved registers that came back changed
};

Call CallUnaligned(const void *function, int offset, std::initializer_list<uint32_t> args) {
    Call call{};
    call.result = CallFromUnalignedStack(function, args.begin(), static_cast<int>(args.size()),
                                         offset, &call.drift, &call.clobbered);
    return call;
}

testing::AssertionResult Clean(const Call &call, uint32_t want) {
    if (call.drift == 0 && call.clobbered == 0 && call.result == want)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "answered " << std::hex << call.result << " (reference " << want << "), stack "
           << "pointer off by " << std::dec << call.drift << " bytes, " << call.clobbered
           << " callee-saved registers changed";
}

uint32_t Packed(reference::Triple t) {
    return RGB(t.r, t.g, t.b);
}

uint32_t Word(int value) {
    return static_cast<uint32_t>(value);
}

// The exports as raw addresses: the calls below go through the harness, never
// through a C++ function type that would let the compiler tidy the stack.
class UnalignedStack : public testing::TestWithParam<int> {
  protected:
    static void SetUpTestSuite() {
        module_ = LoadLibraryExW(testsupport::BesideThisProgram(L"dyeplate.dll").c_str(), nullptr,
                                 LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    static void TearDownTestSuite() {
        if (module_ != nullptr) FreeLibrary(module_);
        module_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << "dyeplate.dll did not load"; }

    static const void *Export(const char *name) {
        const FARPROC address = GetProcAddress(module_, name);
        EXPECT_NE(address, nullptr) << name;
        return reinterpret_cast<const void *>(address);
    }
    // Offset of the stack pointer from a 16-byte boundary at the call: 0 is what
    // GCC's own callers guarantee, 4, 8 and 12 what a 4-byte aligned caller may hand over.
    int offset() const { return GetParam(); }

    static HMODULE module_;
};
HMODULE UnalignedStack::module_ = nullptr;

const uint32_t kColours[] = {Colour(0x12, 0x34, 0x56), Colour(255, 5, 0), Colour(200, 100, 50),
                             0xAB123456u};

TEST_P(UnalignedStack, LookupsPopTheirArgumentsAndAnswerTheReference) {
    const void *getColor = Export("GetColor");
    const void *getColor2 = Export("GetColor2");
    ASSERT_FALSE(HasFailure());
    for (uint32_t colour : kColours)
        for (int mode = 0; mode <= 6; ++mode)
            for (int webSafe : {0, 1})
                for (int x = 0; x < 256; x += 51) {
                    const int y = 255 - x / 2;
                    const uint32_t field =
                        mode <= 5 ? Packed(reference::Field(colour, mode, x, y, webSafe)) : 0;
                    ASSERT_TRUE(Clean(CallUnaligned(getColor, offset(),
                                                    {colour, Word(mode), Word(x), Word(y),
                                                     Word(webSafe)}),
                                      field))
                        << "GetColor " << std::hex << colour << std::dec << " mode " << mode
                        << " webSafe " << webSafe << " at (" << x << ", " << y << ")";
                    const uint32_t strip =
                        mode <= 5 ? Packed(reference::Strip(colour, mode, y, webSafe)) : 0;
                    ASSERT_TRUE(Clean(CallUnaligned(getColor2, offset(),
                                                    {colour, Word(mode), Word(y), Word(webSafe)}),
                                      strip))
                        << "GetColor2 " << std::hex << colour << std::dec << " mode " << mode
                        << " webSafe " << webSafe << " on line " << y;
                }
}

// One full draw of each table, compared pixel by pixel with the reference.
TEST_P(UnalignedStack, DrawsPopTheirArgumentsAndDrawTheReference) {
    const void *drawField = Export("DrawColorTable");
    const void *drawStrip = Export("DrawColorTable2");
    ASSERT_FALSE(HasFailure());
    DrawTarget target(TargetKind::Dib32, 256, 256);
    ASSERT_TRUE(target.ok());
    const uint32_t dc = Word(static_cast<int>(reinterpret_cast<uintptr_t>(target.dc())));
    const uint32_t colour = kColours[offset() / 4];
    const int mode = offset() / 4 + 2;  // 2 (drawn as hue), 3, 4, 5
    const int webSafe = offset() / 4 % 2;

    target.Fill(RGB(0x13, 0x57, 0x9B));
    ASSERT_TRUE(Clean(CallUnaligned(drawField, offset(), {dc, colour, Word(mode), Word(webSafe)}), 0))
        << "DrawColorTable";
    target.Capture();
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            ASSERT_EQ(target.At(x, y), Packed(reference::Field(colour, mode, x, y, webSafe)))
                << "field at (" << x << ", " << y << ")";

    ASSERT_TRUE(Clean(CallUnaligned(drawStrip, offset(), {dc, colour, Word(mode), Word(webSafe)}), 0))
        << "DrawColorTable2";
    target.Capture();
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(target.At(x, y), Packed(reference::Strip(colour, mode, y, webSafe)))
                << "strip at (" << x << ", " << y << ")";
}

INSTANTIATE_TEST_SUITE_P(Offsets, UnalignedStack, testing::Values(0, 4, 8, 12),
                         [](const testing::TestParamInfo<int> &info) {
                             return "offset" + std::to_string(info.param);
                         });

// The harness must see a callee that leaves its arguments on the stack, or a zero
// drift above proves nothing.
extern "C" uint32_t __cdecl CdeclSum(uint32_t a, uint32_t b) {
    return a + b;
}

TEST(UnalignedStackHarness, SeesACalleeThatLeavesItsArguments) {
    const Call call = CallUnaligned(reinterpret_cast<const void *>(&CdeclSum), 4, {0x120000, 0x3456});
    EXPECT_EQ(call.result, 0x123456u);
    EXPECT_EQ(call.drift, -8);
    EXPECT_EQ(call.clobbered, 0);
}

}  // namespace
