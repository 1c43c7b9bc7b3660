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
#ifdef KRVT_RTTI_NEEDED
#include <typeinfo>            /* VIRTUAL handlers test the received type */
#endif

/* ---- Scalar and pointer types ---- */
typedef int ZRK_T_INT;
typedef char ZRK_T_CAR;
typedef char *ZRK_PT_CAR;
typedef int ZRK_T_ENUM;
typedef long ZRK_T_LONG;
typedef float ZRK_T_REAL;
typedef double ZRK_T_DOUBLE;
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
/* The expected value "any non-null pointer": a call's checks cast it, a
** reference message assigns it to a pointer field of any type. */
struct ZRK_T_NONIL {
    template <class T> operator T *() const;
};
extern const ZRK_T_NONIL NONIL;
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
    void zrk__evt(ZRK_T_INT type_id, ZRK_T_INT channel_id);
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
    /* value checks, comparisons and dumps of the message code */
    void zrk_var_int_c(ZRK_T_INT id, long value, long expected, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_int_c(ZRK_T_INT id, long value, long reference, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_int_c(ZRK_T_INT id, long value, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_char_c(ZRK_T_INT id, int value, int expected, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_char_c(ZRK_T_INT id, int value, int reference, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_char_c(ZRK_T_INT id, int value, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_bytetab_c(ZRK_T_INT id, int value, int expected, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_bytetab_c(ZRK_T_INT id, int value, int reference, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_bytetab_c(ZRK_T_INT id, int value, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_byte_c(ZRK_T_INT id, int value, int expected, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_byte_c(ZRK_T_INT id, int value, int reference, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_byte_c(ZRK_T_INT id, int value, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_long_c(ZRK_T_INT id, long value, long expected, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_long_c(ZRK_T_INT id, long value, long reference, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_long_c(ZRK_T_INT id, long value, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_float_c(ZRK_T_INT id, double value, double expected, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_float_c(ZRK_T_INT id, double value, double reference, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_float_c(ZRK_T_INT id, double value, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_double_c(ZRK_T_INT id, double value, double expected, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_double_c(ZRK_T_INT id, double value, double reference, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_double_c(ZRK_T_INT id, double value, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_string_c(ZRK_T_INT id, const char * value, const char * expected, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_string_c(ZRK_T_INT id, const char * value, const char * reference, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_string_c(ZRK_T_INT id, const char * value, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_nonil_c(ZRK_T_INT id, const void * value, const void * expected, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_nonil_c(ZRK_T_INT id, const void * value, const void * reference, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_nonil_c(ZRK_T_INT id, const void * value, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_pointer_c(ZRK_T_INT id, const void * value, const void * expected, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_cmp_pointer_c(ZRK_T_INT id, const void * value, const void * reference, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_dmp_pointer_c(ZRK_T_INT id, const void * value, ZRK_T_INT i, ZRK_T_INT high);
    void zrk_var_range_int_c(ZRK_T_INT id, long value, ZRK_T_INT has_low, long low, ZRK_T_INT has_high, long high, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_cmp_range_int_c(ZRK_T_INT id, long value, ZRK_T_INT has_low, long low, ZRK_T_INT has_high, long high, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_dmp_range_int_c(ZRK_T_INT id, ZRK_T_INT has_low, long low, ZRK_T_INT has_high, long high, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_var_range_byte_c(ZRK_T_INT id, int value, ZRK_T_INT has_low, int low, ZRK_T_INT has_high, int high, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_cmp_range_byte_c(ZRK_T_INT id, int value, ZRK_T_INT has_low, int low, ZRK_T_INT has_high, int high, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_dmp_range_byte_c(ZRK_T_INT id, ZRK_T_INT has_low, int low, ZRK_T_INT has_high, int high, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_var_range_long_c(ZRK_T_INT id, long value, ZRK_T_INT has_low, long low, ZRK_T_INT has_high, long high, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_cmp_range_long_c(ZRK_T_INT id, long value, ZRK_T_INT has_low, long low, ZRK_T_INT has_high, long high, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_dmp_range_long_c(ZRK_T_INT id, ZRK_T_INT has_low, long low, ZRK_T_INT has_high, long high, ZRK_T_INT base, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_var_range_float_c(ZRK_T_INT id, double value, ZRK_T_INT has_low, double low, ZRK_T_INT has_high, double high, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_cmp_range_float_c(ZRK_T_INT id, double value, ZRK_T_INT has_low, double low, ZRK_T_INT has_high, double high, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_dmp_range_float_c(ZRK_T_INT id, ZRK_T_INT has_low, double low, ZRK_T_INT has_high, double high, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_var_range_double_c(ZRK_T_INT id, double value, ZRK_T_INT has_low, double low, ZRK_T_INT has_high, double high, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_cmp_range_double_c(ZRK_T_INT id, double value, ZRK_T_INT has_low, double low, ZRK_T_INT has_high, double high, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_dmp_range_double_c(ZRK_T_INT id, ZRK_T_INT has_low, double low, ZRK_T_INT has_high, double high, ZRK_T_INT i, ZRK_T_INT last);
    void zrk_var_catch(ZRK_T_INT id);
    ZRK_T_INT zrk_var(ZRK_T_INT id);
    void zrk_varstruct(ZRK_T_INT id);
    void zrk_vartab(ZRK_T_INT id);
    void zrk_varplage(ZRK_T_INT id, ZRK_T_INT low, ZRK_T_INT high);
    void zrk_varreset();
    void zrk_def_msg(ZRK_T_INT id);
    ZRK_T_INT zrk_cmp();
    void zrk_setflagrt();
    /* channels and WAITTIL */
    void zrk_numofid(ZRK_T_INT id);
    void zrk_nodefmsg(ZRK_T_INT id);
    void zrk_noaddid(ZRK_T_INT id);
    void zrk_waittil(ZRK_T_INT id);
    void zrk_begin_waittil_tsf(ZRK_T_INT node, ZRK_T_INT file);
    void zrk_end_waittil_tsf(ZRK_T_INT node, ZRK_T_INT file, ZRK_T_INT state);
    void zrk_waittil_tsf(const char *type, ZRK_T_INT node, ZRK_T_INT file);
    void zrk_endwaittil(ZRK_T_INT state, ZRK_T_INT id, const char *type);
    ZRK_T_UTIME zrk_getevtdate();
    ZRK_T_UTIME zrk_getwtime();
    void zrk_evt(ZRK_T_INT type_id, ZRK_T_INT channel_id, ZRK_T_INT dynamic, const char *type);
    void zrk_endevt(ZRK_T_INT id);
    void zrk_state(ZRK_T_INT value, ZRK_T_INT id);
    /* inter-tester exchanges */
    void zrk_intersend_tsf(ZRK_T_INT node, ZRK_T_INT file, const char *destination);
    ZRK_T_INT zrk_intersend(const char *value, const char *destination);
    void zrk_isend(ZRK_T_INT id, ZRK_T_INT sent, const char *value, const char *destination);
    void zrk_irecv(ZRK_T_INT id);
    void zrk_end_irecv(ZRK_T_INT id, ZRK_T_INT state, const char *emitter, const char *info);
    void zrk_interrecv_tsf(ZRK_T_INT node, ZRK_T_INT file, const char *info, const char *emitter);
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
void *zrk_memcpy(void *to, const void *from, unsigned long size);
char *zrk_strcpy(char *to, const char *from);
void zrk_sleep(ZRK_T_UTIME duration);
int priv_interrecv(ZRK_T_INT *socket, ZRK_T_INT timeout, char *buffer, int size,
                   char **emitter, char **info);
/* polling granularity of WAITTIL, in event-date units */
extern ZRK_T_UTIME zrk_gran;
/* The trigger model's generated callbacks poll the connection table for
** an event and date the message in the running context. */
template <typename Table> ZRK_T_INT zrk_pollevt(Table &ids, ZRK_T_INT count);
struct zrk_s_context {
    ZRK_T_INT zrk_ctxrun;
};
extern zrk_s_context *zrk_ctx;
void zrk_msgdate(ZRK_T_INT *run, ZRK_T_INT flag);

/* ---- Macros ---- */
#define ZRS_EXIT(status) exit(status)
#define ZRS_STRCPY(to, from) strcpy((to), (from))
#define ZRS_STRCAT(to, from) strcat((to), (from))
#define ZRK_TRY try {
#define ZRK_END_TRY } catch (int) {}
#define ZRK_P_BASE16 16
#define ZRK_P_BASE10 10
#define ZRK_P_BASE8 8
#define ZRK_P_BASE2 2
#define ZRK_EVTOK 1
#define ZRK_EVTKO 2
#define ZRK_MESSAGE_READ 2
#define ZRK_MESSAGE_SENT 2
#define ZRK_WTIME_TO_TIME 1
#define ZRS_TAGTBUF_SIZE 1024
/* the WAITTIL conditions: a message's state, or its state on a channel */
#define ZRK_MATCHED_1(m) ((m).zrk_state == ZRK_EVTOK)
#define ZRK_NOTMATCHED_1(m) ((m).zrk_state == ZRK_EVTKO)
#define ZRK_MATCHING_1(m) ((m).zrk_stateok)
#define ZRK_NOTMATCHING_1(m) ((m).zrk_stateko)
#define ZRK_MATCHED_2(m, channel) ((m).channel == ZRK_EVTOK)
#define ZRK_NOTMATCHED_2(m, channel) ((m).channel == ZRK_EVTKO)
#define ZRK_MATCHING_2(m, channel) ((m).channel & ZRK_EVTOK)
#define ZRK_NOTMATCHING_2(m, channel) ((m).channel & ZRK_EVTKO)

#endif
