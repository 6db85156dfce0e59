// "パレットを保存…": the system's save dialog, then the recent colours written whole
// to exactly the file the dialog confirmed, in the format its extension names (or,
// for any other name, the type chosen in the dialog). The dialog itself adds the
// chosen type's extension to a name typed without one, before it asks whether to
// replace a file, so the file it asks about is the file written. A file that cannot
// be written is said so in a message box, and any file already there is left as it
// was.
#ifndef TINTWELL_PICKER_WIN32_PALETTE_SAVING_H
#define TINTWELL_PICKER_WIN32_PALETTE_SAVING_H

#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

#include "form_controls.h"
#include "system_library.h"

namespace tintwell::win32 {

class PaletteSaving {
  public:
    // The dialog as GetSaveFileNameW shows it; another one stands in for it in tests.
    using SaveDialog = std::function<BOOL(OPENFILENAMEW *)>;

    PaletteSaving();
    explicit PaletteSaving(SaveDialog dialog);
    PaletteSaving(const PaletteSaving &) = delete;
    PaletteSaving &operator=(const PaletteSaving &) = delete;

    // Asks for the file and writes it; returns when it is written, the dialog was
    // cancelled, or the failure was shown.
    void Run(HWND owner, const std::vector<ColorRef> &newestFirst);

  private:
    SystemLibrary comdlg32_;
    BoundFunction<decltype(&::GetSaveFileNameW)> getSaveFileName_;
    SaveDialog dialog_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PALETTE_SAVING_H
