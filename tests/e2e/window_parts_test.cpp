// Parts of the window layer that guard against what a user's system may do: a loader
// without the search flags, a symbol font whose arrow is not a triangle, and an
// exception let out of a window's message handling.
#include <windows.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gdi_handles.h"
#include "glyph_outline.h"
#include "system_library.h"
#include "window_base.h"

namespace {

using namespace tintwell::win32;

// A loader as on Windows 7 without its loader update: the search flags are an
// invalid parameter, plain loads work. Every call is recorded.
struct LoadCall {
    std::wstring fileName;
    DWORD flags;
};
std::vector<LoadCall> loadCalls;
DWORD firstCallError = ERROR_INVALID_PARAMETER;

HMODULE WINAPI LoaderWithoutSearchFlags(LPCWSTR fileName, HANDLE file, DWORD flags) {
    loadCalls.push_back({fileName, flags});
    if ((flags & LOAD_LIBRARY_SEARCH_SYSTEM32) != 0) {
        SetLastError(firstCallError);
        return nullptr;
    }
    return LoadLibraryExW(fileName, file, flags);
}

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length);
}

TEST(SystemLibraryTest, WithoutTheSearchFlagsTheFullSystemPathIsLoaded) {
    loadCalls.clear();
    firstCallError = ERROR_INVALID_PARAMETER;
    const HMODULE module = LoadFromSystemFolder(L"user32.dll", &LoaderWithoutSearchFlags);
    ASSERT_EQ(loadCalls.size(), 2u);
    EXPECT_EQ(loadCalls[0].fileName, L"user32.dll");
    EXPECT_EQ(loadCalls[1].fileName, SystemFolder() + L"\\user32.dll");
    EXPECT_EQ(loadCalls[1].flags, 0u);
    EXPECT_EQ(module, GetModuleHandleW(L"user32.dll"));
    if (module != nullptr) FreeLibrary(module);
}

TEST(SystemLibraryTest, OtherFailuresAreNotRetriedElsewhere) {
    loadCalls.clear();
    firstCallError = ERROR_MOD_NOT_FOUND;
    EXPECT_EQ(LoadFromSystemFolder(L"user32.dll", &LoaderWithoutSearchFlags), nullptr);
    EXPECT_EQ(loadCalls.size(), 1u);
}

// A GGO_NATIVE outline of one contour: the start point, then lines through `points`.
std::vector<BYTE> Outline(std::initializer_list<std::pair<short, short>> points,
                          WORD curveType = TT_PRIM_LINE) {
    auto fixed = [](short v) {
        FIXED f{};
        f.value = v;
        return f;
    };
    const size_t lines = points.size() - 1;
    const size_t curveBytes = offsetof(TTPOLYCURVE, apfx) + lines * sizeof(POINTFX);
    std::vector<BYTE> bytes(sizeof(TTPOLYGONHEADER) + curveBytes);
    auto *header = reinterpret_cast<TTPOLYGONHEADER *>(bytes.data());
    header->cb = static_cast<DWORD>(bytes.size());
    header->dwType = TT_POLYGON_TYPE;
    auto *curve = reinterpret_cast<TTPOLYCURVE *>(bytes.data() + sizeof(TTPOLYGONHEADER));
    curve->wType = curveType;
    curve->cpfx = static_cast<WORD>(lines);
    size_t i = 0;
    for (const auto &p : points) {
        POINTFX point{fixed(p.first), fixed(p.second)};
        if (i == 0)
            header->pfxStart = point;
        else
            std::memcpy(reinterpret_cast<BYTE *>(curve->apfx) + (i - 1) * sizeof(POINTFX), &point,
                        sizeof point);
        ++i;
    }
    return bytes;
}

bool IsTriangle(const std::vector<BYTE> &outline) {
    return OutlineIsTriangle(outline.data(), static_cast<DWORD>(outline.size()));
}

TEST(GlyphOutlineTest, ExactlyThreeCornersMakeATriangle) {
    EXPECT_TRUE(IsTriangle(Outline({{0, 0}, {0, 10}, {8, 5}})));
    EXPECT_TRUE(IsTriangle(Outline({{0, 0}, {0, 10}, {8, 5}, {0, 0}}))) << "closed again";
    EXPECT_FALSE(IsTriangle(Outline({{0, 0}, {0, 10}, {8, 10}, {8, 0}}))) << "four corners";
    EXPECT_FALSE(IsTriangle(Outline({{0, 0}, {0, 10}, {8, 10}, {8, 0}, {0, 0}})));
    EXPECT_FALSE(IsTriangle(Outline({{0, 0}, {0, 10}}))) << "a line";
    EXPECT_FALSE(IsTriangle(Outline({{0, 0}, {0, 10}, {8, 5}}, TT_PRIM_QSPLINE))) << "curved";
    std::vector<BYTE> cut = Outline({{0, 0}, {0, 10}, {8, 5}});
    cut.resize(cut.size() - 4);
    reinterpret_cast<TTPOLYGONHEADER *>(cut.data())->cb = static_cast<DWORD>(cut.size());
    EXPECT_FALSE(IsTriangle(cut)) << "a curve cut short";
}

// A window whose handling of WM_APP throws.
class ThrowingWindow : public WindowBase<ThrowingWindow> {
  public:
    static constexpr const wchar_t *kClass = L"TintwellThrowingWindowTest";
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_APP) throw std::runtime_error("from a handler");
        if (message == WM_APP + 1) return 42;
        return Default(message, wParam, lParam);
    }
    void Create() {
        Register(GetModuleHandleW(nullptr), kClass, nullptr);
        CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                        GetModuleHandleW(nullptr), this);
    }
    ~ThrowingWindow() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }
};

TEST(WindowBaseTest, NoExceptionLeavesTheWindowProcedure) {
    ThrowingWindow window;
    window.Create();
    ASSERT_NE(window.hwnd(), nullptr);
    LRESULT answer = -1;
    EXPECT_NO_THROW(answer = SendMessageW(window.hwnd(), WM_APP, 0, 0));
    EXPECT_EQ(answer, 0) << "the message gets the default handling";
    EXPECT_EQ(SendMessageW(window.hwnd(), WM_APP + 1, 0, 0), 42) << "and the window goes on";
}

// The loupe hides rather than draw into a bitmap that could not be made.
TEST(OffscreenImageTest, ABitmapThatCannotBeMadeSaysSoAndOffersNoPixels) {
    const OffscreenImage small(11, 11);
    EXPECT_TRUE(small.ok());
    ASSERT_NE(small.pixels(), nullptr);
    small.pixels()[120] = 0x123456u;
    const OffscreenImage impossible(1 << 20, 1 << 20);
    EXPECT_FALSE(impossible.ok());
    EXPECT_EQ(impossible.pixels(), nullptr);
}

}  // namespace
