
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
class ZIRKO
 {
  public:
  ZIRKO ();
  void zrk_initstates ();
  ZRK_T_INT zrk_S9 ();
  ZRK_T_INT zrk_S8 ();
  ZRK_T_INT zrk_flagrt;
  ZRK_T_UTIME WTIME;
  ZRK_T_INT I0,I1,I2,I3,I4,I5,I6,I7,I8,I9,I10,I11,I12,I13,I14,I15,I16,I17,I18,I19,I20;
  ZRK_T_INT J0,J1,J2,J3,J4,J5,J6,J7,J8,J9,J10,J11,J12,J13,J14,J15,J16,J17,J18,J19,J20;
  ZRK_C_RUNTIME zrk_runtime;
 }
;
#define ZRK_NUMINSTANCE zrk_runtime.zrk_ctxnuminstance
#define ZRK_OCCID zrk_runtime.zrk_ctxoccid
#define ZRK_TIMEOUT zrk_runtime.zrk_ctxtimeout

ZIRKO :: ZIRKO () : WTIME(0)
 {
  ZRK_T_INT zrk_i;
 }
void ZIRKO::zrk_initstates ()
 {
  ZRK_T_INT zrk_i,zrk_j,zrk_k;
 }
static ZIRKO zrk_zirko_static;
ZRK_T_INT ZIRKO::zrk_S9()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
   {
    char *zrk_loc_tstemit = NULL;
    char *zrk_loc_info = NULL;
    char zrk_local_interrecv_msg[ZRS_TAGTBUF_SIZE];
    
    zrk_runtime.zrk_irecv (10);
    if (priv_interrecv ( &(zrk_runtime.zrk_ctxtagtsocket), zrk_runtime.zrk_ctxtagttimeout, zrk_local_interrecv_msg, ZRS_TAGTBUF_SIZE, &zrk_loc_tstemit, &zrk_loc_info))
     {
      zrk_runtime.zrk_end_irecv (10, 2, NULL, NULL);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_debug_state = 1;
#else
      return ( 1 );
#endif
     }
    else
     {
      count = atoi (zrk_loc_info);
#if ZRS_DYNFLW
      zrk_runtime.zrk_interrecv_tsf ( 5, 1, zrk_loc_info, zrk_loc_tstemit);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_end_irecv (10, 0, zrk_loc_tstemit, zrk_loc_info);
     }
   }
  
   {
    char *zrk_loc_tstemit = NULL;
    char *zrk_loc_info = NULL;
    char zrk_local_interrecv_msg[ZRS_TAGTBUF_SIZE];
    
    zrk_runtime.zrk_irecv (11);
    if (priv_interrecv ( &(zrk_runtime.zrk_ctxtagtsocket), zrk_runtime.zrk_ctxtagttimeout, zrk_local_interrecv_msg, ZRS_TAGTBUF_SIZE, &zrk_loc_tstemit, &zrk_loc_info))
     {
      zrk_runtime.zrk_end_irecv (11, 2, NULL, NULL);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_debug_state = 1;
#else
      return ( 1 );
#endif
     }
    else
     {
      total = atoi (zrk_loc_info);
#if ZRS_DYNFLW
      zrk_runtime.zrk_interrecv_tsf ( 6, 1, zrk_loc_info, zrk_loc_tstemit);
#endif /* ZRS_DYNFLW */
      
      zrk_runtime.zrk_end_irecv (11, 0, zrk_loc_tstemit, zrk_loc_info);
     }
   }
  
   {
    char *zrk_loc_tstemit = NULL;
    char *zrk_loc_info = NULL;
    
    zrk_runtime.zrk_irecv (12);
    if (priv_interrecv ( &(zrk_runtime.zrk_ctxtagtsocket), zrk_runtime.zrk_ctxtagttimeout, inbox, ZRS_TAGTBUF_SIZE, &zrk_loc_tstemit, &zrk_loc_info))
     {
      zrk_runtime.zrk_end_irecv (12, 2, NULL, NULL);
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
        zrk_runtime.zrk_end_irecv (12, 1, NULL, NULL);
#ifdef ZRK_SCENARIA_DEBUG
        zrk_debug_state = 1;
#else
        return ( 1 );
#endif
       }
      else
       {
#if ZRS_DYNFLW
        zrk_runtime.zrk_interrecv_tsf ( 7, 1, zrk_loc_info, zrk_loc_tstemit);
#endif /* ZRS_DYNFLW */
        
        zrk_runtime.zrk_end_irecv (12, 0, zrk_loc_tstemit, zrk_loc_info);
       }
     }
   }
  
   {
    char *zrk_loc_tstemit = NULL;
    char *zrk_loc_info = NULL;
    
    zrk_runtime.zrk_irecv (13);
    if (priv_interrecv ( &(zrk_runtime.zrk_ctxtagtsocket), zrk_runtime.zrk_ctxtagttimeout, line, 32, &zrk_loc_tstemit, &zrk_loc_info))
     {
      zrk_runtime.zrk_end_irecv (13, 2, NULL, NULL);
#ifdef ZRK_SCENARIA_DEBUG
      zrk_debug_state = 1;
#else
      return ( 1 );
#endif
     }
    else
     {
      if (line[0]=='\0')
       {
        zrk_runtime.zrk_end_irecv (13, 1, NULL, NULL);
#ifdef ZRK_SCENARIA_DEBUG
        zrk_debug_state = 1;
#else
        return ( 1 );
#endif
       }
      else
       {
#if ZRS_DYNFLW
        zrk_runtime.zrk_interrecv_tsf ( 8, 1, zrk_loc_info, zrk_loc_tstemit);
#endif /* ZRS_DYNFLW */
        
        zrk_runtime.zrk_end_irecv (13, 0, zrk_loc_tstemit, zrk_loc_info);
       }
     }
   }
  
   {
    char zrk_local_int2string[ZRS_TAGTBUF_SIZE];
    zrk_sprintf (zrk_local_int2string, "%d", count);
#if ZRS_DYNFLW
    zrk_runtime.zrk_intersend_tsf ( 9, 1, "peer");
#endif /* ZRS_DYNFLW */
    
    if (zrk_runtime.zrk_intersend (zrk_local_int2string, "peer"))
     {
      zrk_runtime.zrk_isend (14, 1, zrk_local_int2string, "peer");
#ifdef ZRK_SCENARIA_DEBUG
      zrk_debug_state = 1;
#else
      return ( 1 );
#endif
     }
    else
     {
      zrk_runtime.zrk_isend (14, 0, zrk_local_int2string, "peer");
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
ZRK_T_INT ZIRKO::zrk_S8()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  zrk_runtime.zrk_startchronomarkloop (15, 9 ,1, J1, "run", 3, 1);
  zrk_local_state = zrk_S9 ();
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 306, 25473);
      /* To_spv: 1 -> (157,24790) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 16, 8 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S8 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 16, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
