// The keys the two pictures, the key field and a pick from anywhere answer to,
// numbered as Windows numbers its virtual keys, so the window hands a key on as it
// arrives; the shift mask that comes with a key or a mouse event, and the mouse's
// button mask.
#ifndef TINTWELL_PICKER_KEY_CODES_H
#define TINTWELL_PICKER_KEY_CODES_H

#include <cstdint>

namespace tintwell {

constexpr int16_t kKeyTab = 0x09;
constexpr int16_t kKeyEnter = 0x0D;
constexpr int16_t kKeyEscape = 0x1B;
constexpr int16_t kKeySpace = 0x20;
constexpr int16_t kKeyPageUp = 0x21;
constexpr int16_t kKeyPageDown = 0x22;
constexpr int16_t kKeyEnd = 0x23;
constexpr int16_t kKeyHome = 0x24;
constexpr int16_t kKeyLeft = 0x25;
constexpr int16_t kKeyUp = 0x26;
constexpr int16_t kKeyRight = 0x27;
constexpr int16_t kKeyDown = 0x28;
constexpr int16_t kKeyF = 0x46;

// Button mask of mouse events, added together when several are held.
constexpr int16_t kLeftButton = 1;
constexpr int16_t kRightButton = 2;
constexpr int16_t kMiddleButton = 4;

// Shift mask of key and mouse events, added together when several are held.
constexpr int16_t kShiftKey = 1;
constexpr int16_t kCtrlKey = 2;
constexpr int16_t kAltKey = 4;

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEY_CODES_H
