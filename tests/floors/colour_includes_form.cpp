// A colour rule reaching up for the handlers: the colour room must not see them.
#include "colour_formats.h"

#include "form_controls.h"
