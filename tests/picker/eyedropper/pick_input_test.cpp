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

TEST(PickInput, AKeyThatWentOnWithAltOrWinRepeatsOnOnceTheyAreLetGo) {
    for (const uint32_t modifier : {kModAlt, kModWin}) {
        HookRun run;
        EXPECT_FALSE(run.Feed(KeyDownEvent(kKeySpace, modifier)).swallow);
        EXPECT_FALSE(run.Feed(KeyDownEvent(kKeySpace, modifier)).swallow);
        // The modifier's up came first; Space still repeats.
        const PickVerdict repeat = run.Feed(KeyDownEvent(kKeySpace));
        EXPECT_FALSE(repeat.swallow);
        EXPECT_EQ(repeat.action.kind, PickActionKind::None);
        EXPECT_FALSE(run.Feed(KeyUpEvent(kKeySpace)).swallow);
        EXPECT_TRUE(run.state.picking);
        // Let go, the next Space is the pick's.
        EXPECT_EQ(run.Feed(KeyDownEvent(kKeySpace)).action.kind, PickActionKind::Pick);
    }
    // Held from before the pick, the same.
    HookRun run;
    run.state = PickHookState{};
    run.Feed(KeyDownEvent(kKeyEnter));
    run.state = StartedPick(run.state, kDefaultHotkey);
    EXPECT_FALSE(run.Feed(KeyDownEvent(kKeyEnter)).swallow);
    EXPECT_FALSE(run.Feed(KeyUpEvent(kKeyEnter)).swallow);
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

TEST(PickInput, SwappedButtonsPickWithThePrimaryAndCancelWithTheSecondary) {
    // Swapped for the left hand, the hook's physical right button is the primary one.
    PickHookState swapped = StartedPick(PickHookState{}, kDefaultHotkey, true);
    PickVerdict verdict = StepPick(swapped, ButtonDownEvent(PickButton::Right));
    EXPECT_TRUE(verdict.swallow);
    EXPECT_EQ(verdict.action.kind, PickActionKind::Pick);
    EXPECT_TRUE(StepPick(verdict.state, ButtonUpEvent(PickButton::Right)).swallow);

    verdict = StepPick(swapped, ButtonDownEvent(PickButton::Left));
    EXPECT_TRUE(verdict.swallow);
    EXPECT_EQ(verdict.action.kind, PickActionKind::Cancel);
    EXPECT_FALSE(verdict.state.picking);

    // The next pick takes the swap as it is then.
    const PickHookState unswapped = StartedPick(verdict.state, kDefaultHotkey, false);
    EXPECT_EQ(StepPick(unswapped, ButtonDownEvent(PickButton::Left)).action.kind,
              PickActionKind::Pick);
}

TEST(PickInput, AKeyThatEndsThePickOwesItsRepeatsAndItsUp) {
    for (const uint32_t key : {static_cast<uint32_t>(kKeyEscape), static_cast<uint32_t>(kKeyEnter)}) {
        HookRun run;
        EXPECT_TRUE(run.Feed(KeyDownEvent(key)).swallow);
        EXPECT_FALSE(run.state.picking);
        // Held, it repeats: the program beneath gets none of it, and the pick does
        // not begin again.
        for (int repeat = 0; repeat < 3; ++repeat) {
            const PickVerdict verdict = run.Feed(KeyDownEvent(key));
            EXPECT_TRUE(verdict.swallow) << key;
            EXPECT_EQ(verdict.action.kind, PickActionKind::None);
            EXPECT_TRUE(PickHookNeeded(run.state));
        }
        EXPECT_TRUE(run.Feed(KeyUpEvent(key)).swallow) << "no orphan up for " << key;
        EXPECT_FALSE(PickHookNeeded(run.state));
        EXPECT_FALSE(run.Feed(KeyDownEvent(key)).swallow);
        EXPECT_FALSE(run.Feed(KeyUpEvent(key)).swallow);
    }
}

TEST(PickInput, AnUpIsOwedNoLongerThanTheKeyIsHeld) {
    // Enter picked and its up was lost; another key went down since, so the next
    // Enter is a new press, not a repeat, and belongs to the program beneath.
    HookRun run;
    run.Feed(KeyDownEvent(kKeyEnter));
    EXPECT_FALSE(run.Feed(KeyDownEvent(kKeyA)).swallow);
    EXPECT_FALSE(run.Feed(KeyUpEvent(kKeyA)).swallow);
    EXPECT_FALSE(run.Feed(KeyDownEvent(kKeyEnter)).swallow);
    EXPECT_FALSE(PickHookNeeded(run.state));
    EXPECT_FALSE(run.Feed(KeyUpEvent(kKeyEnter)).swallow);

    // In the next pick, an arrow whose up was lost nudges again as a new press and
    // owes only its own up.
    run.state = StartedPick(run.state, kDefaultHotkey);
    run.Feed(KeyDownEvent(kKeyLeft));
    EXPECT_FALSE(run.Feed(KeyDownEvent(kKeyA)).swallow);
    EXPECT_EQ(run.Feed(KeyDownEvent(kKeyLeft)).action, NudgeBy(-1, 0));
    EXPECT_TRUE(run.Feed(KeyUpEvent(kKeyLeft)).swallow);
    EXPECT_FALSE(run.Feed(KeyUpEvent(kKeyLeft)).swallow);
}

TEST(PickSession, StartsOnceEndsOnceAndKeepsTheHooksForOwedUps) {
    PickSession session;
    EXPECT_EQ(session.RespondTo(PickTrigger::TrayIcon), TriggerResponse::Start);
    ASSERT_TRUE(session.Start(kDefaultHotkey));
    EXPECT_FALSE(session.Start(kDefaultHotkey));
    EXPECT_EQ(session.RespondTo(PickTrigger::Hotkey), TriggerResponse::Cancel);
    EXPECT_EQ(session.RespondTo(PickTrigger::TrayIcon), TriggerResponse::Nothing);

    const PickVerdict click = session.OnHookEvent(ButtonDownEvent(PickButton::Left));
    EXPECT_EQ(click.action.kind, PickActionKind::Pick);
    EXPECT_FALSE(session.Finish(PickActionKind::Nudge));
    EXPECT_TRUE(session.running());
    EXPECT_TRUE(session.Finish(PickActionKind::Pick));
    EXPECT_FALSE(session.Finish(PickActionKind::Pick)) << "one end";
    EXPECT_TRUE(session.hooksNeeded());
    EXPECT_TRUE(session.OnHookEvent(ButtonUpEvent(PickButton::Left)).swallow);
    EXPECT_FALSE(session.hooksNeeded());

    // Ended by the window: the hooks let everything through at once.
    ASSERT_TRUE(session.Start(kDefaultHotkey));
    EXPECT_TRUE(session.Finish(PickActionKind::Cancel));
    EXPECT_FALSE(session.OnHookEvent(ButtonDownEvent(PickButton::Left)).swallow);

    // Hooks removed owe nothing: the next pick swallows no up of an earlier press.
    ASSERT_TRUE(session.Start(kDefaultHotkey, true));
    EXPECT_EQ(session.OnHookEvent(ButtonDownEvent(PickButton::Right)).action.kind,
              PickActionKind::Pick);
    EXPECT_TRUE(session.Finish(PickActionKind::Pick));
    session.HooksRemoved();
    EXPECT_FALSE(session.hooksNeeded());
    ASSERT_TRUE(session.Start(kDefaultHotkey));
    EXPECT_FALSE(session.OnHookEvent(ButtonUpEvent(PickButton::Right)).swallow);
}

TEST(PickSession, APressTheWitnessSawAndTheHooksDidNotMeansTheyAreGone) {
    constexpr uint32_t t = 5000;
    constexpr uint32_t grace = HookWitness::kWitnessGraceMs;
    PickSession session;
    ASSERT_TRUE(session.Start(kDefaultHotkey));

    // The hooks see every press first, the witness after: nothing is gone, also for
    // presses the hooks let through (Alt+Tab) and whose ups they owe.
    session.OnHookEvent(KeyDownEvent(kKeyTab, kModAlt), t);
    session.OnWitnessedPress(PressKind::Key, t + 2);
    session.OnHookEvent(ButtonDownEvent(PickButton::Middle), t + 10);
    session.OnWitnessedPress(PressKind::Button, t + 11);
    EXPECT_FALSE(session.witnessWaiting());
    EXPECT_FALSE(session.HooksGone(t + 10 * grace));

    // The witness first: the hooks' call may come a moment later.
    session.OnWitnessedPress(PressKind::Key, t + 20);
    EXPECT_TRUE(session.witnessWaiting());
    EXPECT_FALSE(session.HooksGone(t + 20 + grace - 1));
    session.OnHookEvent(KeyDownEvent(kKeyLeft), t + 30);
    EXPECT_FALSE(session.witnessWaiting());
    EXPECT_FALSE(session.HooksGone(t + 20 + 10 * grace));

    // A press the hooks never saw: gone once the grace is over, not before.
    session.OnWitnessedPress(PressKind::Button, t + 100);
    EXPECT_FALSE(session.HooksGone(t + 100 + grace - 1));
    EXPECT_TRUE(session.HooksGone(t + 100 + grace));
    EXPECT_TRUE(session.Finish(PickActionKind::Cancel));
    EXPECT_FALSE(session.HooksGone(t + 100 + grace)) << "over with the pick";
}

TEST(PickSession, TheWitnessIsNotFooledByOtherPressesOrOldOnes) {
    constexpr uint32_t lead = HookWitness::kHookLeadMs;
    constexpr uint32_t grace = HookWitness::kWitnessGraceMs;
    // A key the hooks saw explains no button; a modifier's press counts for neither
    // side, as the keyboard makes some up that only one side sees.
    {
        PickSession session;
        session.Start(kDefaultHotkey);
        session.OnHookEvent(KeyDownEvent(kKeyA), 100);
        session.OnHookEvent(KeyDownEvent(kShiftVk), 100);
        session.OnWitnessedPress(PressKind::Button, 101);
        EXPECT_TRUE(session.HooksGone(101 + grace));
        EXPECT_FALSE(WitnessedKey(kShiftVk));
        EXPECT_TRUE(WitnessedKey(kKeyA));
    }
    // Presses the hooks swallowed that the witness never reports (as on Windows) do
    // not explain one long after; each explains one witnessed press only.
    {
        PickSession session;
        session.Start(kDefaultHotkey);
        session.OnHookEvent(KeyDownEvent(kKeyLeft), 100);
        session.OnWitnessedPress(PressKind::Key, 100 + lead + 1);
        EXPECT_TRUE(session.HooksGone(100 + lead + 1 + grace));
    }
    {
        PickSession session;
        session.Start(kDefaultHotkey);
        session.OnHookEvent(KeyDownEvent(kKeyLeft), 100);
        session.OnWitnessedPress(PressKind::Key, 101);
        session.OnWitnessedPress(PressKind::Key, 102);
        EXPECT_TRUE(session.HooksGone(102 + grace));
    }
    // The clock wraps.
    {
        PickSession session;
        session.Start(kDefaultHotkey);
        session.OnHookEvent(KeyDownEvent(kKeyA), 0xFFFFFFF0u);
        session.OnWitnessedPress(PressKind::Key, 0x10u);
        EXPECT_FALSE(session.HooksGone(0x10u + 10 * grace));
        session.OnWitnessedPress(PressKind::Key, 0x20u);
        EXPECT_FALSE(session.HooksGone(0x20u + grace - 1));
        EXPECT_TRUE(session.HooksGone(0x20u + grace));
    }
    // More unseen presses than can wait at once: gone without waiting for the grace.
    {
        PickSession session;
        session.Start(kDefaultHotkey);
        for (int i = 0; i < 8; ++i) session.OnWitnessedPress(PressKind::Button, 100);
        EXPECT_FALSE(session.HooksGone(100));
        session.OnWitnessedPress(PressKind::Key, 100);
        EXPECT_TRUE(session.HooksGone(100));
    }
    // A new pick starts with nothing noted.
    PickSession session;
    session.Start(kDefaultHotkey);
    session.OnWitnessedPress(PressKind::Key, 100);
    session.Finish(PickActionKind::Cancel);
    session.Start(kDefaultHotkey);
    EXPECT_FALSE(session.HooksGone(100 + 10 * grace));
}

}  // namespace
}  // namespace tintwell::testing
