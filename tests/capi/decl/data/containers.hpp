// Namespaces, using directives, class templates and their instances.
#ifndef CONTAINERS_HPP
#define CONTAINERS_HPP

namespace geo {
    struct Vec { double x, y; };
    typedef Vec *VecPtr;
    double length(const Vec &v);
    namespace detail {
        enum Mode { FAST, EXACT };
        int tune(Mode m);
    }
}

namespace {
    int hidden_counter;
}

namespace geo {
    Vec scale(const Vec &v, double k);
}

using namespace geo;

template <class T, int N = 8>
class FixedArray {
public:
    FixedArray();
    T &operator[](int i) { return items[i]; }
    int size() const { return N; }
private:
    T items[N];
    int used;
};

template <class K, class V>
struct Pair {
    K key;
    V value;
};

template <class T> T largest(T a, T b) { return a < b ? b : a; }

template <> struct Pair<int, int> { long both; };

FixedArray<geo::Vec, 4> corners;
Pair<int, double> weighted;
Pair<char *, Vec> labelled;
geo::detail::Mode default_mode = geo::detail::FAST;
VecPtr (*factory)(int count);
int sizes[sizeof(Vec) + 2];
static const int limits[] = { 1, 2, 3, };
long table[2][3] = { { 1, 2, 3 }, { 4, 5, 6 } };
unsigned long mask = (1UL << 12) | 0x7f;
char greeting[] = "hello" " world";
int casted = static_cast<int>(3.5) + (int)'a' + reinterpret_cast<long>(0);

#endif
