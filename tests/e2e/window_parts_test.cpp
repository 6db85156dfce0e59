// Parts of the window layer that guard against what a user's system may do: a loader
// without the search flags, a symbol font whose arrow is not a triangle, and an
// exception let out of a window's message handling or of its making.
#include <windows.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gdi_handles.h"
#include "glyph_outline.h"
#include "system_library.h"
#include "user_texts.h"
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

// What a sink was handed, as the user would read it.
class RecordingSink : public FailureSink {
  public:
    void HandlerFailed(const std::exception_ptr &failure) noexcept override {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception &error) {
            seen.push_back(error.what());
        } catch (...) {
            seen.push_back("?");
        }
    }
    std::vector<std::string> seen;
};

// A window whose handling of one message throws; it notes every message it is
// handed after that.
class ThrowingWindow : public WindowBase<ThrowingWindow> {
  public:
    static constexpr const wchar_t *kClass = L"TintwellThrowingWindowTest";
    ThrowingWindow(FailureSink &failures, UINT throwsAt)
        : WindowBase(failures), throwsAt_(throwsAt) {}
    ~ThrowingWindow() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }
    static void RegisterClass() { Register(GetModuleHandleW(nullptr), kClass, nullptr); }
    void Make(const wchar_t *className = kClass) {
        Create(GetModuleHandleW(nullptr), className, L"", WS_POPUP, 0, RECT{0, 0, 10, 10});
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (thrown_) handedAfter.push_back(message);
        if (message == throwsAt_) {
            thrown_ = true;
            throw std::runtime_error("from a handler");
        }
        if (message == WM_APP + 1) return 42;
        return Default(message, wParam, lParam);
    }
    std::vector<UINT> handedAfter;

  private:
    UINT throwsAt_;
    bool thrown_ = false;
};

TEST(WindowBaseTest, AFailedHandlerReachesTheSinkAndTheWindowGoesOn) {
    ThrowingWindow::RegisterClass();
    RecordingSink sink;
    ThrowingWindow window(sink, WM_APP);
    window.Make();
    ASSERT_NE(window.hwnd(), nullptr);
    EXPECT_TRUE(sink.seen.empty());
    LRESULT answer = -1;
    EXPECT_NO_THROW(answer = SendMessageW(window.hwnd(), WM_APP, 0, 0));
    EXPECT_EQ(answer, 0) << "the message gets the default handling";
    EXPECT_EQ(sink.seen, std::vector<std::string>{"from a handler"});
    EXPECT_EQ(SendMessageW(window.hwnd(), WM_APP + 1, 0, 0), 42) << "and the window goes on";
}

// Whether the making fails before the window exists, as it is made, or once it is
// made but before the call returns: no window is left, the caller is told why, and
// nothing after the failure reaches the half-made object.
TEST(WindowBaseTest, AWindowWhoseMakingFailsIsNotLeftAndTheCallerIsToldWhy) {
    ThrowingWindow::RegisterClass();
    for (UINT failing : {WM_NCCREATE, WM_CREATE, WM_SIZE}) {
        SCOPED_TRACE(failing);
        RecordingSink sink;
        ThrowingWindow window(sink, failing);
        try {
            window.Make();
            ADD_FAILURE() << "the making did not fail";
        } catch (const std::runtime_error &error) {
            EXPECT_STREQ(error.what(), "from a handler");
        }
        EXPECT_EQ(window.hwnd(), nullptr);
        EXPECT_EQ(FindWindowW(ThrowingWindow::kClass, nullptr), nullptr);
        EXPECT_TRUE(window.handedAfter.empty()) << window.handedAfter.front();
        EXPECT_TRUE(sink.seen.empty()) << "the caller is told, not the sink";
    }
}

TEST(WindowBaseTest, AWindowTheSystemRefusesIsSaidSoInTheUsersWords) {
    RecordingSink sink;
    ThrowingWindow window(sink, WM_APP);
    try {
        window.Make(L"TintwellNoSuchClass");
        ADD_FAILURE() << "the making did not fail";
    } catch (const tintwell::PickerError &error) {
        EXPECT_STREQ(error.what(), tintwell::messages::kCannotCreateWindow);
    }
    EXPECT_EQ(window.hwnd(), nullptr);
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
