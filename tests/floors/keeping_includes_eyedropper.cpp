// The keeping rules reaching sideways for the loupe's geometry: the rooms beside each
// other must not see each other.
#include "recent_colours.h"

#include "loupe_geometry.h"
