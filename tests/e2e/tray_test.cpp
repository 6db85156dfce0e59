// The notification area, one resident instance, the start with Windows and the
// settings file, with the real program: the dialog's boxes ticked as a user ticks
// them, the icon clicked with real X input where Wine shows it (its own window of
// icons, as no notification area runs on the test's display), and the registry and
// the settings file read back from this test's private prefix.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "e2e_config.h"
#include "picker_fixture.h"
#include "screen_probe.h"
#include "settings_dialog_ids.h"
#include "user_input.h"
#include "utf8_text.h"
#include "window_probe.h"

namespace e2e {
namespace {

using testsupport::Pause;
using testsupport::PickerProcess;
using testsupport::WaitUntil;

// The system commands and the icon's menu command (command_ids.h).
constexpr WPARAM kLoupeItem = 0x0010;
constexpr WPARAM kThreeByThreeItem = 0x0030;
constexpr WPARAM kTrayExitItem = 0x0203;
constexpr LRESULT kRgbFormatIndex = 2;
constexpr const wchar_t *kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring SettingsFile() {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::wstring(folder) + L"\\Tintwell\\settings.ini";
}

std::wstring KeptFileBeside(const wchar_t *name) {
    const std::wstring settings = SettingsFile();
    return settings.substr(0, settings.rfind(L'\\') + 1) + name;
}

bool WriteBytes(const std::wstring &path, const std::string &bytes) {
    CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file << bytes;
    return static_cast<bool>(file);
}

std::string Bytes(const std::wstring &path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file) return "(missing)";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Holds(const std::string &text, const char *line) {
    return text.find(std::string(line) + "\r\n") != std::string::npos;
}

// The Run value's text; "(missing)" when it is not there.
std::wstring RunValue() {
    wchar_t value[2048] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Tintwell", RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return L"(missing)";
    }
    return value;
}

// The choices are put into effect after the dialog has gone, and the icon's
// messages to the notification area let others' messages in meanwhile: what they
// write is waited for.
testing::AssertionResult RunValueBecomes(const std::wstring &expected) {
    if (testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return RunValue() == expected; })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "the Run value is " << testsupport::Utf8(RunValue());
}

testing::AssertionResult FileBecomes(const std::function<bool(const std::string &)> &wanted) {
    if (testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return wanted(Bytes(SettingsFile())); })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "settings.ini holds " << Bytes(SettingsFile());
}

bool Missing(const std::string &bytes) {
    return bytes == "(missing)";
}

std::wstring ImagePath(HANDLE process) {
    wchar_t path[2048] = {};
    DWORD size = 2048;
    if (!QueryFullProcessImageNameW(process, 0, path, &size)) return std::wstring();
    return std::wstring(path, size);
}

// The icons Wine shows for programs when the display has no notification area of
// its own: child windows of one window of icons.
std::vector<HWND> TrayIcons() {
    std::vector<HWND> icons;
    const HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    if (tray == nullptr || !IsWindowVisible(tray)) return icons;
    for (HWND icon = FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr); icon != nullptr;
         icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr)) {
        if (IsWindowVisible(icon)) icons.push_back(icon);
    }
    return icons;
}

// The form of a process, shown or not.
HWND FormOf(DWORD processId) {
    for (HWND window = FindWindowExW(nullptr, nullptr, tintwell::win32::kFormClass, nullptr);
         window != nullptr;
         window = FindWindowExW(nullptr, window, tintwell::win32::kFormClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

class TrayTest : public PickerTest {
  protected:
    void SetUp() override {
        // Nothing kept by an earlier test reaches this one's start.
        SetFileAttributesW(SettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(SettingsFile().c_str());
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tintwell");
        DeleteFileW(KeptFileBeside(L"formats.txt").c_str());
        PickerTest::SetUp();
    }
    void TearDown() override {
        // A resident picker hides at WM_CLOSE; the icon's "終了" ends it.
        for (PickerProcess *process : {process_.get(), other_.get()}) {
            if (process == nullptr || !process->IsRunning()) continue;
            const HWND form = FormOf(process->id());
            if (form != nullptr) PostMessageW(form, WM_COMMAND, kTrayExitItem, 0);
            process->WaitForExit(10000);
        }
        other_.reset();
        PickerTest::TearDown();
        SetFileAttributesW(SettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(SettingsFile().c_str());
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tintwell");
        DeleteFileW(KeptFileBeside(L"formats.txt").c_str());
        UnregisterHotKey(nullptr, kTestsHotkeyId);
    }

    // The message box the picker shows, its text once read; OK pressed on it.
    std::wstring AnswerMessage() {
        const std::wstring said = ShownMessageText();
        PostMessageW(process().WaitForMessageBox(1000), WM_COMMAND, IDOK, 0);
        testsupport::WaitUntil(kUpdateTimeoutMs,
                               [&] { return process().CountMessageBoxes() == 0; });
        return said;
    }
    // Whether this test, as another program, can take Win+Shift+C now; it keeps it
    // when `keep`.
    bool TakeDefaultHotkey(bool keep) {
        if (!RegisterHotKey(nullptr, kTestsHotkeyId, MOD_WIN | MOD_SHIFT | MOD_NOREPEAT, 'C')) {
            return false;
        }
        if (!keep) UnregisterHotKey(nullptr, kTestsHotkeyId);
        return true;
    }
    static constexpr int kTestsHotkeyId = 0x5A;

    testing::AssertionResult FormShows(bool shown) const {
        if (testsupport::WaitUntil(kUpdateTimeoutMs,
                                   [&] { return (IsWindowVisible(form()) != 0) == shown; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "the window is " << (shown ? "hidden" : "shown");
    }

    bool Ticked(HWND dialog, int box) const {
        return SendDlgItemMessageW(dialog, box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // Clicks each box once, as a user does, and presses OK.
    void ClickInSettings(std::initializer_list<int> boxes, LRESULT format = -1) {
        const HWND dialog = OpenSettings();
        ASSERT_NE(dialog, nullptr);
        for (int box : boxes) {
            const bool was = Ticked(dialog, box);
            PostMessageW(GetDlgItem(dialog, box), BM_CLICK, 0, 0);
            ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs,
                                               [&] { return Ticked(dialog, box) != was; }))
                << "box " << box;
        }
        if (format >= 0) SendDlgItemMessageW(dialog, IDC_SETTINGS_FORMAT, CB_SETCURSEL, format, 0);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
    }

    // The one icon the test's picker shows; nullptr when none shows in time.
    HWND WaitForIcon() const {
        HWND icon = nullptr;
        testsupport::WaitUntil(kUpdateTimeoutMs, [&] {
            const std::vector<HWND> icons = TrayIcons();
            icon = icons.size() == 1 ? icons.front() : nullptr;
            return icon != nullptr;
        });
        return icon;
    }
    bool ClickIcon(HWND icon, const std::wstring &click) const {
        RECT place{};
        GetWindowRect(icon, &place);
        return RunXdoTool(L"mousemove " + std::to_wstring((place.left + place.right) / 2) + L" " +
                          std::to_wstring((place.top + place.bottom) / 2)) &&
               RunXdoTool(click);
    }

    // Ends the picker as a user would.
    void End() {
        const HWND old = form_;
        if (IsWindowVisible(old)) PostMessageW(old, WM_CLOSE, 0, 0);
        if (process_->WaitForExit(kUpdateTimeoutMs) == STILL_ACTIVE) {
            PostMessageW(old, WM_COMMAND, kTrayExitItem, 0);
        }
        ASSERT_NE(process_->WaitForExit(kUpdateTimeoutMs), STILL_ACTIVE);
    }
    // Ends the picker and starts it again, as at the next sign-in.
    void Restart(const std::wstring &arguments = {}) {
        End();
        if (HasFatalFailure()) return;
        process_ = std::make_unique<PickerProcess>(TheConfig().picker, arguments);
        ASSERT_TRUE(process_->started());
        ASSERT_TRUE(testsupport::WaitUntil(kStartTimeoutMs, [&] {
            form_ = FormOf(process_->id());
            return form_ != nullptr && Text1() == L"#FFFFFF";
        }));
    }

    std::unique_ptr<PickerProcess> other_;
};

TEST_F(TrayTest, ResidentTheWindowHidesTheIconClicksPickOrShowAndItsMenuEndsTheProgram) {
    EXPECT_TRUE(TrayIcons().empty()) << "no icon while the box is unticked";
    ClickInSettings({IDC_SETTINGS_RESIDENT});
    const HWND icon = WaitForIcon();
    ASSERT_NE(icon, nullptr);

    PostMessageW(form(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(FormShows(false));
    testsupport::Pause(500);
    EXPECT_TRUE(process().IsRunning());
    EXPECT_EQ(WaitForIcon(), icon);

    // One click starts a pick from the screen, once no second click can follow.
    ASSERT_TRUE(ClickIcon(icon, L"click 1"));
    EXPECT_TRUE(LoupeBecomes(true));
    EXPECT_FALSE(IsWindowVisible(form())) << "the pick leaves the window where it is";
    ASSERT_TRUE(RunXdoTool(L"key Escape"));
    EXPECT_TRUE(LoupeBecomes(false));

    // A double click shows the window, and starts no pick.
    ASSERT_TRUE(ClickIcon(icon, L"click --repeat 2 --delay 80 1"));
    EXPECT_TRUE(FormShows(true));
    testsupport::Pause(800);
    EXPECT_EQ(ShownWindow(L"TintwellLoupe", nullptr), nullptr);

    // Minimising hides it again.
    PostMessageW(form(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(FormShows(false));

    ASSERT_TRUE(ClickIcon(icon, L"click 3"));
    HWND menu = nullptr;
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] {
        return (menu = ShownWindow(L"#32768", nullptr));
    })) << "the icon's menu did not open";
    // "終了", the menu's last item.
    RECT items{};
    GetWindowRect(menu, &items);
    ASSERT_TRUE(RunXdoTool(L"mousemove " + std::to_wstring((items.left + items.right) / 2) + L" " +
                           std::to_wstring(items.bottom - 8)));
    ASSERT_TRUE(RunXdoTool(L"click 1"));
    EXPECT_EQ(process().WaitForExit(kUpdateTimeoutMs), 0u);
    EXPECT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [] { return TrayIcons().empty(); }));
}

TEST_F(TrayTest, ASecondStartShowsTheResidentWindowAndEndsWhileUnresidentOnesRunSideBySide) {
    ClickInSettings({IDC_SETTINGS_RESIDENT});
    ASSERT_NE(WaitForIcon(), nullptr);
    PostMessageW(form(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(FormShows(false));

    other_ = std::make_unique<PickerProcess>(TheConfig().picker);
    ASSERT_TRUE(other_->started());
    EXPECT_EQ(other_->WaitForExit(kStartTimeoutMs), 0u);
    EXPECT_TRUE(FormShows(true));
    EXPECT_FALSE(IsIconic(form()));
    EXPECT_EQ(TrayIcons().size(), 1u);

    // Unticked, the icon goes and a second start is a second picker.
    ClickInSettings({IDC_SETTINGS_RESIDENT});
    EXPECT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [] { return TrayIcons().empty(); }));
    other_ = std::make_unique<PickerProcess>(TheConfig().picker);
    ASSERT_NE(other_->WaitForForm(kStartTimeoutMs), nullptr);
    EXPECT_TRUE(other_->IsRunning());
    EXPECT_TRUE(IsWindowVisible(form()));
}

TEST_F(TrayTest, SettingsSurviveARestartOnlyWhileKeptAndUntickingDeletesTheFile) {
    ClickInSettings({IDC_SETTINGS_HOTKEY, IDC_SETTINGS_KEEP}, kRgbFormatIndex);
    EXPECT_TRUE(FileBecomes([](const std::string &kept) {
        return Holds(kept, "hotkey_enabled=on") && Holds(kept, "pick_format=rgb(r, g, b)");
    }));
    std::string kept;

    // The system menu's switches are kept as they change.
    PostMessageW(form(), WM_SYSCOMMAND, kLoupeItem, 0);
    PostMessageW(form(), WM_SYSCOMMAND, kThreeByThreeItem, 0);
    EXPECT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] {
        kept = Bytes(SettingsFile());
        return Holds(kept, "loupe=on") && Holds(kept, "sample_size=3x3");
    })) << kept;

    Restart();
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Ticked(dialog, IDC_SETTINGS_HOTKEY));
    EXPECT_TRUE(Ticked(dialog, IDC_SETTINGS_KEEP));
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SETTINGS_FORMAT, CB_GETCURSEL, 0, 0),
              kRgbFormatIndex);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
    EXPECT_EQ(Bytes(SettingsFile()), kept) << "a start only reads";

    ClickInSettings({IDC_SETTINGS_KEEP});
    EXPECT_TRUE(FileBecomes(Missing));
    Restart();
    dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(Ticked(dialog, IDC_SETTINGS_HOTKEY));
    EXPECT_FALSE(Ticked(dialog, IDC_SETTINGS_KEEP));
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SETTINGS_FORMAT, CB_GETCURSEL, 0, 0), 0);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(Missing(Bytes(SettingsFile()))) << "nothing is made without the box";
}

TEST_F(TrayTest, TheRunValueStartsThePickerHiddenInTheNotificationAreaAndUntickingRemovesIt) {
    EXPECT_EQ(RunValue(), L"(missing)") << "nothing is registered before the box is ticked";
    ClickInSettings({IDC_SETTINGS_RESIDENT, IDC_SETTINGS_START_WITH_WINDOWS, IDC_SETTINGS_KEEP});
    const std::wstring exe = ImagePath(process().handle());
    ASSERT_FALSE(exe.empty());
    const std::wstring registered = L"\"" + exe + L"\" /tray";
    EXPECT_TRUE(RunValueBecomes(registered));
    ASSERT_TRUE(FileBecomes([](const std::string &kept) {
        return Holds(kept, "resident=on") && Holds(kept, "start_with_windows=on");
    }));
    ASSERT_EQ(process().CountMessageBoxes(), 0) << testsupport::Utf8(ShownMessageText());

    // As the Run value starts it at sign-in: hidden, with its icon.
    Restart(L"/tray");
    ASSERT_NE(WaitForIcon(), nullptr);
    testsupport::Pause(500);
    EXPECT_FALSE(IsWindowVisible(form()));
    other_ = std::make_unique<PickerProcess>(TheConfig().picker);
    EXPECT_EQ(other_->WaitForExit(kStartTimeoutMs), 0u);
    EXPECT_TRUE(FormShows(true));

    ClickInSettings({IDC_SETTINGS_START_WITH_WINDOWS});
    EXPECT_TRUE(RunValueBecomes(L"(missing)"));
    // Leaving the notification area takes the start with Windows with it.
    ClickInSettings({IDC_SETTINGS_START_WITH_WINDOWS});
    EXPECT_TRUE(RunValueBecomes(registered));
    ClickInSettings({IDC_SETTINGS_RESIDENT, IDC_SETTINGS_KEEP});
    EXPECT_TRUE(RunValueBecomes(L"(missing)"));
    EXPECT_TRUE(FileBecomes(Missing));

    // Not resident, a /tray start shows the window as any other.
    Restart(L"/tray");
    EXPECT_TRUE(FormShows(true));
    EXPECT_TRUE(TrayIcons().empty());
}

TEST_F(TrayTest, ASettingsFileThatCannotBeWrittenOrDeletedIsSaidAndTheRestGoesOn) {
    ClickInSettings({IDC_SETTINGS_KEEP});
    ASSERT_TRUE(FileBecomes([](const std::string &kept) { return Holds(kept, "loupe=off"); }));
    const std::string kept = Bytes(SettingsFile());
    ASSERT_TRUE(SetFileAttributesW(SettingsFile().c_str(), FILE_ATTRIBUTE_READONLY));

    PostMessageW(form(), WM_SYSCOMMAND, kLoupeItem, 0);
    std::wstring said = ShownMessageText();
    EXPECT_NE(said.find(L"に保存できません。"), std::wstring::npos) << testsupport::Utf8(said);
    EXPECT_NE(said.find(L"settings.ini"), std::wstring::npos) << testsupport::Utf8(said);
    EXPECT_NE(said.find(L"アクセスが拒否されました。"), std::wstring::npos)
        << "the reason is given: " << testsupport::Utf8(said);
    PostMessageW(process().WaitForMessageBox(1000), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs,
                                       [&] { return process().CountMessageBoxes() == 0; }));
    EXPECT_EQ(Bytes(SettingsFile()), kept) << "the old file stays whole";

    // Unticking cannot delete it either: said, and the box stays ticked.
    const HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    PostMessageW(GetDlgItem(dialog, IDC_SETTINGS_KEEP), BM_CLICK, 0, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs,
                                       [&] { return !Ticked(dialog, IDC_SETTINGS_KEEP); }));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
    said = ShownMessageText();
    EXPECT_NE(said.find(L"を削除できません。"), std::wstring::npos) << testsupport::Utf8(said);
    EXPECT_NE(said.find(L"アクセスが拒否されました。"), std::wstring::npos)
        << "the reason is given: " << testsupport::Utf8(said);
    PostMessageW(process().WaitForMessageBox(1000), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs,
                                       [&] { return process().CountMessageBoxes() == 0; }));
    const HWND again = OpenSettings();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(Ticked(again, IDC_SETTINGS_KEEP));
    PostMessageW(again, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(again); }));

    // Writable again, the next change is kept.
    SetFileAttributesW(SettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    PostMessageW(form(), WM_SYSCOMMAND, kThreeByThreeItem, 0);
    EXPECT_TRUE(FileBecomes([](const std::string &bytes) {
        return Holds(bytes, "loupe=on") && Holds(bytes, "sample_size=3x3");
    }));
}

TEST_F(TrayTest, AResidentPickerEndsWhenAnInstallerAsksProgramsToClose) {
    ClickInSettings({IDC_SETTINGS_RESIDENT});
    ASSERT_NE(WaitForIcon(), nullptr);
    PostMessageW(form(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(FormShows(false));
    // What the restart manager sends a program's windows.
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(form(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL,
                        kUpdateTimeoutMs, &answer);
    EXPECT_NE(answer, 0u) << "the picker lets the session end";
    PostMessageW(form(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    EXPECT_EQ(process().WaitForExit(kUpdateTimeoutMs), 0u);
    EXPECT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [] { return TrayIcons().empty(); }));
}

TEST_F(TrayTest, AStartWithTheHotkeyTakenSaysSoOnceAndTheFileKeepsItThroughAnUnrelatedChange) {
    ASSERT_TRUE(WriteBytes(SettingsFile(), "hotkey_enabled=on\r\nhotkey=Win+Shift+C\r\n"));
    ASSERT_TRUE(TakeDefaultHotkey(true));
    Restart();
    const std::wstring said = AnswerMessage();
    EXPECT_NE(said.find(L"Win+Shift+C"), std::wstring::npos) << testsupport::Utf8(said);
    EXPECT_NE(said.find(L"次の起動時"), std::wstring::npos) << testsupport::Utf8(said);

    PostMessageW(form(), WM_SYSCOMMAND, kLoupeItem, 0);
    EXPECT_TRUE(FileBecomes([](const std::string &kept) {
        return Holds(kept, "loupe=on") && Holds(kept, "hotkey_enabled=on");
    }));
    EXPECT_EQ(process().CountMessageBoxes(), 0) << "said once";
}

TEST_F(TrayTest, ASettingsFileLockedAtStartIsSaidAndNeverWrittenOver) {
    const std::string kept = "hotkey_enabled=off\r\nresident=off\r\nloupe=off\r\n";
    ASSERT_TRUE(WriteBytes(SettingsFile(), kept));
    End();
    ASSERT_FALSE(HasFatalFailure());
    // An editor or a scanner holding it, with no sharing, for the whole start.
    const HANDLE lock = CreateFileW(SettingsFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    process_ = std::make_unique<PickerProcess>(TheConfig().picker);
    ASSERT_TRUE(process_->started());
    const std::wstring said = AnswerMessage();
    CloseHandle(lock);
    EXPECT_NE(said.find(L"settings.ini"), std::wstring::npos) << testsupport::Utf8(said);
    EXPECT_NE(said.find(L"読み取れません"), std::wstring::npos) << testsupport::Utf8(said);
    ASSERT_TRUE(testsupport::WaitUntil(kStartTimeoutMs, [&] {
        form_ = FormOf(process_->id());
        return form_ != nullptr && Text1() == L"#FFFFFF";
    }));

    PostMessageW(form(), WM_SYSCOMMAND, kLoupeItem, 0);
    PostMessageW(form(), WM_SYSCOMMAND, kThreeByThreeItem, 0);
    testsupport::Pause(1500);
    EXPECT_EQ(Bytes(SettingsFile()), kept);
}

TEST_F(TrayTest, OfTwoStartsAtOnceExactlyOneStaysResident) {
    ASSERT_TRUE(WriteBytes(SettingsFile(), "resident=on\r\n"));
    End();
    ASSERT_FALSE(HasFatalFailure());
    process_ = std::make_unique<PickerProcess>(TheConfig().picker);
    other_ = std::make_unique<PickerProcess>(TheConfig().picker);
    ASSERT_TRUE(process_->started() && other_->started());
    EXPECT_TRUE(testsupport::WaitUntil(kStartTimeoutMs, [&] {
        return process_->IsRunning() != other_->IsRunning();
    })) << "one of the two ends";
    if (!process_->IsRunning()) std::swap(process_, other_);
    form_ = FormOf(process_->id());
    EXPECT_NE(WaitForIcon(), nullptr);
    testsupport::Pause(500);
    EXPECT_EQ(TrayIcons().size(), 1u);
    EXPECT_EQ(other_->WaitForExit(kUpdateTimeoutMs), 0u);
}

TEST_F(TrayTest, TheIconIsAddedAgainWhenTheNotificationAreaIsMadeAnew) {
    ClickInSettings({IDC_SETTINGS_RESIDENT});
    ASSERT_NE(WaitForIcon(), nullptr);
    // As Explorer's restart takes it; Wine's window of icons stays, so the test
    // removes the icon itself.
    NOTIFYICONDATAW gone{};
    gone.cbSize = sizeof gone;
    gone.hWnd = form();
    gone.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [] { return TrayIcons().empty(); }));
    PostMessageW(form(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_NE(WaitForIcon(), nullptr);
}

TEST_F(TrayTest, ALongTemplateWithSpacesAtItsEndsIsStillThePicksFormatAfterARestart) {
    std::string longTemplate = "  {r:X}{g:X}{b:X}";
    longTemplate += std::string(200 - longTemplate.size() - 1, '-') + " ";
    ASSERT_TRUE(WriteBytes(KeptFileBeside(L"formats.txt"), longTemplate + "\r\n"));
    constexpr LRESULT kFirstTemplate = 15;
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    ASSERT_GT(SendDlgItemMessageW(dialog, IDC_SETTINGS_FORMAT, CB_GETCOUNT, 0, 0), kFirstTemplate);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
    ClickInSettings({IDC_SETTINGS_KEEP}, kFirstTemplate);
    ASSERT_TRUE(FileBecomes([](const std::string &kept) { return Holds(kept, "loupe=off"); }));

    Restart();
    dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SETTINGS_FORMAT, CB_GETCURSEL, 0, 0), kFirstTemplate)
        << Bytes(SettingsFile());
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
}

TEST_F(TrayTest, UntickingTheHotkeyLeavesItFreeForAnotherProgram) {
    ClickInSettings({IDC_SETTINGS_HOTKEY});
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !TakeDefaultHotkey(false); }))
        << "the picker holds it";
    ClickInSettings({IDC_SETTINGS_HOTKEY});
    EXPECT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return TakeDefaultHotkey(false); }));
}

TEST_F(TrayTest, TickingResidentOffersTheStartWithWindowsAtOnce) {
    const HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    const HWND start = GetDlgItem(dialog, IDC_SETTINGS_START_WITH_WINDOWS);
    EXPECT_FALSE(IsWindowEnabled(start));
    PostMessageW(GetDlgItem(dialog, IDC_SETTINGS_RESIDENT), BM_CLICK, 0, 0);
    EXPECT_TRUE(
        testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return IsWindowEnabled(start) != 0; }));
    PostMessageW(GetDlgItem(dialog, IDC_SETTINGS_RESIDENT), BM_CLICK, 0, 0);
    EXPECT_TRUE(
        testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return IsWindowEnabled(start) == 0; }));
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
}

TEST_F(TrayTest, TheKeyFieldTakesAltCombinations) {
    const HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    const HWND keys = GetDlgItem(dialog, IDC_SETTINGS_HOTKEY_KEYS);
    RECT place{};
    GetWindowRect(keys, &place);
    ASSERT_TRUE(RunXdoTool(L"mousemove " + std::to_wstring((place.left + place.right) / 2) + L" " +
                           std::to_wstring((place.top + place.bottom) / 2)));
    ASSERT_TRUE(RunXdoTool(L"click 1"));
    testsupport::Pause(300);
    ASSERT_TRUE(RunXdoTool(L"key alt+shift+p"));
    std::wstring shown;
    EXPECT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs,
                                       [&] {
                                           shown = testsupport::WindowText(keys);
                                           return shown == L"Alt+Shift+P";
                                       }))
        << "the key field shows " << testsupport::Utf8(shown);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(testsupport::WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
}

}  // namespace
}  // namespace e2e
