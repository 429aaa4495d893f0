// An include that does not name its folder hides which layer it uses.
#include "numbers.h"
