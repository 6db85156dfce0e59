// What tintwell.exe carries besides code: the icon in its three images, the
// version information and the application manifest, read from the file as
// Explorer and the loader read them.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "e2e_config.h"

namespace e2e {
namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

class ProgramFile {
  public:
    ProgramFile()
        : module_(LoadLibraryExW(TheConfig().picker.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~ProgramFile() {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    ProgramFile(const ProgramFile &) = delete;
    ProgramFile &operator=(const ProgramFile &) = delete;

    std::string Resource(const wchar_t *type, int id) const {
        HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
        if (found == nullptr) return {};
        const auto *bytes = static_cast<const char *>(LockResource(LoadResource(module_, found)));
        return std::string(bytes, SizeofResource(module_, found));
    }

    HMODULE module() const { return module_; }

  private:
    HMODULE module_;
};

TEST(ResourcesTest, IconHoldsTwoAndSixteenColourImagesAtThirtyTwoAndSixteen) {
    ProgramFile program;
    ASSERT_NE(program.module(), nullptr);
    const std::string group = program.Resource(MAKEINTRESOURCEW(14), 1);
    ASSERT_GE(group.size(), sizeof(GroupIconHeader));
    const auto *header = reinterpret_cast<const GroupIconHeader *>(group.data());
    ASSERT_EQ(header->count, 3);
    ASSERT_EQ(group.size(), sizeof(GroupIconHeader) + 3 * sizeof(GroupIconEntry));
    const auto *entries =
        reinterpret_cast<const GroupIconEntry *>(group.data() + sizeof(GroupIconHeader));

    struct Image {
        int size, colours, bits;
    };
    const Image expected[] = {{32, 2, 1}, {32, 16, 4}, {16, 16, 4}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].width, expected[i].size);
        EXPECT_EQ(entries[i].height, expected[i].size);
        EXPECT_EQ(entries[i].colourCount, expected[i].colours);
        EXPECT_EQ(entries[i].bitCount, expected[i].bits);
        const std::string image = program.Resource(MAKEINTRESOURCEW(3), entries[i].id);
        EXPECT_EQ(image.size(), entries[i].bytes);
        HICON icon =
            CreateIconFromResourceEx(reinterpret_cast<BYTE *>(const_cast<char *>(image.data())),
                                     static_cast<DWORD>(image.size()), TRUE, 0x00030000,
                                     expected[i].size, expected[i].size, 0);
        EXPECT_NE(icon, nullptr) << "the image must be one Windows can draw";
        if (icon != nullptr) DestroyIcon(icon);
    }
}

std::wstring VersionString(const std::vector<BYTE> &info, const wchar_t *name) {
    wchar_t *value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void **>(&value), &length)) {
        return L"<missing>";
    }
    return std::wstring(value, length > 0 ? length - 1 : 0);
}

TEST(ResourcesTest, VersionInformationNamesTheProgram) {
    const std::wstring &file = TheConfig().picker;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(file.c_str(), 0, size, info.data()));
    EXPECT_EQ(VersionString(info, L"ProductName"), L"Tintwell");
    EXPECT_EQ(VersionString(info, L"OriginalFilename"), L"tintwell.exe");
    EXPECT_EQ(VersionString(info, L"FileVersion"), L"1.0.0");

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(ResourcesTest, ManifestAsksForCommonControlsSixDpiAwarenessAndNoElevation) {
    ProgramFile program;
    ASSERT_NE(program.module(), nullptr);
    const std::string manifest = program.Resource(MAKEINTRESOURCEW(24), 1);
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware>true</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos)
        << "per-monitor awareness first, the older forms as fallback";
}

}  // namespace
}  // namespace e2e
