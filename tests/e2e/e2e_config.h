// The files the end-to-end tests work with, given on the command line as Unix or
// Windows paths.
#ifndef TINTWELL_TESTS_E2E_E2E_CONFIG_H
#define TINTWELL_TESTS_E2E_E2E_CONFIG_H

#include <string>

namespace e2e {

struct Config {
    std::wstring picker;   // tintwell.exe, with the real dyeplate.dll beside it
    std::wstring library;  // that dyeplate.dll
    std::wstring libraryWithoutGetColor;
    std::wstring libraryWithoutGetColor2;
    std::wstring libraryWithoutDrawColorTable2;
};

const Config &TheConfig();

}  // namespace e2e

#endif  // TINTWELL_TESTS_E2E_E2E_CONFIG_H
