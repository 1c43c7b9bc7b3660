
//
// ZIRKO Scenaria v2.6a, preprocessor C++
// file name: drv.cc
// date: Tue Nov 14 22:13:20 2023
//


#ifdef USE_ZRS
#undef USE_ZRS
#endif
#define USE_ZRS 1
#include "TP.h"
#include "iface.h"

#define ZRK_K_MAX_COMT 1
#define ZRK_K_MAX_CHAN 1
#define ZRK_K_MAX_MSGT 2
#define ZRK_K_CHAN_bus 1
typedef struct zrk_s_T_CHAN_bus
 {
  int *zrk_connexionId[ZRK_K_ID_SIZE];
  ZRK_T_INT zrk_numberofId;
  ZRK_T_INT zrk_msg[ZRK_K_MAX_MSGT];
 }
ZRK_T_CHAN_bus, *ZRK_PT_CHAN_bus;
typedef ZRK_T_CHAN_bus ZRK_T_COMM_bus[ZRK_K_CHAN_bus];
#define ZRK_K_CHAN_mux 1
typedef struct zrk_s_T_CHAN_mux
 {
  int *zrk_connexionId[ZRK_K_ID_SIZE];
  ZRK_T_INT zrk_numberofId;
  ZRK_T_INT zrk_msg[ZRK_K_MAX_MSGT];
 }
ZRK_T_CHAN_mux, *ZRK_PT_CHAN_mux;
typedef ZRK_T_CHAN_mux ZRK_T_COMM_mux[ZRK_K_CHAN_mux];
#define ZRK_K_MSG_frame_t 1
typedef struct zrk_s_T_MSG_frame_t
 {
  ZRK_T_INT zrk_defNumber;
  frame_t zrk_MsgRef;
  frame_t zrk_MsgMin;
  frame_t zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_frame_t, *ZRK_PT_frame_t;
typedef ZRK_T_frame_t ZRK_T_MSG_frame_t[ZRK_K_MSG_frame_t];
#define ZRK_K_MSG_inner_t 1
typedef struct zrk_s_T_MSG_inner_t
 {
  ZRK_T_INT zrk_defNumber;
  inner_t zrk_MsgRef;
  inner_t zrk_MsgMin;
  inner_t zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_inner_t, *ZRK_PT_inner_t;
typedef ZRK_T_inner_t ZRK_T_MSG_inner_t[ZRK_K_MSG_inner_t];
class zrk_tabid_bus
 {
  ZRK_PT_CHAN_bus zrk_pchannel;
  public:
  zrk_tabid_bus(ZRK_PT_CHAN_bus c) { zrk_pchannel = c; };
  int &operator[] (int i) { return(*(zrk_pchannel->zrk_connexionId[i])); };
 }
;
class zrk_tabid_mux
 {
  ZRK_PT_CHAN_mux zrk_pchannel;
  public:
  zrk_tabid_mux(ZRK_PT_CHAN_mux c) { zrk_pchannel = c; };
  int &operator[] (int i) { return(*(zrk_pchannel->zrk_connexionId[i])); };
 }
;
class ZIRKO
 {
  public:
  ZIRKO ();
  void zrk_initstates ();
  ZRK_T_INT zrk_WAIT_0 (ZRK_T_INT *zrk_exprOK,ZRK_T_INT *zrk_expr_KO,ZRK_T_UTIME zrk_wtime_0 );
  ZRK_T_INT zrk_S106 ();
  ZRK_T_INT zrk_S105 ();
  ZRK_T_INT zrk_inner_t_ON_mux_for_procsend (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_inner_t_ON_mux (ZRK_T_INT zrk_RegId);
  ZRK_T_INT zrk_frame_t_ON_bus (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
  ZRK_T_COMM_bus zrk_channel_bus;
  ZRK_T_COMM_mux zrk_channel_mux;
  // wire => zrk_state_channel[0][0]
  // hub => zrk_state_channel[1][0]
  void zrk_frame_t_ref_msg (ZRK_PT_frame_t zrk_msg_ref);
  ZRK_T_INT zrk_frame_t_cmp_msg (ZRK_PT_frame_t zrk__msg_ref,frame_t &zrk_msg_rcv);
  void zrk_frame_t_dump_msg (frame_t &zrk_msgrcv);
  ZRK_T_MSG_frame_t zrk_msg_frame_t;
  frame_t zrk_frame_t_rcv;
  frame_t *zrk_frame_t_send;
  struct {
int h;
unsigned char d;
long b;
char c;
int n;
struct {
int a;
long b;

}in;
struct {
int select;

int num;
char text[8];

}pay;
int vals[4];
struct {
int a;
long b;

}items[3];
char name[8];
char label[200];
int *ptr;
double ratio;
float f;

}ZRK_frame_t;

  frame_t &ev_frame;
  frame_t &zrk_Min_ev_frame;
  frame_t &zrk_Max_ev_frame;
  void zrk_inner_t_ref_msg (ZRK_PT_inner_t zrk_msg_ref);
  ZRK_T_INT zrk_inner_t_cmp_msg (ZRK_PT_inner_t zrk__msg_ref,inner_t &zrk_msg_rcv);
  void zrk_inner_t_dump_msg (inner_t &zrk_msgrcv);
  ZRK_T_MSG_inner_t zrk_msg_inner_t;
  inner_t zrk_inner_t_rcv;
  inner_t *zrk_inner_t_send;
  struct {
int a;
long b;

}ZRK_inner_t;

  inner_t &ev_inner;
  inner_t &zrk_Min_ev_inner;
  inner_t &zrk_Max_ev_inner;
 }
;
#define ZRK_NUMINSTANCE zrk_runtime.zrk_ctxnuminstance
#define ZRK_OCCID zrk_runtime.zrk_ctxoccid
#define ZRK_TIMEOUT zrk_runtime.zrk_ctxtimeout

ZIRKO :: ZIRKO () : WTIME(0)
,ev_frame(zrk_msg_frame_t[0].zrk_MsgRef)
,zrk_Min_ev_frame(zrk_msg_frame_t[0].zrk_MsgMin)
,zrk_Max_ev_frame(zrk_msg_frame_t[0].zrk_MsgMax)
,ev_inner(zrk_msg_inner_t[0].zrk_MsgRef)
,zrk_Min_ev_inner(zrk_msg_inner_t[0].zrk_MsgMin)
,zrk_Max_ev_inner(zrk_msg_inner_t[0].zrk_MsgMax)
 {
  ZRK_T_INT zrk_i;
  for (zrk_i=0;zrk_i<ZRK_K_CHAN_bus;zrk_i++)
   {
    zrk_channel_bus[zrk_i].zrk_numberofId = 0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_CHAN_mux;zrk_i++)
   {
    zrk_channel_mux[zrk_i].zrk_numberofId = 0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_frame_t;zrk_i++)
   {
    zrk_msg_frame_t[zrk_i].zrk_defNumber=0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_inner_t;zrk_i++)
   {
    zrk_msg_inner_t[zrk_i].zrk_defNumber=0;
   }
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
  for (zrk_i=0; zrk_i<ZRK_K_MSG_frame_t; zrk_i++)
   {
    zrk_msg_frame_t[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_frame_t[zrk_i].zrk_stateok=0;
    zrk_msg_frame_t[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_frame_t[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
  for (zrk_i=0; zrk_i<ZRK_K_MSG_inner_t; zrk_i++)
   {
    zrk_msg_inner_t[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_inner_t[zrk_i].zrk_stateok=0;
    zrk_msg_inner_t[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_inner_t[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
 }
static ZIRKO zrk_zirko_static;
void ZIRKO::zrk_frame_t_ref_msg (ZRK_PT_frame_t zrk_msg_ref)
 {
  frame_t &zrk_msgrcv = zrk_msg_ref->zrk_MsgRef;
  frame_t &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  frame_t &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      zrk_runtime.zrk_def_msg(45);
      zrk_runtime.zrk_varstruct (46);
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (47, zrk_msgrcv.h,ZRK_P_BASE16, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(47);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_byte_c (48, zrk_msgrcv.d,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(48);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_long_c (49, zrk_msgrcv.b,ZRK_P_BASE2, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(49);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_char_c (50, zrk_msgrcv.c,ZRK_P_BASE8, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(50);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_range_int_c (51, 1,(ZRK_T_INT) zrk_msgMin.n,1,(ZRK_T_INT) zrk_msgMax.n,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(51);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (52);
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (53, zrk_msgrcv.in.a,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(53);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_range_long_c (54, 1,(ZRK_T_LONG) zrk_msgMin.in.b,1,(ZRK_T_LONG) zrk_msgMax.in.b,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(54);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (55);
      zrk_runtime.zrk_varstruct (56);
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (57, zrk_msgrcv.pay.num,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(57);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (58);
      zrk_runtime.zrk_vartab (59);
      zrk_runtime.zrk_varreset ();
      I1 = 0;
       {
        ZRK_TRY
        zrk_runtime.zrk_dmp_int_c (61, zrk_msgrcv.vals[I1],ZRK_P_BASE10, I1, 0 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(61);
         }
#endif // ZRK_HANDLE_EXCEPTION
       }
      zrk_runtime.zrk_varreset ();
      for(I1 = 1; I1 <= 2; ++I1)
       {
        ZRK_TRY
        zrk_runtime.zrk_dmp_range_int_c (64, 1,(ZRK_T_INT) zrk_msgMin.vals[I1],1,(ZRK_T_INT) zrk_msgMax.vals[I1],ZRK_P_BASE10, I1, 2 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(64);
         }
#endif // ZRK_HANDLE_EXCEPTION
       }
      zrk_runtime.zrk_varreset ();
      I1 = 3;
       {
        ZRK_TRY
        zrk_runtime.zrk_dmp_int_c (67, zrk_msgrcv.vals[I1],ZRK_P_BASE10, I1, 3 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(67);
         }
#endif // ZRK_HANDLE_EXCEPTION
       }
      zrk_runtime.zrk_vartab (69);
      zrk_runtime.zrk_vartab (70);
      zrk_runtime.zrk_varplage (71, 0, 1);
      for(I1 = 0; I1 <= 1; ++I1)
       {
        zrk_runtime.zrk_varstruct (72);
        ZRK_TRY
        zrk_runtime.zrk_dmp_int_c (73, zrk_msgrcv.items[I1].a,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(73);
         }
#endif // ZRK_HANDLE_EXCEPTION
        ZRK_TRY
        zrk_runtime.zrk_dmp_long_c (74, zrk_msgrcv.items[I1].b,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(74);
         }
#endif // ZRK_HANDLE_EXCEPTION
        zrk_runtime.zrk_varstruct (75);
       }
      zrk_runtime.zrk_varplage ( 76, -1, -1 );
      zrk_runtime.zrk_varplage (77, 2, 2);
      I1 = 2;
       {
        zrk_runtime.zrk_varstruct (78);
        ZRK_TRY
        zrk_runtime.zrk_dmp_int_c (79, zrk_msgrcv.items[I1].a,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(79);
         }
#endif // ZRK_HANDLE_EXCEPTION
        ZRK_TRY
        zrk_runtime.zrk_dmp_long_c (80, zrk_msgrcv.items[I1].b,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(80);
         }
#endif // ZRK_HANDLE_EXCEPTION
        zrk_runtime.zrk_varstruct (81);
       }
      zrk_runtime.zrk_varplage ( 82, -1, -1 );
      zrk_runtime.zrk_vartab (83);
      ZRK_TRY
      zrk_runtime.zrk_dmp_string_c (84, zrk_msgrcv.label, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(84);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_pointer_c (85, zrk_msgrcv.ptr, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(85);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_range_double_c (86, 1,(ZRK_T_DOUBLE) zrk_msgMin.ratio,1,(ZRK_T_DOUBLE) zrk_msgMax.ratio, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(86);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_float_c (87, zrk_msgrcv.f, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(87);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (88);
      break;
     }
   }
 }
ZRK_T_INT ZIRKO::zrk_frame_t_cmp_msg(ZRK_PT_frame_t zrk_msg_ref, frame_t &zrk_msgrcv)
 {
  ZRK_T_INT zrk_ret;
  frame_t &zrk_msgref = zrk_msg_ref->zrk_MsgRef;
  frame_t &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  frame_t &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  zrk_runtime.zrk_cmp();
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (47, zrk_msgrcv.h,zrk_msgref.h,ZRK_P_BASE16, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(47);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_char_c (48, zrk_msgrcv.d,zrk_msgref.d, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(48);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_long_c (49, zrk_msgrcv.b,zrk_msgref.b,ZRK_P_BASE2, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(49);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_char_c (50, zrk_msgrcv.c,zrk_msgref.c, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(50);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_range_int_c (51, (ZRK_T_INT) zrk_msgrcv.n,1,(ZRK_T_INT) zrk_msgMin.n,1,(ZRK_T_INT) zrk_msgMax.n, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(51);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (53, zrk_msgrcv.in.a,zrk_msgref.in.a,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(53);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_range_long_c (54, (ZRK_T_LONG) zrk_msgrcv.in.b,1,(ZRK_T_LONG) zrk_msgMin.in.b,1,(ZRK_T_LONG) zrk_msgMax.in.b, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(54);
       }
#endif // ZRK_HANDLE_EXCEPTION
      if (ZRK_frame_t.pay.select==0)
       {
        ZRK_TRY
        zrk_runtime.zrk_cmp_int_c (57, zrk_msgrcv.pay.num,zrk_msgref.pay.num,ZRK_P_BASE10, I0, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(57);
         }
#endif // ZRK_HANDLE_EXCEPTION
       }
      else
       {
        zrk_runtime.zrk_setflagrt ();
       }
      I1 = 0;
       {
        ZRK_TRY
        zrk_runtime.zrk_cmp_int_c (61, zrk_msgrcv.vals[I1],zrk_msgref.vals[I1],ZRK_P_BASE10, I1, 0 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(61);
         }
#endif // ZRK_HANDLE_EXCEPTION
       }
      for(I1 = 1; I1 <= 2; ++I1)
       {
        ZRK_TRY
        zrk_runtime.zrk_cmp_range_int_c (64, (ZRK_T_INT) zrk_msgrcv.vals[I1],1,(ZRK_T_INT) zrk_msgMin.vals[I1],1,(ZRK_T_INT) zrk_msgMax.vals[I1], I1, 2 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(64);
         }
#endif // ZRK_HANDLE_EXCEPTION
       }
      I1 = 3;
       {
        ZRK_TRY
        zrk_runtime.zrk_cmp_int_c (67, zrk_msgrcv.vals[I1],zrk_msgref.vals[I1],ZRK_P_BASE10, I1, 3 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(67);
         }
#endif // ZRK_HANDLE_EXCEPTION
       }
      for(I1 = 0; I1 <= 1; ++I1)
       {
        ZRK_TRY
        zrk_runtime.zrk_cmp_int_c (73, zrk_msgrcv.items[I1].a,zrk_msgref.items[I1].a,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(73);
         }
#endif // ZRK_HANDLE_EXCEPTION
        ZRK_TRY
        zrk_runtime.zrk_cmp_long_c (74, zrk_msgrcv.items[I1].b,zrk_msgref.items[I1].b,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(74);
         }
#endif // ZRK_HANDLE_EXCEPTION
       }
      I1 = 2;
       {
        ZRK_TRY
        zrk_runtime.zrk_cmp_int_c (79, zrk_msgrcv.items[I1].a,zrk_msgref.items[I1].a,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(79);
         }
#endif // ZRK_HANDLE_EXCEPTION
        ZRK_TRY
        zrk_runtime.zrk_cmp_long_c (80, zrk_msgrcv.items[I1].b,zrk_msgref.items[I1].b,ZRK_P_BASE10, I1, -1 );
        ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
        catch(...)
         {
          zrk_runtime.zrk_var_catch(80);
         }
#endif // ZRK_HANDLE_EXCEPTION
       }
      ZRK_TRY
      zrk_runtime.zrk_cmp_string_c (84, zrk_msgrcv.label,zrk_msgref.label, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(84);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_pointer_c (85, zrk_msgrcv.ptr,zrk_msgref.ptr, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(85);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_range_double_c (86, (ZRK_T_DOUBLE) zrk_msgrcv.ratio,1,(ZRK_T_DOUBLE) zrk_msgMin.ratio,1,(ZRK_T_DOUBLE) zrk_msgMax.ratio, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(86);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_float_c (87, zrk_msgrcv.f,zrk_msgref.f, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(87);
       }
#endif // ZRK_HANDLE_EXCEPTION
      break;
     }
   }
  zrk_ret=zrk_runtime.zrk_cmp();
  zrk_msg_ref->zrk_state = zrk_ret?ZRK_EVTOK:ZRK_EVTKO;
  if (zrk_msg_ref->zrk_state == ZRK_EVTOK)
   {
    zrk_msg_ref->zrk_stateok = 1;
    zrk_memcpy(&(zrk_msg_ref->zrk_MsgRef),&zrk_msgrcv,sizeof(frame_t));
   }
  else zrk_msg_ref->zrk_stateko = 1;
  return(zrk_ret);
 }
void ZIRKO::zrk_frame_t_dump_msg (frame_t &zrk_msgrcv)
 {
  zrk_runtime.zrk_varstruct (11);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (12, zrk_msgrcv.h,ZRK_P_BASE16, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(12);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_byte_c (13, zrk_msgrcv.d,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(13);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_long_c (14, zrk_msgrcv.b,ZRK_P_BASE2, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(14);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_char_c (15, zrk_msgrcv.c,ZRK_P_BASE8, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(15);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (16, zrk_msgrcv.n,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(16);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (17);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (18, zrk_msgrcv.in.a,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(18);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_long_c (19, zrk_msgrcv.in.b,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(19);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (20);
  zrk_runtime.zrk_varstruct (21);
  switch (ZRK_frame_t.pay.select)
   {
    case 0:
     {
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (22, zrk_msgrcv.pay.num,ZRK_P_BASE10, I0, -1 );
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
      zrk_runtime.zrk_dmp_string_c (23, zrk_msgrcv.pay.text, I0, -1 );
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
  zrk_runtime.zrk_vartab (25);
  zrk_runtime.zrk_varreset ();
  for(I1 = 0; I1 <= 3; ++I1)
   {
    ZRK_TRY
    zrk_runtime.zrk_dmp_int_c (27, zrk_msgrcv.vals[I1],ZRK_P_BASE10, I1, 3 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(27);
     }
#endif // ZRK_HANDLE_EXCEPTION
   }
  zrk_runtime.zrk_vartab (29);
  zrk_runtime.zrk_vartab (30);
  zrk_runtime.zrk_varplage (31, 0, 2);
  for(I1 = 0; I1 <= 2; ++I1)
   {
    zrk_runtime.zrk_varstruct (32);
    ZRK_TRY
    zrk_runtime.zrk_dmp_int_c (33, zrk_msgrcv.items[I1].a,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(33);
     }
#endif // ZRK_HANDLE_EXCEPTION
    ZRK_TRY
    zrk_runtime.zrk_dmp_long_c (34, zrk_msgrcv.items[I1].b,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(34);
     }
#endif // ZRK_HANDLE_EXCEPTION
    zrk_runtime.zrk_varstruct (35);
   }
  zrk_runtime.zrk_varplage ( 36, -1, -1 );
  zrk_runtime.zrk_vartab (37);
  ZRK_TRY
  zrk_runtime.zrk_dmp_string_c (38, zrk_msgrcv.name, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(38);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_string_c (39, zrk_msgrcv.label, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(39);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_pointer_c (40, zrk_msgrcv.ptr, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(40);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_double_c (41, zrk_msgrcv.ratio, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(41);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_float_c (42, zrk_msgrcv.f, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(42);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (43);
 }
void ZIRKO::zrk_inner_t_ref_msg (ZRK_PT_inner_t zrk_msg_ref)
 {
  inner_t &zrk_msgrcv = zrk_msg_ref->zrk_MsgRef;
  inner_t &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  inner_t &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 2:
     {
      zrk_runtime.zrk_def_msg(95);
      zrk_runtime.zrk_varstruct (96);
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (97, zrk_msgrcv.a,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(97);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_long_c (98, zrk_msgrcv.b,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(98);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (99);
      break;
     }
   }
 }
ZRK_T_INT ZIRKO::zrk_inner_t_cmp_msg(ZRK_PT_inner_t zrk_msg_ref, inner_t &zrk_msgrcv)
 {
  ZRK_T_INT zrk_ret;
  inner_t &zrk_msgref = zrk_msg_ref->zrk_MsgRef;
  inner_t &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  inner_t &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  zrk_runtime.zrk_cmp();
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 2:
     {
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (97, zrk_msgrcv.a,zrk_msgref.a,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(97);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_long_c (98, zrk_msgrcv.b,zrk_msgref.b,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(98);
       }
#endif // ZRK_HANDLE_EXCEPTION
      break;
     }
   }
  zrk_ret=zrk_runtime.zrk_cmp();
  zrk_msg_ref->zrk_state = zrk_ret?ZRK_EVTOK:ZRK_EVTKO;
  if (zrk_msg_ref->zrk_state == ZRK_EVTOK)
   {
    zrk_msg_ref->zrk_stateok = 1;
    zrk_memcpy(&(zrk_msg_ref->zrk_MsgRef),&zrk_msgrcv,sizeof(inner_t));
   }
  else zrk_msg_ref->zrk_stateko = 1;
  return(zrk_ret);
 }
void ZIRKO::zrk_inner_t_dump_msg (inner_t &zrk_msgrcv)
 {
  zrk_runtime.zrk_varstruct (90);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (91, zrk_msgrcv.a,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(91);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_long_c (92, zrk_msgrcv.b,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(92);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (93);
 }
ZRK_T_INT ZIRKO::zrk_WAIT_0(ZRK_T_INT * zrk_exprOK,ZRK_T_INT * zrk_exprKO,ZRK_T_UTIME zrk_wtime_0)
 {
  ZRK_T_INT zrk_ret=0;
  do
   {
    if ((*zrk_exprKO = (WTIME == 100)))
     {
      zrk_ret=1;
     }
    if ((*zrk_exprOK = (ZRK_MATCHED_2(zrk_msg_frame_t[0],zrk_state_channel[0][0]) && ZRK_MATCHED_2(zrk_msg_inner_t[0],zrk_state_channel[1][0]))))
     {
      zrk_ret=1;
     }
    if (WTIME <= zrk_wtime_0)
     {
      WTIME++;
     }
   }
  while ((WTIME<=zrk_wtime_0)&&(!zrk_ret));
  WTIME = zrk_wtime_0;
  return zrk_ret;
 }
/* callback frame_t_ON_bus */
ZRK_T_INT ZIRKO::zrk_frame_t_ON_bus(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)
 {
  frame_t &m = (zrk_frame_t_rcv);
  int &c = *(zrk_channel_bus[zrk_RegId].zrk_connexionId[zrk_index]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_nomsg (100);
  return ( ZRK_NO_MESSAGE );
  zrk_runtime.zrk_msgdate (101);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    return ( 1 );
   }
#endif // ZRK_HANDLE_EXCEPTION
#ifdef ZRK_SCENARIA_DEBUG
  return (zrk_debug_state ? 1 : ZRK_MESSAGE_READ);
#else
  return ( ZRK_MESSAGE_READ );
#endif
 }
/* callback inner_t_ON_mux */
ZRK_T_INT ZIRKO::zrk_inner_t_ON_mux(ZRK_T_INT zrk_RegId)
 {
  inner_t &m = (zrk_inner_t_rcv);
  ZRK_T_INT &n = zrk_channel_mux[zrk_RegId].zrk_numberofId;
  zrk_tabid_mux ids(&zrk_channel_mux[zrk_RegId]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_nomsg (102);
  return ( ZRK_NO_MESSAGE );
  zrk_runtime.zrk_msgdate (103);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    return ( 1 );
   }
#endif // ZRK_HANDLE_EXCEPTION
#ifdef ZRK_SCENARIA_DEBUG
  return (zrk_debug_state ? 1 : ZRK_MESSAGE_READ);
#else
  return ( ZRK_MESSAGE_READ );
#endif
 }
/* procsend inner_t_ON_mux_for_procsend */
ZRK_T_INT ZIRKO::zrk_inner_t_ON_mux_for_procsend(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)
 {
  inner_t &m = *(zrk_inner_t_send);
  int &c = *(zrk_channel_mux[zrk_RegId].zrk_connexionId[zrk_index]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (104);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    return ( 1 );
   }
#endif // ZRK_HANDLE_EXCEPTION
#ifdef ZRK_SCENARIA_DEBUG
  return (zrk_debug_state ? 1 : ZRK_MESSAGE_SENT);
#else
  return ( ZRK_MESSAGE_SENT );
#endif
 }
ZRK_T_INT ZIRKO::zrk_S106()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_msg_frame_t[0].zrk_defNumber = 1;
  ev_frame.h = 1;
  ev_frame.d = 2;
  ev_frame.b = 3;
  ev_frame.c = 'x';
  zrk_Min_ev_frame.n = (ZRK_T_INT) 1;
  zrk_Max_ev_frame.n = (ZRK_T_INT) 9;
  ev_frame.in.a = 1;
  zrk_Min_ev_frame.in.b = (ZRK_T_LONG) 0;
  zrk_Max_ev_frame.in.b = (ZRK_T_LONG) 5;
  ev_frame.pay.num = 7;
  I1 = 0;
   {
    ev_frame.vals[I1] = 1;
   }
  for(I1 = 1; I1 <= 2; ++I1)
   {
    zrk_Min_ev_frame.vals[I1] = (ZRK_T_INT) 0;
    zrk_Max_ev_frame.vals[I1] = (ZRK_T_INT) 3;
   }
  I1 = 3;
   {
    ev_frame.vals[I1] = 9;
   }
  for(I1 = 0; I1 <= 1; ++I1)
   {
    ev_frame.items[I1].a = 1;
    ev_frame.items[I1].b = 2;
   }
  I1 = 2;
   {
    ev_frame.items[I1].a = 0;
    ev_frame.items[I1].b = 0;
   }
  ev_frame.label = 0;
  ev_frame.ptr = NONIL;
  zrk_Min_ev_frame.ratio = (ZRK_T_DOUBLE) 0.5;
  zrk_Max_ev_frame.ratio = (ZRK_T_DOUBLE) 1.5;
  ev_frame.f = 2.0;
  zrk_msg_inner_t[0].zrk_defNumber = 2;
  ev_inner.a = 4;
  ev_inner.b = 5;
   {
    ZRK_T_INT zrk_end_waittil_debug=0;
#ifdef ZRK_SCENARIA_DEBUG
    ZRK_T_INT zrk_continue_debug=0;
#endif
    if (0||(!zrk_msg_frame_t[0].zrk_defNumber)||(!zrk_msg_inner_t[0].zrk_defNumber))
     {
      zrk_runtime.zrk_nodefmsg(107);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_continue_debug = 1;
#else
      return ( 1 );
#endif
     }
    else if (!(0||(zrk_channel_bus[0].zrk_numberofId)||(zrk_channel_mux[0].zrk_numberofId)))
     {
      zrk_runtime.zrk_noaddid(107);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_continue_debug = 1;
#else
      return ( 1 );
#endif
     }
    else
     {
      ZRK_T_INT zrk_i, zrk_ret, zrk_cbret, zrk_rcv;
      ZRK_T_INT zrk_exprOK=0, zrk_exprKO=0;
      ZRK_T_UTIME zrk_wtime_0, zrk_t0, zrk_tn, zrk_tn1, zrk_tnow;
      zrk_initstates ();
#if ZRS_DYNFLW
      zrk_runtime.zrk_begin_waittil_tsf ( 5, 1);
#endif /* ZRS_DYNFLW */
      zrk_runtime.zrk_waittil (107);
      WTIME = 0;
      zrk_t0 = zrk_runtime.zrk_getevtdate ();
      zrk_tn = zrk_t0 ;
      zrk_tn1=zrk_tn+zrk_gran;
      for (;
#ifdef ZRK_SCENARIA_DEBUG
      !zrk_continue_debug &&
#endif
      !zrk_end_waittil_debug;)
       {
        zrk_rcv = 0;
        zrk_tnow = zrk_runtime.zrk_getevtdate ();
        while (zrk_tnow >= zrk_tn1)
         {
          zrk_tn = zrk_tn1 ;
          zrk_tn1=zrk_tn+zrk_gran;
         }
        ZRK_TIMEOUT = ( (((zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) < 100) ? (100 - (zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) : 0);
        /* CommType bus */
        if (zrk_channel_bus[0].zrk_numberofId)
         {
          /* Channel wire */
          /* Type message frame_t */
          for (zrk_i=0;
#ifdef ZRK_SCENARIA_DEBUG
          !zrk_continue_debug&&
#endif
          !zrk_end_waittil_debug && zrk_i<zrk_channel_bus[0].zrk_numberofId;zrk_i++)
           {
            zrk_ret = 0;
            zrk_runtime.zrk_rio_off();
            zrk_cbret=zrk_frame_t_ON_bus(0,zrk_i);
            zrk_runtime.zrk_rio_on();
            if (zrk_cbret== 1)
             {
#if ZRS_DYNFLW
              zrk_runtime.zrk_end_waittil_tsf ( 7, 1, 2);
#endif /* ZRS_DYNFLW */
              zrk_runtime.zrk_endwaittil(2, 110, "frame_t");
#ifdef ZRK_SCENARIA_DEBUG
              zrk_continue_debug = 1;
              break;
#else
              return ( 1 );
#endif
             }
            if (zrk_cbret==ZRK_MESSAGE_READ)
             {
              char zrk_str_type_rcv[1024];
              zrk_strcpy(zrk_str_type_rcv,"< !!! Unknown type !!! >");
#if ZRS_DYNFLW
              zrk_runtime.zrk_waittil_tsf ( "frame_t", 6, 1);
#endif /* ZRS_DYNFLW */
              zrk_rcv |= 1;
              zrk_runtime.zrk_evt (10,8,0," ");
              zrk_frame_t_dump_msg (zrk_frame_t_rcv);
              zrk_runtime.zrk_endevt (44);
              if (zrk_frame_t_cmp_msg(&(zrk_msg_frame_t[0]),zrk_frame_t_rcv))
               {
                zrk_runtime.zrk_def_msg(45);
                zrk_ret=1;
                zrk_msg_frame_t[0].zrk_state_channel[0][0]|=ZRK_EVTOK;
               }
              else
               {
                zrk_msg_frame_t[0].zrk_state_channel[0][0]|=ZRK_EVTKO;
               }
             }
            if (zrk_ret)
             {
              zrk_wtime_0 = zrk_runtime.zrk_logdate / zrk_gran;
             }
            else
             {
              zrk_wtime_0 = zrk_runtime.zrk_getwtime();
             }
            if (zrk_WAIT_0(&zrk_exprOK, &zrk_exprKO, zrk_wtime_0))
             {
              zrk_end_waittil_debug = 1;
              break;
             }
           }
         }
        /* CommType mux */
        if (zrk_channel_mux[0].zrk_numberofId)
         {
          /* Channel hub */
          /* Type message inner_t */
          zrk_ret = 0;
          zrk_runtime.zrk_rio_off();
          zrk_cbret=zrk_inner_t_ON_mux(0);
          zrk_runtime.zrk_rio_on();
          if (zrk_cbret== 1)
           {
#if ZRS_DYNFLW
            zrk_runtime.zrk_end_waittil_tsf ( 7, 1, 2);
#endif /* ZRS_DYNFLW */
            zrk_runtime.zrk_endwaittil(2, 110, "inner_t");
#ifdef ZRK_SCENARIA_DEBUG
            zrk_continue_debug = 1;
            break;
#else
            return ( 1 );
#endif
           }
          if (zrk_cbret==ZRK_MESSAGE_READ)
           {
            char zrk_str_type_rcv[1024];
            zrk_strcpy(zrk_str_type_rcv,"< !!! Unknown type !!! >");
#if ZRS_DYNFLW
            zrk_runtime.zrk_waittil_tsf ( "inner_t", 6, 1);
#endif /* ZRS_DYNFLW */
            zrk_rcv |= 1;
            zrk_runtime.zrk_evt (89,9,0," ");
            zrk_inner_t_dump_msg (zrk_inner_t_rcv);
            zrk_runtime.zrk_endevt (94);
            if (zrk_inner_t_cmp_msg(&(zrk_msg_inner_t[0]),zrk_inner_t_rcv))
             {
              zrk_runtime.zrk_def_msg(95);
              zrk_ret=1;
              zrk_msg_inner_t[0].zrk_state_channel[1][0]|=ZRK_EVTOK;
             }
            else
             {
              zrk_msg_inner_t[0].zrk_state_channel[1][0]|=ZRK_EVTKO;
             }
           }
          if (zrk_ret)
           {
            zrk_wtime_0 = zrk_runtime.zrk_logdate / zrk_gran;
           }
          else
           {
            zrk_wtime_0 = zrk_runtime.zrk_getwtime();
           }
          if (zrk_WAIT_0(&zrk_exprOK, &zrk_exprKO, zrk_wtime_0))
           {
            zrk_end_waittil_debug = 1;
            break;
           }
         }
        if (!zrk_end_waittil_debug
#ifdef ZRK_SCENARIA_DEBUG
        && !zrk_continue_debug
#endif
        )
         {
          zrk_wtime_0 = zrk_runtime.zrk_getwtime();
          if (zrk_WAIT_0(&zrk_exprOK, &zrk_exprKO, zrk_wtime_0))
           {
            zrk_end_waittil_debug = 1;
            break;
           }
          if (!zrk_rcv)
           {
            zrk_tnow = zrk_runtime.zrk_getevtdate ();
            while (zrk_tnow < zrk_tn1)
             {
              zrk_sleep(zrk_tn1-zrk_tnow);
              zrk_tnow = zrk_runtime.zrk_getevtdate ();
             }
           }
         }
       }
#ifdef ZRK_SCENARIA_DEBUG
      if (!zrk_continue_debug)
       {
#endif
        zrk_runtime.zrk_state ((ZRK_MATCHED_2(zrk_msg_frame_t[0],zrk_state_channel[0][0])), 108);
        zrk_frame_t_ref_msg (&(zrk_msg_frame_t[0]));
        zrk_runtime.zrk_state ((ZRK_MATCHED_2(zrk_msg_inner_t[0],zrk_state_channel[1][0])), 109);
        zrk_inner_t_ref_msg (&(zrk_msg_inner_t[0]));
        if (zrk_exprKO)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 7, 1, 1);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(1, 110, "frame_t");
#ifdef ZRK_SCENARIA_DEBUG
          zrk_continue_debug = 1;
#else
          return ( 1 );
#endif
         }
        else if (zrk_exprOK)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 7, 1, 0);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(0, 110, "frame_t");
         }
#ifdef ZRK_SCENARIA_DEBUG
       }
#endif
     }
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state |= zrk_continue_debug;
#endif
   }
  zrk_runtime.zrk_send( 111, "ev_inner");
  zrk_inner_t_send = &ev_inner;
#if ZRS_DYNFLW
  zrk_runtime.zrk_send_tsf ( 8, 1);
#endif /* ZRS_DYNFLW */
   {
    ZRK_T_INT zrk_i, zrk_psret=0;
    zrk_runtime.zrk_rio_on();
    for (zrk_i=0;zrk_i<zrk_channel_mux[0].zrk_numberofId;zrk_i++)
     {
      zrk_runtime.zrk_rio_off();
      zrk_psret = zrk_inner_t_ON_mux_for_procsend (0,zrk_i);
      zrk_runtime.zrk_rio_on();
      if (zrk_psret==1)
       {
#ifdef ZRK_SCENARIA_DEBUG
        zrk_debug_state=1;
#endif
        break;
       }
     }
    zrk_inner_t_dump_msg ( ev_inner );
    zrk_runtime.zrk_endsend( zrk_psret,112);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_psret)
    return ( 1 );
#endif
   }
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    return ( 1 );
   }
#endif // ZRK_HANDLE_EXCEPTION
#ifdef ZRK_SCENARIA_DEBUG
  return ( zrk_debug_state );
#else
  return ( 0 );
#endif
 }
ZRK_T_INT ZIRKO::zrk_S105()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  zrk_runtime.zrk_startchronomarkloop (113, 106 ,1, J1, "run", 3, 1);
  zrk_local_state = zrk_S106 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,113,1,J1,"run",4,1);
  if ( zrk_local_state )
   {
    zrk_global_state = 2;
    if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
     {
      return ( 4 );
     }
   }
  return ( zrk_global_state );
 }
ZRK_T_INT main(ZRK_T_INT argc,ZRK_PT_CAR *argv)
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_PT_CAR rio_file_name = "drv.rio";
#if ZRS_DYNFLW
  char tstnaming[255];
#endif /* ZRS_DYNFLW */
  ZIRKO *zrk_zirko = &zrk_zirko_static;
  zrk_zirko->zrk_runtime.zrk_ctxtracepriority = 0;
  zrk_zirko->zrk_runtime.zrk_set_trace_functions();
  zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 1;
  zrk_zirko->zrk_runtime.zrk_instancename[0] = '\0';
  zrk_zirko->zrk_runtime.zrk_ctxtesternaming[0] = '\0';
  zrk_zirko->zrk_runtime.zrk_set_lstflt(argc,argv,"");
  zrk_zirko->zrk_runtime.zrk_set_riofilename(argc,argv,rio_file_name);
  zrk_zirko->zrk_runtime.zrk_set_occid(argc,argv,0);
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_set_testernaming ();
#endif /* ZRS_DYNFLW */
  zrk_zirko->zrk_runtime.zrk_set_instancevalid(1);
  zrk_zirko->zrk_runtime.zrk_set_instancerequired(0);
  zrk_zirko->zrk_runtime.zrk_ctxflagprobe = 0;
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_initrio_with_dynamicfollowing ("Tue Nov 14 22:13:20 2023 0",
#else
  zrk_zirko->zrk_runtime.zrk_initrio_no_dynamicfollowing ("Tue Nov 14 22:13:20 2023 0",
#endif /* ZRS_DYNFLW */
#ifdef ZRK_SCENARIA_DEBUG
  "D");
#else
  "");
#endif
  zrk_zirko->J0 = 1;
#if ZRS_DYNFLW
   {
    zrk_sprintf (tstnaming, "\"%s\"", zrk_zirko->zrk_runtime.zrk_ctxtesternaming);
    if ( priv_boot_tagtlk( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket), zrk_zirko->zrk_runtime.zrk_instancename, tstnaming, &(zrk_zirko->zrk_runtime.zrk_ctxtagttimeout), &(zrk_zirko->zrk_runtime.zrk_ctxtagtcommactivated)) )
     {
      ZRS_EXIT (1);
     }
    else
     {
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 1056, 44092);
      /* To_spv: 1 -> (907,43409) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 114, 105 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S105 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 114, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
