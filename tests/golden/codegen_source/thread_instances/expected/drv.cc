
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
#define ZIRKO pump_class
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
#define ZRK_K_CHAN_spare 1
typedef struct zrk_s_T_CHAN_spare
 {
  long *zrk_connexionId[ZRK_K_ID_SIZE];
  ZRK_T_INT zrk_numberofId;
  ZRK_T_INT zrk_msg[ZRK_K_MAX_MSGT];
 }
ZRK_T_CHAN_spare, *ZRK_PT_CHAN_spare;
typedef ZRK_T_CHAN_spare ZRK_T_COMM_spare[ZRK_K_CHAN_spare];
#define ZRK_K_MSG_order_t 1
typedef struct zrk_s_T_MSG_order_t
 {
  ZRK_T_INT zrk_defNumber;
  order_t zrk_MsgRef;
  order_t zrk_MsgMin;
  order_t zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_order_t, *ZRK_PT_order_t;
typedef ZRK_T_order_t ZRK_T_MSG_order_t[ZRK_K_MSG_order_t];
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
  ZRK_T_INT zrk_S13 ();
  ZRK_T_INT zrk_S12 ();
  ZRK_T_INT zrk_order_t_ON_bus_for_procsend (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
  ZRK_T_COMM_bus zrk_channel_bus;
  // line_a => zrk_state_channel[0][0]
  void zrk_order_t_ref_msg (ZRK_PT_order_t zrk_msg_ref);
  ZRK_T_INT zrk_order_t_cmp_msg (ZRK_PT_order_t zrk__msg_ref,order_t &zrk_msg_rcv);
  void zrk_order_t_dump_msg (order_t &zrk_msgrcv);
  ZRK_T_MSG_order_t zrk_msg_order_t;
  order_t zrk_order_t_rcv;
  order_t *zrk_order_t_send;
  struct {
int code;

}ZRK_order_t;

  order_t &order;
  order_t &zrk_Min_order;
  order_t &zrk_Max_order;
 }
;
#define ZRK_NUMINSTANCE zrk_runtime.zrk_ctxnuminstance
#define ZRK_OCCID zrk_runtime.zrk_ctxoccid
#define ZRK_TIMEOUT zrk_runtime.zrk_ctxtimeout

ZIRKO :: ZIRKO () : WTIME(0)
,order(zrk_msg_order_t[0].zrk_MsgRef)
,zrk_Min_order(zrk_msg_order_t[0].zrk_MsgMin)
,zrk_Max_order(zrk_msg_order_t[0].zrk_MsgMax)
 {
  ZRK_T_INT zrk_i;
  for (zrk_i=0;zrk_i<ZRK_K_CHAN_bus;zrk_i++)
   {
    zrk_channel_bus[zrk_i].zrk_numberofId = 0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_order_t;zrk_i++)
   {
    zrk_msg_order_t[zrk_i].zrk_defNumber=0;
   }
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
  for (zrk_i=0; zrk_i<ZRK_K_MSG_order_t; zrk_i++)
   {
    zrk_msg_order_t[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_order_t[zrk_i].zrk_stateok=0;
    zrk_msg_order_t[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_order_t[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
 }
/* procsend order_t_ON_bus_for_procsend */
ZRK_T_INT ZIRKO::zrk_order_t_ON_bus_for_procsend(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)
 {
  order_t &o = *(zrk_order_t_send);
  int &c = *(zrk_channel_bus[zrk_RegId].zrk_connexionId[zrk_index]);
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (11);
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
ZRK_T_INT ZIRKO::zrk_S13()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_send( 14, "order");
  zrk_order_t_send = &order;
#if ZRS_DYNFLW
  zrk_runtime.zrk_send_tsf ( 7, 1);
#endif /* ZRS_DYNFLW */
   {
    ZRK_T_INT zrk_i, zrk_psret=0;
    zrk_runtime.zrk_rio_on();
    for (zrk_i=0;zrk_i<zrk_channel_bus[0].zrk_numberofId;zrk_i++)
     {
      zrk_runtime.zrk_rio_off();
      zrk_psret = zrk_order_t_ON_bus_for_procsend (0,zrk_i);
      zrk_runtime.zrk_rio_on();
      if (zrk_psret==1)
       {
#ifdef ZRK_SCENARIA_DEBUG
        zrk_debug_state=1;
#endif
        break;
       }
     }
    zrk_order_t_dump_msg ( order );
    zrk_runtime.zrk_endsend( zrk_psret,15);
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
ZRK_T_INT ZIRKO::zrk_S12()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  zrk_runtime.zrk_flush_circular_buffer(20);
  zrk_runtime.zrk_startchronomarkloop (16, 13 ,1, J1, "run", 5, 1);
  zrk_local_state = zrk_S13 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,16,1,J1,"run",6,1);
  if ( zrk_local_state )
   {
    zrk_global_state = 2;
    zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
    if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
     {
      return ( 4 );
     }
   }
  zrk_runtime.zrk_flush_circular_buffer(20);
  return ( zrk_global_state );
 }

char * pump_Table[] = {"left","right"};
int pump_TableLen = 2;

ZRK_T_THREAD_RETURN  pump(ZRK_PT_ARG arg)
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_PT_CAR rio_file_name = "drv.rio";
#if ZRS_DYNFLW
  char tstnaming[255];
#endif /* ZRS_DYNFLW */
  ZIRKO zrk_zirko_static;
  ZRK_T_CAR zrk_ctxbuffertrace_static[2048];
  ZIRKO *zrk_zirko = &zrk_zirko_static;
  zrk_zirko->zrk_runtime.zrk_ctxbuffertrace =zrk_ctxbuffertrace_static;
  zrk_zirko->zrk_runtime.zrk_ctxbuffersize=2048;
  zrk_zirko->zrk_runtime.zrk_ctxbuffersizeleft=2048;
  zrk_zirko->zrk_runtime.zrk_ctxtracepriority=20;
  zrk_zirko->zrk_runtime.zrk_ctxcurrentline=zrk_zirko->zrk_runtime.zrk_ctxbuffertrace;
  zrk_zirko->zrk_runtime.zrk_ctxlinetoerase=zrk_zirko->zrk_runtime.zrk_ctxbuffertrace;
  zrk_zirko->zrk_runtime.zrk_ctxlastline=zrk_zirko->zrk_runtime.zrk_ctxbuffertrace;
  zrk_zirko->zrk_runtime.zrk_set_trace_functions();
  zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 1;
  zrk_zirko->zrk_runtime.zrk_instancename[0] = '\0';
  zrk_zirko->zrk_runtime.zrk_ctxtesternaming[0] = '\0';
  if ( arg->zrk_filters )
   {
    ZRK_T_CAR zrk_l_lstflt[30];
    ZRS_STRCPY (zrk_l_lstflt,arg->zrk_filters);
    ZRS_STRCAT (zrk_l_lstflt, "AB" );
    zrk_zirko->zrk_runtime.zrk_set_lstflt(0,(char **)0,zrk_l_lstflt);
   }
  if ( arg->zrk_riofilename )
  zrk_zirko->zrk_runtime.zrk_set_riofilename(0,(char **)0,arg->zrk_riofilename);
  else
  zrk_zirko->zrk_runtime.zrk_set_riofilename(0,(char **)0,rio_file_name);
  if ( arg->zrk_instance )
  zrk_zirko->zrk_runtime.zrk_set_instancename(0,(char **)0,arg->zrk_instance);
  else
  zrk_zirko->zrk_runtime.zrk_set_instancename(0,(char **)0,zrk_zirko->zrk_runtime.zrk_instancename);
  zrk_zirko->zrk_runtime.zrk_ctxoccid = ( arg->zrk_occid );
  if (zrk_zirko->zrk_runtime.zrk_instancename)
   {
    /* Computing index of executed instance */
    if (zrk_strcmp ("left",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 2;
     }
    if (zrk_strcmp ("right",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 3;
     }
   }
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_set_testernaming ();
#endif /* ZRS_DYNFLW */
  zrk_zirko->zrk_runtime.zrk_set_instancevalid(!(zrk_zirko->zrk_runtime.zrk_ctxnuminstance == -1));
  zrk_zirko->zrk_runtime.zrk_set_instancerequired((zrk_zirko->zrk_runtime.zrk_ctxnuminstance == -1));
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 431, 39787);
      /* To_spv: 1 -> (282,39104) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 17, 12 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S12 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 17, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_flush_circular_buffer (K_TRACECTX_MAX_PRIORITY);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  zrk_thr_exit ((zrk_local_state != 0));
 }
