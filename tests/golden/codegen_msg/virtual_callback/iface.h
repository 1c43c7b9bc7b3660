/* iface.h: messages received through a class pointer */
class Base { public: virtual int kind(); int value; };
class Derived : public Base { public: int extra; };
typedef Base *PBase;
