// Binding by name at each export's first call, and the calls through the bound
// exports; opening the library and finding an export is the platform file's job
// (colour_library_posix.cpp, colour_library_win.cpp).
#include "colour_library.h"

#include <utility>

#include "colour_table.h"
#include "library_module.h"
#include "user_texts.h"

namespace tintwell {

ColourTableLibrary::ColourTableLibrary(std::string fileName) : fileName_(std::move(fileName)) {}

ColourTableLibrary::~ColourTableLibrary() {
    if (module_ != nullptr) CloseLibraryModule(module_);
}

void *ColourTableLibrary::Resolve(const char *exportName, void *&slot) {
    if (slot != nullptr) return slot;
    // A library that could not be opened is tried again at the next call, as each
    // call is the first one until the binding succeeds.
    if (module_ == nullptr) {
        module_ = OpenLibraryModule(fileName_);
        if (module_ == nullptr) throw PickerError(LibraryNotFoundMessage(fileName_));
    }
    slot = FindLibraryExport(module_, exportName);
    if (slot == nullptr) throw PickerError(ExportNotFoundMessage(fileName_, exportName));
    return slot;
}

int32_t ColourTableLibrary::DrawColorTable(DeviceContext dc, ColorRef colour, int32_t tableMode,
                                           int32_t webSafe) {
    const auto draw =
        reinterpret_cast<DrawColorTableFn>(Resolve("DrawColorTable", drawColorTable_));
    return draw(dc, colour, tableMode, webSafe);
}

int32_t ColourTableLibrary::DrawColorTable2(DeviceContext dc, ColorRef colour, int32_t tableMode,
                                            int32_t webSafe) {
    const auto draw =
        reinterpret_cast<DrawColorTableFn>(Resolve("DrawColorTable2", drawColorTable2_));
    return draw(dc, colour, tableMode, webSafe);
}

ColorRef ColourTableLibrary::GetColor(ColorRef colour, int32_t tableMode, int32_t x, int32_t y,
                                      int32_t webSafe) {
    const auto lookup = reinterpret_cast<GetColorFn>(Resolve("GetColor", getColor_));
    return lookup(colour, tableMode, x, y, webSafe);
}

ColorRef ColourTableLibrary::GetColor2(ColorRef colour, int32_t tableMode, int32_t y,
                                       int32_t webSafe) {
    const auto lookup = reinterpret_cast<GetColor2Fn>(Resolve("GetColor2", getColor2_));
    return lookup(colour, tableMode, y, webSafe);
}

}  // namespace tintwell
