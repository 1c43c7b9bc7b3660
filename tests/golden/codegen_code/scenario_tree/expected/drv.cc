
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
#define ZRK_K_MAX_CHAN 2
#define ZRK_K_MAX_MSGT 1
#define ZRK_K_CHAN_bus 2
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
int tm=0;
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
  ZRK_T_UTIME TIME (ZRK_T_INT x);
  void zrk_initstates ();
  ZRK_T_INT zrk_S65 ();
  ZRK_T_INT zrk_t30 ();
  ZRK_T_INT zrk_S58 ();
  ZRK_T_INT zrk_e36 ();
  ZRK_T_INT zrk_S45 ();
  ZRK_T_INT zrk_S37 ();
  ZRK_T_INT zrk_S36 ();
  ZRK_T_INT zrk_i30 ();
  ZRK_T_INT zrk_S30 ();
  ZRK_T_INT zrk_S27 ();
  ZRK_T_INT zrk_P22 (int);
  ZRK_T_INT zrk_lamp_ON_bus_for_procsend (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
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

}ZRK_lamp;

  lamp &order;
  lamp &zrk_Min_order;
  lamp &zrk_Max_order;
  ZRK_T_TIMER zrk_timer[2];
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
,order(zrk_msg_lamp[0].zrk_MsgRef)
,zrk_Min_order(zrk_msg_lamp[0].zrk_MsgMin)
,zrk_Max_order(zrk_msg_lamp[0].zrk_MsgMax)
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
  zrk_get_date(&(zrk_timer[tm].timer));
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
 }
static ZIRKO zrk_zirko_static;
static ZRK_T_CAR zrk_ctxbuffertrace_static[10240];
void ZIRKO::zrk_lamp_ref_msg (ZRK_PT_lamp zrk_msg_ref)
 {
  lamp &zrk_msgrcv = zrk_msg_ref->zrk_MsgRef;
  lamp &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;
  lamp &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;
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
      zrk_runtime.zrk_dmp_int_c (19, zrk_msgrcv.c,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(19);
       }
#endif // ZRK_HANDLE_EXCEPTION
      zrk_runtime.zrk_varstruct (20);
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
      zrk_runtime.zrk_cmp_int_c (18, zrk_msgrcv.id,zrk_msgref.id,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(18);
       }
#endif // ZRK_HANDLE_EXCEPTION
      ZRK_TRY
      zrk_runtime.zrk_cmp_int_c (19, zrk_msgrcv.c,zrk_msgref.c,ZRK_P_BASE10, I0, -1 );
      ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
      catch(...)
       {
        zrk_runtime.zrk_var_catch(19);
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
  zrk_runtime.zrk_varstruct (11);
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (12, zrk_msgrcv.id,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(12);
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_dmp_int_c (13, zrk_msgrcv.c,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(13);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_runtime.zrk_varstruct (14);
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
  zrk_runtime.zrk_comment (21);
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
/* procedure prepare */
ZRK_T_INT ZIRKO::zrk_P22 (int level)
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_print(23,(ZRK_T_ULONG)(level));
  zrk_runtime.zrk_msgdate (24);
  if ( level > 3 )
   {
    zrk_runtime.zrk_nomsg (25);
    return ( ZRK_NO_MESSAGE );
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
ZRK_T_INT ZIRKO::zrk_i30 ()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (32);
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
ZRK_T_INT ZIRKO::zrk_S37()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  int t2=1;
   int local_n;
  ZRK_TRY
  zrk_runtime.zrk_comment (38);
   local_n = 1;
  zrk_get_date(&(zrk_timer[t2].timer));
  zrk_get_date(&(zrk_timer[tm].timer));
  zrk_get_date(&(zrk_timer[t2].timer));
  zrk_runtime.zrk_setfilter ("AB", 39 );
  zrk_runtime.zrk_unsetfilter ("B", 40 );
  zrk_runtime.zrk_pause ((ZRK_T_UTIME)(5));
  zrk_channel_bus[1].zrk_numberofId=0;
  zrk_msg_lamp[0].zrk_defNumber = 1;
  order.id = 2;
  order.c = GREEN;
  if ( ( zrk_runtime.zrk_ctxfilter[0] && !zrk_runtime.zrk_ctxfilter[1]) || (zrk_runtime.zrk_ctxfilter[2]) )
   {
    zrk_runtime.zrk_comment (41);
   }
  if ( ( zrk_runtime.zrk_ctxfilter[0]) && (!zrk_runtime.zrk_ctxfilter[1]) )
   {
    zrk_runtime.zrk_comment (42);
   }
  if ( zrk_runtime.zrk_ctxfilter[2])
   {
    zrk_runtime.zrk_print(43,(ZRK_T_ULONG)(counter));
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
  zrk_runtime.zrk_send( 46, "order");
  zrk_lamp_send = &order;
#if ZRS_DYNFLW
  zrk_runtime.zrk_send_tsf ( 20, 1);
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
    zrk_runtime.zrk_endsend( zrk_psret,47);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_psret)
    return ( 1 );
#endif
   }
  if ((zrk_runtime.zrk_ctxnuminstance==2) || (zrk_runtime.zrk_ctxnuminstance==4))
   {
    zrk_runtime.zrk_brdv(48, "meet");
    if (zrk_rdv("meet"))
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_rdv_reached_tsf ( 1, 21, 1);
#endif /* ZRS_DYNFLW */
      zrk_runtime.zrk_ardv(48,1, "meet");
#ifdef ZRK_SCENARIA_DEBUG
      zrk_debug_state = 1;
#else
      return ( 1 );
#endif
     }
    else
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_rdv_reached_tsf ( 0, 21, 1);
#endif /* ZRS_DYNFLW */
      zrk_runtime.zrk_ardv(48,0, "meet");
     }
   }
  while ( counter < 3 )
   {
    switch ( counter )
     {
      case 1 :
       {
        zrk_runtime.zrk_error (49);
#ifdef ZRK_SCENARIA_DEBUG
        zrk_debug_state = 1;
#else
        return ( 1 );
#endif
        break;
       }
      default :
       {
        zrk_runtime.zrk_comment (50);
        break;
       }
     }
   }
  if ( counter )
   {
    zrk_runtime.zrk_rioexit (51);
    return ( 3 );
   }
  else
   {
     {
      ZRK_T_INT zrk_ret;
      zrk_runtime.zrk_bproc(22);
      zrk_ret=zrk_P22 (counter );
      zrk_runtime.zrk_aproc(26);
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
ZRK_T_INT ZIRKO::zrk_e36()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (56);
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
ZRK_T_INT ZIRKO::zrk_S58()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (59);
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
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J3 = 1;
  for(J3=1; J3<=3; ++J3)
   {
    zrk_runtime.zrk_flush_circular_buffer(20);
    zrk_runtime.zrk_startchronomarkloop (44, 37 ,3, J3, "outer.middle.inner", 16, 1);
    zrk_local_state = zrk_S37 ();
    zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,44,3,J3,"outer.middle.inner",17,1);
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
   }
  zrk_runtime.zrk_flush_circular_buffer(20);
  zrk_runtime.zrk_startchronomarkloop (52, 45 ,3, J3, "outer.middle.once", 18, 1);
  zrk_local_state = zrk_S45 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,52,3,J3,"outer.middle.once",19,1);
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
  for(J3=1; J3<=2; ++J3)
   {
    zrk_runtime.zrk_flush_circular_buffer(20);
    zrk_runtime.zrk_startchronomarkloop (60, 58 ,3, J3, "outer.middle.after_all", 26, 1);
    zrk_local_state = zrk_S58 ();
    zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,60,3,J3,"outer.middle.after_all",27,1);
    if ( zrk_local_state )
     {
      zrk_global_state = 2;
      zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
      if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
       {
        return ( 4 );
       }
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 24, 1, 3, 1);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_bexcep(57,55,3,J3);
      zrk_local_state = zrk_e36 ();
      if (zrk_local_state)
       {
#if ZRS_DYNFLW
        zrk_runtime.zrk_special_block_tsf ( 25, 1, 3, 0);
#endif /* ZRS_DYNFLW */
        
        zrk_runtime.zrk_aexcep(1,57,3,J3);
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
       {
#if ZRS_DYNFLW
        zrk_runtime.zrk_special_block_tsf ( 25, 1, 3, 0);
#endif /* ZRS_DYNFLW */
        zrk_runtime.zrk_aexcep(0,57,3,J3);
       }
     }
    else
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 22, 1, 2, 1);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_bterm(54,53,3,J3);
      zrk_runtime.zrk_bproc(22);
      zrk_local_state = zrk_P22 (3);
      zrk_runtime.zrk_aproc(26);
      if (zrk_local_state)
       {
#if ZRS_DYNFLW
        zrk_runtime.zrk_special_block_tsf ( 23, 1, 2, 0);
#endif /* ZRS_DYNFLW */
        
        zrk_runtime.zrk_aterm(1,54,3,J3);
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
      zrk_runtime.zrk_special_block_tsf ( 23, 1, 2, 0);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_aterm(0,54,3,J3);
     }
    zrk_runtime.zrk_flush_circular_buffer(20);
   }
  return ( zrk_global_state );
 }
ZRK_T_INT ZIRKO::zrk_t30()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (63);
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
ZRK_T_INT ZIRKO::zrk_S65()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_comment (66);
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
  J2 = 1;
#if ZRS_DYNFLW
  zrk_runtime.zrk_special_block_tsf ( 10, 1, 1, 1);
#endif /* ZRS_DYNFLW */
  
  zrk_runtime.zrk_binit(33,31,2,J2);
  zrk_local_state = zrk_i30 ();
  if (zrk_local_state)
   {
#if ZRS_DYNFLW
    zrk_runtime.zrk_special_block_tsf ( 11, 1, 1, 0);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_ainit(1,33,2,J2);
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
  zrk_runtime.zrk_special_block_tsf ( 11, 1, 1, 0);
#endif /* ZRS_DYNFLW */
  
  zrk_runtime.zrk_ainit(0,33,2,J2);
  zrk_runtime.zrk_flush_circular_buffer(20);
  zrk_runtime.zrk_startchronomarkloop (61, 36 ,2, J2, "outer.middle", 14, 1);
  zrk_local_state = zrk_S36 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,61,2,J2,"outer.middle",15,1);
  if ( zrk_local_state )
   {
    zrk_global_state = 2;
    zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
    if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
     {
      return ( 4 );
     }
#if ZRS_DYNFLW
    zrk_runtime.zrk_special_block_tsf ( 12, 1, 3, 1);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_bexcep(35,34,2,J2);
    zrk_runtime.zrk_bproc(22);
    zrk_local_state = zrk_P22 (2);
    zrk_runtime.zrk_aproc(26);
    if (zrk_local_state)
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 13, 1, 3, 0);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_aexcep(1,35,2,J2);
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
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 13, 1, 3, 0);
#endif /* ZRS_DYNFLW */
      zrk_runtime.zrk_aexcep(0,35,2,J2);
     }
   }
  zrk_runtime.zrk_flush_circular_buffer(20);
#if ZRS_DYNFLW
  zrk_runtime.zrk_special_block_tsf ( 10, 1, 1, 1);
#endif /* ZRS_DYNFLW */
  
  zrk_runtime.zrk_binit(33,31,2,J2);
  zrk_local_state = zrk_i30 ();
  if (zrk_local_state)
   {
#if ZRS_DYNFLW
    zrk_runtime.zrk_special_block_tsf ( 11, 1, 1, 0);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_ainit(1,33,2,J2);
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
  zrk_runtime.zrk_special_block_tsf ( 11, 1, 1, 0);
#endif /* ZRS_DYNFLW */
  
  zrk_runtime.zrk_ainit(0,33,2,J2);
  zrk_runtime.zrk_flush_circular_buffer(20);
  zrk_runtime.zrk_startchronomarkloop (67, 65 ,2, J2, "outer.after_term", 30, 1);
  zrk_local_state = zrk_S65 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,67,2,J2,"outer.after_term",31,1);
  if ( zrk_local_state )
   {
    zrk_global_state = 2;
    zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
    if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
     {
      return ( 4 );
     }
#if ZRS_DYNFLW
    zrk_runtime.zrk_special_block_tsf ( 12, 1, 3, 1);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_bexcep(35,34,2,J2);
    zrk_runtime.zrk_bproc(22);
    zrk_local_state = zrk_P22 (2);
    zrk_runtime.zrk_aproc(26);
    if (zrk_local_state)
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 13, 1, 3, 0);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_aexcep(1,35,2,J2);
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
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 13, 1, 3, 0);
#endif /* ZRS_DYNFLW */
      zrk_runtime.zrk_aexcep(0,35,2,J2);
     }
   }
  else
   {
#if ZRS_DYNFLW
    zrk_runtime.zrk_special_block_tsf ( 28, 1, 2, 1);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_bterm(64,62,2,J2);
    zrk_local_state = zrk_t30 ();
    if (zrk_local_state)
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 29, 1, 2, 0);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_aterm(1,64,2,J2);
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
    zrk_runtime.zrk_special_block_tsf ( 29, 1, 2, 0);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_aterm(0,64,2,J2);
   }
  zrk_runtime.zrk_flush_circular_buffer(20);
  return ( zrk_global_state );
 }
ZRK_T_INT ZIRKO::zrk_S27()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  for(J1=1; J1<=3; ++J1)
   {
#if ZRS_DYNFLW
    zrk_runtime.zrk_special_block_tsf ( 6, 1, 1, 1);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_binit(29,28,1,J1);
    zrk_runtime.zrk_bproc(22);
    zrk_local_state = zrk_P22 (1);
    zrk_runtime.zrk_aproc(26);
    if (zrk_local_state)
     {
#if ZRS_DYNFLW
      zrk_runtime.zrk_special_block_tsf ( 7, 1, 1, 0);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_ainit(1,29,1,J1);
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
    zrk_runtime.zrk_special_block_tsf ( 7, 1, 1, 0);
#endif /* ZRS_DYNFLW */
    
    zrk_runtime.zrk_ainit(0,29,1,J1);
    zrk_runtime.zrk_flush_circular_buffer(20);
    zrk_runtime.zrk_startchronomarkloop (68, 30 ,1, J1, "outer", 8, 1);
    zrk_local_state = zrk_S30 ();
    zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,68,1,J1,"outer",9,1);
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
  zrk_zirko->zrk_runtime.zrk_ctxtracepriority=20;
  zrk_zirko->zrk_runtime.zrk_ctxcurrentline=zrk_zirko->zrk_runtime.zrk_ctxbuffertrace;
  zrk_zirko->zrk_runtime.zrk_ctxlinetoerase=zrk_zirko->zrk_runtime.zrk_ctxbuffertrace;
  zrk_zirko->zrk_runtime.zrk_ctxlastline=zrk_zirko->zrk_runtime.zrk_ctxbuffertrace;
  zrk_zirko->zrk_runtime.zrk_set_trace_functions();
  zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 1;
  zrk_zirko->zrk_runtime.zrk_instancename[0] = '\0';
  zrk_zirko->zrk_runtime.zrk_ctxtesternaming[0] = '\0';
  zrk_zirko->zrk_runtime.zrk_set_lstflt(argc,argv,"");
  zrk_zirko->zrk_runtime.zrk_set_riofilename(argc,argv,rio_file_name);
  zrk_zirko->zrk_runtime.zrk_set_instancename(argc,argv,0);
  if (zrk_zirko->zrk_runtime.zrk_instancename)
   {
    /* Computing index of executed instance */
    if (zrk_strcmp ("east",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 2;
     }
    if (zrk_strcmp ("west",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 3;
     }
    if (zrk_strcmp ("north",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 4;
     }
   }
  zrk_zirko->zrk_runtime.zrk_set_occid(argc,argv,0);
  if (zrk_zirko->zrk_runtime.zrk_instancename)
   {
    /* Computing index of executed instance */
    if (zrk_strcmp ("east",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 2;
     }
    if (zrk_strcmp ("west",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 3;
     }
    if (zrk_strcmp ("north",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 4;
     }
   }
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_set_testernaming ();
#endif /* ZRS_DYNFLW */
  zrk_zirko->zrk_runtime.zrk_set_instancevalid(!(zrk_zirko->zrk_runtime.zrk_ctxnuminstance == -1));
  zrk_zirko->zrk_runtime.zrk_set_instancerequired((zrk_zirko->zrk_runtime.zrk_ctxnuminstance == -1));
  zrk_zirko->zrk_runtime.zrk_set_instancerequired((zrk_zirko->zrk_runtime.zrk_ctxnuminstance == -1));
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 1762, 12271);
      /* To_spv: 1 -> (1613,11588) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 71, 27 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S27 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 71, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_flush_circular_buffer (K_TRACECTX_MAX_PRIORITY);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
