
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
#define ZRK_K_MAX_CHAN 3
#define ZRK_K_MAX_MSGT 2
#define ZRK_K_CHAN_zrk_socket 2
typedef struct zrk_s_T_CHAN_zrk_socket
 {
  int *zrk_connexionId[ZRK_K_ID_SIZE];
  ZRK_T_INT zrk_numberofId;
  ZRK_T_INT zrk_msg[ZRK_K_MAX_MSGT];
 }
ZRK_T_CHAN_zrk_socket, *ZRK_PT_CHAN_zrk_socket;
typedef ZRK_T_CHAN_zrk_socket ZRK_T_COMM_zrk_socket[ZRK_K_CHAN_zrk_socket];
#define ZRK_K_MSG_event 2
typedef struct zrk_s_T_MSG_event
 {
  ZRK_T_INT zrk_defNumber;
  event zrk_MsgRef;
  event zrk_MsgMin;
  event zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_event, *ZRK_PT_event;
typedef ZRK_T_event ZRK_T_MSG_event[ZRK_K_MSG_event];
#define ZRK_K_MSG_other 1
typedef struct zrk_s_T_MSG_other
 {
  ZRK_T_INT zrk_defNumber;
  other zrk_MsgRef;
  other zrk_MsgMin;
  other zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_other, *ZRK_PT_other;
typedef ZRK_T_other ZRK_T_MSG_other[ZRK_K_MSG_other];
class zrk_tabid_zrk_socket
 {
  ZRK_PT_CHAN_zrk_socket zrk_pchannel;
  public:
  zrk_tabid_zrk_socket(ZRK_PT_CHAN_zrk_socket c) { zrk_pchannel = c; };
  int &operator[] (int i) { return(*(zrk_pchannel->zrk_connexionId[i])); };
 }
;
class ZIRKO
 {
  public:
  ZIRKO ();
  void zrk_initstates ();
  ZRK_T_INT zrk_WAIT_1 (ZRK_T_INT *zrk_exprOK,ZRK_T_INT *zrk_expr_KO,ZRK_T_UTIME zrk_wtime_0 );
  ZRK_T_INT zrk_WAIT_0 (ZRK_T_INT *zrk_exprOK,ZRK_T_INT *zrk_expr_KO,ZRK_T_UTIME zrk_wtime_0 );
  ZRK_T_INT zrk_S31 ();
  ZRK_T_INT zrk_S30 ();
  ZRK_T_INT zrk_other_ON_zrk_socket (ZRK_T_INT zrk_RegId);
  ZRK_T_INT zrk_event_ON_zrk_socket (ZRK_T_INT zrk_RegId);
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
  ZRK_T_COMM_zrk_socket zrk_channel_zrk_socket;
  void zrk_event_ref_msg (ZRK_PT_event zrk_msg_ref);
  ZRK_T_INT zrk_event_cmp_msg (ZRK_PT_event zrk__msg_ref,event &zrk_msg_rcv);
  void zrk_event_dump_msg (event &zrk_msgrcv);
  ZRK_T_MSG_event zrk_msg_event;
  event zrk_event_rcv;
  event *zrk_event_send;
  struct {
int code;

}ZRK_event;

  // zrk_v1_3_ch_0 => zrk_state_channel[0][0]
  event &e1;
  event &zrk_Min_e1;
  event &zrk_Max_e1;
  event &e2;
  event &zrk_Min_e2;
  event &zrk_Max_e2;
  void zrk_other_ref_msg (ZRK_PT_other zrk_msg_ref);
  ZRK_T_INT zrk_other_cmp_msg (ZRK_PT_other zrk__msg_ref,other &zrk_msg_rcv);
  void zrk_other_dump_msg (other &zrk_msgrcv);
  ZRK_T_MSG_other zrk_msg_other;
  other zrk_other_rcv;
  other *zrk_other_send;
  struct {
int v;

}ZRK_other;

  // zrk_v1_3_ch_1 => zrk_state_channel[0][1]
  other &o1;
  other &zrk_Min_o1;
  other &zrk_Max_o1;
 }
;
#define ZRK_NUMINSTANCE zrk_runtime.zrk_ctxnuminstance
#define ZRK_OCCID zrk_runtime.zrk_ctxoccid
#define ZRK_TIMEOUT zrk_runtime.zrk_ctxtimeout

ZIRKO :: ZIRKO () : WTIME(0)
,e1(zrk_msg_event[0].zrk_MsgRef)
,zrk_Min_e1(zrk_msg_event[0].zrk_MsgMin)
,zrk_Max_e1(zrk_msg_event[0].zrk_MsgMax)
,e2(zrk_msg_event[1].zrk_MsgRef)
,zrk_Min_e2(zrk_msg_event[1].zrk_MsgMin)
,zrk_Max_e2(zrk_msg_event[1].zrk_MsgMax)
,o1(zrk_msg_other[0].zrk_MsgRef)
,zrk_Min_o1(zrk_msg_other[0].zrk_MsgMin)
,zrk_Max_o1(zrk_msg_other[0].zrk_MsgMax)
 {
  ZRK_T_INT zrk_i;
  for (zrk_i=0;zrk_i<ZRK_K_CHAN_zrk_socket;zrk_i++)
   {
    zrk_channel_zrk_socket[zrk_i].zrk_numberofId = 0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_event;zrk_i++)
   {
    zrk_msg_event[zrk_i].zrk_defNumber=0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_other;zrk_i++)
   {
    zrk_msg_other[zrk_i].zrk_defNumber=0;
   }
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
  for (zrk_i=0; zrk_i<ZRK_K_MSG_event; zrk_i++)
   {
    zrk_msg_event[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_event[zrk_i].zrk_stateok=0;
    zrk_msg_event[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_event[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
  for (zrk_i=0; zrk_i<ZRK_K_MSG_other; zrk_i++)
   {
    zrk_msg_other[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_other[zrk_i].zrk_stateok=0;
    zrk_msg_other[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_other[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
 }
static ZIRKO zrk_zirko_static;
void ZIRKO::zrk_event_ref_msg (ZRK_PT_event zrk_msg_ref)
 {
  event &zrk_msgrcv = zrk_msg_ref->zrk_MsgRef;
  event &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  event &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      zrk_runtime.zrk_def_msg(13);
      zrk_runtime.zrk_varstruct (14);
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (15, zrk_msgrcv.code,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(15);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (16);
      break;
     }
   }
 }
ZRK_T_INT ZIRKO::zrk_event_cmp_msg(ZRK_PT_event zrk_msg_ref, event &zrk_msgrcv)
 {
  ZRK_T_INT zrk_ret;
  event &zrk_msgref = zrk_msg_ref->zrk_MsgRef;
  event &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  event &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  zrk_runtime.zrk_cmp();
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (15, zrk_msgrcv.code,zrk_msgref.code,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(15);
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
    zrk_memcpy(&(zrk_msg_ref->zrk_MsgRef),&zrk_msgrcv,sizeof(event));
   }
  else zrk_msg_ref->zrk_stateko = 1;
  return(zrk_ret);
 }
void ZIRKO::zrk_event_dump_msg (event &zrk_msgrcv)
 {
  zrk_runtime.zrk_varstruct (9);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (10, zrk_msgrcv.code,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(10);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (11);
 }
void ZIRKO::zrk_other_ref_msg (ZRK_PT_other zrk_msg_ref)
 {
  other &zrk_msgrcv = zrk_msg_ref->zrk_MsgRef;
  other &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  other &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 2:
     {
      zrk_runtime.zrk_def_msg(24);
      zrk_runtime.zrk_varstruct (25);
      ZRK_TRY
      zrk_runtime.zrk_dmp_range_int_c (26, 1,(ZRK_T_INT) zrk_msgMin.v,1,(ZRK_T_INT) zrk_msgMax.v,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(26);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (27);
      break;
     }
   }
 }
ZRK_T_INT ZIRKO::zrk_other_cmp_msg(ZRK_PT_other zrk_msg_ref, other &zrk_msgrcv)
 {
  ZRK_T_INT zrk_ret;
  other &zrk_msgref = zrk_msg_ref->zrk_MsgRef;
  other &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  other &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  zrk_runtime.zrk_cmp();
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 2:
     {
      ZRK_TRY
      zrk_runtime.zrk_cmp_range_int_c (26, (ZRK_T_INT) zrk_msgrcv.v,1,(ZRK_T_INT) zrk_msgMin.v,1,(ZRK_T_INT) zrk_msgMax.v, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(26);
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
    zrk_memcpy(&(zrk_msg_ref->zrk_MsgRef),&zrk_msgrcv,sizeof(other));
   }
  else zrk_msg_ref->zrk_stateko = 1;
  return(zrk_ret);
 }
void ZIRKO::zrk_other_dump_msg (other &zrk_msgrcv)
 {
  zrk_runtime.zrk_varstruct (20);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (21, zrk_msgrcv.v,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(21);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (22);
 }
ZRK_T_INT ZIRKO::zrk_WAIT_1(ZRK_T_INT * zrk_exprOK,ZRK_T_INT * zrk_exprKO,ZRK_T_UTIME zrk_wtime_0)
 {
  ZRK_T_INT zrk_ret=0;
  do
   {
    if ((*zrk_exprKO = (WTIME == 5)))
     {
      zrk_ret=1;
     }
    if ((*zrk_exprOK = (ZRK_MATCHING_2(zrk_msg_other[0],zrk_state_channel[0][1]) || ZRK_MATCHED_2(zrk_msg_event[0],zrk_state_channel[0][0]))))
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
ZRK_T_INT ZIRKO::zrk_WAIT_0(ZRK_T_INT * zrk_exprOK,ZRK_T_INT * zrk_exprKO,ZRK_T_UTIME zrk_wtime_0)
 {
  ZRK_T_INT zrk_ret=0;
  do
   {
    if ((*zrk_exprKO = (WTIME == 20)))
     {
      zrk_ret=1;
     }
    if ((*zrk_exprOK = (ZRK_MATCHED_2(zrk_msg_event[0],zrk_state_channel[0][0]) && ZRK_NOTMATCHED_2(zrk_msg_event[1],zrk_state_channel[0][0]))))
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
/* callback event_ON_zrk_socket */
ZRK_T_INT ZIRKO::zrk_event_ON_zrk_socket(ZRK_T_INT zrk_RegId)
 {
  event &zrk_msg = (zrk_event_rcv);
  ZRK_T_INT &zrk_n = zrk_channel_zrk_socket[zrk_RegId].zrk_numberofId;
  zrk_tabid_zrk_socket zrk_ids(&zrk_channel_zrk_socket[zrk_RegId]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  int fd;
  ZRK_TRY
  zrk_runtime.zrk_comment (18);
