/* The limit macros of <limits.h> (through the compiler's limits.h and its
** include_next) and <stdint.h>, expanded. */
#include <limits.h>
#include <stdint.h>
CHAR_BIT SCHAR_MIN SCHAR_MAX UCHAR_MAX CHAR_MIN CHAR_MAX SHRT_MIN SHRT_MAX
INT_MIN INT_MAX UINT_MAX LONG_MIN LONG_MAX ULONG_MAX LLONG_MIN ULLONG_MAX
INT8_MIN INT16_MAX INT32_MIN INT64_MAX UINT64_MAX INTPTR_MAX SIZE_MAX
INT64_C(5) UINT32_C(7) INTMAX_C(9) PTRDIFF_MIN SIG_ATOMIC_MAX WCHAR_MAX
#if INT_MAX == 2147483647 && LONG_MAX > INT_MAX
limits_consistent
#endif
