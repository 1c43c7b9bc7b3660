
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
static ZRK_T_CAR zrk_ctxbuffertrace_static[10240];
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
      zrk_runtime.zrk_dmp_float_c (18, zrk_msgrcv.id, I0, -1 );
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
      zrk_runtime.zrk_dmp_range_float_c (20, 1,(ZRK_T_REAL) zrk_msgMin.seconds_left,1,(ZRK_T_REAL) zrk_msgMax.seconds_left, I0, -1 );
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
      zrk_runtime.zrk_cmp_float_c (18, zrk_msgrcv.id,zrk_msgref.id, I0, -1 );
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
      zrk_runtime.zrk_cmp_range_float_c (20, (ZRK_T_REAL) zrk_msgrcv.seconds_left,1,(ZRK_T_REAL) zrk_msgMin.seconds_left,1,(ZRK_T_REAL) zrk_msgMax.seconds_left, I0, -1 );
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
  zrk_runtime.zrk_dmp_float_c (11, zrk_msgrcv.id, I0, -1 );
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
  zrk_runtime.zrk_dmp_float_c (13, zrk_msgrcv.seconds_left, I0, -1 );
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
  /* statements: not generated yet */
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
  /* statements: not generated yet */
#ifdef ZRK_SCENARIA_DEBUG
  return (zrk_debug_state ? 1 : ZRK_MESSAGE_SENT);
#else
  return ( ZRK_MESSAGE_SENT );
#endif
 }
ZRK_T_INT ZIRKO::zrk_P25 (int)
 {
  /* procedure: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_S28 ()
 {
  /* scenario: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_i28 ()
 {
  /* block: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_S35 ()
 {
  /* scenario: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_S36 ()
 {
  /* scenario: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_S46 ()
 {
  /* scenario: statement code not generated yet */
  return (0);
 }
ZRK_T_INT main(ZRK_T_INT argc,ZRK_PT_CAR *argv)
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_PT_CAR rio_file_name = "drv.rio";
#if ZRS_DYNFLW
  char tstnaming[255];
#endif /* ZRS_DYNFLW */
  ZIRKO *zrk_zirko = &zrk_zirko_static;
  zrk_zirko->zrk_runtime.zrk_ctxbuffertrace =zrk_ctxbuffertrace_static;
  zrk_zirko->zrk_runtime.zrk_ctxbuffersize=10240;
  zrk_zirko->zrk_runtime.zrk_ctxbuffersizeleft=10240;
  zrk_zirko->zrk_runtime.zrk_ctxtracepriority=10;
  zrk_zirko->zrk_runtime.zrk_ctxcurrentline=zrk_zirko->zrk_runtime.zrk_ctxbuffertrace;
  zrk_zirko->zrk_runtime.zrk_ctxlinetoerase=zrk_zirko->zrk_runtime.zrk_ctxbuffertrace;
  zrk_zirko->zrk_runtime.zrk_ctxlastline=zrk_zirko->zrk_runtime.zrk_ctxbuffertrace;
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
      /* To_spv: 1 -> (1427,40799) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 72, 28 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S28 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 72, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_flush_circular_buffer (K_TRACECTX_MAX_PRIORITY);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
