// The help a control gives beyond its caption, from the descriptions of the layout:
// accessible names for a screen reader, and tooltips. Both are extras: a system that
// cannot give them leaves the controls as they are, and the picker works the same.
// The swatch's tooltip asks the form for its text, and is answered here (see
// WindowBase).
#ifndef TINTWELL_PICKER_WIN32_CONTROL_HELP_H
#define TINTWELL_PICKER_WIN32_CONTROL_HELP_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "accessible_names.h"
#include "colour_description.h"
#include "control_layout.h"
#include "window_base.h"

namespace tintwell::win32 {

class ControlHelp : public MessageOwner {
  public:
    ControlHelp();
    // With a given annotation service, for tests.
    explicit ControlHelp(IAccPropServices *services);
    ~ControlHelp();
    ControlHelp(const ControlHelp &) = delete;
    ControlHelp &operator=(const ControlHelp &) = delete;

    // Names and tooltips for the form's controls, once they exist.
    void Attach(HWND form, HINSTANCE instance);
    // Takes the names back and closes the tooltip, while the controls still exist.
    void Detach();

    // The tooltip window; nullptr when the system could not make one.
    HWND tooltip() const { return tooltip_; }

    // The swatch's help follows its colour: the tooltip asks for its lines as it
    // shows (TTN_GETDISPINFO, answered from DescribedText), and the accessible
    // description is set here when the lines change.
    void DescribeSwatch(HWND swatch, const std::wstring &lines);
    // The same for the swatch of the form attached to, from the core's lines.
    void DescribeSwatch(const std::vector<std::string> &lines);
    // The same, asking `lines` for them only when `key` differs from the one the
    // text shown was made for (an empty key stands for no lines).
    template <typename Lines>
    void DescribeSwatch(const std::optional<ColourDescriptionKey> &key, const Lines &lines) {
        if (describedByKey_ && key == describedKey_) return;
        DescribeSwatch(lines());
        describedKey_ = key;
        describedByKey_ = true;
    }
    const std::wstring &DescribedText() const { return described_; }

    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

  private:
    void AddTooltips(HWND form, HINSTANCE instance);

    void AddSwatchTooltip(HWND form, HWND swatch);

    AccessibleNames names_;
    HWND tooltip_;
    HWND swatch_;
    std::wstring described_;
    // What described_ was made for: true, with an empty key for no lines, until a
    // text is given that came from no key.
    bool describedByKey_;
    std::optional<ColourDescriptionKey> describedKey_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CONTROL_HELP_H
