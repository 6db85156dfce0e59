// The basics reaching up for the hex text rules: the bottom room sees only itself.
#include "rounding.h"

#include "picker_state.h"
