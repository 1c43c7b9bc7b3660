
//
// ZIRKO Scenaria v2.6a, preprocessor C++
// file name: drv.cc
// date: Tue Nov 14 22:13:20 2023
//


#include "iface.h"

#include "drv.h"

typedef struct ZRK_T_CTX *ZRK_PT_CTX;

#define zrk_set_time(zrk_ctx,time)	zrk_memcpy(&(zrk_ctx->zrk_zirko.zrk_runtime.zrk_ctxusrdate),&time,sizeof(ZRK_T_DATE))
class ZIRKO
 {
  public:
  ZRK_C_RUNTIME zrk_runtime;
  void zrk_ping_t_dump_msg (ping_t &zrk_msgrcv);
  struct {
int id;
int level;

}ZRK_ping_t;

  void zrk_order_t_dump_msg (order_t &zrk_msgrcv);
  struct {
int kind;
struct {
int select;

int a;
long b;

}u;
struct {
int c;
struct {
int select;

int x;
char y;

}v;

}inner;
struct {
int select;

int p;
short q;

}slots[2];

}ZRK_order_t;

  void zrk_reply_t_dump_msg (reply_t &zrk_msgrcv);
  struct {
int select;

int code;
char text[4];

}ZRK_reply_t;

  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
 }
;
struct ZRK_T_CTX
 {
  ZIRKO zrk_zirko;

 }
;

void zrk_decode (ZRK_PT_CTX zrk_ctx,ZRK_T_DATE time,ZRK_T_UINT code,ZRK_T_UINT zrk_key,void *msg);

void zrk_strt_probe (ZRK_PT_CTX zrk_ctx,ZRK_PT_CAR rioFilename,ZRK_PT_CAR codeName);
void ZIRKO::zrk_order_t_dump_msg (order_t &zrk_msgrcv)
 {
  zrk_runtime.zrk_varstruct (13);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (14, zrk_msgrcv.kind,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(14);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (15);
  switch (ZRK_order_t.u.select)
   {
    case 0:
     {
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (16, zrk_msgrcv.u.a,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(16);
       }
#endif // ZRK_HANDLE_EXCEPTION
      break;
     }
    case 1:
     {
      ZRK_TRY
      zrk_runtime.zrk_dmp_long_c (17, zrk_msgrcv.u.b,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(17);
       }
#endif // ZRK_HANDLE_EXCEPTION
      break;
     }
   }
  zrk_runtime.zrk_varstruct (18);
  zrk_runtime.zrk_varstruct (19);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (20, zrk_msgrcv.inner.c,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(20);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (21);
  switch (ZRK_order_t.inner.v.select)
   {
    case 0:
     {
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (22, zrk_msgrcv.inner.v.x,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(22);
       }
#endif // ZRK_HANDLE_EXCEPTION
      break;
     }
    case 1:
     {
      ZRK_TRY
      zrk_runtime.zrk_dmp_char_c (23, zrk_msgrcv.inner.v.y,ZRK_P_BASE8, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(23);
       }
#endif // ZRK_HANDLE_EXCEPTION
      break;
     }
   }
  zrk_runtime.zrk_varstruct (24);
  zrk_runtime.zrk_varstruct (25);
  zrk_runtime.zrk_vartab (26);
  zrk_runtime.zrk_varplage (27, 0, 1);
  for(I1 = 0; I1 <= 1; ++I1)
   {
    zrk_runtime.zrk_varstruct (28);
    switch (ZRK_order_t.slots[I1].select)
     {
      case 0:
       {
        ZRK_TRY
        zrk_runtime.zrk_dmp_int_c (29, zrk_msgrcv.slots[I1].p,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(29);
         }
#endif // ZRK_HANDLE_EXCEPTION
        break;
       }
      case 1:
       {
        ZRK_TRY
        zrk_runtime.zrk_dmp_int_c (30, zrk_msgrcv.slots[I1].q,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(30);
         }
#endif // ZRK_HANDLE_EXCEPTION
        break;
       }
     }
    zrk_runtime.zrk_varstruct (31);
   }
  zrk_runtime.zrk_varplage ( 32, -1, -1 );
  zrk_runtime.zrk_vartab (33);
  zrk_runtime.zrk_varstruct (34);
 }
void zrk_set_selector (ZRK_PT_CTX zrk_ctx,ZRK_T_UINT zrk_code,ZRK_T_UINT zrk_value)
 {
  switch(zrk_code)
   {
    case (ZRK_order_t_u_select):
    zrk_ctx->zrk_zirko.ZRK_order_t.u.select=zrk_value;
    break;
    case (ZRK_order_t_inner_v_select):
    zrk_ctx->zrk_zirko.ZRK_order_t.inner.v.select=zrk_value;
    break;
    case (ZRK_reply_t_select):
    zrk_ctx->zrk_zirko.ZRK_reply_t.select=zrk_value;
    break;
   }
 }
void zrk_init_selector (ZRK_PT_CTX zrk_ctx) 
 {
  zrk_ctx->zrk_zirko.ZRK_order_t.u.select=0;
  zrk_ctx->zrk_zirko.ZRK_order_t.inner.v.select=0;
  zrk_ctx->zrk_zirko.ZRK_reply_t.select=0;
 }
void zrk_strt_probe (ZRK_PT_CTX zrk_ctx,ZRK_PT_CAR rioFilename,ZRK_PT_CAR codeName)
 {
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_ctxtracepriority = 0;
  zrk_ctx->zrk_zirko.zrk_runtime.zrk_ctxflagprobe=1;
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
void zrk_decode (ZRK_PT_CTX zrk_ctx,ZRK_T_DATE zrk_time,ZRK_T_UINT zrk_code,ZRK_T_UINT zrk_key,void * zrk_msg)
 {
  ZRK_T_INT eevt=0,defmsg=0;
  if (zrk_code > ZRK_TDC_LAST_ID)
  zrk_set_selector(zrk_ctx,zrk_code,*((ZRK_PT_UINT) zrk_msg));
  else
   {
    zrk_set_time(zrk_ctx,zrk_time);
    if (zrk_code <= ZRK_TDC_LAST_SEND)
    zrk_ctx->zrk_zirko.zrk_runtime.zrk_send(zrk_code,"");
    else
     {
      zrk_ctx->zrk_zirko.zrk_runtime.zrk_waittil(zrk_code);
      switch(zrk_code)
       {
        case ZRK_TDC_RECV_ping_in_link_a:
        zrk_ctx->zrk_zirko.zrk_runtime.zrk__evt(ZRK_TDC_EVT_ping_t,ZRK_TDC_CH_link_a);
        eevt=ZRK_TDC_EEVT_ping_t;
        defmsg=0;
        zrk_ctx->zrk_zirko.zrk_runtime.zrk_evt(ZRK_TDC_EVT_ping_t,ZRK_TDC_CH_link_a,0," ");
        break;
        case ZRK_TDC_RECV_order_in_link_b:
        zrk_ctx->zrk_zirko.zrk_runtime.zrk__evt(ZRK_TDC_EVT_order_t,ZRK_TDC_CH_link_b);
        eevt=ZRK_TDC_EEVT_order_t;
        defmsg=ZRK_TDC_DEFM_order_in;
        zrk_ctx->zrk_zirko.zrk_runtime.zrk_evt(ZRK_TDC_EVT_order_t,ZRK_TDC_CH_link_b,0," ");
        break;
        case ZRK_TDC_RECV_ping_in_link_b:
        zrk_ctx->zrk_zirko.zrk_runtime.zrk__evt(ZRK_TDC_EVT_ping_t,ZRK_TDC_CH_link_b);
        eevt=ZRK_TDC_EEVT_ping_t;
        defmsg=0;
        zrk_ctx->zrk_zirko.zrk_runtime.zrk_evt(ZRK_TDC_EVT_ping_t,ZRK_TDC_CH_link_b,0," ");
        break;
       }
     }
    switch(zrk_code)
     {
      case ZRK_TDC_SEND_ping_out_link_a:
      case ZRK_TDC_RECV_ping_in_link_a:
      case ZRK_TDC_RECV_ping_in_link_b:
      case ZRK_TDC_SEND_ping_out_link_b:
      zrk_ctx->zrk_zirko.zrk_ping_t_dump_msg(*((ping_t *)zrk_msg));
      break;
      case ZRK_TDC_RECV_order_in_link_b:
      zrk_ctx->zrk_zirko.zrk_order_t_dump_msg(*((order_t *)zrk_msg));
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
void zrk_dump_inst (ZRK_CTX_PRB prb_ctx,ZRK_PT_CAR path,ZRK_PT_CAR riofile,ZRK_PT_CAR instName,ZRK_T_UINT other)
 {
  ZRK_T_CTX zrk_ctx;
  ZRK_T_DATE time;
  ZRK_T_UINT code,key;
  void *msg;
  prb_ctx=zrk_open_probe(prb_ctx,path,riofile,instName,other);
  zrk_init_selector(&zrk_ctx);
  if(zrk_read_probe(prb_ctx,&time,&code,&key,&msg))
   {
    zrk_set_time((&zrk_ctx),time);
    zrk_strt_probe(&zrk_ctx,riofile,instName);
    do
     {
      zrk_decode(&zrk_ctx,time,code,key,msg);
     }
    while(zrk_read_probe(prb_ctx,&time,&code,&key,&msg));
    zrk_stop_probe(&zrk_ctx);
   }
  zrk_close_probe(prb_ctx);
 }
 static int replayed_events = 0;
