struct order { int id; };
struct answer { int code; };
struct alarm { int level; };
class Base { public: int b; };
class Left : public Base { public: int l; };
class Right : public Base { public: int r; };
class X { public: int x; };
class Y { public: int y; };
class XY : public X, public Y { public: int xy; };
