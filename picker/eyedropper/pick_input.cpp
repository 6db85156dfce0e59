#include "pick_input.h"

#include <algorithm>
#include <iterator>

#include "key_codes.h"

namespace tintwell {

namespace {

constexpr int32_t kWheelNotch = 120;
constexpr int8_t kLongNudge = 10;

// The keys a pick answers to, each with its bit among the held keys.
constexpr uint32_t kPickKeys[] = {
    static_cast<uint32_t>(kKeyEnter),  static_cast<uint32_t>(kKeySpace),
    static_cast<uint32_t>(kKeyEscape), static_cast<uint32_t>(kKeyLeft),
    static_cast<uint32_t>(kKeyUp),     static_cast<uint32_t>(kKeyRight),
    static_cast<uint32_t>(kKeyDown),   static_cast<uint32_t>(kKeyF),
};

uint8_t PickKeyBit(uint32_t key) {
    for (size_t i = 0; i < std::size(kPickKeys); ++i)
        if (kPickKeys[i] == key) return static_cast<uint8_t>(1u << i);
    return 0;
}

uint8_t ButtonBit(PickButton button) {
    return static_cast<uint8_t>(1u << static_cast<unsigned>(button));
}

bool IsHotkey(const PickHookState &state, uint32_t key, uint32_t held) {
    return state.hotkey.key != 0 && key == state.hotkey.key && held == state.hotkey.modifiers;
}

PickAction Action(PickActionKind kind) {
    PickAction action;
    action.kind = kind;
    return action;
}

PickAction NudgeFor(uint32_t key, uint32_t modifiers) {
    const int8_t by = (modifiers & kModShift) != 0 ? kLongNudge : 1;
    PickAction action = Action(PickActionKind::Nudge);
    if (key == static_cast<uint32_t>(kKeyLeft)) action.dx = static_cast<int8_t>(-by);
    if (key == static_cast<uint32_t>(kKeyRight)) action.dx = by;
    if (key == static_cast<uint32_t>(kKeyUp)) action.dy = static_cast<int8_t>(-by);
    if (key == static_cast<uint32_t>(kKeyDown)) action.dy = by;
    return action;
}

bool IsArrow(uint32_t key) {
    return key >= static_cast<uint32_t>(kKeyLeft) && key <= static_cast<uint32_t>(kKeyDown);
}

PickVerdict Pass(const PickHookState &state) {
    return PickVerdict{state, false, PickAction{}};
}

PickVerdict Swallow(const PickHookState &state, PickAction action = PickAction{}) {
    return PickVerdict{state, true, action};
}

// Pick and Cancel end the pick at once; the ups still owed stay noted.
PickHookState Ended(PickHookState state) {
    state.picking = false;
    state.wheelRest = 0;
    return state;
}

PickVerdict KeyDown(PickHookState state, uint32_t key, uint32_t modifiers) {
    const uint32_t held = modifiers & kModifierMask;
    const uint8_t bit = PickKeyBit(key);
    const bool repeat = state.lastKeyDown == key;
    state.lastKeyDown = key;
    if (bit == 0) return Pass(state);
    if ((state.heldKeys & bit) != 0) {
        if (repeat) {
            return Swallow(state,
                           state.picking && IsArrow(key) ? NudgeFor(key, held) : PickAction{});
        }
        // Another key went down since: this key's up was lost, and this is a new press.
        state.heldKeys &= static_cast<uint8_t>(~bit);
    } else if (repeat) {
        // The repeat of a down that went on (with Alt or Win, or before the pick): the
        // key is the program's till its up, also once Alt is let go before it.
        return Pass(state);
    }
    // The hotkey goes on to the system, whose WM_HOTKEY cancels the pick. With Alt or
    // Win held the keys are the system's too: a key swallowed between their down and
    // up leaves them pressed alone, and their up would open the Start menu or the
    // active window's menu bar.
    if (!state.picking || IsHotkey(state, key, held) || (held & (kModAlt | kModWin)) != 0) {
        return Pass(state);
    }

    if (key == static_cast<uint32_t>(kKeyF)) {
        if (held != kModControl) return Pass(state);
        state.heldKeys |= bit;
        return Swallow(state, Action(PickActionKind::ToggleFreeze));
    }
    if (key == static_cast<uint32_t>(kKeyEscape)) {
        if ((held & (kModControl | kModShift)) == (kModControl | kModShift)) {
            return PickVerdict{Ended(state), false, Action(PickActionKind::Cancel)};
        }
        state.heldKeys |= bit;
        return Swallow(Ended(state), Action(PickActionKind::Cancel));
    }
    state.heldKeys |= bit;
    if (IsArrow(key)) return Swallow(state, NudgeFor(key, held));
    return Swallow(Ended(state), Action(PickActionKind::Pick));
}

PickVerdict KeyUp(PickHookState state, uint32_t key) {
    if (state.lastKeyDown == key) state.lastKeyDown = 0;
    const uint8_t owed = PickKeyBit(key);
    if ((state.heldKeys & owed) == 0) return Pass(state);
    state.heldKeys &= static_cast<uint8_t>(~owed);
    return Swallow(state);
}

PickVerdict ButtonDown(PickHookState state, PickButton button) {
    const uint8_t bit = ButtonBit(button);
    if (!state.picking) {
        // A down while its up is still owed: the up was lost. This press is the
        // program's, with its up.
        state.heldButtons &= static_cast<uint8_t>(~bit);
        return Pass(state);
    }
    state.heldButtons |= bit;
    const PickButton primary = state.buttonsSwapped ? PickButton::Right : PickButton::Left;
    const PickButton secondary = state.buttonsSwapped ? PickButton::Left : PickButton::Right;
    if (button == primary) return Swallow(Ended(state), Action(PickActionKind::Pick));
    if (button == secondary) return Swallow(Ended(state), Action(PickActionKind::Cancel));
    return Swallow(state);
}

PickVerdict ButtonUp(PickHookState state, PickButton button) {
    const uint8_t bit = ButtonBit(button);
    if ((state.heldButtons & bit) == 0) return Pass(state);
    state.heldButtons &= static_cast<uint8_t>(~bit);
    return Swallow(state);
}

PickVerdict Wheel(PickHookState state, int32_t delta) {
    if (!state.picking) return Pass(state);
    if ((state.wheelRest < 0 && delta > 0) || (state.wheelRest > 0 && delta < 0)) {
        state.wheelRest = 0;
    }
    const int32_t total = state.wheelRest + delta;
    const int32_t steps = total / kWheelNotch;
    state.wheelRest = total - steps * kWheelNotch;
    if (steps == 0) return Swallow(state);
    PickAction action = Action(PickActionKind::Zoom);
    // A wheel's word gives at most 273 steps; the loupe has far fewer.
    action.zoomSteps = static_cast<int8_t>(std::clamp<int32_t>(steps, -127, 127));
    return Swallow(state, action);
}

}  // namespace

PickHookState StartedPick(PickHookState state, HotkeyCombo hotkey, bool buttonsSwapped) {
    state.picking = true;
    state.buttonsSwapped = buttonsSwapped;
    state.hotkey =
        hotkey.key != 0 ? HotkeyCombo{hotkey.modifiers & kModifierMask, hotkey.key} : HotkeyCombo{};
    state.wheelRest = 0;
    return state;
}

PickHookState EndedPick(PickHookState state) {
    return Ended(state);
}

bool PickHookNeeded(const PickHookState &state) {
    return state.picking || state.heldButtons != 0 || state.heldKeys != 0;
}

PickVerdict StepPick(const PickHookState &state, const PickEvent &event) noexcept {
    switch (event.kind) {
        case PickEventKind::ButtonDown:
            return ButtonDown(state, event.button);
        case PickEventKind::ButtonUp:
            return ButtonUp(state, event.button);
        case PickEventKind::Wheel:
            return Wheel(state, event.wheelDelta);
        case PickEventKind::HorizontalWheel:
            return state.picking ? Swallow(state) : Pass(state);
        case PickEventKind::KeyDown:
            return KeyDown(state, event.key, event.modifiers);
        case PickEventKind::KeyUp:
            return KeyUp(state, event.key);
    }
    return Pass(state);
}

uint32_t PackPickAction(const PickAction &action) {
    return static_cast<uint32_t>(action.kind) | uint32_t{static_cast<uint8_t>(action.dx)} << 8 |
           uint32_t{static_cast<uint8_t>(action.dy)} << 16 |
           uint32_t{static_cast<uint8_t>(action.zoomSteps)} << 24;
}

PickAction UnpackPickAction(uint32_t packed) {
    PickAction action;
    const uint32_t kind = packed & 0xFFu;
    if (kind > static_cast<uint32_t>(PickActionKind::ToggleFreeze)) return action;
    action.kind = static_cast<PickActionKind>(kind);
    action.dx = static_cast<int8_t>(static_cast<uint8_t>(packed >> 8));
    action.dy = static_cast<int8_t>(static_cast<uint8_t>(packed >> 16));
    action.zoomSteps = static_cast<int8_t>(static_cast<uint8_t>(packed >> 24));
    return action;
}

}  // namespace tintwell
