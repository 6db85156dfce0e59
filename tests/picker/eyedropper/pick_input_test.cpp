#include <gtest/gtest.h>

#include <vector>

#include "key_codes.h"
#include "pick_input.h"
#include "pick_session.h"

namespace tintwell::testing {
namespace {

constexpr uint32_t kKeyA = 'A';
constexpr uint32_t kShiftVk = 0x10;

// The hooks of a pick the notification icon started, the default hotkey registered.
struct HookRun {
    PickHookState state = StartedPick(PickHookState{}, kDefaultHotkey);

    PickVerdict Feed(const PickEvent &event) {
        const PickVerdict verdict = StepPick(state, event);
        state = verdict.state;
        return verdict;
    }
};

PickAction NudgeBy(int dx, int dy) {
    PickAction action;
    action.kind = PickActionKind::Nudge;
    action.dx = static_cast<int8_t>(dx);
    action.dy = static_cast<int8_t>(dy);
    return action;
}

PickAction ZoomBy(int steps) {
    PickAction action;
    action.kind = PickActionKind::Zoom;
    action.zoomSteps = static_cast<int8_t>(steps);
    return action;
}

TEST(PickInput, LeftClickEnterAndSpacePickAndEndThePick) {
    for (const PickEvent &event :
         {ButtonDownEvent(PickButton::Left), KeyDownEvent(kKeyEnter), KeyDownEvent(kKeySpace),
          KeyDownEvent(kKeyEnter, kModControl | kModShift)}) {
        HookRun run;
        const PickVerdict verdict = run.Feed(event);
        EXPECT_TRUE(verdict.swallow);
        EXPECT_EQ(verdict.action.kind, PickActionKind::Pick);
        EXPECT_FALSE(run.state.picking);
        // Over: the next press is the program's again.
        EXPECT_FALSE(run.Feed(ButtonDownEvent(PickButton::Middle)).swallow);
        EXPECT_FALSE(run.Feed(KeyDownEvent(kKeyLeft)).swallow);
    }
}

TEST(PickInput, EscAndRightClickCancel) {
    for (const PickEvent &event : {KeyDownEvent(kKeyEscape), KeyDownEvent(kKeyEscape, kModShift),
                                   ButtonDownEvent(PickButton::Right)}) {
        HookRun run;
        const PickVerdict verdict = run.Feed(event);
        EXPECT_TRUE(verdict.swallow);
        EXPECT_EQ(verdict.action.kind, PickActionKind::Cancel);
        EXPECT_FALSE(run.state.picking);
    }

    // Task Manager stays within reach.
    HookRun run;
    const PickVerdict verdict = run.Feed(KeyDownEvent(kKeyEscape, kModControl | kModShift));
    EXPECT_FALSE(verdict.swallow);
    EXPECT_EQ(verdict.action.kind, PickActionKind::Cancel);
    EXPECT_FALSE(run.Feed(KeyUpEvent(kKeyEscape)).swallow);
}

TEST(PickInput, TheHotkeyAndKeysWithAltOrWinAreTheSystems) {
    // The hotkey reaches RegisterHotKey, also on one of the pick's keys.
    const HotkeyCombo onSpace{kModControl | kModShift, static_cast<uint32_t>(kKeySpace)};
    for (const HotkeyCombo &hotkey : {kDefaultHotkey, onSpace}) {
        HookRun run;
        run.state = StartedPick(PickHookState{}, hotkey);
        for (int press = 0; press < 2; ++press) {
            const PickVerdict verdict = run.Feed(KeyDownEvent(hotkey.key, hotkey.modifiers));
            EXPECT_FALSE(verdict.swallow);
            EXPECT_EQ(verdict.action.kind, PickActionKind::None);
        }
        EXPECT_FALSE(run.Feed(KeyUpEvent(hotkey.key)).swallow);
        EXPECT_TRUE(run.state.picking);
    }

    // Swallowed, they would leave Alt or Win pressed alone, and their release would
    // open a menu.
    HookRun run;
    for (const PickEvent &event :
         {KeyDownEvent(kKeyEnter, kModAlt), KeyDownEvent(kKeyEscape, kModAlt),
          KeyDownEvent(kKeyLeft, kModWin), KeyDownEvent(kKeySpace, kModWin | kModShift),
          KeyDownEvent(kKeyF, kModControl | kModAlt)}) {
        const PickVerdict verdict = run.Feed(event);
        EXPECT_FALSE(verdict.swallow) << event.key;
        EXPECT_EQ(verdict.action.kind, PickActionKind::None);
        EXPECT_FALSE(run.Feed(KeyUpEvent(event.key)).swallow);
    }
    EXPECT_TRUE(run.state.picking);
}

TEST(PickInput, ArrowsNudgeOnePixelTenWithShiftAndAgainWhileHeld) {
    HookRun run;
    EXPECT_EQ(run.Feed(KeyDownEvent(kKeyLeft)).action, NudgeBy(-1, 0));
    EXPECT_EQ(run.Feed(KeyDownEvent(kKeyLeft)).action, NudgeBy(-1, 0)) << "a repeat";
    EXPECT_TRUE(run.Feed(KeyUpEvent(kKeyLeft)).swallow);
    EXPECT_EQ(run.Feed(KeyDownEvent(kKeyRight, kModControl)).action, NudgeBy(1, 0));
    EXPECT_EQ(run.Feed(KeyDownEvent(kKeyUp, kModShift)).action, NudgeBy(0, -10));
    const PickVerdict down = run.Feed(KeyDownEvent(kKeyDown, kModShift | kModControl));
    EXPECT_TRUE(down.swallow);
    EXPECT_EQ(down.action, NudgeBy(0, 10));
    EXPECT_TRUE(run.state.picking);
}

TEST(PickInput, CtrlFFreezesOnceWhileHeldAndOtherFsPass) {
    HookRun run;
    EXPECT_FALSE(run.Feed(KeyDownEvent(kKeyF)).swallow);
    EXPECT_FALSE(run.Feed(KeyUpEvent(kKeyF)).swallow);
    EXPECT_FALSE(run.Feed(KeyDownEvent(kKeyF, kModControl | kModShift)).swallow);
    EXPECT_FALSE(run.Feed(KeyUpEvent(kKeyF)).swallow);

    PickVerdict verdict = run.Feed(KeyDownEvent(kKeyF, kModControl));
    EXPECT_TRUE(verdict.swallow);
    EXPECT_EQ(verdict.action.kind, PickActionKind::ToggleFreeze);
    verdict = run.Feed(KeyDownEvent(kKeyF, kModControl));
    EXPECT_TRUE(verdict.swallow);
    EXPECT_EQ(verdict.action.kind, PickActionKind::None) << "held, it does not flicker";
    EXPECT_TRUE(run.Feed(KeyUpEvent(kKeyF)).swallow);
    EXPECT_EQ(run.Feed(KeyDownEvent(kKeyF, kModControl)).action.kind, PickActionKind::ToggleFreeze);
    EXPECT_TRUE(run.state.picking);
}

TEST(PickInput, WheelZoomsANotchAStepAddingUpFineTurns) {
    HookRun run;
    EXPECT_EQ(run.Feed(WheelEvent(120)).action, ZoomBy(1));
    EXPECT_EQ(run.Feed(WheelEvent(-240)).action, ZoomBy(-2));
    for (int i = 0; i < 2; ++i) {
        const PickVerdict fine = run.Feed(WheelEvent(40));
        EXPECT_TRUE(fine.swallow);
        EXPECT_EQ(fine.action.kind, PickActionKind::None);
    }
    EXPECT_EQ(run.Feed(WheelEvent(40)).action, ZoomBy(1));
    // Turning back starts the count anew.
    EXPECT_EQ(run.Feed(WheelEvent(60)).action.kind, PickActionKind::None);
    EXPECT_EQ(run.Feed(WheelEvent(-60)).action.kind, PickActionKind::None);
    EXPECT_EQ(run.Feed(WheelEvent(-60)).action, ZoomBy(-1));
    // The farthest turn a wheel's word holds still zooms in.
    EXPECT_GT(run.Feed(WheelEvent(32767)).action.zoomSteps, 0);
    EXPECT_LT(run.Feed(WheelEvent(-32768)).action.zoomSteps, 0);

    const PickVerdict sideways = run.Feed(HorizontalWheelEvent(120));
    EXPECT_TRUE(sideways.swallow);
    EXPECT_EQ(sideways.action.kind, PickActionKind::None);

    run.Feed(KeyDownEvent(kKeyEscape));
    EXPECT_FALSE(run.Feed(WheelEvent(120)).swallow);
    EXPECT_FALSE(run.Feed(HorizontalWheelEvent(120)).swallow);
}

TEST(PickInput, AllButtonsAreSwallowedWhileOtherKeysAndModifiersPass) {
    HookRun run;
    for (PickButton button : {PickButton::Middle, PickButton::X1, PickButton::X2}) {
        const PickVerdict down = run.Feed(ButtonDownEvent(button));
        EXPECT_TRUE(down.swallow);
        EXPECT_EQ(down.action.kind, PickActionKind::None);
        EXPECT_TRUE(run.Feed(ButtonUpEvent(button)).swallow);
    }
    for (uint32_t key : {kKeyA, kShiftVk, static_cast<uint32_t>(kKeyTab)}) {
        EXPECT_FALSE(run.Feed(KeyDownEvent(key, kModShift)).swallow) << key;
        EXPECT_FALSE(run.Feed(KeyUpEvent(key)).swallow) << key;
    }
    EXPECT_TRUE(run.state.picking);
    EXPECT_FALSE(PickHookNeeded(EndedPick(run.state)));
}

TEST(PickInput, AnUpIsSwallowedExactlyWhenItsDownWas) {
    // Held before the pick: the program beneath had the down, so it gets the up.
    HookRun run;
    run.state = StartedPick(PickHookState{}, kDefaultHotkey);
    EXPECT_FALSE(run.Feed(ButtonUpEvent(PickButton::Left)).swallow);
    EXPECT_FALSE(run.Feed(KeyUpEvent(kKeyEnter)).swallow);

    // The click that picks: its up comes after the end and is still the pick's.
    run.Feed(ButtonDownEvent(PickButton::Left));
    EXPECT_TRUE(PickHookNeeded(run.state));
    EXPECT_FALSE(run.Feed(ButtonDownEvent(PickButton::X1)).swallow);
    EXPECT_TRUE(run.Feed(ButtonUpEvent(PickButton::Left)).swallow);
    EXPECT_FALSE(run.Feed(ButtonUpEvent(PickButton::X1)).swallow);
    EXPECT_FALSE(PickHookNeeded(run.state));

    // Enter that picks: its repeats and its up too.
    run.state = StartedPick(run.state, kDefaultHotkey);
    run.Feed(KeyDownEvent(kKeyEnter));
    EXPECT_TRUE(run.Feed(KeyDownEvent(kKeyEnter)).swallow);
    EXPECT_TRUE(run.Feed(KeyUpEvent(kKeyEnter)).swallow);
    EXPECT_FALSE(run.Feed(KeyUpEvent(kKeyEnter)).swallow);
    EXPECT_FALSE(PickHookNeeded(run.state));

    // An up owed by one pick is swallowed in the next, once.
    run.state = StartedPick(run.state, kDefaultHotkey);
    run.Feed(ButtonDownEvent(PickButton::Right));
    run.state = StartedPick(run.state, kDefaultHotkey);
    EXPECT_TRUE(run.Feed(ButtonUpEvent(PickButton::Right)).swallow);
    EXPECT_FALSE(run.Feed(ButtonUpEvent(PickButton::Right)).swallow);

    // A lost up: the next press is the program's, down and up.
    run.Feed(ButtonDownEvent(PickButton::Left));
    EXPECT_FALSE(run.Feed(ButtonDownEvent(PickButton::Left)).swallow);
    EXPECT_FALSE(PickHookNeeded(run.state));
    EXPECT_FALSE(run.Feed(ButtonUpEvent(PickButton::Left)).swallow);
}

TEST(PickInput, ActionsComeBackFromTheirPostedWord) {
    const std::vector<PickAction> actions = {
        PickAction{}, NudgeBy(-10, 0), NudgeBy(0, 10), ZoomBy(-127), ZoomBy(127), ZoomBy(1),
    };
    for (const PickAction &action : actions)
        EXPECT_EQ(UnpackPickAction(PackPickAction(action)), action);
    for (PickActionKind kind :
         {PickActionKind::Pick, PickActionKind::Cancel, PickActionKind::ToggleFreeze}) {
        PickAction action;
        action.kind = kind;
        EXPECT_EQ(UnpackPickAction(PackPickAction(action)), action);
    }
    EXPECT_EQ(UnpackPickAction(0xFFu).kind, PickActionKind::None);
}

TEST(PickSession, EndsWithSamplingAndTheFreezeAsTheyWere) {
    struct Case {
        PickerBefore before;
        PickActionKind how;
        bool frozenNow;
        bool sampling, thaw, restoreColour;
    };
    const Case cases[] = {
        {{false, false}, PickActionKind::Pick, true, false, true, false},
        {{false, false}, PickActionKind::Cancel, false, false, false, true},
        {{true, false}, PickActionKind::Cancel, true, true, true, false},
        {{true, true}, PickActionKind::Pick, true, true, false, false},
    };
    for (const Case &c : cases) {
        PickSession session;
        ASSERT_TRUE(session.Start(c.before, kDefaultHotkey));
        const std::optional<PickEnding> ending = session.Finish(c.how, c.frozenNow);
        ASSERT_TRUE(ending);
        EXPECT_EQ(ending->take, c.how == PickActionKind::Pick);
        EXPECT_EQ(ending->sampling, c.sampling);
        EXPECT_EQ(ending->thaw, c.thaw);
        EXPECT_EQ(ending->restoreColour, c.restoreColour);
    }
}

TEST(PickSession, StartsOnceEndsOnceAndKeepsTheHooksForOwedUps) {
    PickSession session;
    EXPECT_EQ(session.RespondTo(PickTrigger::TrayIcon), TriggerResponse::Start);
    ASSERT_TRUE(session.Start(PickerBefore{true, false}, kDefaultHotkey));
    EXPECT_FALSE(session.Start(PickerBefore{false, false}, kDefaultHotkey));
    EXPECT_TRUE(session.before().sampling);
    EXPECT_EQ(session.RespondTo(PickTrigger::Hotkey), TriggerResponse::Cancel);
    EXPECT_EQ(session.RespondTo(PickTrigger::TrayIcon), TriggerResponse::Nothing);

    const PickVerdict click = session.OnHookEvent(ButtonDownEvent(PickButton::Left));
    EXPECT_EQ(click.action.kind, PickActionKind::Pick);
    EXPECT_FALSE(session.Finish(PickActionKind::Nudge, false).has_value());
    EXPECT_TRUE(session.running());
    EXPECT_TRUE(session.Finish(PickActionKind::Pick, false).has_value());
    EXPECT_FALSE(session.Finish(PickActionKind::Pick, false).has_value()) << "one end, one ending";
    EXPECT_TRUE(session.hooksNeeded());
    EXPECT_TRUE(session.OnHookEvent(ButtonUpEvent(PickButton::Left)).swallow);
    EXPECT_FALSE(session.hooksNeeded());

    // Ended by the window: the hooks let everything through at once.
    ASSERT_TRUE(session.Start(PickerBefore{}, kDefaultHotkey));
    EXPECT_TRUE(session.Finish(PickActionKind::Cancel, false).has_value());
    EXPECT_FALSE(session.OnHookEvent(ButtonDownEvent(PickButton::Left)).swallow);
}

}  // namespace
}  // namespace tintwell::testing
