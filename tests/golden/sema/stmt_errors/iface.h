struct order { int id; };
struct pair { int a; int b; };
int get(int v);
struct pair make(int v);
const int LIMIT = 4;
typedef int conn_t;
int counter;
enum colour { RED, GREEN };
#define TWO 2
struct pair pv;
#define MAXV 9
