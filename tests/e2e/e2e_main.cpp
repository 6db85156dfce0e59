#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "e2e_config.h"

namespace e2e {

namespace {

Config config;

// ctest hands over the build's Unix paths; Wine shows the Unix root as drive Z:.
std::wstring WindowsPath(const char *path) {
    std::wstring wide;
    for (const char *c = path; *c != '\0'; ++c) wide += static_cast<wchar_t>(*c);
    if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
    for (wchar_t &c : wide) {
        if (c == L'/') c = L'\\';
    }
    return wide;
}

}  // namespace

const Config &TheConfig() {
    return config;
}

}  // namespace e2e

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: tintwell_e2e TINTWELL.EXE DYEPLATE.DLL "
                     "DLL-WITHOUT-GetColor DLL-WITHOUT-GetColor2 DLL-WITHOUT-DrawColorTable2\n");
        return 2;
    }
    e2e::config.picker = e2e::WindowsPath(argv[1]);
    e2e::config.library = e2e::WindowsPath(argv[2]);
    e2e::config.libraryWithoutGetColor = e2e::WindowsPath(argv[3]);
    e2e::config.libraryWithoutGetColor2 = e2e::WindowsPath(argv[4]);
    e2e::config.libraryWithoutDrawColorTable2 = e2e::WindowsPath(argv[5]);
    return RUN_ALL_TESTS();
}
