#ifndef ZRK_PROBE_H
#define ZRK_PROBE_H

#define ZRK_TDC_END_SEND 1
#define ZRK_TDC_END_RECV 2

#define ZRK_TDC_gen "Tue Nov 14 22:13:20 2023 0"
#define ZRK_TDC_Spts 8
#define ZRK_TDC_Sscn 9
#define ZRK_TDC_Escn 11
#define ZRK_TDC_Epts 12
#define ZRK_TDC_LAST_SEND 0
#define ZRK_TDC_LAST_ID 0
#ifdef USE_ZRS
#undef USE_ZRS
#endif
#define USE_ZRS 1
#include "TP.h"
#include "probecst.h"
#define zirko_concat(a,b) a##b
#define zirko_concat_3(a,b,c) a##b##c
#define zirko_concat_4(a,b,c,d) a##b##c##d
#define zirko_concat_6(a,b,c,d,e,f) a##b##c##d##e##f

/************* Definition of macros for dumping messages *********/ 
#define zrk_start_trace(ctx,path,instance,p1) ctx=zrk_create_probe(path,#instance,p1)
#define zrk_end_trace(ctx) zrk_end_probe(ctx)
#define zrk_send_trace(ctx,dist,msg,type,reportmsgname) zrk_write_probe(ctx,zirko_concat_6(ZRK_TDC_SEND_,type,_,reportmsgname,_,dist),0,msg,sizeof(type))
#define zrk_recv_trace(ctx,dist,msg,type,reportmsgname) zrk_write_probe(ctx,zirko_concat_6(ZRK_TDC_RECV_,type,_,reportmsgname,_,dist),0,msg,sizeof(type))
#define zrk_format_trace(file_format) 
#define zrk_select_trace(ctx,code,value) zrk_write_key(ctx,code,value)
#define zrk_dump_trace() zrk_dump_all_inst()

/************* Enf of macros definition *********/ 

extern "C" void zrk_dump_all_inst ();

extern "C" void zrk_dump_inst (ZRK_CTX_PRB prb_ctx,ZRK_PT_CAR path,ZRK_PT_CAR riofile,ZRK_PT_CAR instName,ZRK_T_UINT other); 

#endif
