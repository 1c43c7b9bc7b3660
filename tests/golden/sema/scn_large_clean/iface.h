enum colour { RED, AMBER, GREEN = 4 };
struct lamp { unsigned short id; enum colour c; unsigned int secs; };
struct report { int n; struct lamp lamps[4]; };
int reset(int hard);
int set_lamp(int id, int colour);
long elapsed(void);
struct report status;
int counter;
