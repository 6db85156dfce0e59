// The form's controls as the picker core sees them: each property and operation of
// FormControls turned into the window or custom control that holds it.
#ifndef TINTWELL_PICKER_WIN32_FORM_CONTROLS_ADAPTER_H
#define TINTWELL_PICKER_WIN32_FORM_CONTROLS_ADAPTER_H

#include <windows.h>

#include <string>

#include "command_ids.h"
#include "control_id.h"
#include "form_controls.h"

namespace tintwell::win32 {

class Loupe;
class MarkerLabel;
class PictureBox;
class ShapeSwatch;

class FormControlsAdapter : public FormControls {
  public:
    // form: the form's window handle as the form keeps it (null until it is made),
    // which owns the standard controls and the timer. The loupe may show while
    // sampling is on.
    FormControlsAdapter(const HWND &form, PictureBox &picture1, PictureBox &picture2,
                        MarkerLabel &label1, MarkerLabel &label2, ShapeSwatch &shape1,
                        Loupe &loupe);
    FormControlsAdapter(const FormControlsAdapter &) = delete;
    FormControlsAdapter &operator=(const FormControlsAdapter &) = delete;

    DeviceContext Picture1_hDC() override;
    DeviceContext Picture2_hDC() override;
    void Picture1_Refresh() override;
    void Picture2_Refresh() override;
    float Label1_Left() override;
    float Label1_Top() override;
    void set_Label1_Left(float value) override;
    void set_Label1_Top(float value) override;
    void set_Label1_ForeColor(ColorRef colour) override;
    float Label2_Left() override;
    float Label2_Top() override;
    void set_Label2_Top(float value) override;
    void set_Shape1_FillColor(ColorRef colour) override;
    std::u16string Text1_Text() override;
    void set_Text1_Text(const std::u16string &text) override;
    void set_Text1_SelStart(int32_t start) override;
    void set_Text1_SelLength(int32_t length) override;
    std::u16string Text1_SelText() override;
    void set_Option2_Enabled(bool enabled) override;
    void set_Option3_Enabled(bool enabled) override;
    int16_t Check1_Value() override;
    int16_t Check2_Value() override;
    int16_t Check3_Value() override;
    int16_t Check4_Value() override;
    void set_Check3_Value(int16_t value) override;
    void set_Timer1_Interval(int32_t milliseconds) override;
    void SamplingSwitched(bool on) override;
    WindowHandle hWnd() override;

    // Shows what a handler changed, once it has finished: both markers moved in one
    // batch, then one paint of everything marked for it (the pictures' changed rows,
    // the markers, the swatch), instead of a trip to the window system per property.
    // Nothing at all when no control was changed since the last time.
    void ShowChanges();

  private:
    HWND Control(ControlId id) const;
    int16_t CheckValue(ControlId id) const;

    const HWND &form_;
    PictureBox &picture1_;
    PictureBox &picture2_;
    MarkerLabel &label1_;
    MarkerLabel &label2_;
    ShapeSwatch &shape1_;
    Loupe &loupe_;
    // A control was changed (or drawn into) since the last ShowChanges.
    bool changed_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_CONTROLS_ADAPTER_H
