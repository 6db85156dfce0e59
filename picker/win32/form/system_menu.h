// The picker's items at the end of its window's system menu, below a separator. One
// owner builds them, from what the parts they belong to declare: an item is its
// command (from the registry, command_ids.h), its text, whether it shows ticked and
// what choosing it does. They show in the one order written down in system_menu.cpp,
// by the owners' ranges, whatever order the parts declare them in; and a command
// reaches only the item whose id it carries, and only from the menu.
//
// A new item is one declaration by its owner, its command named in the owner's range
// of the registry, which the order places; "設定…", say:
//     menu.Add({kSettingsCommand, captions::kSettings, nullptr, [this] { Open(); }});
#ifndef TINTWELL_PICKER_WIN32_FORM_SYSTEM_MENU_H
#define TINTWELL_PICKER_WIN32_FORM_SYSTEM_MENU_H

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "failure_sink.h"
#include "handler_routes.h"
#include "window_base.h"

namespace tintwell::win32 {

struct SystemMenuItem {
    // A system command in a range the menu's order places.
    UINT command;
    const wchar_t *text;
    // Whether the item shows ticked now; empty for an item that never does.
    std::function<bool()> ticked;
    // Run as a handler of the form: its failure is reported, and the ticks are
    // brought up to date after it, whatever it did.
    std::function<void()> chosen;
};

// Which command of the picker's a message carries from a menu: a system command,
// whose low four bits are the system's, or a plain command with neither a control
// nor an accelerator behind it (the items of a submenu of the system menu arrive so).
std::optional<UINT> MenuCommandOf(UINT message, WPARAM wParam, LPARAM lParam);

class SystemMenu : public MessageOwner {
  public:
    // A system menu that cannot take the items is said to `failures`; the picker
    // goes on without them.
    SystemMenu(HandlerRunner &runner, FailureSink &failures);
    SystemMenu(const SystemMenu &) = delete;
    SystemMenu &operator=(const SystemMenu &) = delete;

    // The window whose system menu it is; what was declared so far shows at once.
    void Attach(HWND window);

    // Declared before or after Attach, in any order. Throws std::invalid_argument
    // for a command that is no system command, that the order has no place for, or
    // that another item has already.
    void Add(SystemMenuItem item);
    // A submenu of choices, ticked as radio items, one at a time (the ticked one is
    // the first whose `ticked` holds); all of them in one range.
    void AddChoices(const wchar_t *text, std::vector<SystemMenuItem> choices);

    // Every tick as its owner says now: after each command, as the menu opens, and
    // when an owner's state changed elsewhere.
    void ShowTicks();

    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

  private:
    struct Entry {
        const wchar_t *text;
        std::vector<SystemMenuItem> items;
        bool submenu;
        size_t place;  // into the order
        HMENU popup;   // the submenu while it shows
    };

    void Declare(Entry entry);
    void Build();
    bool Append(HMENU menu, Entry &entry) const;
    void ShowTicks(HMENU menu, const Entry &entry) const;
    const SystemMenuItem *ItemOf(UINT command) const;

    HandlerRunner &runner_;
    FailureSink &failures_;
    HWND window_;
    // The system's own items, which come first.
    int systemItems_;
    // In the menu's order.
    std::vector<Entry> entries_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SYSTEM_MENU_H
