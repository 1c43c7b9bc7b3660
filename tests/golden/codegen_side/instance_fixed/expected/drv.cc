
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
#define ZRK_K_CHAN_bus 3
typedef struct zrk_s_T_CHAN_bus
 {
  int *zrk_connexionId[ZRK_K_ID_SIZE];
  ZRK_T_INT zrk_numberofId;
  ZRK_T_INT zrk_msg[ZRK_K_MAX_MSGT];
 }
ZRK_T_CHAN_bus, *ZRK_PT_CHAN_bus;
typedef ZRK_T_CHAN_bus ZRK_T_COMM_bus[ZRK_K_CHAN_bus];
#define ZRK_K_MSG_lamp 2
typedef struct zrk_s_T_MSG_lamp
 {
  ZRK_T_INT zrk_defNumber;
  lamp zrk_MsgRef;
  lamp zrk_MsgMin;
  lamp zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_lamp, *ZRK_PT_lamp;
typedef ZRK_T_lamp ZRK_T_MSG_lamp[ZRK_K_MSG_lamp];
#define ZRK_K_MSG_report 1
typedef struct zrk_s_T_MSG_report
 {
  ZRK_T_INT zrk_defNumber;
  report zrk_MsgRef;
  report zrk_MsgMin;
  report zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_report, *ZRK_PT_report;
typedef ZRK_T_report ZRK_T_MSG_report[ZRK_K_MSG_report];
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
  ZRK_T_INT zrk_t44 ();
  ZRK_T_INT zrk_S83 ();
  ZRK_T_INT zrk_WAIT_0 (ZRK_T_INT *zrk_exprOK,ZRK_T_INT *zrk_expr_KO,ZRK_T_UTIME zrk_wtime_0 );
  ZRK_T_INT zrk_S45 ();
  ZRK_T_INT zrk_S44 ();
  ZRK_T_INT zrk_i36 ();
  ZRK_T_INT zrk_S36 ();
  ZRK_T_INT zrk_P27 (int);
  ZRK_T_INT zrk_lamp_ON_bus_for_procsend (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_lamp_ON_bus (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
  ZRK_T_COMM_bus zrk_channel_bus;
  // link0 => zrk_state_channel[0][0]
  // link1 => zrk_state_channel[0][1]
  void zrk_lamp_ref_msg (ZRK_PT_lamp zrk_msg_ref);
  ZRK_T_INT zrk_lamp_cmp_msg (ZRK_PT_lamp zrk__msg_ref,lamp &zrk_msg_rcv);
  void zrk_lamp_dump_msg (lamp &zrk_msgrcv);
  ZRK_T_MSG_lamp zrk_msg_lamp;
  lamp zrk_lamp_rcv;
  lamp *zrk_lamp_send;
  struct {
unsigned short id;
enum colour c;
unsigned int secs;

}ZRK_lamp;

  lamp &order;
  lamp &zrk_Min_order;
  lamp &zrk_Max_order;
  lamp &answer;
  lamp &zrk_Min_answer;
  lamp &zrk_Max_answer;
  void zrk_report_ref_msg (ZRK_PT_report zrk_msg_ref);
  ZRK_T_INT zrk_report_cmp_msg (ZRK_PT_report zrk__msg_ref,report &zrk_msg_rcv);
  void zrk_report_dump_msg (report &zrk_msgrcv);
  ZRK_T_MSG_report zrk_msg_report;
  report zrk_report_rcv;
  report *zrk_report_send;
  struct {
int n;
int codes[3];
struct {
unsigned short id;
enum colour c;
unsigned int secs;

}lamps[2];

}ZRK_report;

 }
;
#define ZRK_NUMINSTANCE zrk_runtime.zrk_ctxnuminstance
#define ZRK_OCCID zrk_runtime.zrk_ctxoccid
#define ZRK_TIMEOUT zrk_runtime.zrk_ctxtimeout

ZIRKO :: ZIRKO () : WTIME(0)
,order(zrk_msg_lamp[0].zrk_MsgRef)
,zrk_Min_order(zrk_msg_lamp[0].zrk_MsgMin)
,zrk_Max_order(zrk_msg_lamp[0].zrk_MsgMax)
,answer(zrk_msg_lamp[1].zrk_MsgRef)
,zrk_Min_answer(zrk_msg_lamp[1].zrk_MsgMin)
,zrk_Max_answer(zrk_msg_lamp[1].zrk_MsgMax)
 {
  ZRK_T_INT zrk_i;
  for (zrk_i=0;zrk_i<ZRK_K_CHAN_bus;zrk_i++)
   {
    zrk_channel_bus[zrk_i].zrk_numberofId = 0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_lamp;zrk_i++)
   {
    zrk_msg_lamp[zrk_i].zrk_defNumber=0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_report;zrk_i++)
   {
    zrk_msg_report[zrk_i].zrk_defNumber=0;
   }
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
  for (zrk_i=0; zrk_i<ZRK_K_MSG_lamp; zrk_i++)
   {
    zrk_msg_lamp[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_lamp[zrk_i].zrk_stateok=0;
    zrk_msg_lamp[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_lamp[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
  for (zrk_i=0; zrk_i<ZRK_K_MSG_report; zrk_i++)
   {
    zrk_msg_report[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_report[zrk_i].zrk_stateok=0;
    zrk_msg_report[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_report[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
 }
static ZIRKO zrk_zirko_static;
void ZIRKO::zrk_lamp_ref_msg (ZRK_PT_lamp zrk_msg_ref)
 {
  lamp &zrk_msgrcv = zrk_msg_ref->zrk_MsgRef;
  lamp &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  lamp &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      zrk_runtime.zrk_def_msg(18);
      zrk_runtime.zrk_varstruct (19);
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (20, zrk_msgrcv.id,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(20);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (21, zrk_msgrcv.c,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(21);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_range_int_c (22, 1,(ZRK_T_INT) zrk_msgMin.secs,1,(ZRK_T_INT) zrk_msgMax.secs,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(22);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (23);
      break;
     }
   }
 }
ZRK_T_INT ZIRKO::zrk_lamp_cmp_msg(ZRK_PT_lamp zrk_msg_ref, lamp &zrk_msgrcv)
 {
  ZRK_T_INT zrk_ret;
  lamp &zrk_msgref = zrk_msg_ref->zrk_MsgRef;
  lamp &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  lamp &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  zrk_runtime.zrk_cmp();
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (20, zrk_msgrcv.id,zrk_msgref.id,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(20);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (21, zrk_msgrcv.c,zrk_msgref.c,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(21);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_range_int_c (22, (ZRK_T_INT) zrk_msgrcv.secs,1,(ZRK_T_INT) zrk_msgMin.secs,1,(ZRK_T_INT) zrk_msgMax.secs, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(22);
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
    zrk_memcpy(&(zrk_msg_ref->zrk_MsgRef),&zrk_msgrcv,sizeof(lamp));
   }
  else zrk_msg_ref->zrk_stateko = 1;
  return(zrk_ret);
 }
void ZIRKO::zrk_lamp_dump_msg (lamp &zrk_msgrcv)
 {
  zrk_runtime.zrk_varstruct (12);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (13, zrk_msgrcv.id,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(13);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (14, zrk_msgrcv.c,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(14);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (15, zrk_msgrcv.secs,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(15);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (16);
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
    if ((*zrk_exprOK = (ZRK_MATCHED_2(zrk_msg_lamp[1],zrk_state_channel[0][0]) || ZRK_NOTMATCHED_2(zrk_msg_lamp[1],zrk_state_channel[0][1]))))
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
/* callback lamp_ON_bus */
ZRK_T_INT ZIRKO::zrk_lamp_ON_bus(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)
 {
  lamp &rcv = (zrk_lamp_rcv);
  int &cnx = *(zrk_channel_bus[zrk_RegId].zrk_connexionId[zrk_index]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  if ( cnx < 0 )
   {
    zrk_runtime.zrk_nomsg (24);
    return ( ZRK_NO_MESSAGE );
   }
  else
   {
    zrk_runtime.zrk_msgdate (25);
   }
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
/* procsend lamp_ON_bus_for_procsend */
ZRK_T_INT ZIRKO::zrk_lamp_ON_bus_for_procsend(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)
 {
  lamp &msg = *(zrk_lamp_send);
  int &cnx = *(zrk_channel_bus[zrk_RegId].zrk_connexionId[zrk_index]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (26);
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
/* procedure check */
ZRK_T_INT ZIRKO::zrk_P27 (int lvl)
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_print(28,(ZRK_T_ULONG)(lvl));
  zrk_runtime.zrk_brdv(29, "checked");
  if (zrk_rdv("checked"))
   {
#if ZRS_DYNFLW
    zrk_runtime.zrk_rdv_reached_tsf ( 1, 5, 2);
#endif /* ZRS_DYNFLW */
    zrk_runtime.zrk_ardv(29,1, "checked");
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state = 1;
#else
    return ( 1 );
#endif
   }
  else
   {
#if ZRS_DYNFLW
    zrk_runtime.zrk_rdv_reached_tsf ( 0, 5, 2);
#endif /* ZRS_DYNFLW */
    zrk_runtime.zrk_ardv(29,0, "checked");
   }
  zrk_runtime.zrk_bcf (30);
  ZRK_TRY
  counter = measure (lvl, &level );
  zrk_runtime.zrk_int_c (0, (ZRK_T_INT) counter, (ZRK_T_INT) 0, 33 );
  zrk_flagrt = zrk_runtime.zrk_cf (34);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_catch ();
    zrk_flagrt = zrk_runtime.zrk_cf (34);
#ifdef ZRK_SCENARIA_DEBUG
#else
    throw;
#endif
   }
#endif // ZRK_HANDLE_EXCEPTION
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
ZRK_T_INT ZIRKO::zrk_i36 ()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  int zrk_return_0;
  ZRK_TRY
  zrk_runtime.zrk_bcf (38);
  ZRK_TRY
  zrk_return_0 = reset (1 );
  zrk_runtime.zrk_int_c (0, (ZRK_T_INT) zrk_return_0, (ZRK_T_INT) 0, 40 );
  zrk_flagrt = zrk_runtime.zrk_cf (41);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_catch ();
    zrk_flagrt = zrk_runtime.zrk_cf (41);
#ifdef ZRK_SCENARIA_DEBUG
#else
    throw;
#endif
   }
#endif // ZRK_HANDLE_EXCEPTION
  if (zrk_flagrt != 0)
   {
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state = 1;
#else
    return ( 1 );
#endif
   }
  if (zrk_channel_bus[0].zrk_numberofId<ZRK_K_ID_SIZE)
   {
    zrk_channel_bus[0].zrk_connexionId[zrk_channel_bus[0].zrk_numberofId] = &counter;
    ++zrk_channel_bus[0].zrk_numberofId;
   }
  else
   {
    zrk_runtime.zrk_numofid(42);
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
ZRK_T_INT ZIRKO::zrk_S45()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_setfilter ("AB", 46 );
  zrk_runtime.zrk_unsetfilter ("B", 47 );
  zrk_runtime.zrk_send( 48, "order");
  zrk_lamp_send = &order;
#if ZRS_DYNFLW
  zrk_runtime.zrk_send_tsf ( 11, 1);
#endif /* ZRS_DYNFLW */
   {
    ZRK_T_INT zrk_i, zrk_psret=0;
    zrk_runtime.zrk_rio_on();
    for (zrk_i=0;zrk_i<zrk_channel_bus[0].zrk_numberofId;zrk_i++)
     {
      zrk_runtime.zrk_rio_off();
      zrk_psret = zrk_lamp_ON_bus_for_procsend (0,zrk_i);
      zrk_runtime.zrk_rio_on();
      if (zrk_psret==1)
       {
#ifdef ZRK_SCENARIA_DEBUG
        zrk_debug_state=1;
#endif
        break;
       }
     }
    zrk_lamp_dump_msg ( order );
    zrk_runtime.zrk_endsend( zrk_psret,49);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_psret)
    return ( 1 );
#endif
   }
  zrk_msg_lamp[1].zrk_defNumber = 1;
  answer.id = 2;
  answer.c = GREEN;
  zrk_Min_answer.secs = (ZRK_T_INT) 1;
  zrk_Max_answer.secs = (ZRK_T_INT) 9;
   {
    ZRK_T_INT zrk_end_waittil_debug=0;
#ifdef ZRK_SCENARIA_DEBUG
    ZRK_T_INT zrk_continue_debug=0;
#endif
    if (0||(!zrk_msg_lamp[1].zrk_defNumber)||(!zrk_msg_lamp[1].zrk_defNumber))
     {
      zrk_runtime.zrk_nodefmsg(50);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_continue_debug = 1;
#else
      return ( 1 );
#endif
     }
    else if (!(0||(zrk_channel_bus[0].zrk_numberofId)||(zrk_channel_bus[1].zrk_numberofId)))
     {
      zrk_runtime.zrk_noaddid(50);
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
      zrk_runtime.zrk_begin_waittil_tsf ( 12, 1);
#endif /* ZRS_DYNFLW */
      zrk_runtime.zrk_waittil (50);
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
          /* Channel link0 */
          /* Type message lamp */
          for (zrk_i=0;
#ifdef ZRK_SCENARIA_DEBUG
          !zrk_continue_debug&&
#endif
          !zrk_end_waittil_debug && zrk_i<zrk_channel_bus[0].zrk_numberofId;zrk_i++)
           {
            zrk_ret = 0;
            zrk_runtime.zrk_rio_off();
            zrk_cbret=zrk_lamp_ON_bus(0,zrk_i);
            zrk_runtime.zrk_rio_on();
            if (zrk_cbret== 1)
             {
#if ZRS_DYNFLW
              zrk_runtime.zrk_end_waittil_tsf ( 14, 1, 2);
#endif /* ZRS_DYNFLW */
              zrk_runtime.zrk_endwaittil(2, 53, "lamp");
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
              zrk_runtime.zrk_waittil_tsf ( "lamp", 13, 1);
#endif /* ZRS_DYNFLW */
              zrk_rcv |= 1;
              zrk_runtime.zrk_evt (11,9,0," ");
              zrk_lamp_dump_msg (zrk_lamp_rcv);
              zrk_runtime.zrk_endevt (17);
              if (zrk_lamp_cmp_msg(&(zrk_msg_lamp[1]),zrk_lamp_rcv))
               {
                zrk_runtime.zrk_def_msg(18);
                zrk_ret=1;
                zrk_msg_lamp[1].zrk_state_channel[0][0]|=ZRK_EVTOK;
               }
              else
               {
                zrk_msg_lamp[1].zrk_state_channel[0][0]|=ZRK_EVTKO;
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
        if (zrk_channel_bus[1].zrk_numberofId)
         {
          /* Channel link1 */
          /* Type message lamp */
          for (zrk_i=0;
#ifdef ZRK_SCENARIA_DEBUG
          !zrk_continue_debug&&
#endif
          !zrk_end_waittil_debug && zrk_i<zrk_channel_bus[1].zrk_numberofId;zrk_i++)
           {
            zrk_ret = 0;
            zrk_runtime.zrk_rio_off();
            zrk_cbret=zrk_lamp_ON_bus(1,zrk_i);
            zrk_runtime.zrk_rio_on();
            if (zrk_cbret== 1)
             {
#if ZRS_DYNFLW
              zrk_runtime.zrk_end_waittil_tsf ( 14, 1, 2);
#endif /* ZRS_DYNFLW */
              zrk_runtime.zrk_endwaittil(2, 53, "lamp");
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
              zrk_runtime.zrk_waittil_tsf ( "lamp", 13, 1);
#endif /* ZRS_DYNFLW */
              zrk_rcv |= 1;
              zrk_runtime.zrk_evt (11,10,0," ");
              zrk_lamp_dump_msg (zrk_lamp_rcv);
              zrk_runtime.zrk_endevt (17);
              if (zrk_lamp_cmp_msg(&(zrk_msg_lamp[1]),zrk_lamp_rcv))
               {
                zrk_runtime.zrk_def_msg(18);
                zrk_ret=1;
                zrk_msg_lamp[1].zrk_state_channel[0][1]|=ZRK_EVTOK;
               }
              else
               {
                zrk_msg_lamp[1].zrk_state_channel[0][1]|=ZRK_EVTKO;
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
        zrk_runtime.zrk_state ((ZRK_MATCHED_2(zrk_msg_lamp[1],zrk_state_channel[0][0])), 51);
        zrk_lamp_ref_msg (&(zrk_msg_lamp[1]));
        zrk_runtime.zrk_state ((ZRK_NOTMATCHED_2(zrk_msg_lamp[1],zrk_state_channel[0][1])), 52);
        zrk_lamp_ref_msg (&(zrk_msg_lamp[1]));
        if (zrk_exprKO)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 14, 1, 1);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(1, 53, "lamp");
#ifdef ZRK_SCENARIA_DEBUG
          zrk_continue_debug = 1;
#else
          return ( 1 );
#endif
         }
        else if (zrk_exprOK)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 14, 1, 0);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(0, 53, "lamp");
         }
#ifdef ZRK_SCENARIA_DEBUG
       }
#endif
     }
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state |= zrk_continue_debug;
#endif
   }
  zrk_runtime.zrk_var (54);
  zrk_runtime.zrk_varstruct (55);
  ZRK_TRY
  zrk_runtime.zrk_var_int_c (56, status.n,1,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(56);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_vartab (57);
  zrk_runtime.zrk_varreset ();
  I1 = 0;
   {
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (59, status.codes[I1],5,ZRK_P_BASE10, I1, 0 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(59);
     }
#endif // ZRK_HANDLE_EXCEPTION
   }
  zrk_runtime.zrk_varreset ();
  I1 = 1;
   {
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (62, status.codes[I1],6,ZRK_P_BASE10, I1, 1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(62);
     }
#endif // ZRK_HANDLE_EXCEPTION
   }
  zrk_runtime.zrk_varreset ();
  I1 = 2;
   {
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (65, status.codes[I1],7,ZRK_P_BASE10, I1, 2 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(65);
     }
#endif // ZRK_HANDLE_EXCEPTION
   }
  zrk_runtime.zrk_vartab (67);
  zrk_runtime.zrk_vartab (68);
  zrk_runtime.zrk_varplage (69, 0, 1);
  for(I1 = 0; I1 <= 1; ++I1)
   {
    zrk_runtime.zrk_varstruct (70);
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (71, status.lamps[I1].id,0,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(71);
     }
#endif // ZRK_HANDLE_EXCEPTION
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (72, status.lamps[I1].c,RED,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(72);
     }
#endif // ZRK_HANDLE_EXCEPTION
    ZRK_TRY
    zrk_runtime.zrk_var_range_int_c (73, (ZRK_T_INT) status.lamps[I1].secs,1,(ZRK_T_INT) 1,1,(ZRK_T_INT) 2,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(73);
     }
#endif // ZRK_HANDLE_EXCEPTION
    zrk_runtime.zrk_varstruct (74);
   }
  zrk_runtime.zrk_varplage ( 75, -1, -1 );
  zrk_runtime.zrk_vartab (76);
  zrk_runtime.zrk_varstruct (77);
  zrk_flagrt = zrk_runtime.zrk_var (78);
  if (zrk_flagrt != 0)
   {
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state = 1;
#else
    return ( 1 );
#endif
   }
  while ( counter < 3 )
   {
    switch ( counter )
     {
      case 1 :
       {
         {
          char zrk_local_int2string[ZRS_TAGTBUF_SIZE];
          zrk_sprintf (zrk_local_int2string, "%d", counter);
#if ZRS_DYNFLW
          zrk_runtime.zrk_intersend_tsf ( 15, 1, "peer");
#endif /* ZRS_DYNFLW */
          
          if (zrk_runtime.zrk_intersend (zrk_local_int2string, "peer"))
           {
            zrk_runtime.zrk_isend (79, 1, zrk_local_int2string, "peer");
#ifdef ZRK_SCENARIA_DEBUG
            zrk_debug_state = 1;
#else
            return ( 1 );
#endif
           }
          else
           {
            zrk_runtime.zrk_isend (79, 0, zrk_local_int2string, "peer");
           }
         }
        break;
       }
      default :
       {
         {
          char *zrk_loc_tstemit = NULL;
          char *zrk_loc_info = NULL;
          
          zrk_runtime.zrk_irecv (80);
          if (priv_interrecv ( &(zrk_runtime.zrk_ctxtagtsocket), zrk_runtime.zrk_ctxtagttimeout, inbox, ZRS_TAGTBUF_SIZE, &zrk_loc_tstemit, &zrk_loc_info))
           {
            zrk_runtime.zrk_end_irecv (80, 2, NULL, NULL);
#ifdef ZRK_SCENARIA_DEBUG
            zrk_debug_state = 1;
#else
            return ( 1 );
#endif
           }
          else
           {
            if (inbox[0]=='\0')
             {
              zrk_runtime.zrk_end_irecv (80, 1, NULL, NULL);
#ifdef ZRK_SCENARIA_DEBUG
              zrk_debug_state = 1;
#else
              return ( 1 );
#endif
             }
            else
             {
#if ZRS_DYNFLW
              zrk_runtime.zrk_interrecv_tsf ( 16, 1, zrk_loc_info, zrk_loc_tstemit);
#endif /* ZRS_DYNFLW */
              
              zrk_runtime.zrk_end_irecv (80, 0, zrk_loc_tstemit, zrk_loc_info);
             }
           }
         }
        
        break;
       }
     }
   }
   {
    ZRK_T_INT zrk_ret;
    zrk_runtime.zrk_bproc(27);
    zrk_ret=zrk_P27 (RED );
    zrk_runtime.zrk_aproc(35);
    if (zrk_ret)
     {
      if (zrk_ret==1)
       {
#ifdef ZRK_SCENARIA_DEBUG
        zrk_debug_state = 1;
#else
        return ( 1 );
#endif
       }
      else
       {
        return ( zrk_ret );
       }
     }
   }
  zrk_runtime.zrk_rioexit (81);
  return ( 3 );
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
ZRK_T_INT ZIRKO::zrk_S83()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_error (84);
#ifdef ZRK_SCENARIA_DEBUG
  zrk_debug_state = 1;
#else
  return ( 1 );
#endif
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
ZRK_T_INT ZIRKO::zrk_t44()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (87);
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
ZRK_T_INT ZIRKO::zrk_S44()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J2 = 1;
  zrk_runtime.zrk_startchronomarkloop (82, 45 ,2, J2, "group.first", 9, 1);
  zrk_local_state = zrk_S45 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,82,2,J2,"group.first",10,1);
  if ( zrk_local_state )
   {
    zrk_global_state = 2;
    if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
     {
      return ( 4 );
     }
   }
  zrk_runtime.zrk_startchronomarkloop (85, 83 ,2, J2, "group.second", 17, 1);
  zrk_local_state = zrk_S83 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,85,2,J2,"group.second",18,1);
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
ZRK_T_INT ZIRKO::zrk_S36()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  for(J1=1; J1<=3; ++J1)
   {
#if ZRS_DYNFLW
    zrk_runtime.zrk_special_block_tsf ( 5, 1, 1, 1);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_binit(43,37,1,J1);
    zrk_local_state = zrk_i36 ();
    if (zrk_local_state)
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 6, 1, 1, 0);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_ainit(1,43,1,J1);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_global_state = 2;
      if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
       {
        return ( 4 );
       }
#else
      if (zrk_local_state & 1)
       {
        ++zrk_local_state;
       }
      return ( zrk_local_state );
#endif
     }
    else
#if ZRS_DYNFLW
    zrk_runtime.zrk_special_block_tsf ( 6, 1, 1, 0);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_ainit(0,43,1,J1);
    zrk_runtime.zrk_startchronomarkloop (91, 44 ,1, J1, "group", 7, 1);
    zrk_local_state = zrk_S44 ();
    zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,91,1,J1,"group",8,1);
    if ( zrk_local_state )
     {
      zrk_global_state = 2;
      if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
       {
        return ( 4 );
       }
     }
   }
  return ( zrk_global_state );
 }
ZRK_T_INT main(ZRK_T_INT argc,ZRK_PT_CAR *argv)
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_PT_CAR rio_file_name = "drv.rio";
  char fixed_instance[255] = "west";
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
  ZRS_STRCPY(zrk_zirko->zrk_runtime.zrk_instancename,fixed_instance);
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 1452, 51398);
      /* To_spv: 1 -> (1303,50715) - s1.pts -*/
      zrk_zirko->zrk_runtime.zrk_notify_tsf (2, 264, 14608);
      /* To_spv: 2 -> (115,13925) - procs.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 92, 36 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S36 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 92, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
