/* iface.h: integer and text targets of inter-tester receptions */
int count;
long total;
char inbox[64];
char line[32];
