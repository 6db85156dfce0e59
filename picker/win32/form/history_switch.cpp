#include "history_switch.h"

#include "command_ids.h"
#include "user_texts.h"

namespace tintwell::win32 {

HistorySwitch::HistorySwitch(Form &form, Win32Platform &platform)
    : form_(form), platform_(platform), menu_(nullptr) {}

void HistorySwitch::Attach(SystemMenu &menu) {
    menu_ = &menu;
    menu.Add({kKeepHistoryCommand, captions::kKeepHistory,
              [this] { return platform_.KeepingHistory(); }, [this] { Switch(); }});
}

void HistorySwitch::Restore() {
    form_.RestoreRecentColours(platform_.StartHistory());
    if (menu_ != nullptr) menu_->ShowTicks();
}

void HistorySwitch::Switch() {
    platform_.SwitchHistory(!platform_.KeepingHistory(), form_.RecentColourList());
}

}  // namespace tintwell::win32
