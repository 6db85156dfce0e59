// A pick from anywhere as its low-level mouse and keyboard hooks see it: each event
// as plain data, and the one rule that decides, for each, whether it is swallowed
// (never reaches the program beneath) and what the pick makes of it.
//
// StepPick is pure, allocation-free and never throws, so the hook procedures stay
// trivially cheap: they build a PickEvent, keep the returned state, swallow or pass
// the event as told, and post the action (PackPickAction fits it in one WPARAM) to
// the window, which does the work in its own message. Mouse moves are not events
// here: they always pass, and the window follows the pointer itself.
//
// While picking:
// - Mouse: every button's down and up and the wheel are swallowed. The primary
//   button's down picks, the secondary's cancels; middle and the X buttons do nothing.
//   The hook reports the physical button, before the system's swap for left-handed
//   use is applied (WH_MOUSE_LL is called ahead of it; seen so under Wine too), so
//   the rule takes the swap as given when the pick starts: swapped, the physical
//   right button is the primary one. The wheel zooms the
//   loupe, a step per notch (120 units; the finer units of smooth wheels add up, and
//   turning back starts the count anew); the horizontal wheel does nothing.
// - Keys: Enter and Space pick, Esc cancels, the arrows nudge the pointer by one
//   physical pixel, by ten with Shift, and Ctrl+F (Ctrl alone held) freezes or thaws
//   the screen; these are swallowed. Ctrl+Shift+Esc cancels but passes, so that Task
//   Manager can always be reached. Every other key passes, and so do the modifiers
//   themselves, so that the system's idea of what is held stays true.
// - With Alt or Win held, even the pick's keys pass: a key swallowed while they are
//   down leaves them pressed alone as far as the system knows, and their release
//   would open the Start menu or the menu bar of the window beneath.
// - The hotkey passes too, even when its key is one of the pick's: pressed again, it
//   reaches RegisterHotKey, whose WM_HOTKEY cancels the pick (PickSession::RespondTo).
//   Its held press's repeats reach it too, and MOD_NOREPEAT keeps them quiet.
// - A key held down repeats: the repeats of a swallowed key are swallowed; an arrow's
//   nudge again, the others do nothing again (a held Ctrl+F does not flicker). The
//   repeats of a key that went on pass, also when Alt or Win is let go before it
//   (Alt+Space held, Alt released first: the Space that repeats picks nothing).
//
// Never an orphan: an up is swallowed exactly when its down was, also after the pick
// has ended (a click picks on its down; its up comes later, as do Esc's and Enter's,
// whose repeats are swallowed too while the key is held) and in the next pick. A
// button or key that went down before the pick keeps its up, so the program beneath
// does not see it stuck down. Pick and Cancel end the pick at once, but the hooks stay
// needed (PickHookNeeded) until every swallowed down has had its up. An up is owed no
// longer than the hooks' own events say the key or button is held: should an up be
// lost (the hooks were away), the next down of that button, or of that key after any
// other key went down (the keyboard repeats only the last key pressed, so that is no
// repeat), is a new press and no longer owes anything from before.
#ifndef TINTWELL_PICKER_EYEDROPPER_PICK_INPUT_H
#define TINTWELL_PICKER_EYEDROPPER_PICK_INPUT_H

#include <cstdint>

#include "hotkey_combo.h"

namespace tintwell {

enum class PickButton : uint8_t { Left, Right, Middle, X1, X2 };

enum class PickEventKind : uint8_t {
    ButtonDown,
    ButtonUp,
    Wheel,
    HorizontalWheel,
    KeyDown,
    KeyUp,
};

struct PickEvent {
    PickEventKind kind = PickEventKind::KeyUp;
    PickButton button = PickButton::Left;  // ButtonDown, ButtonUp
    // Wheel: the high word of MSLLHOOKSTRUCT.mouseData, positive away from the user.
    int16_t wheelDelta = 0;
    uint32_t key = 0;        // KeyDown, KeyUp: the virtual-key code
    uint32_t modifiers = 0;  // KeyDown: the kMod* bits held (GetAsyncKeyState)
};

constexpr PickEvent ButtonDownEvent(PickButton button) {
    return PickEvent{PickEventKind::ButtonDown, button, 0, 0, 0};
}
constexpr PickEvent ButtonUpEvent(PickButton button) {
    return PickEvent{PickEventKind::ButtonUp, button, 0, 0, 0};
}
constexpr PickEvent WheelEvent(int16_t delta) {
    return PickEvent{PickEventKind::Wheel, PickButton::Left, delta, 0, 0};
}
constexpr PickEvent HorizontalWheelEvent(int16_t delta) {
    return PickEvent{PickEventKind::HorizontalWheel, PickButton::Left, delta, 0, 0};
}
constexpr PickEvent KeyDownEvent(uint32_t key, uint32_t modifiers = 0) {
    return PickEvent{PickEventKind::KeyDown, PickButton::Left, 0, key, modifiers};
}
constexpr PickEvent KeyUpEvent(uint32_t key) {
    return PickEvent{PickEventKind::KeyUp, PickButton::Left, 0, key, 0};
}

enum class PickActionKind : uint8_t { None, Pick, Cancel, Nudge, Zoom, ToggleFreeze };

struct PickAction {
    PickActionKind kind = PickActionKind::None;
    int8_t dx = 0;         // Nudge: physical pixels, right positive
    int8_t dy = 0;         // Nudge: physical pixels, down positive
    int8_t zoomSteps = 0;  // Zoom: positive magnifies (see loupe_zoom.h)

    friend constexpr bool operator==(const PickAction &a, const PickAction &b) {
        return a.kind == b.kind && a.dx == b.dx && a.dy == b.dy && a.zoomSteps == b.zoomSteps;
    }
};

// The hooks' whole memory, kept by the window between events.
struct PickHookState {
    bool picking = false;
    // The registered hotkey, which the hooks pass; key 0 when there is none.
    HotkeyCombo hotkey{};
    // Buttons (bit 1 << PickButton) and keys whose downs were swallowed and whose ups
    // are still to come.
    uint8_t heldButtons = 0;
    uint8_t heldKeys = 0;
    // Wheel units not yet a whole step, with the sign of the turn so far.
    int32_t wheelRest = 0;
    // The system's left-handed swap as the pick began: the physical right button is
    // the primary one.
    bool buttonsSwapped = false;
    // The key of the last key down the hooks saw, till its up; a down of it again is
    // a repeat.
    uint32_t lastKeyDown = 0;
};

// A pick starting while `hotkey` is registered (key 0: none), whose presses the hooks
// leave to the system, with the buttons swapped or not. Ups owed from before carry on.
PickHookState StartedPick(PickHookState state, HotkeyCombo hotkey, bool buttonsSwapped = false);

// The pick ended from outside the hooks (the window closing, a failure); ups owed
// carry on.
PickHookState EndedPick(PickHookState state);

// Whether the hooks are still wanted: picking, or ups still to be swallowed.
bool PickHookNeeded(const PickHookState &state);

struct PickVerdict {
    PickHookState state;
    bool swallow;
    PickAction action;
};

PickVerdict StepPick(const PickHookState &state, const PickEvent &event) noexcept;

// An action as one 32-bit word for a posted message, and back. Every action StepPick
// makes comes back unchanged.
uint32_t PackPickAction(const PickAction &action);
PickAction UnpackPickAction(uint32_t packed);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_EYEDROPPER_PICK_INPUT_H
