// "パレットを保存…": the system's save dialog, then the recent colours written whole
// to the file chosen, in the format its extension names (or the type chosen in the
// dialog, whose extension is then added). A file that cannot be written is said so
// in a message box, and any file already there is left as it was.
#ifndef TINTWELL_PICKER_WIN32_PALETTE_SAVING_H
#define TINTWELL_PICKER_WIN32_PALETTE_SAVING_H

#include <windows.h>

#include <commdlg.h>

#include <vector>

#include "form_controls.h"
#include "system_library.h"

namespace tintwell::win32 {

class PaletteSaving {
  public:
    PaletteSaving();
    PaletteSaving(const PaletteSaving &) = delete;
    PaletteSaving &operator=(const PaletteSaving &) = delete;

    // Asks for the file and writes it; returns when it is written, the dialog was
    // cancelled, or the failure was shown.
    void Run(HWND owner, const std::vector<ColorRef> &newestFirst);

  private:
    SystemLibrary comdlg32_;
    BoundFunction<decltype(&::GetSaveFileNameW)> getSaveFileName_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PALETTE_SAVING_H
