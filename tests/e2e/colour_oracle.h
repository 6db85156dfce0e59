// The real dyeplate.dll, loaded into the driver: what the picker should show is
// whatever these lookups answer for the state the test has put the picker in.
#ifndef TINTWELL_TESTS_E2E_COLOUR_ORACLE_H
#define TINTWELL_TESTS_E2E_COLOUR_ORACLE_H

#include <windows.h>

#include <cstdint>
#include <string>

namespace e2e {

class ColourOracle {
  public:
    explicit ColourOracle(const std::wstring &libraryPath);
    ~ColourOracle();
    ColourOracle(const ColourOracle &) = delete;
    ColourOracle &operator=(const ColourOracle &) = delete;

    bool loaded() const { return getColor_ != nullptr && getColor2_ != nullptr; }
    uint32_t GetColor(uint32_t base, int mode, int x, int y, int webSafe) const;
    uint32_t GetColor2(uint32_t base, int mode, int y, int webSafe) const;

  private:
    using GetColorFn = uint32_t(__stdcall *)(uint32_t, int32_t, int32_t, int32_t, int32_t);
    using GetColor2Fn = uint32_t(__stdcall *)(uint32_t, int32_t, int32_t, int32_t);

    HMODULE module_;
    GetColorFn getColor_;
    GetColor2Fn getColor2_;
};

}  // namespace e2e

#endif  // TINTWELL_TESTS_E2E_COLOUR_ORACLE_H
