// The picker's part of the system menu: one owner builds it from what the parts
// declare, in one order whatever order they declare in, and a command reaches only
// the item of its id, and only from a menu; on a bare window of the test's own, then
// on the real form.
#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "command_ids.h"
#include "failing_window_sink.h"
#include "live_form.h"
#include "system_menu.h"
#include "window_base.h"

namespace {

using namespace tintwell::win32;

// The registry's checks themselves, which the build runs: ranges that share an end,
// a range upside down, a later pair that meets, and system-menu ranges that are not
// whole blocks of 16 below the system's own.
static_assert(!Disjoint({IdRange{1, 10}, IdRange{10, 20}}) && !Disjoint({IdRange{5, 4}}) &&
              !Disjoint({IdRange{1, 9}, IdRange{30, 40}, IdRange{35, 36}}) &&
              Disjoint({IdRange{1, 9}, IdRange{10, 20}, IdRange{30, 40}}));
static_assert(!IsSystemCommandBlock(IdRange{0x10, 0x2E}) &&
              !IsSystemCommandBlock(IdRange{0xF000, 0xF00F}) && !IsSystemCommand(0x0128) &&
              !Within(IdRange{1, 399}, {IdRange{390, 400}}));

// Runs a handler as the form does, keeping what failed.
class FailureKeepingRunner : public HandlerRunner {
  public:
    void RunHandler(const std::function<void()> &handler) override {
        try {
            handler();
        } catch (const std::exception &error) {
            failures.push_back(error.what());
        }
    }
    void RunChosenHandler(const std::function<void()> &handler) override { RunHandler(handler); }
    std::vector<std::string> failures;
};

class CountingSink : public FailureSink {
  public:
    void HandlerFailed(const std::exception_ptr &) noexcept override { ++failures; }
    int failures = 0;
};

// A window with a system menu, whose parts' messages go to the menu; what the menu
// does not take reaches the window itself, which notes it.
class MenuWindow : public WindowBase<MenuWindow> {
  public:
    static constexpr const wchar_t *kClass = L"TintwellSystemMenuTest";
    explicit MenuWindow(SystemMenu &menu) : WindowBase(testsupport::EndTheTestOnFailure()) {
        Register(GetModuleHandleW(nullptr), kClass, nullptr);
        Create(GetModuleHandleW(nullptr), kClass, L"", WS_OVERLAPPEDWINDOW, 0,
               RECT{0, 0, 200, 100});
        AddOwner(menu);
    }
    ~MenuWindow() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND || message == WM_SYSCOMMAND) reached.push_back(message);
        if (message == WM_SYSCOMMAND) return 0;  // none of the system's own either
        return Default(message, wParam, lParam);
    }
    std::vector<UINT> reached;
};

HMENU SystemMenuOf(HWND window) {
    return GetSystemMenu(window, FALSE);
}

// The items from `from` on, one line each: a separator, or the text with the id and
// "*" when ticked; a submenu's items in brackets after its text.
std::vector<std::wstring> Lines(HMENU menu, int from = 0) {
    std::vector<std::wstring> lines;
    for (int at = from; at < GetMenuItemCount(menu); ++at) {
        const UINT state = GetMenuState(menu, static_cast<UINT>(at), MF_BYPOSITION);
        HMENU sub = GetSubMenu(menu, at);
        // A submenu's item count is in the state's high byte, where the separator's
        // flag is too.
        if (sub == nullptr && (state & MF_SEPARATOR) != 0) {
            lines.push_back(L"---");
            continue;
        }
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(at), text, 64, MF_BYPOSITION);
        std::wstring line = text;
        if (sub != nullptr) {
            line += L" [";
            for (const std::wstring &inner : Lines(sub)) line += inner + L"; ";
            line += L"]";
        } else {
            line += L" " + std::to_wstring(GetMenuItemID(menu, at));
        }
        if ((state & MF_CHECKED) != 0) line += L" *";
        lines.push_back(line);
    }
    return lines;
}

// An item that switches `on`.
SystemMenuItem Switch(UINT command, const wchar_t *text, bool &on) {
    return {command, text, [&on] { return on; }, [&on] { on = !on; }};
}

// The three declarations the picker makes, with states of the test's own.
struct Owners {
    int size = 0;
    std::array<int, 3> sizeChosen{};
    bool history = true;
    bool loupe = false;

    void DeclareSizes(SystemMenu &menu) {
        std::vector<SystemMenuItem> sizes;
        const UINT commands[] = {kOnePixelCommand, kThreeByThreeCommand, kFiveByFiveCommand};
        const wchar_t *texts[] = {L"one", L"three", L"five"};
        for (int i = 0; i < 3; ++i) {
            sizes.push_back({commands[i], texts[i], [this, i] { return size == i; },
                             [this, i] {
                                 ++sizeChosen[i];
                                 size = i;
                             }});
        }
        menu.AddChoices(L"sizes", std::move(sizes));
    }
    enum Part { kSizes, kHistory, kLoupe };
    void Declare(int part, SystemMenu &menu) {
        if (part == kSizes) DeclareSizes(menu);
        if (part == kHistory) menu.Add(Switch(kKeepHistoryCommand, L"history", history));
        if (part == kLoupe) menu.Add(Switch(kLoupeCommand, L"loupe", loupe));
    }
};

const std::vector<std::wstring> kPickersPart = {
    L"---",
    L"sizes [one 32 *; three 48; five 64; ]",
    L"history 288 *",
    L"loupe 16",
};

class SystemMenuTest : public testing::Test {
  protected:
    FailureKeepingRunner runner_;
    CountingSink sink_;
};

// Every order of the declarations, with the window attached first, in the middle
// or last: the same menu, the system's own items untouched before it.
TEST_F(SystemMenuTest, TheMenuIsTheSameWhateverOrderItsPartsAreDeclaredIn) {
    std::vector<std::wstring> systemItems;
    for (int attachAt = 0; attachAt <= 3; ++attachAt) {
        std::array<int, 3> order = {0, 1, 2};
        do {
            SCOPED_TRACE(testing::Message() << "declared " << order[0] << order[1] << order[2]
                                            << ", attached after " << attachAt);
            SystemMenu menu(runner_, sink_);
            Owners owners;
            MenuWindow window(menu);
            ASSERT_NE(window.hwnd(), nullptr);
            const int own = GetMenuItemCount(SystemMenuOf(window.hwnd()));
            ASSERT_GT(own, 0);
            for (int i = 0; i < 3; ++i) {
                if (i == attachAt) menu.Attach(window.hwnd());
                owners.Declare(order[i], menu);
            }
            if (attachAt == 3) menu.Attach(window.hwnd());
            const std::vector<std::wstring> all = Lines(SystemMenuOf(window.hwnd()));
            const std::vector<std::wstring> before(all.begin(), all.begin() + own);
            if (systemItems.empty()) systemItems = before;
            EXPECT_EQ(before, systemItems);
            EXPECT_EQ(Lines(SystemMenuOf(window.hwnd()), own), kPickersPart);
        } while (std::next_permutation(order.begin(), order.end()));
    }
    EXPECT_EQ(sink_.failures, 0);
}

// The size's ids as a control's notification or an accelerator, ids the order places
// but no item holds, and ids of no range: none reaches an item, and each goes on to
// the window as any message the menu does not own.
TEST_F(SystemMenuTest, ACommandReachesOnlyTheItemOfItsIdAndOnlyFromAMenu) {
    SystemMenu menu(runner_, sink_);
    Owners owners;
    MenuWindow window(menu);
    menu.Attach(window.hwnd());
    owners.Declare(Owners::kSizes, menu);
    owners.Declare(Owners::kLoupe, menu);
    const HWND control = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, window.hwnd(),
                                         reinterpret_cast<HMENU>(0x30), nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    const HWND w = window.hwnd();

    struct Stray {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Stray strays[] = {
        {WM_COMMAND, MAKEWPARAM(kThreeByThreeCommand, BN_CLICKED),
         reinterpret_cast<LPARAM>(control)},
        {WM_COMMAND, MAKEWPARAM(kThreeByThreeCommand, 1), 0},  // an accelerator
        {WM_COMMAND, MAKEWPARAM(kLoupeCommand, BN_CLICKED), reinterpret_cast<LPARAM>(control)},
        {WM_COMMAND, 0x0025, 0},  // inside the sizes' range, no item's
        {WM_SYSCOMMAND, 0x0050, 0},
        {WM_SYSCOMMAND, kKeepHistoryCommand, 0},  // a range the order places, no item yet
        {WM_SYSCOMMAND, static_cast<WPARAM>(kThreeByThreeCommand) | (WPARAM{1} << 16), 0},
        {WM_COMMAND, kFirstSystemsCommand + kLoupeCommand, 0},
    };
    for (const Stray &stray : strays) SendMessageW(w, stray.message, stray.wParam, stray.lParam);
    EXPECT_EQ(owners.sizeChosen, (std::array<int, 3>{0, 0, 0}));
    EXPECT_FALSE(owners.loupe);
    EXPECT_EQ(window.reached.size(), std::size(strays)) << "each went on to the window";

    // The system's low bits do not matter to a system command; a submenu's item comes
    // as a plain command from the menu.
    window.reached.clear();
    SendMessageW(w, WM_SYSCOMMAND, kThreeByThreeCommand | 0x0002, 0);
    SendMessageW(w, WM_COMMAND, kFiveByFiveCommand, 0);
    SendMessageW(w, WM_SYSCOMMAND, kLoupeCommand, 0);
    EXPECT_EQ(owners.sizeChosen, (std::array<int, 3>{0, 1, 1}));
    EXPECT_TRUE(owners.loupe);
    EXPECT_TRUE(window.reached.empty());
}

// After each command, whatever its handler did before it failed, and as the menu
// opens after its owner's state changed elsewhere.
TEST_F(SystemMenuTest, TicksFollowWhatTheirOwnersSay) {
    SystemMenu menu(runner_, sink_);
    Owners owners;
    MenuWindow window(menu);
    owners.Declare(Owners::kSizes, menu);
    owners.Declare(Owners::kHistory, menu);
    menu.Attach(window.hwnd());
    menu.Add({kLoupeCommand, L"loupe", [&] { return owners.loupe; },
              [&] {
                  owners.loupe = true;
                  throw std::runtime_error("half done");
              }});
    const HMENU system = SystemMenuOf(window.hwnd());
    const int own = GetMenuItemCount(system) - static_cast<int>(kPickersPart.size());

    SendMessageW(window.hwnd(), WM_SYSCOMMAND, kFiveByFiveCommand, 0);
    SendMessageW(window.hwnd(), WM_SYSCOMMAND, kKeepHistoryCommand, 0);
    SendMessageW(window.hwnd(), WM_SYSCOMMAND, kLoupeCommand, 0);
    EXPECT_EQ(runner_.failures, std::vector<std::string>{"half done"});
    EXPECT_EQ(Lines(system, own),
              (std::vector<std::wstring>{L"---", L"sizes [one 32; three 48; five 64 *; ]",
                                         L"history 288", L"loupe 16 *"}));

    owners.size = 1;
    owners.history = true;
    SendMessageW(window.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(system),
                 MAKELPARAM(0, TRUE));
    EXPECT_EQ(Lines(system, own),
              (std::vector<std::wstring>{L"---", L"sizes [one 32; three 48 *; five 64; ]",
                                         L"history 288 *", L"loupe 16 *"}));
}

TEST_F(SystemMenuTest, AnItemWithoutAPlaceOfItsOwnIsRefused) {
    SystemMenu menu(runner_, sink_);
    Owners owners;
    MenuWindow window(menu);
    menu.Attach(window.hwnd());
    owners.Declare(Owners::kSizes, menu);
    owners.Declare(Owners::kLoupe, menu);
    const std::vector<std::wstring> before = Lines(SystemMenuOf(window.hwnd()));
    auto item = [](UINT command) { return SystemMenuItem{command, L"x", nullptr, nullptr}; };
    EXPECT_THROW(menu.Add(item(0x0050)), std::invalid_argument) << "no range of the order's";
    EXPECT_THROW(menu.Add(item(0x0128)), std::invalid_argument) << "no system command";
    EXPECT_THROW(menu.Add(item(kLoupeCommand)), std::invalid_argument) << "taken";
    EXPECT_THROW(menu.AddChoices(L"x", {item(kKeepHistoryCommand), item(kSettingsCommands.first)}),
                 std::invalid_argument)
        << "two places";
    EXPECT_THROW(menu.AddChoices(L"x", {}), std::invalid_argument);
    EXPECT_EQ(Lines(SystemMenuOf(window.hwnd())), before);
}

class FormSystemMenuTest : public LiveFormTest {
  protected:
    // The size ticked once the menu has asked the eyedropper, as it does opening.
    int TickedSize() {
        const HMENU system = GetSystemMenu(form_->hwnd(), FALSE);
        SendMessageW(form_->hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(system),
                     MAKELPARAM(0, TRUE));
        const HMENU sizes = GetSubMenu(system, GetMenuItemCount(system) - 3);
        for (int item = 0; item < GetMenuItemCount(sizes); ++item) {
            if (GetMenuState(sizes, item, MF_BYPOSITION) & MF_CHECKED) return item;
        }
        return -1;
    }
};

TEST_F(FormSystemMenuTest, TheSampleSizeChangesOnlyFromTheMenu) {
    const HWND copyButton = Control(tintwell::win32::kCommand1);
    SendMessageW(form_->hwnd(), WM_COMMAND, MAKEWPARAM(kFiveByFiveCommand, BN_CLICKED),
                 reinterpret_cast<LPARAM>(copyButton));
    SendMessageW(form_->hwnd(), WM_COMMAND, kFiveByFiveCommand + 1, 0);
    SendMessageW(form_->hwnd(), WM_SYSCOMMAND, kFiveByFiveCommand + 0x10, 0);
    EXPECT_EQ(TickedSize(), 0);
    SendMessageW(form_->hwnd(), WM_SYSCOMMAND, kThreeByThreeCommand, 0);
    EXPECT_EQ(TickedSize(), 1);
}

}  // namespace
