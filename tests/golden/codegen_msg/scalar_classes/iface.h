/* iface.h: one field of each scalar type class the value checks tell apart */
enum colour { RED, GREEN };
struct all_t {
    char c;
    signed char sc;
    unsigned char uc;
    short s;
    unsigned short us;
    int i;
    unsigned int ui;
    unsigned u;
    long l;
    unsigned long ul;
    float f;
    double d;
    char name[8];
    const char *label;
    enum colour e;
};
struct all_t probe_v;
