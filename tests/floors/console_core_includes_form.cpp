// The console picker's rules reaching sideways for the form's handlers: they stand
// beside them and do not see them.
#include "console_request.h"

#include "form_controls.h"
