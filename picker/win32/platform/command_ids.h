// Every number the window layer gives something of its own, one registry per kind:
// the form's commands (its controls' ids, its system menu's items and whatever else
// arrives as WM_COMMAND or WM_SYSCOMMAND), the copy menu's items, the timers of each
// window, and the form's private messages. Each owner is given a range here, and no
// id is used that its owner's range does not hold; ranges of one kind never meet,
// which the build checks below. A range marked "reserved" has no owner in the
// program yet and is kept free for the one named.
#ifndef TINTWELL_PICKER_WIN32_COMMAND_IDS_H
#define TINTWELL_PICKER_WIN32_COMMAND_IDS_H

#include <windows.h>

#include <initializer_list>

namespace tintwell::win32 {

// The ids one owner holds, both ends included.
struct IdRange {
    UINT first;
    UINT last;

    constexpr bool Holds(UINT id) const { return first <= id && id <= last; }
    constexpr bool Meets(const IdRange &other) const {
        return first <= other.last && other.first <= last;
    }
    constexpr UINT size() const { return last - first + 1; }
};

// No two of the ranges share an id, and none is upside down.
constexpr bool Disjoint(std::initializer_list<IdRange> ranges) {
    for (const IdRange *a = ranges.begin(); a != ranges.end(); ++a) {
        if (a->first > a->last) return false;
        for (const IdRange *b = a + 1; b != ranges.end(); ++b) {
            if (a->Meets(*b)) return false;
        }
    }
    return true;
}

constexpr bool Within(const IdRange &outer, std::initializer_list<IdRange> ranges) {
    for (const IdRange &range : ranges) {
        if (range.first < outer.first || range.last > outer.last) return false;
    }
    return true;
}

// ---- The form's commands ---------------------------------------------------------
// One space for WM_COMMAND and WM_SYSCOMMAND: the items of a submenu of the system
// menu arrive as plain commands, so a system command must not share its id with a
// control. The system keeps the low four bits of a system command for itself and
// owns those from 0xF000 up, so a system-menu owner's range is whole blocks of 16
// below that, and each of its items a multiple of 16.
constexpr UINT kFirstSystemsCommand = 0xF000;

// IDOK, IDCANCEL and the dialog manager's other buttons (Esc arrives as IDCANCEL).
constexpr IdRange kDialogButtonIds{1, 15};
// The system menu's items, each owner's block in the order the menu shows them is
// written down in system_menu.cpp.
constexpr IdRange kLoupeSwitchCommands{0x0010, 0x001F};
constexpr IdRange kSampleSizeCommands{0x0020, 0x004F};
constexpr IdRange kKeepHistoryCommands{0x0120, 0x012F};
// "設定…", which opens the settings dialog.
constexpr IdRange kSettingsCommands{0x0130, 0x013F};
// The form's child windows (control_id.h), with room for a few more.
constexpr IdRange kControlIds{101, 127};
// The notification-area icon's menu, whose items come as WM_COMMAND.
constexpr IdRange kTrayCommands{0x0200, 0x02FF};
constexpr UINT kTrayOpenCommand = 0x0201;
constexpr UINT kTrayPickCommand = 0x0202;
constexpr UINT kTrayExitCommand = 0x0203;

constexpr UINT kLoupeCommand = 0x0010;
constexpr UINT kOnePixelCommand = 0x0020;
constexpr UINT kThreeByThreeCommand = 0x0030;
constexpr UINT kFiveByFiveCommand = 0x0040;
constexpr UINT kKeepHistoryCommand = 0x0120;
constexpr UINT kSettingsCommand = 0x0130;

constexpr bool IsSystemCommandBlock(const IdRange &range) {
    return range.first % 16 == 0 && range.size() % 16 == 0 && range.last < kFirstSystemsCommand;
}
constexpr bool IsSystemCommand(UINT id) {
    return id != 0 && id % 16 == 0 && id < kFirstSystemsCommand;
}

static_assert(Disjoint({kDialogButtonIds, kLoupeSwitchCommands, kSampleSizeCommands,
                        kKeepHistoryCommands, kSettingsCommands, kControlIds, kTrayCommands}),
              "two owners of the form's commands share ids");
static_assert(IsSystemCommandBlock(kLoupeSwitchCommands) &&
                  IsSystemCommandBlock(kSampleSizeCommands) &&
                  IsSystemCommandBlock(kKeepHistoryCommands) &&
                  IsSystemCommandBlock(kSettingsCommands),
              "a system-menu owner's range is whole blocks of 16 below the system's own");
static_assert(IsSystemCommand(kLoupeCommand) && kLoupeSwitchCommands.Holds(kLoupeCommand),
              "the loupe's switch");
static_assert(IsSystemCommand(kOnePixelCommand) && IsSystemCommand(kThreeByThreeCommand) &&
                  IsSystemCommand(kFiveByFiveCommand) &&
                  kSampleSizeCommands.Holds(kOnePixelCommand) &&
                  kSampleSizeCommands.Holds(kThreeByThreeCommand) &&
                  kSampleSizeCommands.Holds(kFiveByFiveCommand),
              "the sample sizes");
static_assert(IsSystemCommand(kKeepHistoryCommand) &&
                  kKeepHistoryCommands.Holds(kKeepHistoryCommand),
              "the history's switch");
static_assert(IsSystemCommand(kSettingsCommand) && kSettingsCommands.Holds(kSettingsCommand),
              "the settings dialog's item");
static_assert(kTrayCommands.Holds(kTrayOpenCommand) && kTrayCommands.Holds(kTrayPickCommand) &&
                  kTrayCommands.Holds(kTrayExitCommand) && !IsSystemCommand(kTrayOpenCommand) &&
                  !IsSystemCommand(kTrayPickCommand) && !IsSystemCommand(kTrayExitCommand),
              "the notification icon's menu: plain commands, so none reaches the system menu");

// ---- The copy menu's items ---------------------------------------------------------
// The copy button's menu returns its choice (TPM_RETURNCMD) rather than sending it,
// so these never arrive as commands; 0 is "nothing chosen", which the greyed lines
// return too. Its owner-drawn items reach the form's WM_MEASUREITEM and WM_DRAWITEM
// by id, though, so no other menu of the form may use them.
constexpr IdRange kCopyMenuIds{1, 399};
constexpr IdRange kCopyFormatIds{1, 100};
constexpr IdRange kRecentColourIds{101, 200};
constexpr IdRange kSavePaletteIds{201, 201};
// The item that reads a colour from the clipboard.
constexpr IdRange kClipboardColourIds{202, 202};
// The submenu of more formats, with room to grow; the item that opens it (never
// chosen, but measured and drawn as the others) and its last item, which opens the
// templates file.
constexpr IdRange kMoreFormatIds{210, 227};
constexpr IdRange kMoreFormatsItemIds{228, 228};
constexpr IdRange kEditTemplatesIds{229, 229};
// The user's templates (32 at most), the faulty lines shown greyed among them and
// the notes of what was skipped.
constexpr IdRange kTemplateIds{230, 299};
constexpr IdRange kDescriptionIds{301, 399};

static_assert(Disjoint({kCopyFormatIds, kRecentColourIds, kSavePaletteIds, kClipboardColourIds,
                        kMoreFormatIds, kMoreFormatsItemIds, kEditTemplatesIds, kTemplateIds,
                        kDescriptionIds}),
              "two owners of the copy menu's items share ids");
static_assert(Within(kCopyMenuIds, {kCopyFormatIds, kRecentColourIds, kSavePaletteIds,
                                    kClipboardColourIds, kMoreFormatIds, kMoreFormatsItemIds,
                                    kEditTemplatesIds, kTemplateIds, kDescriptionIds}),
              "the copy menu draws the swatch column of its own ids only");
static_assert(kMoreFormatIds.size() >= 7 && kTemplateIds.size() >= 32, "room as promised");
static_assert(Disjoint({kCopyMenuIds, kTrayCommands}),
              "the form's menus' owner-drawn items are told apart by id");

// ---- Timers ------------------------------------------------------------------------
// Each window numbers its timers for itself.
// The form's: Timer1 of the picker core, the sampling tick.
constexpr IdRange kSamplingTimers{1, 1};
constexpr UINT_PTR kTimer1 = 1;
// The form's: the eyedropper's delays, that let the screen be drawn again after the
// loupe stepped aside.
constexpr IdRange kEyedropperTimers{2, 7};
// The tick that found the loupe in its way, taken once the screen had a moment.
constexpr UINT_PTR kTickAfterStepAside = 2;
// Ctrl+F, taken once the hidden loupe is off the screen.
constexpr UINT_PTR kFreezeAfterHiding = 3;
// The form's: a pick from the screen's watch on dropped hooks, and its Ctrl+F taken
// once the loupe is off the screen.
// And its wait for the releases of what the pick swallowed, once it has ended.
constexpr IdRange kScreenPickTimers{8, 10};
constexpr UINT_PTR kPickWatchTimer = 8;
constexpr UINT_PTR kPickFreezeAfterHiding = 9;
constexpr UINT_PTR kPickOwedUpsTimer = 10;
// The form's: a click on the notification icon, taken once no second click can
// make it a double click.
constexpr IdRange kTrayClickTimers{11, 11};
constexpr UINT_PTR kTrayClickTimer = 11;
// The form's: the icon tried again a while after a start the notification area was
// not ready for.
constexpr IdRange kTrayRetryTimers{12, 12};
constexpr UINT_PTR kTrayRetryTimer = 12;
// The loupe's window: its frames.
constexpr UINT_PTR kLoupeFrameTimer = 1;
// The console picker's hidden window (tintwell-cli pick): the watch on dropped hooks,
// Ctrl+F taken once the loupe is off the screen, and the wait for the releases of
// what the pick swallowed.
constexpr IdRange kConsolePickTimers{1, 3};
constexpr UINT_PTR kConsolePickWatchTimer = 1;
constexpr UINT_PTR kConsolePickFreezeTimer = 2;
constexpr UINT_PTR kConsolePickOwedUpsTimer = 3;
static_assert(kConsolePickTimers.Holds(kConsolePickWatchTimer) &&
                  kConsolePickTimers.Holds(kConsolePickFreezeTimer) &&
                  kConsolePickTimers.Holds(kConsolePickOwedUpsTimer) &&
                  kConsolePickWatchTimer != kConsolePickFreezeTimer &&
                  kConsolePickOwedUpsTimer != kConsolePickWatchTimer &&
                  kConsolePickOwedUpsTimer != kConsolePickFreezeTimer,
              "the console pick's timers");

static_assert(Disjoint({kSamplingTimers, kEyedropperTimers, kScreenPickTimers, kTrayClickTimers,
                        kTrayRetryTimers}) &&
                  kTrayClickTimers.Holds(kTrayClickTimer) &&
                  kTrayRetryTimers.Holds(kTrayRetryTimer),
              "two owners of the form's timers");
static_assert(kScreenPickTimers.Holds(kPickWatchTimer) &&
                  kScreenPickTimers.Holds(kPickFreezeAfterHiding) &&
                  kScreenPickTimers.Holds(kPickOwedUpsTimer) &&
                  kPickWatchTimer != kPickFreezeAfterHiding &&
                  kPickOwedUpsTimer != kPickWatchTimer &&
                  kPickOwedUpsTimer != kPickFreezeAfterHiding,
              "the screen pick's timers");
static_assert(kSamplingTimers.Holds(kTimer1) && kEyedropperTimers.Holds(kTickAfterStepAside) &&
                  kEyedropperTimers.Holds(kFreezeAfterHiding) &&
                  kTickAfterStepAside != kFreezeAfterHiding,
              "the form's timers");

// ---- The form's private messages ---------------------------------------------------
constexpr IdRange kFailureReportMessages{WM_APP + 1, WM_APP + 1};
// Posted to the form to show the noted failure.
constexpr UINT kShowFailureMessage = WM_APP + 1;
// The notification-area icon's callback.
constexpr IdRange kTrayIconMessages{WM_APP + 2, WM_APP + 2};
constexpr UINT kTrayIconMessage = WM_APP + 2;
// Posted by a pick's hooks, each with what the pick makes of an event.
constexpr IdRange kScreenPickMessages{WM_APP + 30, WM_APP + 30};
constexpr UINT kPickActionMessage = WM_APP + 30;
// Sent to the form by a part that has something to tell the user (TellUser): the
// one report queues it with the rest.
constexpr IdRange kTellUserMessages{WM_APP + 40, WM_APP + 40};
constexpr UINT kTellUserMessage = WM_APP + 40;

static_assert(Disjoint({kFailureReportMessages, kTrayIconMessages, kScreenPickMessages,
                        kTellUserMessages}) &&
                  Within(IdRange{WM_APP, 0xBFFF}, {kFailureReportMessages, kTrayIconMessages,
                                                   kScreenPickMessages, kTellUserMessages}),
              "the form's private messages");
static_assert(kFailureReportMessages.Holds(kShowFailureMessage), "the failure report");
static_assert(kTellUserMessages.Holds(kTellUserMessage), "what a part tells the user");
static_assert(kTrayIconMessages.Holds(kTrayIconMessage), "the notification icon's callback");
static_assert(kScreenPickMessages.Holds(kPickActionMessage), "the pick's hooks");

// ---- Hotkeys ------------------------------------------------------------------------
// The form's, in WM_HOTKEY's wParam: the pick's hotkey takes turns between two ids,
// so that a new combination is registered before the old one is let go.
constexpr IdRange kPickHotkeyIds{1, 2};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_COMMAND_IDS_H
