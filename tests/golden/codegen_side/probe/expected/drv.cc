
//
// ZIRKO Scenaria v2.6a, preprocessor C++
// file name: drv.cc
// date: Tue Nov 14 22:13:20 2023
//


#include "demo.h"

#include "drv.h"
class ZIRKO
 {
  public:
  ZRK_C_RUNTIME zrk_runtime;
  void zrk_lamp_state_dump_msg (lamp_state &zrk_msgrcv);
  struct {
unsigned short id;
enum lamp_colour colour;
unsigned int seconds_left;

}ZRK_lamp_state;

  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
 }
;
struct ZRK_T_CTX
 {
  ZIRKO zrk_zirko;

 }
;
ZRK_T_CTX tab_global_ctx[NB_INSTANCES];
zrk_declar;

void zrk_decode (ZRK_PT_CTX zrk_ctx,ZRK_T_UINT code,ZRK_T_UINT zrk_key,void *msg);

void zrk_strt_probe (ZRK_PT_CTX zrk_ctx,ZRK_PT_CAR rioFilename,ZRK_PT_CAR codeName);
void ZIRKO::zrk_lamp_state_dump_msg (lamp_state &zrk_msgrcv)
 {
  zrk_runtime.zrk_varstruct (10);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (11, zrk_msgrcv.id,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(11);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (12, zrk_msgrcv.colour,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(12);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (13, zrk_msgrcv.seconds_left,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(13);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (14);
 }
void zrk_set_selector (ZRK_PT_CTX zrk_ctx,ZRK_T_UINT zrk_code,ZRK_T_UINT zrk_value)
 {
  switch(zrk_code)
   {
   }
 }
void zrk_init_selector (ZRK_PT_CTX zrk_ctx) 
 {
 }
ZRK_PT_CTX zrk_create_probe (ZRK_PT_CAR path,ZRK_PT_CAR instance,ZRK_T_INT p1)
 {
  char name[100];
  static int i_ctx=0;
  ZRK_PT_CTX zrk_ctx=tab_global_ctx+i_ctx++;
  zrk_sprintf(name,"%s%s.rio",path,instance);
  zrk_strt_probe(zrk_ctx,name,instance);
  return zrk_ctx;
 }
void zrk_write_probe (ZRK_PT_CTX ctx,ZRK_T_UINT code,ZRK_T_UINT key, void *msg,ZRK_T_UINT lenmsg)
 {
  zrk_decode(ctx,code,key,msg);
 }
void zrk_strt_probe (ZRK_PT_CTX zrk_ctx,ZRK_PT_CAR rioFilename,ZRK_PT_CAR codeName)
 {
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_ctxtracepriority = 0;
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_ctxflagprobe=0;
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_set_occid(0,(char **)0,0);
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_logdate=(ZRK_T_UTIME)0;
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_set_trace_functions ();
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_set_riofilename(0,(char **)0,rioFilename);
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_set_instancevalid(1);
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_set_instancename(0,(char **)0,codeName);
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_set_lstflt(0,(char **)0,"");
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_initrio (ZRK_TDC_gen,"");
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_startchronomarkloop (ZRK_TDC_Epts, ZRK_TDC_Spts , 0, 1,"",0,0);
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_startchronomarkloop (ZRK_TDC_Escn, ZRK_TDC_Sscn ,1, 1,"",0,0);
 }
void zrk_stop_probe (ZRK_PT_CTX  zrk_ctx)
 {
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_stopchronomarkloop (0,ZRK_TDC_Escn,1,1,"",0,0);
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_stopchronomarkloop (0, ZRK_TDC_Epts, 0, 1,"",0,0);
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_end ();
 }
void zrk_decode (ZRK_PT_CTX zrk_ctx,ZRK_T_UINT zrk_code,ZRK_T_UINT zrk_key,void * zrk_msg)
 {
  ZRK_T_INT eevt=0,defmsg=0;
  if (zrk_code > ZRK_TDC_LAST_ID)
  zrk_set_selector(zrk_ctx,zrk_code,*((ZRK_PT_UINT) zrk_msg));
  else
   {
    if (zrk_code <= ZRK_TDC_LAST_SEND)
    zrk_ctx->zrk_zirko.zrk_runtime.zrk_send(zrk_code,"");
    else
     {
      zrk_ctx->zrk_zirko.zrk_runtime.zrk_waittil(zrk_code);
      switch(zrk_code)
       {
        case ZRK_TDC_RECV_lamp_report_lamp_link:
        zrk_ctx->zrk_zirko.zrk_runtime.zrk__evt(ZRK_TDC_EVT_lamp_state,ZRK_TDC_CH_lamp_link);
        eevt=ZRK_TDC_EEVT_lamp_state;
        defmsg=ZRK_TDC_DEFM_lamp_report;
        zrk_ctx->zrk_zirko.zrk_runtime.zrk_evt(ZRK_TDC_EVT_lamp_state,ZRK_TDC_CH_lamp_link,0," ");
        break;
       }
     }
    switch(zrk_code)
     {
      case ZRK_TDC_SEND_lamp_order_lamp_link:
      case ZRK_TDC_RECV_lamp_report_lamp_link:
      zrk_ctx->zrk_zirko.zrk_lamp_state_dump_msg(*((lamp_state *)zrk_msg));
      break;
     }
    if (zrk_code <= ZRK_TDC_LAST_SEND)
    zrk_ctx->zrk_zirko.zrk_runtime.zrk_endsend(0,zrk_code+ZRK_TDC_END_SEND);
    else
     {
      zrk_ctx->zrk_zirko.zrk_runtime.zrk_endevt(eevt);
      zrk_ctx->zrk_zirko.zrk_runtime.zrk_def_msg(defmsg);
      zrk_ctx->zrk_zirko.zrk_runtime.zrk_endwaittil(0, zrk_code+ZRK_TDC_END_RECV,"");
     }
   }
 }
