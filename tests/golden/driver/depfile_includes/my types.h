#ifndef MY_TYPES_H
#define MY_TYPES_H
#include <inner.h>
typedef int count_t;
#endif
