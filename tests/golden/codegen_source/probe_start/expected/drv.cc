
//
// ZIRKO Scenaria v2.6a, preprocessor C++
// file name: drv.cc
// date: Tue Nov 14 22:13:20 2023
//


#define ZIRKO probe_thr_class
#include "iface.h"

