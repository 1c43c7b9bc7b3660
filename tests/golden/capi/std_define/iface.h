__extension__ typedef CONST int w_t[WIDTH];
extern char *__restrict name_of(int id);
#ifndef HOSTED
#error HOSTED should come from -DEFINE
#endif
