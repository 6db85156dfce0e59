#include "history_switch.h"

#include "command_ids.h"
#include "user_texts.h"

namespace tintwell::win32 {

HistorySwitch::HistorySwitch(Form &form, Win32Platform &platform, HandlerRunner &runner)
    : form_(form), platform_(platform), runner_(runner), menu_(nullptr) {}

void HistorySwitch::Attach(SystemMenu &menu) {
    menu_ = &menu;
    menu.Add({kKeepHistoryCommand, captions::kKeepHistory,
              [this] { return platform_.KeepingHistory(); }, [this] { Switch(); }});
    // Keeping may also go off on its own, when the file is found gone.
    platform_.OnHistorySwitched([this](bool) {
        if (menu_ != nullptr) menu_->ShowTicks();
    });
}

void HistorySwitch::Restore() {
    runner_.RunHandler([&] { form_.RestoreRecentColours(platform_.StartHistory()); });
    if (menu_ != nullptr) menu_->ShowTicks();
}

// Chosen from the menu, which runs it as a handler and shows the ticks afterwards.
void HistorySwitch::Switch() {
    platform_.SwitchHistory(!platform_.KeepingHistory(), form_.RecentColourList());
}

}  // namespace tintwell::win32
