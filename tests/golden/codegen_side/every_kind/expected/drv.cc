
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
  ZRK_T_INT zrk_S87 ();
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
      zrk_runtime.zrk_def_msg(18);
      zrk_runtime.zrk_varstruct (19);
      ZRK_TRY
      zrk_runtime.zrk_dmp_float_c (20, zrk_msgrcv.id, I0, -1 );
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
      zrk_runtime.zrk_dmp_range_float_c (22, 1,(ZRK_T_REAL) zrk_msgMin.secs,1,(ZRK_T_REAL) zrk_msgMax.secs, I0, -1 );
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
      zrk_runtime.zrk_cmp_float_c (20, zrk_msgrcv.id,zrk_msgref.id, I0, -1 );
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
      zrk_runtime.zrk_cmp_range_float_c (22, (ZRK_T_REAL) zrk_msgrcv.secs,1,(ZRK_T_REAL) zrk_msgMin.secs,1,(ZRK_T_REAL) zrk_msgMax.secs, I0, -1 );
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
  zrk_runtime.zrk_dmp_float_c (13, zrk_msgrcv.id, I0, -1 );
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
  zrk_runtime.zrk_dmp_float_c (15, zrk_msgrcv.secs, I0, -1 );
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
  /* statements: not generated yet */
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
  /* statements: not generated yet */
#ifdef ZRK_SCENARIA_DEBUG
  return (zrk_debug_state ? 1 : ZRK_MESSAGE_SENT);
#else
  return ( ZRK_MESSAGE_SENT );
#endif
 }
ZRK_T_INT ZIRKO::zrk_P27 (int)
 {
  /* procedure: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_S36 ()
 {
  /* scenario: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_i36 ()
 {
  /* block: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_S44 ()
 {
  /* scenario: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_S45 ()
 {
  /* scenario: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_S87 ()
 {
  /* scenario: statement code not generated yet */
  return (0);
 }
ZRK_T_INT ZIRKO::zrk_t44 ()
 {
  /* block: statement code not generated yet */
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
  zrk_zirko->zrk_runtime.zrk_ctxtracepriority=50;
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 1449, 17831);
      /* To_spv: 1 -> (1300,17148) - s1.pts -*/
      zrk_zirko->zrk_runtime.zrk_notify_tsf (2, 264, 14608);
      /* To_spv: 2 -> (115,13925) - procs.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 96, 36 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S36 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 96, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_flush_circular_buffer (K_TRACECTX_MAX_PRIORITY);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
