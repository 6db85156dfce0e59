#include "colour_oracle.h"

namespace e2e {

ColourOracle::ColourOracle(const std::wstring &libraryPath)
    : module_(LoadLibraryExW(libraryPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)),
      getColor_(nullptr),
      getColor2_(nullptr) {
    if (module_ == nullptr) return;
    getColor_ = reinterpret_cast<GetColorFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, "GetColor")));
    getColor2_ = reinterpret_cast<GetColor2Fn>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, "GetColor2")));
}

ColourOracle::~ColourOracle() {
    if (module_ != nullptr) FreeLibrary(module_);
}

uint32_t ColourOracle::GetColor(uint32_t base, int mode, int x, int y, int webSafe) const {
    return getColor_(base, mode, x, y, webSafe);
}

uint32_t ColourOracle::GetColor2(uint32_t base, int mode, int y, int webSafe) const {
    return getColor2_(base, mode, y, webSafe);
}

}  // namespace e2e
