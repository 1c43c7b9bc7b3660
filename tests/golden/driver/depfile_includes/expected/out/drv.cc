
//
// ZIRKO Scenaria v2.6a, preprocessor C++
// file name: out/drv.cc
// date: Tue Nov 14 22:13:20 2023
//


#include "iface.h"

#include "second.h"

