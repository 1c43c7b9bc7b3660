struct event { int code; };
struct other { int v; };
void event_Init(struct event *e, int fd);
void other_Init(struct other *o, int fd);
