/* the traced messages: one plain, one with two selected unions (the
** union in an array has no selector of its own), one a
** union itself */
typedef struct { int id; int level; } ping_t;
typedef struct {
    int kind;
    union { int a; long b; } u;
    struct { int c; union { int x; char y; } v; } inner;
    union { int p; short q; } slots[2];
} order_t;
typedef union { int code; char text[4]; } reply_t;
