struct order { int id; };
struct answer { int code; };
class Plain { public: int p; };
class Shape { public: virtual ~Shape(); int s; };
typedef Plain *PlainPtr;
typedef Shape *ShapePtr;
int put(int v);
