#ifndef ZRK_PROBE_H
#define ZRK_PROBE_H

#define ZRK_TDC_END_SEND 1
#define ZRK_TDC_END_RECV 2

#define ZRK_TDC_gen "Tue Nov 14 22:13:20 2023 0"
#define ZRK_TDC_CH_lamp_link 8
#define ZRK_TDC_EVT_lamp_state 9
#define ZRK_TDC_EEVT_lamp_state 15
#define ZRK_TDC_DEFM_lamp_report 16
#define ZRK_TDC_Spts 28
#define ZRK_TDC_Spts 35
#define ZRK_TDC_Sscn 36
#define ZRK_TDC_SEND_lamp_order_lamp_link 37
#define ZRK_TDC_RECV_lamp_report_lamp_link 39
#define ZRK_TDC_Escn 45
#define ZRK_TDC_Sscn 46
#define ZRK_TDC_Escn 68
#define ZRK_TDC_Epts 69
#define ZRK_TDC_Epts 72
#define ZRK_TDC_LAST_SEND 37
#define ZRK_TDC_LAST_ID 39
