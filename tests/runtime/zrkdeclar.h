/*
** tests/runtime/zrkdeclar.h
** Stand-in for the probe runtime's declarations of the recording probe
** (-PROBE=DEFAULT), for compile checks only.
**
** Included by the generated `.h` after ZRK_PT_CTX and ZRK_CTX_PRB are
** declared.  The generated source writes "zrk_declar;" at file scope and
** sizes its context table with NB_INSTANCES.
*/
#ifndef ZRS_STANDIN_ZRKDECLAR_H
#define ZRS_STANDIN_ZRKDECLAR_H

#define NB_INSTANCES 16
#define zrk_declar extern ZRK_CTX_PRB zrk_probe_current

#endif
