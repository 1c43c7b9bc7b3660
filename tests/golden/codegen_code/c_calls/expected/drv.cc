
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
  ZRK_T_INT zrk_S62 ();
  ZRK_T_INT zrk_S31 ();
  ZRK_T_INT zrk_S30 ();
  ZRK_T_INT zrk_P23 (int);
  ZRK_T_INT zrk_P20 ();
  ZRK_T_INT zrk_P17 ();
  ZRK_T_INT zrk_P14 (alarm_t);
  ZRK_T_INT zrk_P11 (fault);
  ZRK_T_INT zrk_P8 (fault);
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
static ZRK_T_CAR zrk_ctxbuffertrace_static[10240];
/* procedure on_fault */
ZRK_T_INT ZIRKO::zrk_P8 (fault f)
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_error (9);
#ifdef ZRK_SCENARIA_DEBUG
  zrk_debug_state = 1;
#else
  return ( 1 );
#endif
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
/* procedure local_fault */
ZRK_T_INT ZIRKO::zrk_P11 (fault f)
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_rioexit (12);
  return ( 3 );
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
/* procedure on_alarm */
ZRK_T_INT ZIRKO::zrk_P14 (alarm_t a)
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_error (15);
#ifdef ZRK_SCENARIA_DEBUG
  zrk_debug_state = 1;
#else
  return ( 1 );
#endif
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
/* procedure on_any */
ZRK_T_INT ZIRKO::zrk_P17 ()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  ZRK_TRY
  zrk_runtime.zrk_rioexit (18);
  return ( 3 );
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
/* procedure local_any */
ZRK_T_INT ZIRKO::zrk_P20 ()
 {
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
  return ( zrk_debug_state );
#else
  return ( 0 );
#endif
 }
/* procedure measured */
ZRK_T_INT ZIRKO::zrk_P23 (int id)
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  int zrk_return_1;
  int zrk_p_0;
  ZRK_TRY
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    return ( 1 );
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    return ( 1 );
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_bcf (24);
  zrk_p_0 = id;
  ZRK_TRY
  zrk_return_1 = measure (zrk_p_0, &counter );
  zrk_runtime.zrk_int_c (0, (ZRK_T_INT) zrk_p_0, (ZRK_T_INT) 3, 25 );
  zrk_runtime.zrk_int_c (0, (ZRK_T_INT) zrk_return_1, (ZRK_T_INT) 0, 27 );
  zrk_flagrt = zrk_runtime.zrk_cf (28);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(fault &zrk_exception)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (28);
    zrk_runtime.zrk_bproc (11);
    zrk_flagrt = zrk_P11(zrk_exception);
    zrk_runtime.zrk_aproc (13);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
#endif
   }
  catch(alarm_t &zrk_exception)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (28);
    zrk_runtime.zrk_bproc (14);
    zrk_flagrt = zrk_P14(zrk_exception);
    zrk_runtime.zrk_aproc (16);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
#endif
   }
  catch(...)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (28);
    zrk_runtime.zrk_bproc (17);
    zrk_flagrt = zrk_P17();
    zrk_runtime.zrk_aproc (19);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
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
ZRK_T_INT ZIRKO::zrk_S31()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  void * zrk_return_10;
  void * zrk_p_9;
  char * zrk_return_8;
  char zrk_p_7[16];
  double zrk_p_6;
  enum colour zrk_return_5;
  char * zrk_p_4;
  char zrk_p_3;
  int zrk_return_2;
  ZRK_TRY
  zrk_runtime.zrk_bcf (32);
  ZRK_TRY
  zrk_return_2 = reset (1 );
  zrk_runtime.zrk_int_c (0, (ZRK_T_INT) zrk_return_2, (ZRK_T_INT) 0, 34 );
  zrk_flagrt = zrk_runtime.zrk_cf (35);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(fault &zrk_exception)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (35);
    zrk_runtime.zrk_bproc (8);
    zrk_flagrt = zrk_P8(zrk_exception);
    zrk_runtime.zrk_aproc (10);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
#endif
   }
  catch(...)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (35);
    zrk_runtime.zrk_bproc (17);
    zrk_flagrt = zrk_P17();
    zrk_runtime.zrk_aproc (19);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
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
  zrk_runtime.zrk_bcf (36);
  zrk_p_3 = 'a';
  zrk_p_4 = "lamp";
  ZRK_TRY
  zrk_return_5 = pick (zrk_p_3, 4L, zrk_p_4 );
  zrk_runtime.zrk_char_c (0, (ZRK_T_CAR) zrk_p_3, (ZRK_T_CAR) 'a', 37 );
  zrk_runtime.zrk_long_c (1, (ZRK_T_LONG) 4L, (ZRK_T_LONG) 2L, (ZRK_T_LONG) 8L, 38 );
  zrk_runtime.zrk_string_c (0, (ZRK_PT_CAR) zrk_p_4, (ZRK_PT_CAR) "lamp", 39 );
  zrk_runtime.zrk_int_c (0, (ZRK_T_ENUM) zrk_return_5, (ZRK_T_ENUM) GREEN, 40 );
  zrk_flagrt = zrk_runtime.zrk_cf (41);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(fault &zrk_exception)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (41);
    zrk_runtime.zrk_bproc (8);
    zrk_flagrt = zrk_P8(zrk_exception);
    zrk_runtime.zrk_aproc (10);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
#endif
   }
  catch(...)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (41);
    zrk_runtime.zrk_bproc (17);
    zrk_flagrt = zrk_P17();
    zrk_runtime.zrk_aproc (19);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
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
  zrk_runtime.zrk_bcf (42);
  zrk_p_6 = 2.0;
  ZRK_TRY
  counter = scale (1.5, zrk_p_6 );
  zrk_runtime.zrk_float_c (1, (ZRK_T_REAL) 1.5, (ZRK_T_REAL) 1.0, (ZRK_T_REAL) 2.0, 43 );
  zrk_runtime.zrk_double_c (0, (ZRK_T_DOUBLE) zrk_p_6, (ZRK_T_DOUBLE) 2.0, 44 );
  zrk_runtime.zrk_double_c (0, (ZRK_T_DOUBLE) counter, (ZRK_T_DOUBLE) 3.0, 45 );
  zrk_flagrt = zrk_runtime.zrk_cf (46);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(fault &zrk_exception)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (46);
    zrk_runtime.zrk_bproc (8);
    zrk_flagrt = zrk_P8(zrk_exception);
    zrk_runtime.zrk_aproc (10);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
#endif
   }
  catch(...)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (46);
    zrk_runtime.zrk_bproc (17);
    zrk_flagrt = zrk_P17();
    zrk_runtime.zrk_aproc (19);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
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
  zrk_runtime.zrk_bcf (47);
  ZRS_STRCPY(zrk_p_7,label);
  ZRK_TRY
  zrk_return_8 = label_of (zrk_p_7 );
  zrk_runtime.zrk_string_c (0, (ZRK_PT_CAR) zrk_p_7, (ZRK_PT_CAR) "abc", 48 );
  zrk_runtime.zrk_nonil_c (0, (ZRK_PT_VOID) zrk_return_8, (ZRK_PT_VOID) NONIL, 49 );
  zrk_flagrt = zrk_runtime.zrk_cf (50);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(fault &zrk_exception)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (50);
    zrk_runtime.zrk_bproc (8);
    zrk_flagrt = zrk_P8(zrk_exception);
    zrk_runtime.zrk_aproc (10);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
#endif
   }
  catch(...)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (50);
    zrk_runtime.zrk_bproc (17);
    zrk_flagrt = zrk_P17();
    zrk_runtime.zrk_aproc (19);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
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
  zrk_runtime.zrk_bcf (51);
  zrk_p_9 = where;
  ZRK_TRY
  zrk_return_10 = find (zrk_p_9 );
  zrk_runtime.zrk_pointer_c (0, (ZRK_PT_VOID) zrk_p_9, (ZRK_PT_VOID) where, 52 );
  zrk_runtime.zrk_pointer_c (0, (ZRK_PT_VOID) zrk_return_10, (ZRK_PT_VOID) where, 53 );
  zrk_flagrt = zrk_runtime.zrk_cf (54);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(fault &zrk_exception)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (54);
    zrk_runtime.zrk_bproc (8);
    zrk_flagrt = zrk_P8(zrk_exception);
    zrk_runtime.zrk_aproc (10);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
#endif
   }
  catch(...)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (54);
    zrk_runtime.zrk_bproc (17);
    zrk_flagrt = zrk_P17();
    zrk_runtime.zrk_aproc (19);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
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
  zrk_runtime.zrk_bcf (55);
  ZRK_TRY
  shut ( 0 );
  zrk_flagrt = zrk_runtime.zrk_cf (57);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(fault &zrk_exception)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (57);
    zrk_runtime.zrk_bproc (8);
    zrk_flagrt = zrk_P8(zrk_exception);
    zrk_runtime.zrk_aproc (10);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
#endif
   }
  catch(...)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (57);
    zrk_runtime.zrk_bproc (17);
    zrk_flagrt = zrk_P17();
    zrk_runtime.zrk_aproc (19);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
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
   {
    ZRK_T_INT zrk_ret;
    zrk_runtime.zrk_bproc(23);
    zrk_ret=zrk_P23 (counter );
    zrk_runtime.zrk_aproc(29);
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
  zrk_runtime.zrk_flush_trace ( 58 );
  zrk_runtime.zrk_flush_circular_buffer (K_TRACECTX_MAX_PRIORITY);
  zrk_runtime.zrk_trace_on ( 59 );
  zrk_runtime.zrk_trace_off ( 60 );
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
ZRK_T_INT ZIRKO::zrk_S62()
 {
#ifdef ZRK_SCENARIA_DEBUG
  ZRK_T_INT zrk_debug_state = 0;
#endif
  int zrk_return_11;
  ZRK_TRY
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(...)
   {
    return ( 1 );
   }
#endif // ZRK_HANDLE_EXCEPTION
  ZRK_TRY
  zrk_runtime.zrk_bcf (63);
  ZRK_TRY
  zrk_return_11 = reset (0 );
  zrk_flagrt = zrk_runtime.zrk_cf (66);
  ZRK_END_TRY
#ifdef ZRK_HANDLE_EXCEPTION
  catch(fault &zrk_exception)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (66);
    zrk_runtime.zrk_bproc (8);
    zrk_flagrt = zrk_P8(zrk_exception);
    zrk_runtime.zrk_aproc (10);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
#endif
   }
  catch(...)
   {
    zrk_flagrt = zrk_runtime.zrk_cf (66);
    zrk_runtime.zrk_bproc (20);
    zrk_flagrt = zrk_P20();
    zrk_runtime.zrk_aproc (22);
#ifdef ZRK_SCENARIA_DEBUG
#else
    if (zrk_flagrt) throw;
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
ZRK_T_INT ZIRKO::zrk_S30()
 {
  ZRK_T_INT zrk_local_state = 0;
  ZRK_T_INT zrk_global_state = 0;
  J1 = 1;
  zrk_runtime.zrk_startchronomarkloop (61, 31 ,1, J1, "calls", 3, 1);
  zrk_local_state = zrk_S31 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,61,1,J1,"calls",4,1);
  if ( zrk_local_state )
   {
    zrk_global_state = 2;
    if (( zrk_local_state == 3) || ( zrk_local_state == 4) )
     {
      return ( 4 );
     }
   }
  zrk_runtime.zrk_startchronomarkloop (67, 62 ,1, J1, "handled", 5, 1);
  zrk_local_state = zrk_S62 ();
  zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,67,1,J1,"handled",6,1);
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
      zrk_zirko->zrk_runtime.zrk_notify_tsf (1, 998, 53674);
      /* To_spv: 1 -> (849,52991) - s1.pts -*/
     }
   }
  
  zrk_zirko->zrk_runtime.zrk_declare_ni_tsf (1);
#endif /* ZRS_DYNFLW */
  
  zrk_zirko->zrk_runtime.zrk_startchronomarkloop ( 68, 30 , 0, zrk_zirko->J0, "", 0, 0);
  zrk_local_state = zrk_zirko->zrk_S30 ();
  zrk_zirko->zrk_runtime.zrk_stopchronomarkloop (zrk_local_state, 68, 0, zrk_zirko->J0, "", 0, 0);
  zrk_zirko->zrk_runtime.zrk_flush_circular_buffer (K_TRACECTX_MAX_PRIORITY);
  zrk_zirko->zrk_runtime.zrk_end ();
#if ZRS_DYNFLW
  zrk_zirko->zrk_runtime.zrk_endoftester_tagtlk ();
  priv_close_tagtlk ( &(zrk_zirko->zrk_runtime.zrk_ctxtagtsocket) );
#endif /* ZRS_DYNFLW */
  
  ZRS_EXIT ((zrk_local_state != 0));
  return ( 0 );
 }
