
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
  if (fd=zrk_pollevt(zrk_ids, zrk_n)) {  event_Init(&zrk_msg, fd); zrk_msgdate ( &(zrk_ctx->zrk_ctxrun),0 );} else return (ZRK_NO_MESSAGE);
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
/* callback other_ON_zrk_socket */
ZRK_T_INT ZIRKO::zrk_other_ON_zrk_socket(ZRK_T_INT zrk_RegId)
 {
  other &zrk_msg = (zrk_other_rcv);
  ZRK_T_INT &zrk_n = zrk_channel_zrk_socket[zrk_RegId].zrk_numberofId;
  zrk_tabid_zrk_socket zrk_ids(&zrk_channel_zrk_socket[zrk_RegId]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  int fd;
  ZRK_TRY
  zrk_runtime.zrk_comment (29);
  if (fd=zrk_pollevt(zrk_ids, zrk_n)) {  other_Init(&zrk_msg, fd); zrk_msgdate ( &(zrk_ctx->zrk_ctxrun),0 );} else return (ZRK_NO_MESSAGE);
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
ZRK_T_INT ZIRKO::zrk_S31()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_msg_event[0].zrk_defNumber = 1;
  e1.code = 3;
  zrk_msg_other[0].zrk_defNumber = 2;
  zrk_Min_o1.v = (ZRK_T_INT) 1;
  zrk_Max_o1.v = (ZRK_T_INT) 2;
   {
    ZRK_T_INT zrk_end_waittil_debug=0;
#ifdef ZRK_SCENARIA_DEBUG
    ZRK_T_INT zrk_continue_debug=0;
#endif
    if (0||(!zrk_msg_event[0].zrk_defNumber)||(!zrk_msg_event[1].zrk_defNumber))
     {
      zrk_runtime.zrk_nodefmsg(32);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_continue_debug = 1;
#else
      return ( 1 );
#endif
     }
    else if (!(0||(zrk_channel_zrk_socket[0].zrk_numberofId)))
     {
      zrk_runtime.zrk_noaddid(32);
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
      zrk_runtime.zrk_waittil (32);
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
        ZRK_TIMEOUT = ( (((zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) < 20) ? (20 - (zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) : 0);
        /* CommType zrk_socket */
        if (zrk_channel_zrk_socket[0].zrk_numberofId)
         {
          /* Channel zrk_v1_3_ch_0 */
          /* Type message event */
          zrk_ret = 0;
          zrk_runtime.zrk_rio_off();
          zrk_cbret=zrk_event_ON_zrk_socket(0);
          zrk_runtime.zrk_rio_on();
          if (zrk_cbret== 1)
           {
#if ZRS_DYNFLW
            zrk_runtime.zrk_end_waittil_tsf ( 7, 1, 2);
#endif /* ZRS_DYNFLW */
            zrk_runtime.zrk_endwaittil(2, 35, "event");
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
            zrk_runtime.zrk_waittil_tsf ( "event", 6, 1);
#endif /* ZRS_DYNFLW */
            zrk_rcv |= 1;
            zrk_runtime.zrk_evt (8,17,0," ");
            zrk_event_dump_msg (zrk_event_rcv);
            zrk_runtime.zrk_endevt (12);
            if (zrk_event_cmp_msg(&(zrk_msg_event[0]),zrk_event_rcv))
             {
              zrk_runtime.zrk_def_msg(13);
              zrk_ret=1;
              zrk_msg_event[0].zrk_state_channel[0][0]|=ZRK_EVTOK;
             }
            else
             {
              zrk_msg_event[0].zrk_state_channel[0][0]|=ZRK_EVTKO;
             }
            if (zrk_event_cmp_msg(&(zrk_msg_event[1]),zrk_event_rcv))
             {
              zrk_ret=1;
              zrk_msg_event[1].zrk_state_channel[0][0]|=ZRK_EVTOK;
             }
            else
             {
              zrk_msg_event[1].zrk_state_channel[0][0]|=ZRK_EVTKO;
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
        zrk_runtime.zrk_state ((ZRK_MATCHED_2(zrk_msg_event[0],zrk_state_channel[0][0])), 33);
        zrk_event_ref_msg (&(zrk_msg_event[0]));
        zrk_runtime.zrk_state ((ZRK_NOTMATCHED_2(zrk_msg_event[1],zrk_state_channel[0][0])), 34);
        zrk_event_ref_msg (&(zrk_msg_event[1]));
        if (zrk_exprKO)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 7, 1, 1);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(1, 35, "event");
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
          zrk_runtime.zrk_endwaittil(0, 35, "event");
         }
#ifdef ZRK_SCENARIA_DEBUG
       }
#endif
     }
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state |= zrk_continue_debug;
#endif
   }
   {
    ZRK_T_INT zrk_end_waittil_debug=0;
#ifdef ZRK_SCENARIA_DEBUG
    ZRK_T_INT zrk_continue_debug=0;
#endif
    if (0||(!zrk_msg_other[0].zrk_defNumber)||(!zrk_msg_event[0].zrk_defNumber))
     {
      zrk_runtime.zrk_nodefmsg(36);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_continue_debug = 1;
#else
      return ( 1 );
#endif
     }
    else if (!(0||(zrk_channel_zrk_socket[1].zrk_numberofId)||(zrk_channel_zrk_socket[0].zrk_numberofId)))
     {
      zrk_runtime.zrk_noaddid(36);
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
      zrk_runtime.zrk_begin_waittil_tsf ( 8, 1);
#endif /* ZRS_DYNFLW */
      zrk_runtime.zrk_waittil (36);
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
        ZRK_TIMEOUT = ( (((zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) < 5) ? (5 - (zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) : 0);
        /* CommType zrk_socket */
        if (zrk_channel_zrk_socket[0].zrk_numberofId)
         {
          /* Channel zrk_v1_3_ch_0 */
          /* Type message event */
          zrk_ret = 0;
          zrk_runtime.zrk_rio_off();
          zrk_cbret=zrk_event_ON_zrk_socket(0);
          zrk_runtime.zrk_rio_on();
          if (zrk_cbret== 1)
           {
#if ZRS_DYNFLW
            zrk_runtime.zrk_end_waittil_tsf ( 10, 1, 2);
#endif /* ZRS_DYNFLW */
            zrk_runtime.zrk_endwaittil(2, 39, "event");
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
            zrk_runtime.zrk_waittil_tsf ( "event", 9, 1);
#endif /* ZRS_DYNFLW */
            zrk_rcv |= 1;
            zrk_runtime.zrk_evt (8,17,0," ");
            zrk_event_dump_msg (zrk_event_rcv);
            zrk_runtime.zrk_endevt (12);
            if (zrk_event_cmp_msg(&(zrk_msg_event[0]),zrk_event_rcv))
             {
              zrk_runtime.zrk_def_msg(13);
              zrk_ret=1;
              zrk_msg_event[0].zrk_state_channel[0][0]|=ZRK_EVTOK;
             }
            else
             {
              zrk_msg_event[0].zrk_state_channel[0][0]|=ZRK_EVTKO;
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
          if (zrk_WAIT_1(&zrk_exprOK, &zrk_exprKO, zrk_wtime_0))
           {
            zrk_end_waittil_debug = 1;
            break;
           }
         }
        if (zrk_channel_zrk_socket[1].zrk_numberofId)
         {
          /* Channel zrk_v1_3_ch_1 */
          /* Type message other */
          zrk_ret = 0;
          zrk_runtime.zrk_rio_off();
          zrk_cbret=zrk_other_ON_zrk_socket(1);
          zrk_runtime.zrk_rio_on();
          if (zrk_cbret== 1)
           {
#if ZRS_DYNFLW
            zrk_runtime.zrk_end_waittil_tsf ( 10, 1, 2);
#endif /* ZRS_DYNFLW */
            zrk_runtime.zrk_endwaittil(2, 39, "other");
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
            zrk_runtime.zrk_waittil_tsf ( "other", 9, 1);
#endif /* ZRS_DYNFLW */
            zrk_rcv |= 1;
            zrk_runtime.zrk_evt (19,28,0," ");
            zrk_other_dump_msg (zrk_other_rcv);
            zrk_runtime.zrk_endevt (23);
            if (zrk_other_cmp_msg(&(zrk_msg_other[0]),zrk_other_rcv))
             {
              zrk_runtime.zrk_def_msg(24);
              zrk_ret=1;
              zrk_msg_other[0].zrk_state_channel[0][1]|=ZRK_EVTOK;
             }
            else
             {
              zrk_msg_other[0].zrk_state_channel[0][1]|=ZRK_EVTKO;
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
          if (zrk_WAIT_1(&zrk_exprOK, &zrk_exprKO, zrk_wtime_0))
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
          if (zrk_WAIT_1(&zrk_exprOK, &zrk_exprKO, zrk_wtime_0))
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
        zrk_runtime.zrk_state ((ZRK_MATCHING_2(zrk_msg_other[0],zrk_state_channel[0][1])), 37);
        zrk_other_ref_msg (&(zrk_msg_other[0]));
        zrk_runtime.zrk_state ((ZRK_MATCHED_2(zrk_msg_event[0],zrk_state_channel[0][0])), 38);
        zrk_event_ref_msg (&(zrk_msg_event[0]));
        if (zrk_exprKO)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 10, 1, 1);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(1, 39, "other");
#ifdef ZRK_SCENARIA_DEBUG
          zrk_continue_debug = 1;
#else
          return ( 1 );
#endif
         }
        else if (zrk_exprOK)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 10, 1, 0);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(0, 39, "other");
         }
#ifdef ZRK_SCENARIA_DEBUG
       }
#endif
     }
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state |= zrk_continue_debug;
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
ZRK_T_INT ZIRKO::zrk_S30()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  zrk_runtime.zrk_startchronomarkloop (40, 31 ,1, J1, "t", 3, 1);
  zrk_local_state = zrk_S31 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,40,1,J1,"t",4,1);
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 412, 29890);
      /* To_spv: 1 -> (263,29207) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 41, 30 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S30 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 41, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
