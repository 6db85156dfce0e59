// The colours kept, worked as a user works them: palettes saved through the system's
// save dialog and checked byte for byte, a save that cannot be written, and the
// history switch in the system menu across restarts. (The menu's texts are read in
// copy_menu_items_test, inside the process that shows it: Wine's menu functions do
// not read another process's menus.)
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "e2e_config.h"
#include "program_folder.h"
#include "sampling_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

std::string FileBytes(const std::wstring &path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file) return "(missing)";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool FileExists(const std::wstring &path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFileBytes(const std::wstring &path, const std::string &bytes) {
    std::ofstream file(path.c_str(), std::ios::binary);
    file << bytes;
}

std::wstring HistoryPath() {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::wstring(folder) + L"\\Tintwell\\history.txt";
}

// A folder of the test's own under the system's temporary folder, emptied and
// removed with the object.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::wstring &name) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + name;
        // A picker that showed the folder in its dialog may still have held it open
        // when an earlier run tried to remove it.
        Empty();
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { Empty(); }
    void Empty() {
        for (const std::wstring &file : Files()) DeleteFileW((path_ + L"\\" + file).c_str());
        RemoveDirectoryW(path_.c_str());
    }
    const std::wstring &path() const { return path_; }
    std::vector<std::wstring> Files() const { return testsupport::FolderEntries(path_); }

  private:
    std::wstring path_;
};

// Runs a program of the machine itself: Wine starts a Unix executable as it is.
bool RunUnix(const std::wstring &commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// The folder's name on the machine beneath Wine; empty where there is none.
std::wstring UnixNameOf(const std::wstring &path) {
    using UnixName = char *(CDECL *)(const wchar_t *);
    const auto toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr) return std::wstring();
    char *name = toUnix(path.c_str());
    if (name == nullptr) return std::wstring();
    wchar_t unixPath[MAX_PATH * 2] = {};
    MultiByteToWideChar(CP_UTF8, 0, name, -1, unixPath, MAX_PATH * 2);
    HeapFree(GetProcessHeap(), 0, name);
    return unixPath;
}

// Sets or clears the folder's immutable flag, which even root's writes heed (Wine
// runs as root here, and root ignores permissions); true once done. Wine does not
// wait for a Unix program to end: the step marks its end with a file beside the folder.
bool SetImmutable(const std::wstring &folder, bool on) {
    const std::wstring unixFolder = UnixNameOf(folder);
    if (unixFolder.empty()) return false;
    const std::wstring done = folder + L".done";
    DeleteFileW(done.c_str());
    RunUnix(L"/bin/sh -c \"/usr/bin/chattr " + std::wstring(on ? L"+i" : L"-i") + L" '" +
            unixFolder + L"'; touch '" + unixFolder + L".done'\"");
    const bool ended = WaitUntil(10000, [&] { return FileExists(done); });
    DeleteFileW(done.c_str());
    return ended;
}

// Clears the flag again, whatever the test's outcome.
struct FolderUnlock {
    std::wstring folder;
    ~FolderUnlock() { SetImmutable(folder, false); }
};

// Whether a new file can be made in the folder (none is left there).
bool CanMakeFileIn(const std::wstring &folder) {
    const std::wstring probe = folder + L"\\probe";
    const HANDLE made =
        CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (made == INVALID_HANDLE_VALUE) return false;
    CloseHandle(made);
    DeleteFileW(probe.c_str());
    return true;
}

class ColourKeptTest : public SamplingTest {
  protected:
    void SetUp() override {
        // No history from an earlier run: each test starts as a first start would.
        DeleteFileW(HistoryPath().c_str());
        SamplingTest::SetUp();
    }
    void TearDown() override {
        SamplingTest::TearDown();
        DeleteFileW(HistoryPath().c_str());
    }

    testing::AssertionResult OpenMenu() {
        Click(ControlCentre(kCommand1), Button::Right);
        if (WaitUntil(kUpdateTimeoutMs, [&] { return VisibleMenuOf(uiThread()) != nullptr; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "no menu showed";
    }
    testing::AssertionResult CloseMenu() {
        Key(VK_ESCAPE);
        if (WaitUntil(kUpdateTimeoutMs, [&] { return VisibleMenuOf(uiThread()) == nullptr; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "the menu stayed open";
    }

    // Up from no selection reaches the last item, "パレットを保存…".
    HWND OpenSaveDialog() {
        if (!OpenMenu()) return nullptr;
        Pause(200);
        Key(VK_UP);
        Key(VK_RETURN);
        return process().WaitForMessageBox(kUpdateTimeoutMs);
    }

    // Replaces the proposed file name with the path.
    void TypeName(const std::wstring &path) {
        Key(VK_HOME);
        Key(VK_END, true);
        TypeText(path);
        typed_ = WindowText(FocusOf(uiThread()));
    }

    // Types the path into the dialog's file name, which has the focus and its text
    // selected, and saves; answers "yes" when asked whether to replace a file.
    void SaveAs(HWND dialog, const std::wstring &path) {
        TypeName(path);
        Key(VK_RETURN);
        WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindowVisible(dialog) || !IsWindow(dialog); });
        Pause(300);
    }

    // "色の履歴を保存", just above the loupe's switch at the end of the system menu,
    // from the keyboard.
    void FlipHistorySwitch() {
        SetForegroundWindow(form());
        AltKey(VK_SPACE);
        Pause(300);
        Key(VK_UP);
        Key(VK_UP);
        Key(VK_RETURN);
        Pause(300);
    }

    void Restart() {
        process_.reset();
        process_ = std::make_unique<PickerProcess>(TheConfig().picker);
        ASSERT_TRUE(process_->started());
        form_ = process_->WaitForForm(kStartTimeoutMs);
        ASSERT_NE(form_, nullptr);
        ASSERT_TRUE(TextBecomes(L"#FFFFFF", kStartTimeoutMs));
    }

    // The file name as the dialog's field showed it before it was sent.
    std::wstring typed_;

    // Chooses the item this many places above the last one (the save item) from the
    // keyboard; separators do not count.
    testing::AssertionResult ChooseFromTheEnd(int above) {
        testing::AssertionResult opened = OpenMenu();
        if (!opened) return opened;
        Pause(200);  // a key that arrives before the menu loop runs is lost
        for (int i = 0; i <= above; ++i) Key(VK_UP);
        Key(VK_RETURN);
        if (WaitUntil(kUpdateTimeoutMs, [&] { return VisibleMenuOf(uiThread()) == nullptr; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "the menu stayed open";
    }

    // What a message box of the picker says, once it shows one whose text holds
    // `part`; the box is closed then. Empty when none did.
    std::wstring MessageSaying(const std::wstring &part) {
        std::wstring said;
        HWND box = nullptr;
        WaitUntil(kUpdateTimeoutMs, [&] {
            said.clear();
            box = process().WaitForMessageBox(100);
            for (HWND child = box ? GetWindow(box, GW_CHILD) : nullptr; child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                said += WindowText(child);
            }
            return said.find(part) != std::wstring::npos;
        });
        if (said.find(part) == std::wstring::npos) return L"";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(box); });
        return said;
    }

    // Starts, instead of the picker the fixture started, a copy of it in the folder
    // with the library and the portable marker beside it.
    testing::AssertionResult StartPortableCopy(const std::wstring &folder) {
        const std::wstring exe = folder + L"\\tintwell.exe";
        if (!CopyFileW(TheConfig().picker.c_str(), exe.c_str(), FALSE) ||
            !CopyFileW(TheConfig().library.c_str(), (folder + L"\\dyeplate.dll").c_str(), FALSE)) {
            return testing::AssertionFailure() << "the picker could not be copied";
        }
        WriteFileBytes(folder + L"\\portable", "");
        process_.reset();
        process_ = std::make_unique<PickerProcess>(exe);
        if (!process_->started()) return testing::AssertionFailure() << "the copy did not start";
        form_ = process_->WaitForForm(kStartTimeoutMs);
        if (form_ == nullptr) return testing::AssertionFailure() << "the copy showed no window";
        if (!TextBecomes(L"#FFFFFF", kStartTimeoutMs)) return testing::AssertionFailure();
        return testing::AssertionSuccess();
    }

    void SampleInRedMode(uint32_t colour) {
        if (!IsChecked(kOption4)) {
            ClickControl(kOption4);
            WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kOption4); });
        }
        ASSERT_TRUE(Sample(colour, DisplayText(colour)));
    }
};

TEST_F(ColourKeptTest, PalettesAreSavedThroughTheDialogByteForByte) {
    ScratchFolder folder(L"tintwell_palettes");
    const std::wstring gpl = folder.path() + L"\\picked.gpl";
    const std::wstring ase = folder.path() + L"\\picked.ase";
    SampleInRedMode(Rgb(0x1A, 0x2B, 0x3C));
    SampleInRedMode(Rgb(0xFF, 0x00, 0x80));

    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    SaveAs(dialog, gpl);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return FileExists(gpl); }))
        << "typed: " << testing::PrintToString(typed_);
    EXPECT_EQ(FileBytes(gpl),
              "GIMP Palette\nName: Tintwell\n255 0 128\t#FF0080\n26 43 60\t#1A2B3C\n");

    dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    SaveAs(dialog, ase);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return FileExists(ase); }))
        << "typed: " << testing::PrintToString(typed_);
    const std::string header("ASEF\0\1\0\0\0\0\0\2", 12);
    // One block: type 1, length 36, 8 units of name, "#FF0080" and its zero, "RGB ",
    // 1.0f, 0.0f, 128/255 as a float (0x3F008081), global.
    const std::string first(
        "\0\1\0\0\0\x24\0\x08\0#\0F\0F\0\x30\0\x30\0\x38\0\x30\0\0RGB "
        "\x3F\x80\0\0\0\0\0\0\x3F\x00\x80\x81\0\0",
        42);
    const std::string bytes = FileBytes(ase);
    ASSERT_EQ(bytes.size(), 12u + 2 * 42u);
    EXPECT_EQ(bytes.substr(0, 12), header);
    EXPECT_EQ(bytes.substr(12, 42), first);
    EXPECT_EQ(folder.Files().size(), 2u) << "no temporary file is left";
}

TEST_F(ColourKeptTest, ASaveIntoAFolderThatCannotBeWrittenLeavesTheOldFileAndSaysSo) {
    ScratchFolder folder(L"tintwell_locked");
    const std::wstring target = folder.path() + L"\\old.gpl";
    WriteFileBytes(target, "old palette\n");
    // Z: is the machine's root under Wine; root ignores permissions but not the
    // immutable flag.
    ASSERT_TRUE(SetImmutable(folder.path(), true));
    FolderUnlock unlock{folder.path()};
    if (CanMakeFileIn(folder.path())) {
        GTEST_SKIP() << "this file system cannot lock a folder against its owner: "
                     << testing::PrintToString(folder.path());
    }

    SampleInRedMode(Rgb(0x1A, 0x2B, 0x3C));
    const HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    TypeName(target);
    Key(VK_RETURN);
    // Asked whether to replace the file: yes.
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return process().CountMessageBoxes() >= 2; }));
    Key(VK_RETURN);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
    // The message box, once its text can be read.
    std::wstring said;
    const std::wstring expected = L"パレットを \"" + target + L"\" に保存できませんでした。";
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] {
        said.clear();
        const HWND message = process().WaitForMessageBox(100);
        for (HWND child = message ? GetWindow(message, GW_CHILD) : nullptr; child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            said += WindowText(child);
        }
        return said.find(expected) != std::wstring::npos;
    })) << testing::PrintToString(said);
    Key(VK_RETURN);
    EXPECT_EQ(FileBytes(target), "old palette\n");
    EXPECT_EQ(folder.Files(), std::vector<std::wstring>{L"old.gpl"});
}

TEST_F(ColourKeptTest, TheHistorySwitchKeepsTheListAcrossARestartAndOffDeletesTheFile) {
    SampleInRedMode(Rgb(0x12, 0x34, 0x56));
    EXPECT_FALSE(FileExists(HistoryPath())) << "nothing is written while the switch is off";
    FlipHistorySwitch();
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return FileExists(HistoryPath()); }));
    SampleInRedMode(Rgb(0x1A, 0x2B, 0x3C));
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] {
        return FileBytes(HistoryPath()) == "#1A2B3C\n#123456\n";
    })) << FileBytes(HistoryPath());

    Restart();
    // Both back, newest first, just above the paste and save items; in red mode a
    // colour without its pick comes back as itself.
    ClickControl(kOption4);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kOption4); }));
    ASSERT_TRUE(ChooseFromTheEnd(2));
    EXPECT_TRUE(TextBecomes(L"#123456"));
    ASSERT_TRUE(ChooseFromTheEnd(3));
    EXPECT_TRUE(TextBecomes(L"#1A2B3C"));

    FlipHistorySwitch();
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !FileExists(HistoryPath()); }));
    Restart();
    // No recent colours: above the paste item are "ほかの形式" and the last format,
    // the decimal COLORREF of white.
    ASSERT_TRUE(SetClipboardText(L"left by the test"));
    ASSERT_TRUE(ChooseFromTheEnd(3));
    EXPECT_TRUE(ClipboardBecomes(L"16777215"));
    EXPECT_FALSE(FileExists(HistoryPath()));
}

// Portable mode: with an empty "portable" beside a copy of the program, the switch
// keeps the history beside that copy, and nothing goes to the application-data folder.
TEST_F(ColourKeptTest, WithThePortableMarkerTheHistoryIsKeptBesideTheProgram) {
    ScratchFolder folder(L"tintwell_portable");
    const std::wstring beside = folder.path() + L"\\history.txt";
    ASSERT_TRUE(StartPortableCopy(folder.path()));

    SampleInRedMode(Rgb(0x12, 0x34, 0x56));
    FlipHistorySwitch();
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return FileBytes(beside) == "#123456\n"; }))
        << FileBytes(beside);
    EXPECT_FALSE(FileExists(HistoryPath())) << "the history went to the application-data folder";
    FlipHistorySwitch();
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !FileExists(beside); }));
    // The copy ends before its folder is emptied.
    process_.reset();
    std::vector<std::wstring> left = folder.Files();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::wstring>{L"dyeplate.dll", L"portable", L"tintwell.exe"}));
}

// A portable copy on a folder that cannot be written (a locked stick): the history
// that cannot be kept there is said, naming the file, and goes nowhere else.
TEST_F(ColourKeptTest, APortableFolderThatCannotBeWrittenIsSaid) {
    ScratchFolder folder(L"tintwell_portable_locked");
    const std::wstring beside = folder.path() + L"\\history.txt";
    ASSERT_TRUE(StartPortableCopy(folder.path()));
    ASSERT_TRUE(SetImmutable(folder.path(), true));
    FolderUnlock unlock{folder.path()};
    if (CanMakeFileIn(folder.path())) {
        GTEST_SKIP() << "this file system cannot lock a folder against its owner";
    }

    SampleInRedMode(Rgb(0x12, 0x34, 0x56));
    FlipHistorySwitch();
    EXPECT_NE(MessageSaying(L"色の履歴をファイル \"" + beside + L"\" に保存できません。"), L"");
    EXPECT_FALSE(FileExists(beside));
    EXPECT_FALSE(FileExists(HistoryPath())) << "the history went to the application-data folder";
    process_.reset();
}

TEST_F(ColourKeptTest, TheFileWrittenIsTheNameTheDialogConfirmed) {
    ScratchFolder folder(L"tintwell_palette_names");
    // What the save once wrote instead of the name asked about, silently replacing it.
    const std::wstring beside = folder.path() + L"\\colours.2024.gpl";
    WriteFileBytes(beside, "keep me\n");
    SampleInRedMode(Rgb(0x12, 0x34, 0x56));
    const std::string gpl = "GIMP Palette\nName: Tintwell\n18 52 86\t#123456\n";

    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    const std::wstring dated = folder.path() + L"\\colours.2024";
    SaveAs(dialog, dated);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return FileExists(dated); }))
        << "typed: " << testing::PrintToString(typed_);
    EXPECT_EQ(FileBytes(dated), gpl) << "an extension of no palette: the chosen type";
    EXPECT_EQ(FileBytes(beside), "keep me\n");

    // A name without an extension: the dialog adds the chosen type's.
    dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    const std::wstring plain = folder.path() + L"\\plain";
    SaveAs(dialog, plain);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return FileExists(plain + L".gpl"); }))
        << "typed: " << testing::PrintToString(typed_);
    EXPECT_EQ(FileBytes(plain + L".gpl"), gpl);
    std::vector<std::wstring> files = folder.Files();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
              (std::vector<std::wstring>{L"colours.2024", L"colours.2024.gpl", L"plain.gpl"}));
}

// Unticking the item in another window deletes the file; this one follows at its next
// change instead of making the file again, so ticking it here turns keeping on anew.
TEST_F(ColourKeptTest, AnotherWindowsOffHoldsHereAtTheNextChange) {
    FlipHistorySwitch();
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return FileExists(HistoryPath()); }));
    ASSERT_TRUE(DeleteFileW(HistoryPath().c_str()));
    SampleInRedMode(Rgb(0x12, 0x34, 0x56));
    Pause(300);
    EXPECT_FALSE(FileExists(HistoryPath())) << "the file was made again";
    FlipHistorySwitch();
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] {
        return FileBytes(HistoryPath()) == "#123456\n";
    })) << FileBytes(HistoryPath());
}

// A file in the history's place that is too long to be one: said at start and again
// when keeping is turned on, kept off, and the file stays byte for byte.
TEST_F(ColourKeptTest, AHistoryFileThatCannotBeUsedIsReportedAndLeftByteForByte) {
    const std::wstring path = HistoryPath();
    const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    CreateDirectoryW(folder.c_str(), nullptr);
    std::string damaged("\0\xFF not a history\r\n", 20);
    while (damaged.size() <= 64 * 1024) damaged += "#123456\r\n";
    WriteFileBytes(path, damaged);

    Restart();
    const std::wstring said = MessageSaying(L"64 KiB");
    EXPECT_NE(said.find(L"\"" + path + L"\""), std::wstring::npos) << testing::PrintToString(said);

    FlipHistorySwitch();
    EXPECT_EQ(MessageSaying(L"64 KiB"), said) << "said again when keeping is asked for";
    SampleInRedMode(Rgb(0x1A, 0x2B, 0x3C));
    Pause(300);
    EXPECT_EQ(FileBytes(path), damaged);
    WIN32_FIND_DATAW found{};
    std::vector<std::wstring> names;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        if (found.cFileName[0] != L'.') names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_EQ(names, std::vector<std::wstring>{L"history.txt"}) << "no temporary file";
}

}  // namespace
}  // namespace e2e
