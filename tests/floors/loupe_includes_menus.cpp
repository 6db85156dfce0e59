// The loupe reaching sideways for the copy menu: rooms on one floor do not see each other.
#include "loupe.h"

#include "copy_menu.h"
