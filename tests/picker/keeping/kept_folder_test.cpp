#include "kept_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace tintwell {
namespace {

TEST(KeptFolder, TheProgramsFolderIsWhatTheKeptFilesFollow) {
    EXPECT_EQ(FolderOfProgram(u"C:\\Tools\\Tintwell\\tintwell.exe"), u"C:\\Tools\\Tintwell");
    EXPECT_EQ(FolderOfProgram(u"E:\\tintwell.exe"), u"E:") << "a stick's root, then \\settings.ini";
    EXPECT_EQ(FolderOfProgram(u"\\\\server\\tools\\tintwell.exe"), u"\\\\server\\tools");
    EXPECT_EQ(FolderOfProgram(u"\\\\?\\C:\\Long\\tintwell.exe"), u"\\\\?\\C:\\Long");
    EXPECT_EQ(FolderOfProgram(u"C:/Tools/tintwell.exe"), u"C:/Tools");
}

TEST(KeptFolder, APathThatNamesNoFolderGivesNone) {
    for (const std::u16string path : {u"tintwell.exe", u"", u"\\tintwell.exe",
                                      u"\\\\server\\tintwell.exe", u"\\\\?\\tintwell.exe"}) {
        EXPECT_EQ(FolderOfProgram(path), u"") << std::string(path.begin(), path.end());
    }
}

}  // namespace
}  // namespace tintwell
