// The names the form's child windows go by, which are also the WM_COMMAND ids of the
// buttons. A control is given its name by the form and reports its input under it;
// input routing needs only these, not the layout table.
#ifndef TINTWELL_PICKER_WIN32_CONTROL_ID_H
#define TINTWELL_PICKER_WIN32_CONTROL_ID_H

#include <windows.h>

#include "command_ids.h"

namespace tintwell::win32 {

enum ControlId : int {
    kPicture1 = 101,
    kPicture2,
    kOption1,
    kOption2,
    kOption3,
    kOption4,
    kOption5,
    kOption6,
    kText1,
    kCommand1,
    kCheck1,
    kLabel1,
    kLabel2,
    kCheck2,
    kCheck3,
    kCheck4,
    kShape1,
};

static_assert(kControlIds.Holds(kPicture1) && kControlIds.Holds(kShape1),
              "the controls' ids lie in their range of the registry");

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CONTROL_ID_H
