
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
#define ZRK_K_MAX_CHAN 1
#define ZRK_K_MAX_MSGT 0
int settle=0;
class ZIRKO
 {
  public:
  ZIRKO ();
  ZRK_T_UTIME TIME (ZRK_T_INT x);
  void zrk_initstates ();
  ZRK_T_INT zrk_S9 ();
  ZRK_T_INT zrk_S8 ();
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
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
 {
  ZRK_T_INT zrk_i;
  zrk_get_date(&(zrk_timer[settle].timer));
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
 }
ZRK_T_INT ZIRKO::zrk_S9()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_pause ((ZRK_T_UTIME)(10));
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
ZRK_T_INT ZIRKO::zrk_S8()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  zrk_runtime.zrk_startchronomarkloop (10, 9 ,1, J1, "run", 5, 1);
  zrk_local_state = zrk_S9 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,10,1,J1,"run",6,1);
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
  ZIRKO zrk_zirko_static;
  ZIRKO *zrk_zirko = &zrk_zirko_static;
  zrk_zirko->zrk_runtime.zrk_ctxtracepriority = 0;
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
    if (zrk_strcmp ("left",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 2;
     }
    if (zrk_strcmp ("right",zrk_zirko->zrk_runtime.zrk_instancename) == 0)
     {
      zrk_zirko->zrk_runtime.zrk_ctxnuminstance = 3;
     }
   }
  zrk_zirko->zrk_runtime.zrk_set_occid(argc,argv,0);
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 257, 54640);
      /* To_spv: 1 -> (108,53957) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 11, 8 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S8 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 11, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
