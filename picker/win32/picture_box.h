// Picture1 and Picture2: a bordered drawing surface with a persistent image. The
// library draws into the image's DC; the window only ever copies the image to the
// screen, so it repaints itself whenever it is uncovered.
#ifndef TINTWELL_PICKER_WIN32_PICTURE_BOX_H
#define TINTWELL_PICKER_WIN32_PICTURE_BOX_H

#include <windows.h>

#include <memory>

#include "control_layout.h"
#include "gdi_handles.h"
#include "key_input.h"
#include "mouse_input.h"
#include "window_base.h"

namespace tintwell::win32 {

class PictureBox : public WindowBase<PictureBox> {
  public:
    PictureBox(ControlId id, MouseSink &sink, KeySink &keys, int backgroundSysColor);

    static void RegisterClass(HINSTANCE instance);
    void Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance);

    // The persistent image, exactly the size of the inner area.
    HDC ImageDc() const { return image_->dc(); }
    // Shows the image now, with whatever sits on it (Label1) painted over it again.
    void Refresh();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnCreate();
    LRESULT OnPaint();
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnFocusCueChange(UINT message, WPARAM wParam, LPARAM lParam);

    ControlId id_;
    MouseSink &sink_;
    KeySink &keys_;
    int backgroundSysColor_;
    std::unique_ptr<OffscreenImage> image_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PICTURE_BOX_H
