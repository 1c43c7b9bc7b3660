
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
ZRK_T_INT ZIRKO::zrk_WAIT_0 (ZRK_T_INT *,ZRK_T_INT *,ZRK_T_UTIME )
 {
  /* wait function: message code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_lamp_state_ON_lamp_bus (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index)
 {
  /* callback: message code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_lamp_state_ON_lamp_bus_for_procsend (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index)
 {
  /* procsend: message code not generated yet */
  return (0);
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
  /* statement: message code not generated yet */
  zrk_msg_lamp_state[0].zrk_defNumber = 1;
  /* statement: message code not generated yet */
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
  /* statement: message code not generated yet */
  /* statement: message code not generated yet */
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
  /* statement: message code not generated yet */
  /* statement: message code not generated yet */
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
  zrk_runtime.zrk_flush_circular_buffer(10);
  zrk_runtime.zrk_startchronomarkloop (45, 36 ,2, J2, "crossing.green_wave", 7, 1);
  zrk_local_state = zrk_S36 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,45,2,J2,"crossing.green_wave",8,1);
  if ( zrk_local_state )
   {
    zrk_global_state = 2;
    zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
    if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
     {
      return ( 4 );
     }
   }
  zrk_runtime.zrk_flush_circular_buffer(10);
  zrk_runtime.zrk_flush_circular_buffer(10);
  zrk_runtime.zrk_startchronomarkloop (68, 46 ,2, J2, "crossing.all_red", 13, 1);
  zrk_local_state = zrk_S46 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,68,2,J2,"crossing.all_red",14,1);
  if ( zrk_local_state )
   {
    zrk_global_state = 2;
    zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
    if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
     {
      return ( 4 );
     }
   }
  zrk_runtime.zrk_flush_circular_buffer(10);
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
      zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
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
    zrk_runtime.zrk_flush_circular_buffer(10);
    zrk_runtime.zrk_startchronomarkloop (69, 35 ,1, J1, "crossing", 5, 1);
    zrk_local_state = zrk_S35 ();
    zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,69,1,J1,"crossing",6,1);
    if ( zrk_local_state )
     {
      zrk_global_state = 2;
      zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
      if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
       {
        return ( 4 );
       }
     }
    zrk_runtime.zrk_flush_circular_buffer(10);
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
