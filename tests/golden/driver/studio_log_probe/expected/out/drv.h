#ifndef ZRK_PROBE_H
#define ZRK_PROBE_H

#define ZRK_TDC_END_SEND 1
#define ZRK_TDC_END_RECV 2

#define ZRK_TDC_gen "Tue Nov 14 22:13:20 2023 0"
#define ZRK_TDC_LAST_SEND 0
#define ZRK_TDC_LAST_ID 0
#ifdef USE_ZRS
#undef USE_ZRS
#endif
#define USE_ZRS 1
#include "TP.h"

typedef struct ZRK_T_CTX *ZRK_PT_CTX;

#define ZRK_CTX_PRB ZRK_PT_CTX

#include "zrkdeclar.h"
#define zirko_concat(a,b) a##b
#define zirko_concat_3(a,b,c) a##b##c
#define zirko_concat_4(a,b,c,d) a##b##c##d
#define zirko_concat_6(a,b,c,d,e,f) a##b##c##d##e##f

/************* Definition of macros for dumping messages *********/ 
#define zrk_start_trace(ctx,path,instance,p1) ctx=zrk_create_probe(path,#instance,p1)
#define zrk_end_trace(ctx) zrk_stop_probe(ctx)
#define zrk_send_trace(ctx,dist,msg,type,reportmsgname) zrk_write_probe(ctx,zirko_concat_6(ZRK_TDC_SEND_,type,_,reportmsgname,_,dist),0,msg,sizeof(type))
#define zrk_recv_trace(ctx,dist,msg,type,reportmsgname) zrk_write_probe(ctx,zirko_concat_6(ZRK_TDC_RECV_,type,_,reportmsgname,_,dist),0,msg,sizeof(type))
#define zrk_format_trace(file_format) 
#define zrk_select_trace(ctx,code,value) zrk_set_selector(ctx,code,value)
#define zrk_dump_trace() 

/************* Enf of macros definition *********/ 

extern "C" ZRK_PT_CTX zrk_create_probe (ZRK_PT_CAR path,ZRK_PT_CAR instance,ZRK_T_INT p1);

extern "C" void zrk_write_probe(ZRK_PT_CTX ctx,unsigned int code, unsigned int key, void *msg, unsigned int lenmsg);

extern "C" void zrk_stop_probe (ZRK_PT_CTX zrk_ctx);

extern "C" void zrk_set_selector (ZRK_PT_CTX zrk_ctx,ZRK_T_UINT zrk_code,ZRK_T_UINT zrk_value);

#endif
