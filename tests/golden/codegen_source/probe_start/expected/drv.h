#ifndef ZRK_PROBE_H
#define ZRK_PROBE_H

#define ZRK_TDC_END_SEND 1
#define ZRK_TDC_END_RECV 2

#define ZRK_TDC_gen "Tue Nov 14 22:13:20 2023 0"
#define ZRK_TDC_Spts 8
#define ZRK_TDC_Sscn 9
#define ZRK_TDC_Escn 10
#define ZRK_TDC_Epts 11
#define ZRK_TDC_LAST_SEND 0
#define ZRK_TDC_LAST_ID 0
