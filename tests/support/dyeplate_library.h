// dyeplate opened by path and its four exports bound by name, the way any caller of
// the library binds them. Tests and benchmarks on every platform use this one
// binding; the picker has its own (lazy, error-reporting) one in picker/.
#ifndef TINTWELL_TESTS_SUPPORT_DYEPLATE_LIBRARY_H
#define TINTWELL_TESTS_SUPPORT_DYEPLATE_LIBRARY_H

#include <cstdint>
#include <string>

#include "engine/colour_table.h"

namespace testsupport {

[[noreturn]] void ExitBecause(const std::string &reason);

class DyeplateLibrary {
  public:
    // path: the library file (UTF-8; on Windows also a bare file name, which is then
    // taken from this program's own folder).
    explicit DyeplateLibrary(const std::string &path);
#if defined(_WIN32)
    explicit DyeplateLibrary(const std::wstring &path);
#endif
    ~DyeplateLibrary();
    DyeplateLibrary(const DyeplateLibrary &) = delete;
    DyeplateLibrary &operator=(const DyeplateLibrary &) = delete;

    // True when the file opened and all four exports were found; otherwise error()
    // says which step failed.
    bool ok() const {
        return error_.empty();
    }
    const std::string &error() const {
        return error_;
    }

    int32_t DrawColorTable(DyeplateDC dc, uint32_t colour, int32_t mode, int32_t webSafe) const {
        return drawColorTable_(dc, colour, mode, webSafe);
    }
    int32_t DrawColorTable2(DyeplateDC dc, uint32_t colour, int32_t mode, int32_t webSafe) const {
        return drawColorTable2_(dc, colour, mode, webSafe);
    }
    uint32_t GetColor(uint32_t colour, int32_t mode, int32_t x, int32_t y, int32_t webSafe) const {
        return getColor_(colour, mode, x, y, webSafe);
    }
    uint32_t GetColor2(uint32_t colour, int32_t mode, int32_t y, int32_t webSafe) const {
        return getColor2_(colour, mode, y, webSafe);
    }

  private:
    void BindAll(const std::string &path);

    void *module_ = nullptr;
    std::string error_;
    DrawColorTableFn drawColorTable_ = nullptr;
    DrawColorTableFn drawColorTable2_ = nullptr;
    GetColorFn getColor_ = nullptr;
    GetColor2Fn getColor2_ = nullptr;
};

// The library under test, bound once per process (its buffer is process-wide too):
// the file a test target names with TINTWELL_DYEPLATE_PATH. Without it no test of
// the program can mean anything, so a failed binding stops the program.
#if defined(TINTWELL_DYEPLATE_PATH)
inline const DyeplateLibrary &TheDyeplate() {
    static const DyeplateLibrary library(std::string(TINTWELL_DYEPLATE_PATH));
    if (!library.ok()) ExitBecause(library.error());
    return library;
}
#endif

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_DYEPLATE_LIBRARY_H
