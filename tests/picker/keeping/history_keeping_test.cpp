// The history switch's rules over a file held in memory: what each state of the file
// does at start, at a copy and at the switch, and that a file the picker cannot use
// is never written over.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "colour_history.h"
#include "harness.h"
#include "history_keeping.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

using ::testing::HasSubstr;

// The file as bytes, or as something that is there but cannot be read.
class MemoryStore : public HistoryStore {
  public:
    std::optional<std::string> file;
    bool unreadable = false;
    bool writesFail = false;
    bool removeFails = false;
    // Empty: the folder can be made; otherwise the one that cannot.
    std::optional<std::string> folderBlocked;
    int writes = 0;

    Found Read() override {
        if (!file) return Found{Found::Look::Missing, {}};
        if (unreadable) return Found{Found::Look::CannotRead, {}};
        if (file->size() > kColourHistoryByteLimit) return Found{Found::Look::TooLong, {}};
        return Found{Found::Look::Read, *file};
    }
    Outcome Replace(const std::string &bytes) override {
        if (!file) return Outcome::Gone;
        return Write(bytes);
    }
    Outcome Create(const std::string &bytes) override {
        if (folderBlocked) return Outcome::NoFolder;
        return Write(bytes);
    }
    std::string FolderNotMade() override { return folderBlocked.value_or(""); }
    bool Remove() override {
        if (removeFails) return false;
        file.reset();
        return true;
    }
    std::string Where() override { return "C:\\Users\\ユーザー\\AppData\\Tintwell\\history.txt"; }
    std::string WhyFailed() override { return std::string(); }

  private:
    Outcome Write(const std::string &bytes) {
        if (writesFail) return Outcome::Failed;
        ++writes;
        file = bytes;
        return Outcome::Written;
    }
};

const std::vector<ColorRef> kList{Rgb(0x12, 0x34, 0x56), Rgb(0x65, 0x43, 0x21)};

class HistoryKeepingTest : public ::testing::Test {
  protected:
    HistoryKeepingTest() {
        keeping.OnSwitched([this](bool on) { told.push_back(on); });
    }
    // The message of the PickerError the call throws; empty when it throws none.
    template <typename Call>
    std::string Failure(Call call) {
        try {
            call();
        } catch (const PickerError &error) {
            return error.what();
        }
        return "";
    }

    MemoryStore store;
    HistoryKeeping keeping{store};
    std::vector<bool> told;
};

TEST_F(HistoryKeepingTest, AFileThatCanBeReadTurnsKeepingOnWithItsColoursAndNoneLeavesItOff) {
    EXPECT_TRUE(keeping.Start().empty());
    EXPECT_FALSE(keeping.on());
    keeping.Keep(kList);
    EXPECT_FALSE(store.file) << "nothing is written while off";

    MemoryStore kept;
    kept.file = "#123456\n#654321\n";
    HistoryKeeping second(kept);
    EXPECT_EQ(second.Start(), kList);
    EXPECT_TRUE(second.on());
    second.Keep({Rgb(0x1A, 0x2B, 0x3C)});
    EXPECT_EQ(kept.file, "#1A2B3C\n");
}

TEST_F(HistoryKeepingTest, AFileThatCannotBeUsedIsLeftAsItIsAndSaysWhyAtStartAndAtTheSwitch) {
    const std::string tooLong(kColourHistoryByteLimit + 1, '#');
    for (bool unreadable : {true, false}) {
        MemoryStore damaged;
        damaged.file = unreadable ? std::string("#123456\n") : tooLong;
        damaged.unreadable = unreadable;
        const std::string before = *damaged.file;
        HistoryKeeping refusing(damaged);
        const std::string said = Failure([&] { refusing.Start(); });
        EXPECT_THAT(said, HasSubstr(damaged.Where()));
        EXPECT_THAT(said, HasSubstr(unreadable ? "読み取れません" : "64 KiB"));
        EXPECT_FALSE(refusing.on());

        refusing.Keep(kList);
        EXPECT_EQ(Failure([&] { refusing.Switch(true, kList); }), said);
        EXPECT_FALSE(refusing.on());
        EXPECT_EQ(damaged.file, before) << "unreadable: " << unreadable;
        EXPECT_EQ(damaged.writes, 0);
    }
}

TEST_F(HistoryKeepingTest, TheSwitchWritesTheListAndOffDeletesTheFile) {
    keeping.Start();
    keeping.Switch(true, kList);
    EXPECT_TRUE(keeping.on());
    EXPECT_EQ(store.file, "#123456\n#654321\n");
    keeping.Switch(false, kList);
    EXPECT_FALSE(keeping.on());
    EXPECT_FALSE(store.file);
    EXPECT_EQ(told, (std::vector<bool>{true, false}));
}

// Another instance's "off" deletes the file; this one follows at its next write.
TEST_F(HistoryKeepingTest, AWriteThatFindsTheFileGoneTurnsKeepingOffAndMakesNoFile) {
    keeping.Switch(true, kList);
    store.file.reset();
    EXPECT_EQ(Failure([&] { keeping.Keep({Rgb(0x1A, 0x2B, 0x3C)}); }), "");
    EXPECT_FALSE(keeping.on());
    EXPECT_EQ(told, (std::vector<bool>{true, false}));
    EXPECT_FALSE(store.file);
    keeping.Keep(kList);
    EXPECT_FALSE(store.file);
    EXPECT_EQ(store.writes, 1);
}

TEST_F(HistoryKeepingTest, AFileDamagedWhileKeepingIsOnIsNotWrittenOver) {
    keeping.Switch(true, kList);
    store.file = std::string(kColourHistoryByteLimit + 1, 'x');
    EXPECT_THAT(Failure([&] { keeping.Keep({Rgb(0x1A, 0x2B, 0x3C)}); }), HasSubstr("64 KiB"));
    EXPECT_FALSE(keeping.on());
    EXPECT_EQ(store.file->size(), kColourHistoryByteLimit + 1);
}

TEST_F(HistoryKeepingTest, FailuresSayWhatAndKeepTheSwitchAsItWas) {
    store.folderBlocked = "C:\\Users\\ユーザー\\AppData\\Tintwell";
    EXPECT_THAT(Failure([&] { keeping.Switch(true, kList); }),
                HasSubstr("\"C:\\Users\\ユーザー\\AppData\\Tintwell\" を作成できません"));
    store.folderBlocked = "";
    EXPECT_EQ(Failure([&] { keeping.Switch(true, kList); }), messages::kNoAppDataFolder);
    store.folderBlocked.reset();
    store.writesFail = true;
    EXPECT_THAT(Failure([&] { keeping.Switch(true, kList); }), HasSubstr("保存できません"));
    EXPECT_FALSE(keeping.on());
    EXPECT_TRUE(told.empty());

    store.writesFail = false;
    keeping.Switch(true, kList);
    store.writesFail = true;
    EXPECT_THAT(Failure([&] { keeping.Keep({Rgb(0x1A, 0x2B, 0x3C)}); }), HasSubstr(store.Where()));
    EXPECT_TRUE(keeping.on()) << "the file is still there: the next copy tries again";
    store.removeFails = true;
    EXPECT_THAT(Failure([&] { keeping.Switch(false, kList); }), HasSubstr("削除できません"));
    EXPECT_TRUE(keeping.on());
}

}  // namespace
}  // namespace tintwell::testing
