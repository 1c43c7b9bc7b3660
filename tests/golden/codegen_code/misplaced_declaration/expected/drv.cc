
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
  zrk_runtime.zrk_comment (10);
