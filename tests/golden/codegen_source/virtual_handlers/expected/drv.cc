
//
// ZIRKO Scenaria v2.6a, preprocessor C++
// file name: drv.cc
// date: Tue Nov 14 22:13:20 2023
//


#define KRVT_RTTI_NEEDED 1
#ifdef USE_ZRS
#undef USE_ZRS
#endif
#define USE_ZRS 1
#include "TP.h"
#include "iface.h"

#define ZRK_K_MAX_COMT 1
#define ZRK_K_MAX_CHAN 1
#define ZRK_K_MAX_MSGT 1
#define ZRK_K_CHAN_link 1
typedef struct zrk_s_T_CHAN_link
 {
  int *zrk_connexionId[ZRK_K_ID_SIZE];
  ZRK_T_INT zrk_numberofId;
  ZRK_T_INT zrk_msg[ZRK_K_MAX_MSGT];
 }
ZRK_T_CHAN_link, *ZRK_PT_CHAN_link;
typedef ZRK_T_CHAN_link ZRK_T_COMM_link[ZRK_K_CHAN_link];
#define ZRK_K_MSG_PBase 1
typedef struct zrk_s_T_MSG_PBase
 {
  ZRK_T_INT zrk_defNumber;
  PBase zrk_MsgRef;
  PBase zrk_MsgMin;
  PBase zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_PBase, *ZRK_PT_PBase;
typedef ZRK_T_PBase ZRK_T_MSG_PBase[ZRK_K_MSG_PBase];
class zrk_tabid_link
 {
  ZRK_PT_CHAN_link zrk_pchannel;
  public:
  zrk_tabid_link(ZRK_PT_CHAN_link c) { zrk_pchannel = c; };
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
  ZRK_T_INT zrk_PBase_ON_link_for_procsend (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_PBase_ON_link (ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index);
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
  ZRK_T_COMM_link zrk_channel_link;
  // wire => zrk_state_channel[0][0]
  void zrk_PBase_ref_msg (ZRK_PT_PBase zrk_msg_ref);
  ZRK_T_INT zrk_PBase_cmp_msg (ZRK_PT_PBase zrk__msg_ref,PBase &zrk_msg_rcv);
  void zrk_PBase_dump_msg (PBase &zrk_msgrcv);
  ZRK_T_MSG_PBase zrk_msg_PBase;
  PBase &incoming;
  PBase &zrk_Min_incoming;
  PBase &zrk_Max_incoming;
  PBase zrk_PBase_rcv;
  PBase zrk_PBase_send;
 }
;
#define ZRK_NUMINSTANCE zrk_runtime.zrk_ctxnuminstance
#define ZRK_OCCID zrk_runtime.zrk_ctxoccid
#define ZRK_TIMEOUT zrk_runtime.zrk_ctxtimeout

ZIRKO :: ZIRKO () : WTIME(0)
,incoming(zrk_msg_PBase[0].zrk_MsgRef)
,zrk_Min_incoming(zrk_msg_PBase[0].zrk_MsgMin)
,zrk_Max_incoming(zrk_msg_PBase[0].zrk_MsgMax)
 {
  ZRK_T_INT zrk_i;
  for (zrk_i=0;zrk_i<ZRK_K_CHAN_link;zrk_i++)
   {
    zrk_channel_link[zrk_i].zrk_numberofId = 0;
   }
  for (zrk_i=0;zrk_i<ZRK_K_MSG_PBase;zrk_i++)
   {
    zrk_msg_PBase[zrk_i].zrk_defNumber=0;
   }
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
  for (zrk_i=0; zrk_i<ZRK_K_MSG_PBase; zrk_i++)
   {
    zrk_msg_PBase[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_PBase[zrk_i].zrk_stateok=0;
    zrk_msg_PBase[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_PBase[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
 }
static ZIRKO zrk_zirko_static;
/* procsend PBase_ON_link_for_procsend */
ZRK_T_INT ZIRKO::zrk_PBase_ON_link_for_procsend(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)
 {
  PBase &m = (zrk_PBase_send);
  int &c = *(zrk_channel_link[zrk_RegId].zrk_connexionId[zrk_index]);
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
  zrk_runtime.zrk_send( 14, "incoming");
  zrk_PBase_send = incoming;
#if ZRS_DYNFLW
  zrk_runtime.zrk_send_tsf ( 5, 1);
#endif /* ZRS_DYNFLW */
   {
    ZRK_T_INT zrk_i, zrk_psret=0;
    zrk_runtime.zrk_rio_on();
    for (zrk_i=0;zrk_i<zrk_channel_link[0].zrk_numberofId;zrk_i++)
     {
      zrk_runtime.zrk_rio_off();
      zrk_psret = zrk_PBase_ON_link_for_procsend (0,zrk_i);
      zrk_runtime.zrk_rio_on();
      if (zrk_psret==1)
       {
#ifdef ZRK_SCENARIA_DEBUG
        zrk_debug_state=1;
#endif
        break;
       }
     }
    zrk_PBase_dump_msg ( incoming );
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
  zrk_runtime.zrk_startchronomarkloop (16, 13 ,1, J1, "run", 3, 1);
  zrk_local_state = zrk_S13 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,16,1,J1,"run",4,1);
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 435, 26629);
      /* To_spv: 1 -> (286,25946) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 17, 12 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S12 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 17, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
