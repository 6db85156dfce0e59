// The files the picker keeps, on the system's own file functions: a file written
// whole or not at all, small files read whole, the history file and its switch in
// folders of the test's own, and a palette written to exactly the name the save
// dialog confirmed (a stand-in dialog reports the user's answer).
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "colour_history.h"
#include "colour_history_file.h"
#include "history_keeping.h"
#include "palette_files.h"
#include "palette_saving.h"
#include "program_folder.h"
#include "utf8_text.h"
#include "whole_file.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;
using testsupport::Utf8;

ColorRef Rgb(int red, int green, int blue) {
    return static_cast<ColorRef>(red | (green << 8) | (blue << 16));
}

std::string Bytes(const std::wstring &path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file) return "(missing)";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void Put(const std::wstring &path, const std::string &bytes) {
    std::ofstream file(path.c_str(), std::ios::binary);
    file << bytes;
}

bool Exists(const std::wstring &path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> Names(const std::wstring &folder) {
    return testsupport::FolderEntries(folder);
}

void RemoveTree(const std::wstring &path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
        return;
    }
    for (const std::wstring &name : Names(path)) RemoveTree(path + L"\\" + name);
    RemoveDirectoryW(path.c_str());
}

// A folder of the test's own under the temporary folder, removed with what it holds.
class Scratch : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::wstring(temp) + L"tintwell_files_" + std::to_wstring(GetCurrentProcessId()) +
                  L"_" + std::wstring(test->name(), test->name() + std::strlen(test->name()));
        RemoveTree(folder_);
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    }
    void TearDown() override { RemoveTree(folder_); }

    std::wstring In(const std::wstring &name) const { return folder_ + L"\\" + name; }

    std::wstring folder_;
};

using WholeFileTest = Scratch;

TEST_F(WholeFileTest, AWriteLeavesExactlyTheBytesAndNoTemporaryFile) {
    const std::wstring target = In(L"palette.gpl");
    ASSERT_TRUE(WriteWholeFile(target, std::string("first\0bytes", 11)));
    EXPECT_EQ(Bytes(target), std::string("first\0bytes", 11));
    ASSERT_TRUE(WriteWholeFile(target, "2nd"));
    EXPECT_EQ(Bytes(target), "2nd") << "a shorter file leaves nothing of the longer one";
    ASSERT_TRUE(WriteWholeFile(target, ""));
    EXPECT_EQ(Bytes(target), "");
    EXPECT_EQ(Names(folder_), std::vector<std::wstring>{L"palette.gpl"});
}

TEST_F(WholeFileTest, AWriteThatFailsKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const std::wstring readOnly = In(L"read-only.txt");
    Put(readOnly, "old\n");
    ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(WriteWholeFile(readOnly, "new\n"));
    EXPECT_EQ(Bytes(readOnly), "old\n");

    // Held open by a program that lets nobody delete or rename it.
    const std::wstring held = In(L"held.txt");
    Put(held, "held\n");
    const HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteWholeFile(held, "new\n"));
    CloseHandle(holder);
    EXPECT_EQ(Bytes(held), "held\n");

    const std::wstring folder = In(L"a folder");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    EXPECT_FALSE(WriteWholeFile(folder, "new\n"));
    EXPECT_FALSE(WriteWholeFile(In(L"no such folder\\x.txt"), "new\n"));

    std::vector<std::wstring> names = Names(folder_);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a folder", L"held.txt", L"read-only.txt"}));
}

// A reader that lets nobody rename the file, but only for a moment, as a viewer does.
TEST_F(WholeFileTest, AReaderThatHoldsTheFileForAMomentIsWaitedOut) {
    const std::wstring target = In(L"settings.ini");
    Put(target, "old\n");
    const HANDLE holder = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const HANDLE reader = CreateThread(
        nullptr, 0,
        [](void *held) -> DWORD {
            Sleep(30);
            CloseHandle(static_cast<HANDLE>(held));
            return 0;
        },
        holder, 0, nullptr);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(ReplaceWholeFile(target, "new\n"), ReplaceOutcome::Written);
    WaitForSingleObject(reader, INFINITE);
    CloseHandle(reader);
    EXPECT_EQ(Bytes(target), "new\n");
    EXPECT_EQ(Names(folder_), std::vector<std::wstring>{L"settings.ini"});
}

TEST_F(WholeFileTest, AReplaceWritesOnlyOverAFileThatIsThere) {
    const std::wstring target = In(L"history.txt");
    EXPECT_EQ(ReplaceWholeFile(target, "#123456\n"), ReplaceOutcome::Gone);
    EXPECT_FALSE(Exists(target));
    Put(target, "#654321\n");
    EXPECT_EQ(ReplaceWholeFile(target, "#123456\n"), ReplaceOutcome::Written);
    EXPECT_EQ(Bytes(target), "#123456\n");
    EXPECT_EQ(ReplaceWholeFile(In(L"gone\\history.txt"), "#123456\n"), ReplaceOutcome::Gone);
    EXPECT_EQ(Names(folder_), std::vector<std::wstring>{L"history.txt"});
}

TEST_F(WholeFileTest, ASmallReadTellsMissingTooLongAndUnreadableApart) {
    const std::wstring file = In(L"small.txt");
    Put(file, "12345");
    SmallFile read = ReadSmallFile(file, 5);
    EXPECT_EQ(read.outcome, SmallFile::Outcome::Read);
    EXPECT_EQ(read.bytes, "12345");
    EXPECT_EQ(ReadSmallFile(file, 4).outcome, SmallFile::Outcome::TooLong);
    EXPECT_EQ(ReadSmallFile(In(L"none.txt"), 5).outcome, SmallFile::Outcome::Missing);
    EXPECT_EQ(ReadSmallFile(In(L"none\\none.txt"), 5).outcome, SmallFile::Outcome::Missing);
    EXPECT_EQ(ReadSmallFile(folder_, 5).outcome, SmallFile::Outcome::CannotRead);

    const HANDLE holder = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadSmallFile(file, 5).outcome, SmallFile::Outcome::CannotRead);
    CloseHandle(holder);
}

// The history file in an application-data folder of the test's own, made when asked.
class HistoryFileTest : public Scratch {
  protected:
    void SetUp() override {
        Scratch::SetUp();
        appData_ = In(L"AppData");
    }
    AppDataLocator Locator() {
        return [this](bool make) {
            if (make) CreateDirectoryW(appData_.c_str(), nullptr);
            return AppDataFolder{appData_, Exists(appData_)};
        };
    }
    std::wstring HistoryPath() const { return appData_ + L"\\Tintwell\\history.txt"; }

    template <typename Call>
    std::string Failure(Call call) {
        try {
            call();
        } catch (const PickerError &error) {
            return error.what();
        }
        return "";
    }

    std::wstring appData_;
};

const std::vector<ColorRef> kList{Rgb(0x12, 0x34, 0x56), Rgb(0x65, 0x43, 0x21)};

TEST_F(HistoryFileTest, AnotherInstancesOffHoldsAndTheFileIsNotMadeAgain) {
    ColourHistoryFile firstFile(Locator());
    HistoryKeeping first(firstFile);
    std::vector<bool> told;
    first.OnSwitched([&](bool on) { told.push_back(on); });
    first.Switch(true, kList);

    ColourHistoryFile secondFile(Locator());
    HistoryKeeping second(secondFile);
    ASSERT_EQ(second.Start(), kList);
    second.Switch(false, kList);
    ASSERT_FALSE(Exists(HistoryPath()));

    first.Keep({Rgb(0x1A, 0x2B, 0x3C)});
    EXPECT_FALSE(first.on());
    EXPECT_EQ(told, (std::vector<bool>{true, false}));
    EXPECT_FALSE(Exists(HistoryPath()));
    EXPECT_TRUE(Names(appData_ + L"\\Tintwell").empty()) << "no temporary file either";
}

// Too long a file is told apart by the small read; here, one another program holds
// open, letting nobody read it.
TEST_F(HistoryFileTest, AFileHeldOpenByAnotherProgramIsNotWrittenOver) {
    ASSERT_TRUE(CreateDirectoryW(appData_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((appData_ + L"\\Tintwell").c_str(), nullptr));
    Put(HistoryPath(), "#123456\n");
    const HANDLE holder = CreateFileW(HistoryPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ColourHistoryFile heldFile(Locator());
    HistoryKeeping held(heldFile);
    EXPECT_NE(Failure([&] { held.Start(); }).find("読み取れません"), std::string::npos);
    EXPECT_NE(Failure([&] { held.Switch(true, kList); }), "");
    CloseHandle(holder);
    EXPECT_EQ(Bytes(HistoryPath()), "#123456\n");
    EXPECT_EQ(Names(appData_ + L"\\Tintwell"), std::vector<std::wstring>{L"history.txt"});
}

// A file where the Tintwell folder would be is not a folder, and stays.
TEST_F(HistoryFileTest, AFileInTheFoldersPlaceIsNamedAndStays) {
    ASSERT_TRUE(CreateDirectoryW(appData_.c_str(), nullptr));
    Put(appData_ + L"\\Tintwell", "not a folder");
    ColourHistoryFile fileInTheWay(Locator());
    HistoryKeeping keeping(fileInTheWay);
    const std::string named = Failure([&] { keeping.Switch(true, kList); });
    EXPECT_NE(named.find("\"" + Utf8(appData_ + L"\\Tintwell") + "\""), std::string::npos) << named;
    EXPECT_EQ(Bytes(appData_ + L"\\Tintwell"), "not a folder");
}

// Points the user's application-data folder elsewhere while it lives. Only in a Wine
// prefix of the test's own: the folder is the user's, and other programs read it.
class AppDataMovedTo {
  public:
    explicit AppDataMovedTo(const std::wstring &folder) {
        RegOpenKeyExW(HKEY_CURRENT_USER,
                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                      0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
        DWORD size = sizeof(old_);
        had_ = RegQueryValueExW(key_, L"AppData", nullptr, &type_, reinterpret_cast<BYTE *>(old_),
                                &size) == ERROR_SUCCESS;
        oldSize_ = size;
        Set(folder);
    }
    ~AppDataMovedTo() {
        if (had_) {
            RegSetValueExW(key_, L"AppData", 0, type_, reinterpret_cast<const BYTE *>(old_),
                           oldSize_);
        } else {
            RegDeleteValueW(key_, L"AppData");
        }
        RegCloseKey(key_);
    }
    void Set(const std::wstring &folder) {
        RegSetValueExW(key_, L"AppData", 0, REG_EXPAND_SZ,
                       reinterpret_cast<const BYTE *>(folder.c_str()),
                       static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    }

  private:
    HKEY key_ = nullptr;
    DWORD type_ = REG_EXPAND_SZ;
    wchar_t old_[1024] = {};
    DWORD oldSize_ = 0;
    bool had_ = false;
};

using HistoryShellTest = Scratch;

TEST_F(HistoryShellTest, AMissingApplicationDataFolderIsMadeAndOneThatCannotBeIsNamed) {
    wchar_t own[8] = {};
    if (GetEnvironmentVariableW(L"TINTWELL_TEST_OWN_PREFIX", own, 8) == 0) {
        GTEST_SKIP() << "moves the user's application-data folder: only in a prefix of its own";
    }
    const std::wstring appData = In(L"Profile\\AppData\\Roaming");
    AppDataMovedTo moved(appData);
    {
        ColourHistoryFile file;
        HistoryKeeping keeping(file);
        EXPECT_TRUE(keeping.Start().empty());
        EXPECT_FALSE(Exists(In(L"Profile"))) << "keeping off makes nothing";
        keeping.Switch(true, kList);
        EXPECT_TRUE(keeping.on());
        EXPECT_EQ(Bytes(appData + L"\\Tintwell\\history.txt"), "#123456\n#654321\n");
    }

    Put(In(L"a file"), "in the way");
    const std::wstring blocked = In(L"a file\\Roaming");
    moved.Set(blocked);
    ColourHistoryFile file;
    HistoryKeeping keeping(file);
    keeping.Start();
    try {
        keeping.Switch(true, kList);
        ADD_FAILURE() << "a folder under a file was made";
    } catch (const PickerError &error) {
        EXPECT_NE(std::string(error.what()).find("\"" + Utf8(blocked) + "\""), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(Bytes(In(L"a file")), "in the way");
}

TEST(HistoryFileShell, TheFileIsInTheUsersApplicationDataFolder) {
    wchar_t folder[MAX_PATH] = {};
    ASSERT_TRUE(
        SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)));
    ColourHistoryFile file;
    EXPECT_EQ(file.Path(), std::wstring(folder) + L"\\Tintwell\\history.txt");
}

// The save dialog as the user answered it: the name it confirmed and the type chosen.
class PaletteSaveTest : public Scratch {
  protected:
    // Saves through a dialog that returns `name` with type `filterIndex`; what it was
    // asked with stays in `asked`.
    void SaveAs(const std::wstring &name, DWORD filterIndex) {
        PaletteSaving saving([&](OPENFILENAMEW *dialog) {
            asked = *dialog;
            defaultExtension = dialog->lpstrDefExt ? dialog->lpstrDefExt : L"";
            wcscpy_s(dialog->lpstrFile, dialog->nMaxFile, name.c_str());
            dialog->nFilterIndex = filterIndex;
            return TRUE;
        });
        saving.Run(nullptr, kList);
    }

    OPENFILENAMEW asked{};
    std::wstring defaultExtension;
};

TEST_F(PaletteSaveTest, TheDialogAddsTheExtensionAndAsksAboutTheNameThatIsWritten) {
    SaveAs(In(L"colours.2024"), 3);
    EXPECT_FALSE(defaultExtension.empty()) << "the dialog adds the chosen type's extension";
    EXPECT_NE(asked.Flags & OFN_OVERWRITEPROMPT, 0u);
    // The name as confirmed, in the type chosen (the third, JSON), and nothing else.
    EXPECT_EQ(Bytes(In(L"colours.2024")), PaletteBytes(PaletteFormat::Json, kList));
    EXPECT_EQ(Names(folder_), std::vector<std::wstring>{L"colours.2024"});
}

}  // namespace
