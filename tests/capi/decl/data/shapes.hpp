// Classes, inheritance, access, constructors, destructors and operators.
#ifndef SHAPES_HPP
#define SHAPES_HPP

class Point {
public:
    Point();
    Point(int x, int y = 0);
    Point(const Point &other);
    ~Point();
    Point &operator=(const Point &other);
    Point operator+(const Point &other) const;
    bool operator==(const Point &other) const;
    int operator[](int index) const;
    operator long() const;
    int x() const { return x_; }
    static Point origin();
private:
    int x_, y_;
    friend class ZIRKO;
};

class Shape {
public:
    enum Kind { CIRCLE, RECTANGLE = 4, POLYGON };
    typedef unsigned int size_type;
    explicit Shape(Kind kind) : kind_(kind), corners_(0) {}
    virtual ~Shape() {}
    virtual double area() const = 0;
    virtual size_type corners() const { return corners_; }
    Kind kind() const { return kind_; }
protected:
    Kind kind_;
    size_type corners_;
    mutable int cache_ : 4;
};

class Circle : public Shape {
public:
    Circle(double r);
    double area() const;
    Shape::Kind check;
private:
    double radius_;
};

struct Rect : public virtual Shape, private Point {
    Rect(int w, int h);
    double area() const;
    Point::x;
    int width, height;
};

double Circle::area() const { return 3.14159 * radius_ * radius_; }
Circle::Circle(double r) : Shape(CIRCLE), radius_(r) { }
Rect::Rect(int w, int h) : Shape(RECTANGLE), width(w), height(h) { }

struct Node {
    struct Node *next;
    union {
        int as_int;
        double as_double;
    };
    int tag : 3;
    unsigned : 5;
};

Point operator-(const Point &a, const Point &b);
extern const Point unit_points[4];
typedef void (*visitor)(Shape *shape, void *context);
int visit_all(visitor v, void *context, ...);

#endif
