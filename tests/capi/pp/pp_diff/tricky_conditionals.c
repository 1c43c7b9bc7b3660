/* Conditionals, "defined", character constants and unsigned arithmetic in
** the range where 32- and 64-bit targets agree. */
#define f(x) x
#define TWO 2
#if (TWO + 3) * 4 == 20 && !defined(undefined_macro) && (1 ? 2 : 3) == 2
cond1_ok
#endif
#if -1 < 0 && 1u > 0 && (0u - 1) > 0 && (-1 < 1u) == 0
cond2_ok
#endif
#if 0xFFFFFFFFu + 1 == 0x100000000 && (3u & 5) == 1 && (6 ^ 3) == 5
cond3_ok
#endif
#if (0x7FFFFFFF * 2u) / 2u == 0x7FFFFFFF && 10u % 3 == 1 && 7 % -2 == 1
cond4_ok
#endif
#if 'A' == 65 && '\n' == 10 && '\x41' == 65 && '\0' == 0 && '\\' == 92
cond5_ok
#endif
#if ~0 == -1 && -~0 == 1 && !0 == 1 && (1 << 4) == 16 && (-16 >> 2) == -4
cond6_ok
#endif
#if defined f && defined(TWO) && !defined nothere && f(1)
cond7_ok
#endif
#if 1u - 2 > 0 && -1 / 2 == 0 && -7 / 2 == -3 && -7 % 2 == -1
cond8_ok
#endif
#if 0
#error not here
#if garbage ( ) (
#else
#endif
#elif TWO == 2
elif_taken
#elif 1/0
#else
else_not_taken
#endif
#ifdef TWO
# ifndef TWO
nested_wrong
# else
nested_right
# endif
#endif
#if 0x10 == 16 && 010 == 8 && 0XaBcL == 2748 && 123456789012LL > 0
numbers_ok
#endif
#if 3 > 2 > 1
chained_no
#else
chained_ok
#endif
#undef TWO
#ifdef TWO
undef_wrong
#endif
/* A comment spanning
   lines, then a directive */ #define NOT_A_DIRECTIVE
after_comment
