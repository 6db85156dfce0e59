// The four exports of the colour table library, bound by name at the first call of
// each. Nothing is loaded when this object is made: the library file is opened on
// the first call of any export and each export is resolved on its own first call,
// so a missing library or export surfaces as a PickerError at that call, naming the
// file or the export.
#ifndef TINTWELL_PICKER_COLOUR_LIBRARY_H
#define TINTWELL_PICKER_COLOUR_LIBRARY_H

#include <cstdint>
#include <string>

#include "colour_word.h"

namespace tintwell {

class ColourTableLibrary {
  public:
    // fileName: on Windows a file in the program's own folder (e.g. "dyeplate.dll"),
    // never searched for on PATH or in the current directory; natively a path or a
    // name for dlopen (e.g. "libdyeplate.so").
    explicit ColourTableLibrary(std::string fileName);
    ~ColourTableLibrary();
    ColourTableLibrary(const ColourTableLibrary &) = delete;
    ColourTableLibrary &operator=(const ColourTableLibrary &) = delete;

    int32_t DrawColorTable(DeviceContext dc, ColorRef colour, int32_t tableMode, int32_t webSafe);
    int32_t DrawColorTable2(DeviceContext dc, ColorRef colour, int32_t tableMode, int32_t webSafe);
    ColorRef GetColor(ColorRef colour, int32_t tableMode, int32_t x, int32_t y, int32_t webSafe);
    ColorRef GetColor2(ColorRef colour, int32_t tableMode, int32_t y, int32_t webSafe);

  private:
    void *Resolve(const char *exportName, void *&slot);

    std::string fileName_;
    void *module_ = nullptr;
    void *drawColorTable_ = nullptr;
    void *drawColorTable2_ = nullptr;
    void *getColor_ = nullptr;
    void *getColor2_ = nullptr;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_LIBRARY_H
