/* An interface with errors in itself and in the header it includes. */
#include "inner.h"

struct point { int x; int y; };
int bad = ;
int after_error;

#if WIDTH > 8
int wide_only;
#endif
#if 1
int never_closed(
