/* iface.h: characters and ints shown in every display base */
typedef char hexchar;
typedef char decchar;
typedef unsigned char binchar;
typedef char octchar;
typedef int hexint;
typedef int decint;
typedef int binint;
typedef int unsint;
struct shown_t {
    hexchar hc;
    decchar dc;
    binchar bc;
    octchar oc;
    char plain;
    hexint hi;
    decint di;
    binint bi;
    unsint ui;
    int plain_i;
    long fl;
    char fc;
};
int probe_n;
