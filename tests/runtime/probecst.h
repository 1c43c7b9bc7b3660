/*
** tests/runtime/probecst.h
** Stand-in for the probe runtime's declarations of the replay of recorded
** traces (-PROBE=CUSTOM), for compile checks only.
**
** Included by the generated `.h` after TP.h; declares the recorded-file
** context ZRK_CTX_PRB and the calls of the generated dump_inst.
*/
#ifndef ZRS_STANDIN_PROBECST_H
#define ZRS_STANDIN_PROBECST_H

typedef struct zrk_s_probe_file *ZRK_CTX_PRB;

extern "C" ZRK_CTX_PRB zrk_open_probe(ZRK_CTX_PRB prb_ctx, ZRK_PT_CAR path,
                                      ZRK_PT_CAR riofile, ZRK_PT_CAR instName,
                                      ZRK_T_UINT other);
/* The next recorded event; 0 at the end of the file. */
extern "C" int zrk_read_probe(ZRK_CTX_PRB prb_ctx, ZRK_T_DATE *time, ZRK_T_UINT *code,
                              ZRK_T_UINT *key, void **msg);
extern "C" void zrk_close_probe(ZRK_CTX_PRB prb_ctx);

#endif
