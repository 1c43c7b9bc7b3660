
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
#define ZRK_K_MAX_MSGT 1
#define ZRK_K_CHAN_bus 1
typedef struct zrk_s_T_CHAN_bus
 {
  int *zrk_connexionId[ZRK_K_ID_SIZE];
  ZRK_T_INT zrk_numberofId;
  ZRK_T_INT zrk_msg[ZRK_K_MAX_MSGT];
 }
ZRK_T_CHAN_bus, *ZRK_PT_CHAN_bus;
typedef ZRK_T_CHAN_bus ZRK_T_COMM_bus[ZRK_K_CHAN_bus];
#define ZRK_K_MSG_shown_t 1
typedef struct zrk_s_T_MSG_shown_t
 {
  ZRK_T_INT zrk_defNumber;
  shown_t zrk_MsgRef;
  shown_t zrk_MsgMin;
  shown_t zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_shown_t, *ZRK_PT_shown_t;
typedef ZRK_T_shown_t ZRK_T_MSG_shown_t[ZRK_K_MSG_shown_t];
class zrk_tabid_bus
 {
  ZRK_PT_CHAN_bus zrk_pchannel;
  public:
  zrk_tabid_bus(ZRK_PT_CHAN_bus c) { zrk_pchannel = c; };
  int &operator[] (int i) { return(*(zrk_pchannel->zrk_connexionId[i])); };
 }
;
class ZIRKO
 {
  public:
  ZIRKO ();
  void zrk_initstates ();
  ZRK_T_INT zrk_WAIT_0 (ZRK_T_INT *zrk_exprOK,ZRK_T_INT *zrk_expr_KO,ZRK_T_UTIME zrk_wtime_0 );
  ZRK_T_INT zrk_S43 ();
  ZRK_T_INT zrk_S42 ();
  ZRK_T_INT zrk_shown_t_ON_bus (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
  ZRK_T_COMM_bus zrk_channel_bus;
  // wire => zrk_state_channel[0][0]
  void zrk_shown_t_ref_msg (ZRK_PT_shown_t zrk_msg_ref);
  ZRK_T_INT zrk_shown_t_cmp_msg (ZRK_PT_shown_t zrk__msg_ref,shown_t &zrk_msg_rcv);
  void zrk_shown_t_dump_msg (shown_t &zrk_msgrcv);
  ZRK_T_MSG_shown_t zrk_msg_shown_t;
  shown_t zrk_shown_t_rcv;
  shown_t *zrk_shown_t_send;
  struct {
char hc;
char dc;
unsigned char bc;
char oc;
char plain;
int hi;
int di;
int bi;
int ui;
int plain_i;
long fl;
char fc;

}ZRK_shown_t;

  shown_t &ev_shown;
  shown_t &zrk_Min_ev_shown;
  shown_t &zrk_Max_ev_shown;
 }
;
#define ZRK_NUMINSTANCE zrk_runtime.zrk_ctxnuminstance
#define ZRK_OCCID zrk_runtime.zrk_ctxoccid
#define ZRK_TIMEOUT zrk_runtime.zrk_ctxtimeout

ZIRKO :: ZIRKO () : WTIME(0)
,ev_shown(zrk_msg_shown_t[0].zrk_MsgRef)
,zrk_Min_ev_shown(zrk_msg_shown_t[0].zrk_MsgMin)
,zrk_Max_ev_shown(zrk_msg_shown_t[0].zrk_MsgMax)
 {
  ZRK_T_INT zrk_i;
  for (zrk_i=0;zrk_i<ZRK_K_CHAN_bus;zrk_i++)
   {
    zrk_channel_bus[zrk_i].zrk_numberofId = 0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_shown_t;zrk_i++)
   {
    zrk_msg_shown_t[zrk_i].zrk_defNumber=0;
   }
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
  for (zrk_i=0; zrk_i<ZRK_K_MSG_shown_t; zrk_i++)
   {
    zrk_msg_shown_t[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_shown_t[zrk_i].zrk_stateok=0;
    zrk_msg_shown_t[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_shown_t[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
 }
static ZIRKO zrk_zirko_static;
void ZIRKO::zrk_shown_t_ref_msg (ZRK_PT_shown_t zrk_msg_ref)
 {
  shown_t &zrk_msgrcv = zrk_msg_ref->zrk_MsgRef;
  shown_t &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  shown_t &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      zrk_runtime.zrk_def_msg(25);
      zrk_runtime.zrk_varstruct (26);
      ZRK_TRY
      zrk_runtime.zrk_dmp_range_byte_c (27, 1,(ZRK_T_CAR) zrk_msgMin.hc,1,(ZRK_T_CAR) zrk_msgMax.hc,ZRK_P_BASE16, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(27);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_byte_c (28, zrk_msgrcv.dc,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(28);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_byte_c (29, zrk_msgrcv.bc,ZRK_P_BASE2, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(29);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_byte_c (30, zrk_msgrcv.oc,ZRK_P_BASE8, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(30);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_char_c (31, zrk_msgrcv.plain,ZRK_P_BASE8, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(31);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_range_int_c (32, 1,(ZRK_T_INT) zrk_msgMin.hi,1,(ZRK_T_INT) zrk_msgMax.hi,ZRK_P_BASE16, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(32);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (33, zrk_msgrcv.di,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(33);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (34, zrk_msgrcv.bi,ZRK_P_BASE2, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(34);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (35, zrk_msgrcv.ui,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(35);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (36, zrk_msgrcv.plain_i,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(36);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_long_c (37, zrk_msgrcv.fl,ZRK_P_BASE16, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(37);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_byte_c (38, zrk_msgrcv.fc,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(38);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (39);
      break;
     }
   }
 }
ZRK_T_INT ZIRKO::zrk_shown_t_cmp_msg(ZRK_PT_shown_t zrk_msg_ref, shown_t &zrk_msgrcv)
 {
  ZRK_T_INT zrk_ret;
  shown_t &zrk_msgref = zrk_msg_ref->zrk_MsgRef;
  shown_t &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  shown_t &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  zrk_runtime.zrk_cmp();
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      ZRK_TRY
      zrk_runtime.zrk_cmp_range_byte_c (27, (ZRK_T_CAR) zrk_msgrcv.hc,1,(ZRK_T_CAR) zrk_msgMin.hc,1,(ZRK_T_CAR) zrk_msgMax.hc, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(27);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_char_c (28, zrk_msgrcv.dc,zrk_msgref.dc, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(28);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_char_c (29, zrk_msgrcv.bc,zrk_msgref.bc, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(29);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_char_c (30, zrk_msgrcv.oc,zrk_msgref.oc, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(30);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_char_c (31, zrk_msgrcv.plain,zrk_msgref.plain, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(31);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_range_int_c (32, (ZRK_T_INT) zrk_msgrcv.hi,1,(ZRK_T_INT) zrk_msgMin.hi,1,(ZRK_T_INT) zrk_msgMax.hi, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(32);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (33, zrk_msgrcv.di,zrk_msgref.di,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(33);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (34, zrk_msgrcv.bi,zrk_msgref.bi,ZRK_P_BASE2, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(34);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (35, zrk_msgrcv.ui,zrk_msgref.ui,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(35);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (36, zrk_msgrcv.plain_i,zrk_msgref.plain_i,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(36);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_long_c (37, zrk_msgrcv.fl,zrk_msgref.fl,ZRK_P_BASE16, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(37);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_char_c (38, zrk_msgrcv.fc,zrk_msgref.fc, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(38);
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
    zrk_memcpy(&(zrk_msg_ref->zrk_MsgRef),&zrk_msgrcv,sizeof(shown_t));
   }
  else zrk_msg_ref->zrk_stateko = 1;
  return(zrk_ret);
 }
void ZIRKO::zrk_shown_t_dump_msg (shown_t &zrk_msgrcv)
 {
  zrk_runtime.zrk_varstruct (10);
  ZRK_TRY
  zrk_runtime.zrk_dmp_bytetab_c (11, zrk_msgrcv.hc,ZRK_P_BASE16, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(11);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_byte_c (12, zrk_msgrcv.dc,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(12);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_byte_c (13, zrk_msgrcv.bc,ZRK_P_BASE2, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(13);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_byte_c (14, zrk_msgrcv.oc,ZRK_P_BASE8, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(14);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_char_c (15, zrk_msgrcv.plain,ZRK_P_BASE8, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(15);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (16, zrk_msgrcv.hi,ZRK_P_BASE16, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(16);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (17, zrk_msgrcv.di,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(17);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (18, zrk_msgrcv.bi,ZRK_P_BASE2, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(18);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (19, zrk_msgrcv.ui,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(19);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (20, zrk_msgrcv.plain_i,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(20);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_long_c (21, zrk_msgrcv.fl,ZRK_P_BASE16, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(21);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_byte_c (22, zrk_msgrcv.fc,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(22);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (23);
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
    if ((*zrk_exprOK = (ZRK_MATCHED_2(zrk_msg_shown_t[0],zrk_state_channel[0][0]))))
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
/* callback shown_t_ON_bus */
ZRK_T_INT ZIRKO::zrk_shown_t_ON_bus(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)
 {
  shown_t &m = (zrk_shown_t_rcv);
  int &c = *(zrk_channel_bus[zrk_RegId].zrk_connexionId[zrk_index]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_nomsg (40);
  return ( ZRK_NO_MESSAGE );
  zrk_runtime.zrk_msgdate (41);
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
ZRK_T_INT ZIRKO::zrk_S43()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_msg_shown_t[0].zrk_defNumber = 1;
  zrk_Min_ev_shown.hc = (ZRK_T_CAR) 'a';
  zrk_Max_ev_shown.hc = (ZRK_T_CAR) 'f';
  ev_shown.dc = 2;
  ev_shown.bc = 3;
  ev_shown.oc = 4;
  ev_shown.plain = 5;
  zrk_Min_ev_shown.hi = (ZRK_T_INT) 1;
  zrk_Max_ev_shown.hi = (ZRK_T_INT) 5;
  ev_shown.di = 7;
  ev_shown.bi = 8;
  ev_shown.ui = 9;
  ev_shown.plain_i = 10;
  ev_shown.fl = 11;
  ev_shown.fc = 12;
   {
    ZRK_T_INT zrk_end_waittil_debug=0;
#ifdef ZRK_SCENARIA_DEBUG
    ZRK_T_INT zrk_continue_debug=0;
#endif
    if (0||(!zrk_msg_shown_t[0].zrk_defNumber))
     {
      zrk_runtime.zrk_nodefmsg(44);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_continue_debug = 1;
#else
      return ( 1 );
#endif
     }
    else if (!(0||(zrk_channel_bus[0].zrk_numberofId)))
     {
      zrk_runtime.zrk_noaddid(44);
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
      zrk_runtime.zrk_waittil (44);
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
          /* Type message shown_t */
          for (zrk_i=0;
#ifdef ZRK_SCENARIA_DEBUG
          !zrk_continue_debug&&
#endif
          !zrk_end_waittil_debug && zrk_i<zrk_channel_bus[0].zrk_numberofId;zrk_i++)
           {
            zrk_ret = 0;
            zrk_runtime.zrk_rio_off();
            zrk_cbret=zrk_shown_t_ON_bus(0,zrk_i);
            zrk_runtime.zrk_rio_on();
            if (zrk_cbret== 1)
             {
#if ZRS_DYNFLW
              zrk_runtime.zrk_end_waittil_tsf ( 7, 1, 2);
#endif /* ZRS_DYNFLW */
              zrk_runtime.zrk_endwaittil(2, 46, "shown_t");
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
              zrk_runtime.zrk_waittil_tsf ( "shown_t", 6, 1);
#endif /* ZRS_DYNFLW */
              zrk_rcv |= 1;
              zrk_runtime.zrk_evt (9,8,0," ");
              zrk_shown_t_dump_msg (zrk_shown_t_rcv);
              zrk_runtime.zrk_endevt (24);
              if (zrk_shown_t_cmp_msg(&(zrk_msg_shown_t[0]),zrk_shown_t_rcv))
               {
                zrk_runtime.zrk_def_msg(25);
                zrk_ret=1;
                zrk_msg_shown_t[0].zrk_state_channel[0][0]|=ZRK_EVTOK;
               }
              else
               {
                zrk_msg_shown_t[0].zrk_state_channel[0][0]|=ZRK_EVTKO;
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
        zrk_runtime.zrk_state ((ZRK_MATCHED_2(zrk_msg_shown_t[0],zrk_state_channel[0][0])), 45);
        zrk_shown_t_ref_msg (&(zrk_msg_shown_t[0]));
        if (zrk_exprKO)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 7, 1, 1);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(1, 46, "shown_t");
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
          zrk_runtime.zrk_endwaittil(0, 46, "shown_t");
         }
#ifdef ZRK_SCENARIA_DEBUG
       }
#endif
     }
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state |= zrk_continue_debug;
#endif
   }
  zrk_runtime.zrk_var (47);
  ZRK_TRY
  zrk_runtime.zrk_var_int_c (48, probe_n,3,ZRK_P_BASE2, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(48);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_flagrt = zrk_runtime.zrk_var (49);
  if (zrk_flagrt != 0)
   {
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state = 1;
#else
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
ZRK_T_INT ZIRKO::zrk_S42()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  zrk_runtime.zrk_startchronomarkloop (50, 43 ,1, J1, "run", 3, 1);
  zrk_local_state = zrk_S43 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,50,1,J1,"run",4,1);
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 765, 39703);
      /* To_spv: 1 -> (616,39020) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 51, 42 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S42 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 51, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
