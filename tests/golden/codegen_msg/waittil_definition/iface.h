/* iface.h: messages defined more than once before their receptions */
struct ping_t { int seq; };
struct pong_t { int seq; };
