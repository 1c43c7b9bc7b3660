enum colour { RED, AMBER, GREEN = 4 };
struct lamp { unsigned short id; enum colour c; };
int reset(int hard);
int counter;
