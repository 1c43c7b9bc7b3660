/* Nested function-like macros, "#" and "##", variadic macros, rescanning. */
#define f(x) (x + 1)
#define g(x, y) f(x) * f(y)
#define h(...) g(__VA_ARGS__)
h(1, 2) g(f(3), f(f(4)))
#define str(x) #x
#define xstr(x) str(x)
xstr(g(1,2)) str(  a   +  b  ) str("q\n" '\'') str() xstr(__LINE__)
#define cat(a, b) a ## b
#define xcat(a, b) cat(a, b)
cat(x, 1) xcat(cat(a,b), c) cat(, y) cat(z, ) cat(1, .5) cat(<, <) cat(L, 'a')
#define self self + 1
self
#define AA BB
#define BB AA
AA BB
#define call(m, a) m(a)
call(f, 7) call(str, hello) call(call, f)
#define app(x) f x
app((9))
#define v1(a, ...) [a | __VA_ARGS__]
v1(1) v1(1, 2, 3) v1((1, 2), (3, 4)) v1(,)
#define vs(...) #__VA_ARGS__
vs(a, b,   c) vs()
#define obj() nothing
obj obj() obj ()
#define multi(a, b) <a b>
multi(1,
      2) multi(
(x), [y]
)
#define EMPTY
#define paste3(a, b, c) a ## b ## c
paste3(1, 2, 3) paste3(, , z) paste3(EMPTY, x, EMPTY)
#define neg -1
-neg - -neg
#define plus +
+plus plus+ x plus+plus y
#define OBJ_PASTE a ## b ## c
OBJ_PASTE
#define id(x) x
id(id)(id)(5) id(id(id(6)))
#define lparen (
#define rparen )
f lparen 8 rparen
__LINE__ __LINE__
#line 500
__LINE__
