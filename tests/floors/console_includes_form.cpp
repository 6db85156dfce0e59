// The console picker reaching sideways for the picker's window: it opens none, so it
// does not see the form's room.
#include "console_pick.h"

#include "form_window.h"
