/* iface.h: a message reached through a class pointer */
class Base { public: virtual int kind(); int value; };
typedef Base *PBase;
