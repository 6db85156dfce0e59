// A control reaching up for the form's layout table: the controls' room must not see it.
#include "picture_box.h"

#include "control_layout.h"
