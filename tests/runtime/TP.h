/*
** tests/runtime/TP.h
** Stand-in for the target runtime's main header, for compile checks only.
**
** The generated driver source is compiled against the target runtime,
** which is not part of this project.  This header declares, and nothing
** more, what the generated text calls: the ZRK_T_ and ZRK_PT_ types, the
** runtime object ZRK_C_RUNTIME with the members and context fields the
** driver uses, the free functions, the ZRS_ macros and the constants.  It
** has no definitions: a generated source that compiles against it is
** valid C++, nothing is said about what it does.  It grows with the code
** the generator writes.
*/
#ifndef ZRS_STANDIN_TP_H
#define ZRS_STANDIN_TP_H

#include <cstdlib>
#include <cstring>

/* ---- Scalar and pointer types ---- */
typedef int ZRK_T_INT;
typedef char ZRK_T_CAR;
typedef char *ZRK_PT_CAR;
typedef unsigned long ZRK_T_UTIME;
typedef unsigned int ZRK_T_UINT;
typedef unsigned int *ZRK_PT_UINT;
typedef int ZRK_T_ENUM;
typedef long ZRK_T_LONG;
typedef unsigned long ZRK_T_ULONG;
typedef float ZRK_T_REAL;
typedef double ZRK_T_DOUBLE;
typedef void *ZRK_PT_VOID;

/* A timer: the date it was last started. */
struct ZRK_T_DATE {
    long seconds, microseconds;
};
struct ZRK_T_TIMER {
    ZRK_T_DATE timer;
};

/* What a thread entry receives: the run parameters of its launcher; a
** null text means "not given". */
struct ZRK_T_ARG {
    char *zrk_filters;
    char *zrk_riofilename;
    char *zrk_instance;
    ZRK_T_INT zrk_occid;
};
typedef ZRK_T_ARG *ZRK_PT_ARG;
typedef void *ZRK_T_THREAD_RETURN;

/* Connection slots per channel. */
#define ZRK_K_ID_SIZE 16
/* State of a message no event has reached yet. */
#define ZRK_NOEVT (-1)
/* The expected value "any non-null pointer" of a call's checks. */
extern ZRK_PT_VOID const NONIL;
/* What a callback returns when no message was there. */
#define ZRK_NO_MESSAGE 2
/* The statements of a body run in a try block when the driver handles
** exceptions, and in a plain block otherwise. */
#ifdef ZRK_HANDLE_EXCEPTION
#define ZRK_TRY try {
#define ZRK_END_TRY }
#else
#define ZRK_TRY {
#define ZRK_END_TRY }
#endif
/* Trace priority that flushes everything the circular buffer holds. */
#define K_TRACECTX_MAX_PRIORITY 100

/* ---- The runtime object each driver object holds ---- */
class ZRK_C_RUNTIME {
public:
    /* context fields */
    ZRK_T_INT zrk_ctxnuminstance;
    ZRK_T_INT zrk_ctxoccid;
    ZRK_T_UTIME zrk_ctxtimeout;
    ZRK_T_INT zrk_ctxflagprobe;
    ZRK_T_INT zrk_ctxtracepriority;
    ZRK_T_CAR *zrk_ctxbuffertrace;
    ZRK_T_INT zrk_ctxbuffersize;
    ZRK_T_INT zrk_ctxbuffersizeleft;
    ZRK_T_CAR *zrk_ctxcurrentline;
    ZRK_T_CAR *zrk_ctxlinetoerase;
    ZRK_T_CAR *zrk_ctxlastline;
    ZRK_T_CAR zrk_instancename[255];
    ZRK_T_CAR zrk_ctxtesternaming[255];
    ZRK_T_INT zrk_ctxtagtsocket;
    ZRK_T_INT zrk_ctxtagttimeout;
    ZRK_T_INT zrk_ctxtagtcommactivated;
    ZRK_T_UTIME zrk_logdate;       /* probe mode */
    ZRK_T_DATE zrk_ctxusrdate;     /* probe mode: date of the replayed event */
    ZRK_T_INT zrk_ctxfilter[26];       /* filters A to Z */

    /* timers */
    ZRK_T_UTIME zrk_time(ZRK_T_DATE *start);

    /* run parameters: from the command line (argc, argv) or given */
    void zrk_set_trace_functions();
    void zrk_set_lstflt(int argc, char **argv, const char *filters);
    void zrk_set_riofilename(int argc, char **argv, const char *name);
    void zrk_set_instancename(int argc, char **argv, const char *name);
    void zrk_set_occid(int argc, char **argv, const char *occid);
    void zrk_set_testernaming();
    void zrk_set_instancevalid(ZRK_T_INT valid);
    void zrk_set_instancerequired(ZRK_T_INT required);

    /* results file and dynamic following */
    void zrk_initrio_with_dynamicfollowing(const char *generation, const char *mode);
    void zrk_initrio_no_dynamicfollowing(const char *generation, const char *mode);
    void zrk_notify_tsf(ZRK_T_INT file, long identity, long check);
    void zrk_declare_ni_tsf(ZRK_T_INT file);
    void zrk_endoftester_tagtlk();

    /* the run of the root scenario */
    void zrk_startchronomarkloop(ZRK_T_INT end_id, ZRK_T_INT id, ZRK_T_INT depth,
                                 ZRK_T_INT loop, const char *text, ZRK_T_INT a,
                                 ZRK_T_INT b);
    void zrk_stopchronomarkloop(ZRK_T_INT state, ZRK_T_INT end_id, ZRK_T_INT depth,
                                ZRK_T_INT loop, const char *text, ZRK_T_INT a,
                                ZRK_T_INT b);
    void zrk_flush_circular_buffer(ZRK_T_INT priority);
    void zrk_end();

    /* probe mode: the replay of a traced exchange */
    void zrk_initrio(const char *generation, const char *mode);
    void zrk_endsend(ZRK_T_INT state, ZRK_T_UINT end_id);
    void zrk_waittil(ZRK_T_UINT code);
    void zrk_endwaittil(ZRK_T_INT state, ZRK_T_UINT end_id, const char *text);
    void zrk__evt(ZRK_T_INT type_id, ZRK_T_INT channel_id);
    void zrk_evt(ZRK_T_INT type_id, ZRK_T_INT channel_id, ZRK_T_INT state, const char *text);
    void zrk_endevt(ZRK_T_INT type_end_id);
    void zrk_def_msg(ZRK_T_INT definition_id);
    /* scenario children and their blocks */
    void zrk_special_block_tsf(ZRK_T_INT node, ZRK_T_INT file, ZRK_T_INT kind,
                               ZRK_T_INT open);
    void zrk_binit(ZRK_T_INT end_id, ZRK_T_INT id, ZRK_T_INT depth, ZRK_T_INT loop);
    void zrk_ainit(ZRK_T_INT failed, ZRK_T_INT end_id, ZRK_T_INT depth, ZRK_T_INT loop);
    void zrk_bterm(ZRK_T_INT end_id, ZRK_T_INT id, ZRK_T_INT depth, ZRK_T_INT loop);
    void zrk_aterm(ZRK_T_INT failed, ZRK_T_INT end_id, ZRK_T_INT depth, ZRK_T_INT loop);
    void zrk_bexcep(ZRK_T_INT end_id, ZRK_T_INT id, ZRK_T_INT depth, ZRK_T_INT loop);
    void zrk_aexcep(ZRK_T_INT failed, ZRK_T_INT end_id, ZRK_T_INT depth, ZRK_T_INT loop);
    void zrk_bproc(ZRK_T_INT id);
    void zrk_aproc(ZRK_T_INT end_id);

    /* statements */
    void zrk_comment(ZRK_T_INT id);
    void zrk_error(ZRK_T_INT id);
    void zrk_rioexit(ZRK_T_INT id);
    void zrk_setfilter(const char *filters, ZRK_T_INT id);
    void zrk_unsetfilter(const char *filters, ZRK_T_INT id);
    void zrk_nomsg(ZRK_T_INT id);
    void zrk_msgdate(ZRK_T_INT id);
    void zrk_pause(ZRK_T_UTIME duration);
    void zrk_print(ZRK_T_INT id, ZRK_T_ULONG value);
    void zrk_flush_trace(ZRK_T_INT id);
    void zrk_trace_on(ZRK_T_INT id);
    void zrk_trace_off(ZRK_T_INT id);
    void zrk_brdv(ZRK_T_INT id, const char *name);
    void zrk_ardv(ZRK_T_INT id, ZRK_T_INT reached, const char *name);
    void zrk_rdv_reached_tsf(ZRK_T_INT reached, ZRK_T_INT node, ZRK_T_INT file);
    void zrk_send(ZRK_T_INT id, const char *message);
    void zrk_send_tsf(ZRK_T_INT node, ZRK_T_INT file);
    void zrk_rio_on();
    void zrk_rio_off();
    void zrk_endsend(ZRK_T_INT failed, ZRK_T_INT end_id);

    /* C function calls: begin, end (the failure count), the typed checks
    ** (range flag, obtained value, expected value or bounds, record id) */
    void zrk_bcf(ZRK_T_INT id);
    ZRK_T_INT zrk_cf(ZRK_T_INT end_id);
    void zrk_catch();
    void zrk_int_c(ZRK_T_INT range, ZRK_T_INT value, ...);
    void zrk_char_c(ZRK_T_INT range, ZRK_T_CAR value, ...);
    void zrk_long_c(ZRK_T_INT range, ZRK_T_LONG value, ...);
    void zrk_float_c(ZRK_T_INT range, ZRK_T_REAL value, ...);
    void zrk_double_c(ZRK_T_INT range, ZRK_T_DOUBLE value, ...);
    void zrk_string_c(ZRK_T_INT range, ZRK_PT_CAR value, ...);
    void zrk_nonil_c(ZRK_T_INT range, ZRK_PT_VOID value, ...);
    void zrk_pointer_c(ZRK_T_INT range, ZRK_PT_VOID value, ...);
};

/* ---- Free functions ---- */
void zrk_get_date(ZRK_T_DATE *date);
int zrk_strcmp(const char *first, const char *second);
/* True when every tester has reached the rendezvous. */
ZRK_T_INT zrk_rdv(const char *name);
int zrk_sprintf(char *out, const char *format, ...);
void *zrk_memcpy(void *to, const void *from, size_t size);
[[noreturn]] void zrk_thr_exit(ZRK_T_INT status);
int priv_boot_tagtlk(ZRK_T_INT *socket, const char *instance, const char *naming,
                     ZRK_T_INT *timeout, ZRK_T_INT *activated);
void priv_close_tagtlk(ZRK_T_INT *socket);

/* ---- Macros ---- */
#define ZRS_EXIT(status) exit(status)
#define ZRS_STRCPY(to, from) strcpy((to), (from))
#define ZRS_STRCAT(to, from) strcat((to), (from))

#endif
