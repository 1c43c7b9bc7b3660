/* A header with a blank in its name, included by a header. */
#include "my types.h"
CONST int limit = 4;
