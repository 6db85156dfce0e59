// Form1 at the display scale of the prefix it runs in (ctest runs this suite at 96,
// 120, 144 and 192 dpi, each in a prefix of its own): the layout converted from
// twips, the tables magnified pixel-true, picks at random screen points naming the
// table pixel shown under the pointer, markers on the picked pixels, and captions
// that fit their controls.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "colour_window.h"
#include "display_scale.h"
#include "picker_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;
using tintwell::TableAxis;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The design in twips, written out on its own rather than taken from the program.
struct Designed {
    ControlId id;
    int left, top, width, height;
};

const Designed kDesign[] = {
    {kPicture1, 120, 120, 3900, 3900}, {kPicture2, 4180, 120, 300, 3870},
    {kOption1, 4560, 2040, 495, 180},  {kOption2, 4560, 2280, 495, 180},
    {kOption3, 4560, 2520, 495, 180},  {kOption4, 4560, 2880, 495, 180},
    {kOption5, 4560, 3120, 495, 180},  {kOption6, 4560, 3360, 495, 180},
    {kText1, 4560, 3720, 945, 270},    {kCommand1, 5520, 3720, 255, 255},
    {kCheck1, 4560, 1320, 855, 255},   {kLabel1, -75, -75, 255, 255},
    {kLabel2, 4000, 15, 375, 255},     {kCheck2, 4560, 1560, 1215, 495},
    {kCheck3, 1980, 4050, 1995, 255},  {kCheck4, 120, 4050, 1695, 255},
    {kShape1, 4620, 120, 1095, 615},
};

class DpiTest : public PickerTest {
  protected:
    void SetUp() override {
        // ctest names the DPI its prefix was set to; a prefix that did not take it
        // must not pass as a test at another scale.
        if (const char *wanted = std::getenv("TINTWELL_TEST_DPI")) {
            ASSERT_EQ(ScreenDpi(), std::atoi(wanted)) << "the prefix's LogPixels did not apply";
        }
        PickerTest::SetUp();
        dpi_ = ScreenDpi();
        RECT inner{};
        GetClientRect(Control(kPicture1), &inner);
        fieldColumns_ = TableAxis(256, inner.right);
        fieldRows_ = TableAxis(256, inner.bottom);
        GetClientRect(Control(kPicture2), &inner);
        stripRows_ = TableAxis(256, inner.bottom);
    }

    double Exact(int twips) const { return twips * dpi_ / 1440.0; }
    double Factor() const { return dpi_ / 96.0; }

    // The screen pixels of an inner area that show table pixel t: [first, last].
    static std::pair<int, int> Span(const TableAxis &axis, int t) {
        int first = -1;
        int last = -1;
        for (int s = 0; s < axis.shown(); ++s) {
            if (axis.TableFromScreen(s) != t) continue;
            if (first < 0) first = s;
            last = s;
        }
        return {first, last};
    }
    static double SpanCentre(const TableAxis &axis, int t) {
        const auto span = Span(axis, t);
        return (span.first + span.second + 1) / 2.0;
    }

    // The middle of the ring's ink in Picture1's inner pixels: what in the ring's
    // rectangle differs from the field the library draws there.
    bool RingInkCentre(uint32_t base, double &x, double &y) const {
        const RECT ring = RectInContainer(Control(kLabel1), Control(kPicture1));
        const ScreenImage field = CaptureClient(Control(kPicture1));
        int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
        for (int py = std::max<int>(ring.top, 0); py < std::min<int>(ring.bottom, field.height());
             ++py) {
            for (int px = std::max<int>(ring.left, 0);
                 px < std::min<int>(ring.right, field.width()); ++px) {
                const uint32_t expected = oracle().GetColor(
                    base, 0, fieldColumns_.TableFromScreen(px), fieldRows_.TableFromScreen(py), 0);
                if (field.At(px, py) == expected) continue;
                left = std::min(left, px);
                right = std::max(right, px);
                top = std::min(top, py);
                bottom = std::max(bottom, py);
            }
        }
        if (right < 0) return false;
        x = (left + right + 1) / 2.0;
        y = (top + bottom + 1) / 2.0;
        return true;
    }

    testing::AssertionResult RingOn(uint32_t base, int tx, int ty) const {
        const double wantX = SpanCentre(fieldColumns_, tx);
        const double wantY = SpanCentre(fieldRows_, ty);
        double x = 0, y = 0;
        // The ring's glyph is symmetric to within a pixel of its font.
        const double slack = 1.0 + 0.5 * Factor();
        const bool on = WaitUntil(kUpdateTimeoutMs, [&] {
            return RingInkCentre(base, x, y) && std::fabs(x - wantX) <= slack &&
                   std::fabs(y - wantY) <= slack;
        });
        if (on) return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "ring's middle at (" << x << ", " << y << "), table pixel (" << tx << ", " << ty
               << ") shows around (" << wantX << ", " << wantY << ")";
    }

    // The arrow's tip row in the form: the middle of its ink rows, which the visible
    // part of the triangle spans symmetrically about the tip.
    bool ArrowTip(double &y) const {
        const RECT arrow = RectInContainer(Control(kLabel2), form());
        const ScreenImage image = CaptureClient(Control(kLabel2));
        const uint32_t face = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
        const RECT strip = RectInContainer(Control(kPicture2), form());
        int top = -1, bottom = -1;
        for (int py = 0; py < image.height(); ++py) {
            for (int px = 0; px < std::min<int>(image.width(), strip.left - arrow.left); ++px) {
                if (image.At(px, py) == face) continue;
                if (top < 0) top = py;
                bottom = py;
            }
        }
        if (top < 0) return false;
        y = arrow.top + (top + bottom + 1) / 2.0;
        return true;
    }

    testing::AssertionResult ArrowOn(int row) const {
        const POINT inner = ClientToScreenPoint(Control(kPicture2), 0, 0);
        POINT formOrigin = ClientToScreenPoint(form(), 0, 0);
        const double want = inner.y - formOrigin.y + SpanCentre(stripRows_, row);
        double y = 0;
        const double slack = 1.0 + 0.5 * Factor();
        if (WaitUntil(kUpdateTimeoutMs,
                      [&] { return ArrowTip(y) && std::fabs(y - want) <= slack; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure()
               << "arrow's tip at " << y << ", strip row " << row << " shows at " << want;
    }

    int dpi_ = 96;
    TableAxis fieldColumns_;
    TableAxis fieldRows_;
    TableAxis stripRows_;
};

TEST_F(DpiTest, ClientAreaAndEveryControlFollowTheTwipsLayoutAtTheScreensDpi) {
    RECT client{};
    GetClientRect(form(), &client);
    EXPECT_NEAR(client.right, Exact(5880), 0.5);
    EXPECT_NEAR(client.bottom, Exact(4320), 0.5);

    for (const Designed &design : kDesign) {
        SCOPED_TRACE(testing::Message() << "control id " << design.id << " at " << dpi_ << " dpi");
        const HWND container = design.id == kLabel1 ? Control(kPicture1) : form();
        const RECT rect = RectInContainer(Control(design.id), container);
        EXPECT_NEAR(rect.left, Exact(design.left), 1.0);
        EXPECT_NEAR(rect.top, Exact(design.top), 1.0);
        EXPECT_NEAR(rect.right - rect.left, Exact(design.width), 1.0);
        EXPECT_NEAR(rect.bottom - rect.top, Exact(design.height), 1.0);
    }

    // The tables' inner areas are the tables magnified, to the pixel.
    const int table = static_cast<int>(std::lround(256 * Factor()));
    RECT inner{};
    GetClientRect(Control(kPicture1), &inner);
    EXPECT_EQ(inner.right, table);
    EXPECT_EQ(inner.bottom, table);
    GetClientRect(Control(kPicture2), &inner);
    EXPECT_EQ(inner.bottom, table);
    EXPECT_NEAR(inner.right, 18 * Factor(), 1.0);
}

TEST_F(DpiTest, FieldAndStripShowTheLibrarysTablesPixelForPixel) {
    // R mode, and a colour of its field: the tables are built around it.
    ClickControl(kOption4);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kOption4); }));
    ClickField(fieldColumns_.shown() / 3, fieldRows_.shown() / 2);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return Text1() != L"#FFFFFF"; }));
    const std::wstring text = Text1();
    const uint32_t base = Rgb(std::wcstol(text.substr(1, 2).c_str(), nullptr, 16),
                              std::wcstol(text.substr(3, 2).c_str(), nullptr, 16),
                              std::wcstol(text.substr(5, 2).c_str(), nullptr, 16));
    EXPECT_TRUE(TablesShow(base, TableModeRed, 0, fieldColumns_, fieldRows_, stripRows_));
}

TEST_F(DpiTest, PressesAndDragsAtRandomPointsPickThePixelUnderThePointer) {
    const uint32_t white = Rgb(255, 255, 255);
    std::mt19937 random(static_cast<unsigned>(dpi_));
    // Clear of the edges, where the ring is cut off and cannot be measured.
    std::uniform_int_distribution<int> inside(
        static_cast<int>(12 * Factor()),
        fieldColumns_.shown() - 1 - static_cast<int>(12 * Factor()));
    for (int i = 0; i < 4; ++i) {
        const int sx = inside(random);
        const int sy = inside(random);
        SCOPED_TRACE(testing::Message() << "press at inner pixel (" << sx << ", " << sy << ")");
        const int tx = fieldColumns_.TableFromScreen(sx);
        const int ty = fieldRows_.TableFromScreen(sy);
        const uint32_t under = oracle().GetColor(white, 0, tx, ty, 0);
        const RECT ring = RectInContainer(Control(kLabel1), Control(kPicture1));
        const POINT at{sx, sy};
        if (!PtInRect(&ring, at)) {
            EXPECT_EQ(CaptureClient(Control(kPicture1)).At(sx, sy), under) << "shown before";
        }
        if (i % 2 == 0) {
            ClickField(sx, sy);
        } else {
            // A drag from elsewhere that ends here.
            ASSERT_TRUE(MoveTo(FieldPoint(inside(random), inside(random))));
            Press(Button::Left);
            ASSERT_TRUE(MoveTo(FieldPoint(sx, sy)));
            Pause(200);
            Release(Button::Left);
        }
        EXPECT_TRUE(TextBecomes(DisplayText(under)));
        EXPECT_TRUE(SwatchBecomes(under));
        EXPECT_TRUE(RingOn(white, tx, ty));
    }

    // In R mode a strip pick makes the strip's colour the current one. The option
    // shows checked before the strip has drawn its red table: read the strip once it
    // has changed.
    const auto stripColumn = [&] {
        const ScreenImage strip = CaptureClient(Control(kPicture2));
        std::vector<uint32_t> column;
        for (int y = 0; y < strip.height(); ++y) column.push_back(strip.At(4, y));
        return column;
    };
    const std::vector<uint32_t> hueStrip = stripColumn();
    ClickControl(kOption4);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kOption4); }));
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return stripColumn() != hueStrip; }));
    std::uniform_int_distribution<int> row(0, stripRows_.shown() - 1);
    for (int i = 0; i < 3; ++i) {
        const int sy = row(random);
        SCOPED_TRACE(testing::Message() << "strip press at inner row " << sy);
        const uint32_t under = CaptureClient(Control(kPicture2)).At(4, sy);
        ClickStrip(sy);
        EXPECT_TRUE(TextBecomes(DisplayText(under)));
        EXPECT_TRUE(SwatchBecomes(under));
        EXPECT_TRUE(ArrowOn(stripRows_.TableFromScreen(sy)));
    }
}

TEST_F(DpiTest, PressesOnTheRingPickThePixelShownUnderThePointer) {
    const uint32_t white = Rgb(255, 255, 255);
    ClickField(fieldColumns_.shown() / 3, fieldRows_.shown() / 4);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return Text1() != L"#FFFFFF"; }));
    RECT ring{};
    GetClientRect(Control(kLabel1), &ring);
    const POINT spots[] = {{1, 1}, {ring.right / 2, ring.bottom / 2}, {ring.right - 2, 2}};
    for (const POINT spot : spots) {
        SCOPED_TRACE(testing::Message() << "ring pixel (" << spot.x << ", " << spot.y << ")");
        const POINT screen = Label1Point(spot.x, spot.y);
        ASSERT_EQ(WindowFromPoint(screen), Control(kLabel1));
        const POINT inner = ClientToScreenPoint(Control(kPicture1), 0, 0);
        const int tx = fieldColumns_.TableFromScreen(screen.x - inner.x);
        const int ty = fieldRows_.TableFromScreen(screen.y - inner.y);
        Click(screen);
        EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(white, 0, tx, ty, 0))));
        EXPECT_TRUE(RingOn(white, tx, ty));
    }
}

TEST_F(DpiTest, DraggingTheArrowPicksTheStripRowUnderThePointer) {
    // Into the strip's upper half, from a press on the visible part of the arrow.
    const RECT arrow = RectInContainer(Control(kLabel2), form());
    const RECT strip = RectInContainer(Control(kPicture2), form());
    const POINT start =
        ClientToScreenPoint(form(), (arrow.left + strip.left) / 2, (arrow.top + arrow.bottom) / 2);
    ASSERT_EQ(WindowFromPoint(start), Control(kLabel2));
    ASSERT_TRUE(MoveTo(start));
    Press(Button::Left);
    const POINT inner = ClientToScreenPoint(Control(kPicture2), 0, 0);
    const int sy = stripRows_.shown() / 3;
    ASSERT_TRUE(MoveTo(POINT{start.x, inner.y + sy}));
    Pause(200);
    Release(Button::Left);
    // As at 96 dpi, the arrow's rows count one below the strip's.
    const int row = stripRows_.TableFromScreen(sy) + 1;
    const uint32_t hue = oracle().GetColor2(Rgb(255, 255, 255), 0, row, 0);
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(hue, 0, 0, 0, 0))));
    EXPECT_TRUE(ArrowOn(row));
}

TEST_F(DpiTest, SamplingReadsThePhysicalPixelUnderThePointer) {
    // Small and far from the screen's corner, so that a position read at another scale
    // lands outside it.
    ColourWindow patch(RECT{600, 20, 640, 60}, Rgb(0x12, 0x34, 0x56));
    ClickControl(kOption4);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kOption4); }));
    ClickControl(kCheck3);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kCheck3); }));
    ASSERT_TRUE(MoveTo(patch.Centre()));
    EXPECT_TRUE(TextBecomes(L"#123456"));
    SendMessageW(Control(kCheck3), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !IsChecked(kCheck3); }));
}

// The copy button's menu shows a recent colour's swatch drawn for this scale: a
// 12-pixel square at 96 dpi in a 1-pixel frame, both scaled, every pixel of it the
// colour itself.
TEST_F(DpiTest, CopyMenuSwatchesAreDrawnAtThisScale) {
    const uint32_t colour = Rgb(0x12, 0x34, 0x56);
    ColourWindow patch(RECT{600, 20, 640, 60}, colour);
    ClickControl(kOption4);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kOption4); }));
    ClickControl(kCheck3);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kCheck3); }));
    ASSERT_TRUE(MoveTo(patch.Centre()));
    ASSERT_TRUE(TextBecomes(L"#123456"));
    SendMessageW(Control(kCheck3), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !IsChecked(kCheck3); }));
    ClickControl(kCommand1);  // a copy of the same colour: still one entry
    ClickField(30, 40);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return Text1() != L"#123456"; }));

    Click(ControlCentre(kCommand1), Button::Right);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return (menu = VisibleMenuOf(uiThread())); }));
    Pause(300);
    RECT shown{};
    GetWindowRect(menu, &shown);
    const ScreenImage image(shown.left, shown.top, shown.right - shown.left,
                            shown.bottom - shown.top);
    RECT found{INT_MAX, INT_MAX, -1, -1};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.At(x, y) != colour) continue;
            found = RECT{std::min<LONG>(found.left, x), std::min<LONG>(found.top, y),
                         std::max<LONG>(found.right, x + 1), std::max<LONG>(found.bottom, y + 1)};
        }
    }
    ASSERT_GT(found.right, 0) << "no swatch of the colour on the menu";
    const long frame = std::lround(Factor());
    const long inner = std::lround(12 * Factor()) - 2 * frame;
    EXPECT_EQ(found.right - found.left, inner);
    EXPECT_EQ(found.bottom - found.top, inner);
    for (int y = found.top; y < found.bottom; ++y) {
        for (int x = found.left; x < found.right; ++x) ASSERT_EQ(image.At(x, y), colour);
    }
    EXPECT_NE(image.At(found.left - 1, found.top), colour) << "framed";

    // The one recent colour, just above the save item at the end: choosing it brings
    // it back.
    Key(VK_UP);
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return VisibleMenuOf(uiThread()) == nullptr; }));
    EXPECT_TRUE(TextBecomes(L"#123456"));
}

// Keys step by table pixels and strip rows, however many screen pixels one of them
// takes at this scale.
TEST_F(DpiTest, KeyStepsMoveByTablePixelsNotScreenPixels) {
    const uint32_t white = Rgb(255, 255, 255);
    const int sx = fieldColumns_.shown() / 3;
    const int sy = fieldRows_.shown() / 4;
    const int tx = fieldColumns_.TableFromScreen(sx);
    const int ty = fieldRows_.TableFromScreen(sy);
    ClickField(sx, sy);
    ASSERT_TRUE(TextBecomes(DisplayText(oracle().GetColor(white, 0, tx, ty, 0))));
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Key(VK_DOWN, true);
    const uint32_t stepped = oracle().GetColor(white, 0, tx + 2, ty + 10, 0);
    EXPECT_TRUE(TextBecomes(DisplayText(stepped)));
    EXPECT_TRUE(SwatchBecomes(stepped));
    EXPECT_TRUE(RingOn(white, tx + 2, ty + 10));

    const int row = stripRows_.TableFromScreen(stripRows_.shown() / 2);
    ClickStrip(stripRows_.shown() / 2);
    Key(VK_DOWN);
    Key(VK_NEXT);
    const uint32_t hue = oracle().GetColor2(white, 0, row + 17, 0);
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(hue, 0, tx + 2, ty + 10, 0))));
    EXPECT_TRUE(ArrowOn(row + 17));
}

// Ink of a caption reaching the control's last column or row has been cut off there.
// Where a neighbour overlaps the control (Option1 covers Check2's last row), its
// pixels are not the caption's.
testing::AssertionResult NothingClippedIn(HWND control) {
    const ScreenImage image = CaptureClient(control);
    const uint32_t face = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
    auto inked = [&](int x, int y) {
        return image.At(x, y) != face &&
               WindowFromPoint(ClientToScreenPoint(control, x, y)) == control;
    };
    for (int y = 0; y < image.height(); ++y) {
        if (inked(image.width() - 1, y)) {
            return testing::AssertionFailure() << "ink in the last column at row " << y;
        }
    }
    for (int x = 0; x < image.width(); ++x) {
        if (inked(x, image.height() - 1)) {
            return testing::AssertionFailure() << "ink in the last row at column " << x;
        }
    }
    return testing::AssertionSuccess();
}

TEST_F(DpiTest, CaptionsFitTheirControls) {
    Pause(300);
    for (ControlId check : {kCheck1, kCheck2, kCheck3, kCheck4}) {
        EXPECT_TRUE(NothingClippedIn(Control(check))) << "check box " << check;
    }

    // Text1 shows every colour text whole, from its first character: the widest
    // ones repeat one digit, and two more are the ones a wide face cut off.
    HWND text = Control(kText1);
    RECT box{};
    GetClientRect(text, &box);
    std::wstring samples[18] = {L"#CDCDCD", L"#7C7CCD"};
    const std::wstring digits = L"0123456789ABCDEF";
    for (size_t i = 0; i < digits.size(); ++i) samples[2 + i] = L"#" + std::wstring(6, digits[i]);
    for (const std::wstring &sample : samples) {
        // One character more, so that the control tells where the seventh one ends.
        const std::wstring longer = sample + L"0";
        SendMessageW(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longer.c_str()));
        SendMessageW(text, EM_SETSEL, 0, 0);
        const int first = static_cast<short>(LOWORD(SendMessageW(text, EM_POSFROMCHAR, 0, 0)));
        const int end = static_cast<short>(LOWORD(SendMessageW(text, EM_POSFROMCHAR, 7, 0)));
        EXPECT_GE(first, 0) << "scrolled: " << testing::PrintToString(sample);
        // The text starts `first` pixels in from the box's left; as much room is kept on
        // the right.
        EXPECT_LE(end, box.right - first) << testing::PrintToString(sample) << " ends at " << end
                                          << " in a box " << box.right << " wide";
    }
}

}  // namespace
}  // namespace e2e
