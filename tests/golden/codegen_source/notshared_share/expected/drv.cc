
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

 int rounds;
 static int total;
 static long kept;
 int helper(int);
 char names[4][8];
#define ZRK_K_MAX_COMT 1
#define ZRK_K_MAX_CHAN 1
#define ZRK_K_MAX_MSGT 1
#define ZRK_K_MSG_int 1
typedef struct zrk_s_T_MSG_int
 {
  ZRK_T_INT zrk_defNumber;
  int zrk_MsgRef;
  int zrk_MsgMin;
  int zrk_MsgMax;
  ZRK_T_INT zrk_state;
  ZRK_T_INT zrk_stateok;
  ZRK_T_INT zrk_stateko;
  ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];
 }
ZRK_T_int, *ZRK_PT_int;
typedef ZRK_T_int ZRK_T_MSG_int[ZRK_K_MSG_int];
int wait_a=0;
class ZIRKO
 {
  public:
  ZIRKO ();
  ZRK_T_UTIME TIME (ZRK_T_INT x);
  void zrk_initstates ();
  ZRK_T_INT zrk_S11 ();
  ZRK_T_INT zrk_S10 ();
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
  void zrk_int_ref_msg (ZRK_PT_int zrk_msg_ref);
  ZRK_T_INT zrk_int_cmp_msg (ZRK_PT_int zrk__msg_ref,int &zrk_msg_rcv);
  void zrk_int_dump_msg (int &zrk_msgrcv);
  ZRK_T_MSG_int zrk_msg_int;
  int zrk_int_rcv;
  int *zrk_int_send;
  int &reading;
  int &zrk_Min_reading;
  int &zrk_Max_reading;
  ZRK_T_TIMER zrk_timer[1];
  char names[4][8];
  int rounds;
  int total;
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
,reading(zrk_msg_int[0].zrk_MsgRef)
,zrk_Min_reading(zrk_msg_int[0].zrk_MsgMin)
,zrk_Max_reading(zrk_msg_int[0].zrk_MsgMax)
 {
  ZRK_T_INT zrk_i;
  for (zrk_i=0;zrk_i<ZRK_K_MSG_int;zrk_i++)
   {
    zrk_msg_int[zrk_i].zrk_defNumber=0;
   }
  zrk_get_date(&(zrk_timer[wait_a].timer));
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
  for (zrk_i=0; zrk_i<ZRK_K_MSG_int; zrk_i++)
   {
    zrk_msg_int[zrk_i].zrk_state=ZRK_NOEVT;
    zrk_msg_int[zrk_i].zrk_stateok=0;
    zrk_msg_int[zrk_i].zrk_stateko=0;
    for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)
     {
      for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)
       {
        zrk_msg_int[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;
       }
     }
   }
 }
ZRK_T_INT ZIRKO::zrk_S11()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_pause ((ZRK_T_UTIME)(10));
  zrk_runtime.zrk_var (12);
  ZRK_TRY
  zrk_runtime.zrk_var_int_c (13, reading,3,ZRK_P_BASE10, I0, -1 );
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    zrk_runtime.zrk_var_catch(13);
   }
#endif // ZRK_HANDLE_EXCEPTION
  zrk_flagrt = zrk_runtime.zrk_var (14);
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
ZRK_T_INT ZIRKO::zrk_S10()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  zrk_runtime.zrk_startchronomarkloop (15, 11 ,1, J1, "run", 3, 1);
  zrk_local_state = zrk_S11 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,15,1,J1,"run",4,1);
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
  ZIRKO *zrk_zirko = new ZIRKO;
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 374, 58461);
      /* To_spv: 1 -> (225,57778) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 16, 10 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S10 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 16, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  delete zrk_zirko;
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
