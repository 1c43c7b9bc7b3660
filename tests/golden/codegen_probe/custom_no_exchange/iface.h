typedef struct { int id; int level; } ping_t;
