/* Includes the same header again: it is listed once. */
#include "my types.h"
int second;
