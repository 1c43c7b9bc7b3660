/* iface.h: a frame with every kind of part the value checks walk */
typedef int hexint;
typedef unsigned char decbyte;
typedef long binlong;
struct inner_t { int a; long b; };
union payload_u { int num; char text[8]; };
struct frame_t {
    hexint h;
    decbyte d;
    binlong b;
    char c;
    int n;
    struct inner_t in;
    union payload_u pay;
    int vals[4];
    struct inner_t items[3];
    char name[8];
    char *label;
    int *ptr;
    double ratio;
    float f;
};
