#include "pick_from_anywhere.h"

#include <exception>
#include <string>
#include <utility>

#include "command_ids.h"
#include "settings_dialog.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// How often, and how long after a start, the icon the notification area did not
// take is tried again: a sign-in start may come before the notification area is.
constexpr UINT kRetryEveryMs = 5000;
constexpr int kRetries = 24;

std::string Joined(const std::vector<std::string> &texts) {
    std::string joined;
    for (const std::string &text : texts) joined += (joined.empty() ? "" : "\n\n") + text;
    return joined;
}

}  // namespace

PickFromAnywhere::PickFromAnywhere(HINSTANCE instance, Form &form, Loupe &loupe,
                                   Eyedropper &eyedropper, HandlerRunner &runner)
    : instance_(instance),
      form_(form),
      loupe_(loupe),
      eyedropper_(eyedropper),
      runner_(runner),
      window_(nullptr),
      file_(),
      keeping_(file_),
      startup_(),
      hotkey_(),
      tray_(runner,
            [this] {
                if (!screenPick_.active()) screenPick_.Start();
            }),
      state_(*this, keeping_),
      screenPick_(
          form, loupe, runner, [this] { return state_.wanted().settings.pickFormat; },
          [this] { return state_.inEffect().hotkey.value_or(HotkeyCombo{}); }),
      starting_(false),
      retriesLeft_(0) {}

void PickFromAnywhere::Attach(HWND window, HICON icon, SystemMenu &menu) {
    window_ = window;
    hotkey_.Attach(window);
    tray_.Attach(window, icon);
    screenPick_.Attach(window);
    menu.Add({kSettingsCommand, captions::kSettingsItem, nullptr, [this] { OpenSettings(); }});
    eyedropper_.WatchSwitches([this] { KeepSwitches(); });
}

void PickFromAnywhere::Detach() {
    // The hooks and the hotkey go before the window does: neither may outlive it.
    screenPick_.Detach();
    if (retriesLeft_ > 0) KillTimer(window_, kTrayRetryTimer);
    retriesLeft_ = 0;
    // The icon and the mark go with the window, which is not shown again for them.
    tray_.Detach();
    state_.Stop();
}

void PickFromAnywhere::Start() {
    starting_ = true;
    const std::vector<std::string> failures = state_.Start();
    const Settings &wanted = state_.wanted().settings;
    eyedropper_.Restore(wanted.loupe, wanted.sampleSize);
    starting_ = false;
    // This start hands over to the resident one and ends; what it could not do is
    // no news.
    if (tray_.markElsewhere()) return;
    if (state_.IconOwed() && SetTimer(window_, kTrayRetryTimer, kRetryEveryMs, nullptr) != 0) {
        retriesLeft_ = kRetries;
    }
    if (!failures.empty()) throw PickerError(Joined(failures));
}

bool PickFromAnywhere::TakeHotkey(const HotkeyCombo &combo) {
    // A start that finds another instance resident ends: the hotkey stays that one's.
    if (starting_ && tray_.markElsewhere()) return false;
    return hotkey_.Take(combo);
}

void PickFromAnywhere::ShowIcon(bool on) {
    tray_.SetResident(on);
}

void PickFromAnywhere::OpenSettings() {
    const std::optional<WantedSettings> wanted =
        ShowSettingsDialog(instance_, window_, state_.wanted(), form_.PickFormatKeys());
    if (wanted) Change(*wanted);
}

void PickFromAnywhere::KeepSwitches() {
    if (starting_) return;
    WantedSettings wanted = state_.wanted();
    wanted.settings.loupe = loupe_.switchedOn();
    wanted.settings.sampleSize = form_.sampleSize();
    Change(wanted);
}

void PickFromAnywhere::Change(const WantedSettings &wanted) {
    const std::vector<std::string> failures = state_.Change(wanted);
    // An icon refused leaves the program as it was: not resident, and without the
    // mark, so that another start may be.
    if (!state_.wanted().settings.resident) tray_.SetResident(false);
    Say(failures);
}

void PickFromAnywhere::Say(const std::vector<std::string> &failures) {
    if (failures.empty()) return;
    const std::string text = Joined(failures);
    runner_.RunChosenHandler([&text] { throw PickerError(text); });
}

void PickFromAnywhere::OnRetryTimer() {
    if (state_.Later() || --retriesLeft_ <= 0) {
        KillTimer(window_, kTrayRetryTimer);
        retriesLeft_ = 0;
    }
}

bool PickFromAnywhere::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
    result = 0;
    switch (message) {
        case WM_HOTKEY:
            if (!kPickHotkeyIds.Holds(static_cast<UINT>(wParam))) return false;
            if (hotkey_.IsPressed(wParam)) screenPick_.Toggle();
            return true;
        case WM_TIMER:
            if (kTrayRetryTimers.Holds(static_cast<UINT>(wParam))) {
                OnRetryTimer();
                return true;
            }
            if (kScreenPickTimers.Holds(static_cast<UINT>(wParam))) {
                return screenPick_.OnMessage(message, wParam, lParam);
            }
            return kTrayClickTimers.Holds(static_cast<UINT>(wParam)) &&
                   tray_.OnMessage(message, wParam, lParam, result);
        case WM_COMMAND:
            return kTrayCommands.Holds(LOWORD(wParam)) &&
                   tray_.OwnMessage(message, wParam, lParam, result);
        case WM_INPUT:
            // The pick's witness of the input its hooks should have seen.
            return screenPick_.OnMessage(message, wParam, lParam);
        case WM_CLOSE:
            return tray_.HideOnClose();
        case WM_SIZE:
            // The form sees its minimising too, for the loupe.
            if (wParam == SIZE_MINIMIZED) tray_.OnMinimised();
            return false;
        default:
            break;
    }
    if (kScreenPickMessages.Holds(message)) {
        screenPick_.OnMessage(message, wParam, lParam);
        return true;
    }
    if (tray_.IsTaskbarCreated(message)) {
        // Explorer started again, or for the first time after a start it was not
        // ready for: the icon, when wanted, is added to the new notification area.
        tray_.IconGone();
        state_.TaskbarCreated();
        return true;
    }
    return tray_.OnMessage(message, wParam, lParam, result);
}

}  // namespace tintwell::win32
