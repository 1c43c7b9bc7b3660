#define TWICE(x) ((x) * 2)
#warning check this header
int inner_ok[TWICE(2)];
int inner_after;
short long inner_conflict;
