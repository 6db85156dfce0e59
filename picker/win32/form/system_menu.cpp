#include "system_menu.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "colour_word.h"
#include "command_ids.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// The picker's part of the system menu, top to bottom, by the owners' ranges. The
// loupe's switch comes last, where the keyboard finds it with one Up, the history's
// just above it; the settings above the rest.
constexpr IdRange kOrder[] = {
    kSettingsCommands,
    kSampleSizeCommands,
    kKeepHistoryCommands,
    kLoupeSwitchCommands,
};

std::optional<size_t> PlaceOf(UINT command) {
    for (size_t place = 0; place < std::size(kOrder); ++place) {
        if (kOrder[place].Holds(command)) return place;
    }
    return std::nullopt;
}

}  // namespace

std::optional<UINT> MenuCommandOf(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND) {
        if (wParam > 0xFFFF) return std::nullopt;
        return static_cast<UINT>(wParam & 0xFFF0);
    }
    if (message == WM_COMMAND && HIWORD(wParam) == 0 && lParam == 0) {
        return static_cast<UINT>(LOWORD(wParam));
    }
    return std::nullopt;
}

SystemMenu::SystemMenu(HandlerRunner &runner, FailureSink &failures)
    : runner_(runner), failures_(failures), window_(nullptr), systemItems_(0), entries_() {}

void SystemMenu::Attach(HWND window) {
    window_ = window;
    systemItems_ = GetMenuItemCount(GetSystemMenu(window, FALSE));
    Build();
}

void SystemMenu::Add(SystemMenuItem item) {
    std::vector<SystemMenuItem> items;
    items.push_back(std::move(item));
    Declare(Entry{nullptr, std::move(items), false, 0, nullptr});
}

void SystemMenu::AddChoices(const wchar_t *text, std::vector<SystemMenuItem> choices) {
    Declare(Entry{text, std::move(choices), true, 0, nullptr});
}

void SystemMenu::Declare(Entry entry) {
    if (entry.items.empty()) throw std::invalid_argument("a submenu without choices");
    const std::optional<size_t> place = PlaceOf(entry.items.front().command);
    for (const SystemMenuItem &item : entry.items) {
        const auto same = [&](const SystemMenuItem &other) {
            return other.command == item.command;
        };
        if (!IsSystemCommand(item.command) || !place || PlaceOf(item.command) != place ||
            ItemOf(item.command) != nullptr ||
            std::count_if(entry.items.begin(), entry.items.end(), same) != 1) {
            throw std::invalid_argument("a system menu item without a place of its own");
        }
    }
    entry.place = *place;
    // After those of its place declared before it.
    const auto at = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry &shown) { return shown.place > entry.place; });
    entries_.insert(at, std::move(entry));
    Build();
}

// Everything the picker added goes, and all of it comes again in order: a submenu
// goes with its item.
void SystemMenu::Build() {
    if (window_ == nullptr) return;
    const HMENU menu = GetSystemMenu(window_, FALSE);
    bool built = menu != nullptr;
    if (built) {
        for (int at = GetMenuItemCount(menu) - 1; at >= systemItems_; --at) {
            DeleteMenu(menu, static_cast<UINT>(at), MF_BYPOSITION);
        }
    }
    for (Entry &entry : entries_) entry.popup = nullptr;
    if (built && !entries_.empty()) {
        built = AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) != FALSE;
        for (Entry &entry : entries_) built = built && Append(menu, entry);
    }
    if (!built) {
        failures_.HandlerFailed(
            std::make_exception_ptr(PickerError(messages::kCannotAddMenuItems)));
        return;
    }
    ShowTicks();
}

bool SystemMenu::Append(HMENU menu, Entry &entry) const {
    if (!entry.submenu) {
        const SystemMenuItem &item = entry.items.front();
        return AppendMenuW(menu, MF_STRING | MF_UNCHECKED, item.command, item.text) != FALSE;
    }
    const HMENU popup = CreatePopupMenu();
    if (popup == nullptr) return false;
    for (const SystemMenuItem &item : entry.items) {
        if (!AppendMenuW(popup, MF_STRING, item.command, item.text)) {
            DestroyMenu(popup);
            return false;
        }
    }
    // The system menu owns the submenu from here on and destroys it with itself.
    if (!AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), entry.text)) {
        DestroyMenu(popup);
        return false;
    }
    entry.popup = popup;
    return true;
}

void SystemMenu::ShowTicks() {
    if (window_ == nullptr) return;
    const HMENU menu = GetSystemMenu(window_, FALSE);
    if (menu == nullptr) return;
    for (const Entry &entry : entries_) ShowTicks(menu, entry);
}

void SystemMenu::ShowTicks(HMENU menu, const Entry &entry) const {
    if (!entry.submenu) {
        const SystemMenuItem &item = entry.items.front();
        if (!item.ticked) return;
        CheckMenuItem(menu, item.command,
                      MF_BYCOMMAND | (item.ticked() ? MF_CHECKED : MF_UNCHECKED));
        return;
    }
    if (entry.popup == nullptr) return;
    const auto ticked =
        std::find_if(entry.items.begin(), entry.items.end(),
                     [](const SystemMenuItem &item) { return item.ticked && item.ticked(); });
    if (ticked == entry.items.end()) {
        for (const SystemMenuItem &item : entry.items) {
            CheckMenuItem(entry.popup, item.command, MF_BYCOMMAND | MF_UNCHECKED);
        }
        return;
    }
    CheckMenuRadioItem(entry.popup, entry.items.front().command, entry.items.back().command,
                       ticked->command, MF_BYCOMMAND);
}

const SystemMenuItem *SystemMenu::ItemOf(UINT command) const {
    for (const Entry &entry : entries_) {
        for (const SystemMenuItem &item : entry.items) {
            if (item.command == command) return &item;
        }
    }
    return nullptr;
}

bool SystemMenu::OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
    // The ticks as the menu or one of its submenus opens; the opening goes on as it
    // would.
    if (message == WM_INITMENUPOPUP) {
        const auto popup = reinterpret_cast<HMENU>(wParam);
        const bool ours =
            HIWORD(lParam) != 0 || std::any_of(entries_.begin(), entries_.end(),
                                               [&](const Entry &e) { return e.popup == popup; });
        if (ours) ShowTicks();
        return false;
    }
    const std::optional<UINT> command = MenuCommandOf(message, wParam, lParam);
    if (!command) return false;
    const SystemMenuItem *item = ItemOf(*command);
    if (item == nullptr) return false;
    // A copy: the handler may declare items, which moves the entries.
    const std::function<void()> chosen = item->chosen;
    // The user asked for it: a failure is told each time it is chosen.
    if (chosen) runner_.RunChosenHandler(chosen);
    ShowTicks();
    result = 0;
    return true;
}

}  // namespace tintwell::win32
