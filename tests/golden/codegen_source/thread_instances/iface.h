/* iface.h: one message type */
typedef struct { int code; } order_t;
