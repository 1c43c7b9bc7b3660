
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
#include "demo.h"

 #include "demo.h"
 struct controller_report status;
#define ZRK_K_MAX_COMT 1
#define ZRK_K_MAX_CHAN 2
#define ZRK_K_MAX_MSGT 1
#define ZRK_K_CHAN_lamp_bus 2
typedef struct zrk_s_T_CHAN_lamp_bus
 {
  int *zrk_connexionId[ZRK_K_ID_SIZE];
  ZRK_T_INT zrk_numberofId;
  ZRK_T_INT zrk_msg[ZRK_K_MAX_MSGT];
 }
ZRK_T_CHAN_lamp_bus, *ZRK_PT_CHAN_lamp_bus;
typedef ZRK_T_CHAN_lamp_bus ZRK_T_COMM_lamp_bus[ZRK_K_CHAN_lamp_bus];
#define ZRK_K_MSG_lamp_state 2
typedef struct zrk_s_T_MSG_lamp_state
 {
  ZRK_T_INT zrk_defNumber;
  lamp_state zrk_MsgRef;
  lamp_state zrk_MsgMin;
  lamp_state zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_lamp_state, *ZRK_PT_lamp_state;
typedef ZRK_T_lamp_state ZRK_T_MSG_lamp_state[ZRK_K_MSG_lamp_state];
int switch_timer=0;
class zrk_tabid_lamp_bus
 {
  ZRK_PT_CHAN_lamp_bus zrk_pchannel;
  public:
  zrk_tabid_lamp_bus(ZRK_PT_CHAN_lamp_bus c) { zrk_pchannel = c; };
  int &operator[] (int i) { return(*(zrk_pchannel->zrk_connexionId[i])); };
 }
;
class ZIRKO
 {
  public:
  ZIRKO ();
  ZRK_T_UTIME TIME (ZRK_T_INT x);
  void zrk_initstates ();
  ZRK_T_INT zrk_S46 ();
  ZRK_T_INT zrk_WAIT_0 (ZRK_T_INT *zrk_exprOK,ZRK_T_INT *zrk_expr_KO,ZRK_T_UTIME zrk_wtime_0 );
  ZRK_T_INT zrk_S36 ();
  ZRK_T_INT zrk_S35 ();
  ZRK_T_INT zrk_i28 ();
  ZRK_T_INT zrk_S28 ();
  ZRK_T_INT zrk_P25 (int);
  ZRK_T_INT zrk_lamp_state_ON_lamp_bus_for_procsend (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_lamp_state_ON_lamp_bus (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
  ZRK_T_COMM_lamp_bus zrk_channel_lamp_bus;
  // lamp_link => zrk_state_channel[0][0]
  void zrk_lamp_state_ref_msg (ZRK_PT_lamp_state zrk_msg_ref);
  ZRK_T_INT zrk_lamp_state_cmp_msg (ZRK_PT_lamp_state zrk__msg_ref,lamp_state &zrk_msg_rcv);
  void zrk_lamp_state_dump_msg (lamp_state &zrk_msgrcv);
  ZRK_T_MSG_lamp_state zrk_msg_lamp_state;
  lamp_state zrk_lamp_state_rcv;
  lamp_state *zrk_lamp_state_send;
  struct {
unsigned short id;
enum lamp_colour colour;
unsigned int seconds_left;

}ZRK_lamp_state;

  lamp_state &lamp_report;
  lamp_state &zrk_Min_lamp_report;
  lamp_state &zrk_Max_lamp_report;
  lamp_state &lamp_order;
  lamp_state &zrk_Min_lamp_order;
  lamp_state &zrk_Max_lamp_order;
  ZRK_T_TIMER zrk_timer[1];
 }
;
#define ZRK_NUMINSTANCE zrk_runtime.zrk_ctxnuminstance
#define ZRK_OCCID zrk_runtime.zrk_ctxoccid
#define ZRK_TIMEOUT zrk_runtime.zrk_ctxtimeout

ZRK_T_UTIME ZIRKO :: TIME (ZRK_T_INT zrk_num)
 {
  return(zrk_runtime.zrk_time(&(zrk_timer[zrk_num].timer)));
 }
;
ZIRKO :: ZIRKO () : WTIME(0)
,lamp_report(zrk_msg_lamp_state[0].zrk_MsgRef)
,zrk_Min_lamp_report(zrk_msg_lamp_state[0].zrk_MsgMin)
,zrk_Max_lamp_report(zrk_msg_lamp_state[0].zrk_MsgMax)
,lamp_order(zrk_msg_lamp_state[1].zrk_MsgRef)
,zrk_Min_lamp_order(zrk_msg_lamp_state[1].zrk_MsgMin)
,zrk_Max_lamp_order(zrk_msg_lamp_state[1].zrk_MsgMax)
 {
  ZRK_T_INT zrk_i;
  for (zrk_i=0;zrk_i<ZRK_K_CHAN_lamp_bus;zrk_i++)
   {
    zrk_channel_lamp_bus[zrk_i].zrk_numberofId = 0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_lamp_state;zrk_i++)
   {
    zrk_msg_lamp_state[zrk_i].zrk_defNumber=0;
   }
  zrk_get_date(&(zrk_timer[switch_timer].timer));
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
  for (zrk_i=0; zrk_i<ZRK_K_MSG_lamp_state; zrk_i++)
   {
    zrk_msg_lamp_state[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_lamp_state[zrk_i].zrk_stateok=0;
    zrk_msg_lamp_state[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_lamp_state[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
 }
static ZIRKO zrk_zirko_static;
void ZIRKO::zrk_lamp_state_ref_msg (ZRK_PT_lamp_state zrk_msg_ref)
 {
  lamp_state &zrk_msgrcv = zrk_msg_ref->zrk_MsgRef;
  lamp_state &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  lamp_state &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      zrk_runtime.zrk_def_msg(16);
      zrk_runtime.zrk_varstruct (17);
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (18, zrk_msgrcv.id,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(18);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_int_c (19, zrk_msgrcv.colour,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(19);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_dmp_range_int_c (20, 1,(ZRK_T_INT) zrk_msgMin.seconds_left,1,(ZRK_T_INT) zrk_msgMax.seconds_left,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(20);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (21);
      break;
     }
   }
 }
ZRK_T_INT ZIRKO::zrk_lamp_state_cmp_msg(ZRK_PT_lamp_state zrk_msg_ref, lamp_state &zrk_msgrcv)
 {
  ZRK_T_INT zrk_ret;
  lamp_state &zrk_msgref = zrk_msg_ref->zrk_MsgRef;
  lamp_state &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  lamp_state &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
  zrk_runtime.zrk_cmp();
  switch(zrk_msg_ref->zrk_defNumber)
   {
    case 1:
     {
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (18, zrk_msgrcv.id,zrk_msgref.id,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(18);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (19, zrk_msgrcv.colour,zrk_msgref.colour,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(19);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_range_int_c (20, (ZRK_T_INT) zrk_msgrcv.seconds_left,1,(ZRK_T_INT) zrk_msgMin.seconds_left,1,(ZRK_T_INT) zrk_msgMax.seconds_left, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(20);
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
    zrk_memcpy(&(zrk_msg_ref->zrk_MsgRef),&zrk_msgrcv,sizeof(lamp_state));
   }
  else zrk_msg_ref->zrk_stateko = 1;
  return(zrk_ret);
 }
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
ZRK_T_INT ZIRKO::zrk_WAIT_0(ZRK_T_INT * zrk_exprOK,ZRK_T_INT * zrk_exprKO,ZRK_T_UTIME zrk_wtime_0)
 {
  ZRK_T_INT zrk_ret=0;
  do
   {
    if ((*zrk_exprKO = (WTIME == 500)))
     {
      zrk_ret=1;
     }
    if ((*zrk_exprOK = (ZRK_MATCHED_2(zrk_msg_lamp_state[0],zrk_state_channel[0][0]))))
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
/* callback lamp_state_ON_lamp_bus */
ZRK_T_INT ZIRKO::zrk_lamp_state_ON_lamp_bus(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)
 {
  lamp_state &received = (zrk_lamp_state_rcv);
  int &connection = *(zrk_channel_lamp_bus[zrk_RegId].zrk_connexionId[zrk_index]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  if ( connection < 0 )
   {
    zrk_runtime.zrk_nomsg (22);
    return ( ZRK_NO_MESSAGE );
   }
  zrk_runtime.zrk_msgdate (23);
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
/* procsend lamp_state_ON_lamp_bus_for_procsend */
ZRK_T_INT ZIRKO::zrk_lamp_state_ON_lamp_bus_for_procsend(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)
 {
  lamp_state &order = *(zrk_lamp_state_send);
  int &connection = *(zrk_channel_lamp_bus[zrk_RegId].zrk_connexionId[zrk_index]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (24);
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
/* procedure expect_colour */
ZRK_T_INT ZIRKO::zrk_P25 (int colour)
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_print(26,(ZRK_T_ULONG)(colour));
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
ZRK_T_INT ZIRKO::zrk_i28 ()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  int zrk_return_0;
  ZRK_TRY
  zrk_runtime.zrk_bcf (30);
  ZRK_TRY
  zrk_return_0 = controller_reset (1 );
  zrk_runtime.zrk_int_c (0, (ZRK_T_INT) zrk_return_0, (ZRK_T_INT) 0, 32 );
  zrk_flagrt = zrk_runtime.zrk_cf (33);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_catch ();
    zrk_flagrt = zrk_runtime.zrk_cf (33);
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
ZRK_T_INT ZIRKO::zrk_S36()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  lamp_order.id = 1;
  lamp_order.colour = LAMP_GREEN;
  lamp_order.seconds_left = 0;
  zrk_msg_lamp_state[0].zrk_defNumber = 1;
  lamp_report.id = 1;
  lamp_report.colour = LAMP_GREEN;
  zrk_Min_lamp_report.seconds_left = (ZRK_T_INT) 10;
  zrk_Max_lamp_report.seconds_left = (ZRK_T_INT) 30;
  zrk_runtime.zrk_send( 37, "lamp_order");
  zrk_lamp_state_send = &lamp_order;
#if ZRS_DYNFLW
  zrk_runtime.zrk_send_tsf ( 9, 1);
#endif /* ZRS_DYNFLW */
   {
    ZRK_T_INT zrk_i, zrk_psret=0;
    zrk_runtime.zrk_rio_on();
    for (zrk_i=0;zrk_i<zrk_channel_lamp_bus[0].zrk_numberofId;zrk_i++)
     {
      zrk_runtime.zrk_rio_off();
      zrk_psret = zrk_lamp_state_ON_lamp_bus_for_procsend (0,zrk_i);
      zrk_runtime.zrk_rio_on();
      if (zrk_psret==1)
       {
#ifdef ZRK_SCENARIA_DEBUG
        zrk_debug_state=1;
#endif
        break;
       }
     }
    zrk_lamp_state_dump_msg ( lamp_order );
    zrk_runtime.zrk_endsend( zrk_psret,38);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_psret)
    return ( 1 );
#endif
   }
   {
    ZRK_T_INT zrk_end_waittil_debug=0;
#ifdef ZRK_SCENARIA_DEBUG
    ZRK_T_INT zrk_continue_debug=0;
#endif
    if (0||(!zrk_msg_lamp_state[0].zrk_defNumber))
     {
      zrk_runtime.zrk_nodefmsg(39);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_continue_debug = 1;
#else
      return ( 1 );
#endif
     }
    else if (!(0||(zrk_channel_lamp_bus[0].zrk_numberofId)))
     {
      zrk_runtime.zrk_noaddid(39);
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
      zrk_runtime.zrk_begin_waittil_tsf ( 10, 1);
#endif /* ZRS_DYNFLW */
      zrk_runtime.zrk_waittil (39);
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
        ZRK_TIMEOUT = ( (((zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) < 500) ? (500 - (zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) : 0);
        /* CommType lamp_bus */
        if (zrk_channel_lamp_bus[0].zrk_numberofId)
         {
          /* Channel lamp_link */
          /* Type message lamp_state */
          for (zrk_i=0;
#ifdef ZRK_SCENARIA_DEBUG
          !zrk_continue_debug&&
#endif
          !zrk_end_waittil_debug && zrk_i<zrk_channel_lamp_bus[0].zrk_numberofId;zrk_i++)
           {
            zrk_ret = 0;
            zrk_runtime.zrk_rio_off();
            zrk_cbret=zrk_lamp_state_ON_lamp_bus(0,zrk_i);
            zrk_runtime.zrk_rio_on();
            if (zrk_cbret== 1)
             {
#if ZRS_DYNFLW
              zrk_runtime.zrk_end_waittil_tsf ( 12, 1, 2);
#endif /* ZRS_DYNFLW */
              zrk_runtime.zrk_endwaittil(2, 41, "lamp_state");
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
              zrk_runtime.zrk_waittil_tsf ( "lamp_state", 11, 1);
#endif /* ZRS_DYNFLW */
              zrk_rcv |= 1;
              zrk_runtime.zrk_evt (9,8,0," ");
              zrk_lamp_state_dump_msg (zrk_lamp_state_rcv);
              zrk_runtime.zrk_endevt (15);
              if (zrk_lamp_state_cmp_msg(&(zrk_msg_lamp_state[0]),zrk_lamp_state_rcv))
               {
                zrk_runtime.zrk_def_msg(16);
                zrk_ret=1;
                zrk_msg_lamp_state[0].zrk_state_channel[0][0]|=ZRK_EVTOK;
               }
              else
               {
                zrk_msg_lamp_state[0].zrk_state_channel[0][0]|=ZRK_EVTKO;
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
        zrk_runtime.zrk_state ((ZRK_MATCHED_2(zrk_msg_lamp_state[0],zrk_state_channel[0][0])), 40);
        zrk_lamp_state_ref_msg (&(zrk_msg_lamp_state[0]));
        if (zrk_exprKO)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 12, 1, 1);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(1, 41, "lamp_state");
#ifdef ZRK_SCENARIA_DEBUG
          zrk_continue_debug = 1;
#else
          return ( 1 );
#endif
         }
        else if (zrk_exprOK)
         {
#if ZRS_DYNFLW
          zrk_runtime.zrk_end_waittil_tsf ( 12, 1, 0);
#endif /* ZRS_DYNFLW */
          zrk_runtime.zrk_endwaittil(0, 41, "lamp_state");
         }
#ifdef ZRK_SCENARIA_DEBUG
       }
#endif
     }
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state |= zrk_continue_debug;
#endif
   }
  zrk_runtime.zrk_var (42);
  ZRK_TRY
  zrk_runtime.zrk_var_int_c (43, (lamp_report.colour),LAMP_GREEN,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(43);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_flagrt = zrk_runtime.zrk_var (44);
  if (zrk_flagrt != 0)
   {
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state = 1;
#else
    return ( 1 );
#endif
   }
   {
    ZRK_T_INT zrk_ret;
    zrk_runtime.zrk_bproc(25);
    zrk_ret=zrk_P25 (LAMP_GREEN );
    zrk_runtime.zrk_aproc(27);
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
  zrk_runtime.zrk_pause ((ZRK_T_UTIME)(100));
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
ZRK_T_INT ZIRKO::zrk_S46()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  status.lamp_count = 2;
  for(I1 = 0; I1 <= 3; ++I1)
   {
    status.lamps[I1].id = 0;
    status.lamps[I1].colour = LAMP_RED;
    status.lamps[I1].seconds_left = 0;
   }
  zrk_runtime.zrk_var (47);
  zrk_runtime.zrk_varstruct (48);
  ZRK_TRY
  zrk_runtime.zrk_var_int_c (49, status.lamp_count,2,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(49);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_vartab (50);
  zrk_runtime.zrk_varplage (51, 0, 1);
  for(I1 = 0; I1 <= 1; ++I1)
   {
    zrk_runtime.zrk_varstruct (52);
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (53, status.lamps[I1].id,0,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(53);
     }
#endif // ZRK_HANDLE_EXCEPTION
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (54, status.lamps[I1].colour,LAMP_RED,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(54);
     }
#endif // ZRK_HANDLE_EXCEPTION
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (55, status.lamps[I1].seconds_left,0,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(55);
     }
#endif // ZRK_HANDLE_EXCEPTION
    zrk_runtime.zrk_varstruct (56);
   }
  zrk_runtime.zrk_varplage ( 57, -1, -1 );
  zrk_runtime.zrk_varplage (58, 2, 3);
  for(I1 = 2; I1 <= 3; ++I1)
   {
    zrk_runtime.zrk_varstruct (59);
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (60, status.lamps[I1].id,0,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(60);
     }
#endif // ZRK_HANDLE_EXCEPTION
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (61, status.lamps[I1].colour,LAMP_RED,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(61);
     }
#endif // ZRK_HANDLE_EXCEPTION
    ZRK_TRY
    zrk_runtime.zrk_var_int_c (62, status.lamps[I1].seconds_left,0,ZRK_P_BASE10, I1, -1 );
    ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
    catch(...)
     {
      zrk_runtime.zrk_var_catch(62);
     }
#endif // ZRK_HANDLE_EXCEPTION
    zrk_runtime.zrk_varstruct (63);
   }
  zrk_runtime.zrk_varplage ( 64, -1, -1 );
  zrk_runtime.zrk_vartab (65);
  zrk_runtime.zrk_varstruct (66);
  zrk_flagrt = zrk_runtime.zrk_var (67);
  if (zrk_flagrt != 0)
   {
#ifdef ZRK_SCENARIA_DEBUG
    zrk_debug_state = 1;
#else
    return ( 1 );
#endif
   }
   {
    ZRK_T_INT zrk_ret;
    zrk_runtime.zrk_bproc(25);
    zrk_ret=zrk_P25 (LAMP_RED );
    zrk_runtime.zrk_aproc(27);
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
ZRK_T_INT ZIRKO::zrk_S35()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J2 = 1;
  zrk_runtime.zrk_startchronomarkloop (45, 36 ,2, J2, "crossing.green_wave", 7, 1);
  zrk_local_state = zrk_S36 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,45,2,J2,"crossing.green_wave",8,1);
  if ( zrk_local_state )
   {
    zrk_global_state = 2;
    if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
     {
      return ( 4 );
     }
   }
  zrk_runtime.zrk_startchronomarkloop (68, 46 ,2, J2, "crossing.all_red", 13, 1);
  zrk_local_state = zrk_S46 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,68,2,J2,"crossing.all_red",14,1);
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
ZRK_T_INT ZIRKO::zrk_S28()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  for(J1=1; J1<=2; ++J1)
   {
#if ZRS_DYNFLW
    zrk_runtime.zrk_special_block_tsf ( 3, 1, 1, 1);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_binit(34,29,1,J1);
    zrk_local_state = zrk_i28 ();
    if (zrk_local_state)
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 4, 1, 1, 0);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_ainit(1,34,1,J1);
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
    zrk_runtime.zrk_special_block_tsf ( 4, 1, 1, 0);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_ainit(0,34,1,J1);
    zrk_runtime.zrk_startchronomarkloop (69, 35 ,1, J1, "crossing", 5, 1);
    zrk_local_state = zrk_S35 ();
    zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,69,1,J1,"crossing",6,1);
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 1576, 41482);
      /* To_spv: 1 -> (1427,40799) - demo.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 72, 28 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S28 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 72, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
