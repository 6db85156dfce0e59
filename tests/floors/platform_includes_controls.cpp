// The platform reaching up for a control: the bottom floor sees only the portable core.
#include "gdi_handles.h"

#include "picture_box.h"
