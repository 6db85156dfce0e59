#include "fake_window.h"

#include <algorithm>
#include <cstdio>

namespace tintwell::testing {

void CallLog::Add(const std::string &name, const std::string &argument) {
    entries.push_back(argument.empty() ? name : name + " " + argument);
}

std::vector<std::string> CallLog::Names() const {
    std::vector<std::string> names;
    for (const std::string &entry : entries) names.push_back(entry.substr(0, entry.find(' ')));
    return names;
}

FakeImage::FakeImage(int32_t width, int32_t height)
    : pixels(static_cast<size_t>(width) * static_cast<size_t>(height), 0xFF000000u),
      surface{pixels.data(), width, height, width * 4} {}

std::string Hex(ColorRef colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", colour);
    return text;
}

std::string Describe(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string Describe(ColorRef colour) {
    return Hex(colour);
}
std::string Describe(int32_t value) {
    return std::to_string(value);
}
std::string Describe(bool value) {
    return value ? "1" : "0";
}
std::string Describe(const std::u16string &text) {
    return Utf8(text);
}

void FakeControls::Call(const std::string &name, const std::string &argument) {
    log_.Add(name, argument);
    if (log_.failing.count(name) != 0) throw PickerError(name + " failed");
}

std::u16string FakeControls::Text1_SelText() {
    Call("Text1_SelText");
    const size_t start = std::min(static_cast<size_t>(selStart), text1.size());
    return text1.substr(start, static_cast<size_t>(selLength));
}

void FakePlatform::Call(const std::string &name, const std::string &argument) {
    log_.Add(name, argument);
    if (log_.failing.count(name) != 0) throw PickerError(name + " failed");
}

void FakePlatform::SetTopmost(WindowHandle window, bool topmost) {
    Call("SetTopmost", std::to_string(window) + " " + std::to_string(topmost));
    this->topmost = topmost;
    topmostWindow = window;
}

ColorRef FakePlatform::PixelAt(ScreenPoint p) const {
    return screen ? screen(p) : screenPixel;
}

ScreenSquare FakePlatform::ReadScreenSquare(int reach) {
    Call("ReadScreenSquare", std::to_string(reach));
    ++reads;
    return SquareAround(cursor, reach);
}

ScreenSquare FakePlatform::ReadScreenSquareAt(ScreenPoint pointer, int reach) {
    Call("ReadScreenSquareAt", std::to_string(reach));
    ++reads;
    return SquareAround(pointer, reach);
}

ScreenSquare FakePlatform::SquareAround(ScreenPoint centre, int reach) const {
    ScreenSquare square = UnreadSquare(centre, reach);
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            square.cells[static_cast<size_t>(dy + reach) * square.side() + (dx + reach)] =
                PixelAt(ScreenPoint{centre.x + dx, centre.y + dy});
            if (clampedAt && clampedAt(ScreenPoint{centre.x + dx, centre.y + dy})) {
                if (square.clamped.empty()) square.clamped.assign(square.cells.size(), 0);
                square.clamped[static_cast<size_t>(dy + reach) * square.side() + (dx + reach)] = 1;
            }
        }
    }
    square.note = screenNote;
    return square;
}

ScreenPoint FakePlatform::CursorPosition() {
    Call("CursorPosition");
    return cursor;
}

std::unique_ptr<ScreenSnapshot> FakePlatform::TakeSnapshot() {
    Call("TakeSnapshot");
    if (snapshotFails) return nullptr;
    ++snapshots;
    const ScreenRect b = screenBounds;
    auto snapshot = std::make_unique<ScreenSnapshot>(b, std::vector<MonitorArea>{{b, b, 96}});
    BitmapPixel *pixels = snapshot->pixels();
    for (int32_t y = b.top; y < b.bottom; ++y) {
        for (int32_t x = b.left; x < b.right; ++x) {
            const ColorRef colour = PixelAt(ScreenPoint{x, y});
            *pixels++ = colour == kInvalidColor ? 0u : BitmapPixelFromColour(colour);
        }
    }
    return snapshot;
}

void FakePlatform::ClipboardClear() {
    Call("ClipboardClear");
    clipboard.clear();
    clipboardHasText = false;
    clipboardTransient = false;
}

void FakePlatform::ClipboardSetText(const std::u16string &text) {
    Call("ClipboardSetText", Utf8(text));
    clipboard = text;
    clipboardHasText = true;
    clipboardTransient = false;
}

std::optional<std::u16string> FakePlatform::ClipboardText() {
    Call("ClipboardText");
    if (!clipboardHasText) return std::nullopt;
    return clipboard.substr(0, kClipboardTextLimit);
}

std::optional<std::string> FakePlatform::ReadCopyTemplates() {
    Call("ReadCopyTemplates");
    return templates;
}

void FakePlatform::KeepRecentColours(const std::vector<ColorRef> &newestFirst) {
    keptRecent = newestFirst;
    ++keepCount;
}

void FakePlatform::ClipboardSetTransientText(const std::u16string &text) {
    Call("ClipboardSetTransientText", Utf8(text));
    clipboard = text;
    clipboardHasText = true;
    clipboardTransient = true;
}

}  // namespace tintwell::testing
