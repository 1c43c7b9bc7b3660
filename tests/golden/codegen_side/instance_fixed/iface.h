enum colour { RED, AMBER, GREEN = 4 };
struct lamp { unsigned short id; enum colour c; unsigned int secs; };
struct report { int n; int codes[3]; struct lamp lamps[2]; };
int reset(int hard);
int measure(int id, int *out);
struct report status;
int counter;
int level;
char inbox[64];
