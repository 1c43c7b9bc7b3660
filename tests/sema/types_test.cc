/*
** tests/sema/types_test.cc
** Type classes, their compatibility and the class distance.
**
** The types come from declarations handed to the interface analysis, so
** the classes are those analysis computes for real interface types.
*/
#include <gtest/gtest.h>

#include "sema_harness.h"

namespace {

class TypeClasses : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        harness_start();
        analyse_declaration_text(
            "enum E { E0 }; struct S2 { int a; }; union U { int i; };\n"
            "typedef long T; typedef struct S2 SS;\n"
            "class A { public: int a; }; class B : public A { public: int b; };\n"
            "class C : public B { public: int c; };\n"
            "class X2 { public: int x; }; class Y2 { public: int y; };\n"
            "class M2 : public X2, public Y2 { public: int m; };\n"
            "typedef C *PC; typedef A *PA;\n",
            "", "t.h", 1);
    }
    int cls(const char *text, std::string *image = nullptr)
    {
        CType *type = type_from_text(text);
        int c = type_class(type, image);
        free_type(type);
        return c;
    }
    int distance(const char *from, const char *to)
    {
        CType *a = type_from_text(from), *b = type_from_text(to);
        int d = class_distance(a, b);
        free_type(a);
        free_type(b);
        return d;
    }
};

TEST_F(TypeClasses, ClassesOfInterfaceTypes)
{
    std::string image;
    EXPECT_EQ(cls("enum E"), 0);
    EXPECT_EQ(cls("int"), 2);
    EXPECT_EQ(cls("long"), 3);
    EXPECT_EQ(cls("T", &image), 3);   /* a typedef takes its type's class */
    EXPECT_EQ(image, "T");
    EXPECT_EQ(cls("struct S2"), 10);
    EXPECT_EQ(cls("SS"), 10);
    EXPECT_EQ(cls("union U"), 12);
    EXPECT_EQ(cls("int *", &image), 9);
    EXPECT_EQ(image, "int *");
    EXPECT_EQ(cls("int **", &image), 9);
    EXPECT_EQ(image, "int **");
    EXPECT_EQ(type_class(nullptr, &image), 2);
    EXPECT_EQ(image, "int");
}

/* The classes pick the check functions of the generated driver: sign
** and length words must not move a type out of its class. */
TEST_F(TypeClasses, CharacterFloatingAndUnsignedTypes)
{
    std::string image;
    EXPECT_EQ(cls("char"), 1);
    EXPECT_EQ(cls("signed char"), 1);
    EXPECT_EQ(cls("unsigned char", &image), 1);
    EXPECT_EQ(image, "unsigned char");
    EXPECT_EQ(cls("unsigned short"), 2);
    EXPECT_EQ(cls("unsigned"), 2);
    EXPECT_EQ(cls("unsigned int"), 2);
    EXPECT_EQ(cls("unsigned long"), 3);
    EXPECT_EQ(cls("long long"), 3);
    EXPECT_EQ(cls("float"), 4);
    EXPECT_EQ(cls("double"), 5);
    EXPECT_EQ(cls("long double"), 5);
    EXPECT_EQ(cls("wchar_t"), 2);
    EXPECT_EQ(cls("char *", &image), 6);
    EXPECT_EQ(image, "char *");
    EXPECT_EQ(cls("const char *"), 6);
    EXPECT_EQ(cls("unsigned char *"), 9);   /* a string is of signed characters */
    EXPECT_EQ(cls("char **"), 9);
    EXPECT_EQ(cls("char [8]", &image), 7);
    EXPECT_EQ(image, "char[8]");
    EXPECT_EQ(cls("unsigned char [4]"), 7);
    EXPECT_EQ(cls("int [4]"), 11);
}

TEST(TypeCompatibility, Rule)
{
    EXPECT_TRUE(classes_compatible(0, 5));     /* arithmetic and character */
    EXPECT_TRUE(classes_compatible(1, 3));
    EXPECT_FALSE(classes_compatible(5, 6));
    EXPECT_TRUE(classes_compatible(6, 7));     /* string and character array */
    EXPECT_TRUE(classes_compatible(8, 2));     /* NONIL and pointers up to 9 */
    EXPECT_TRUE(classes_compatible(7, 9));
    EXPECT_FALSE(classes_compatible(9, 10));
    EXPECT_TRUE(classes_compatible(10, 17));   /* no type fits every class */
    EXPECT_TRUE(classes_compatible(12, 15));   /* ellipsis */
    EXPECT_FALSE(classes_compatible(10, 12));
    EXPECT_FALSE(classes_compatible(-1, 2));
    EXPECT_TRUE(classes_compatible(-1, -1));
}

TEST_F(TypeClasses, DistanceThroughThreeLevels)
{
    EXPECT_EQ(distance("C", "C"), 0);
    EXPECT_EQ(distance("C", "B"), 1);
    EXPECT_EQ(distance("C", "A"), 2);
    EXPECT_EQ(distance("A", "C"), -1);        /* a derived class is no base */
    EXPECT_EQ(distance("C", "X2"), -1);
    EXPECT_EQ(distance("PC", "PA"), 2);       /* class pointers of virtual handlers */
}

TEST_F(TypeClasses, TwoBasesAtOneDistanceTie)
{
    /* both bases of M are one step away: the choice is ambiguous */
    EXPECT_EQ(distance("M2", "X2"), 1);
    EXPECT_EQ(distance("M2", "Y2"), 1);
}

TEST_F(TypeClasses, ValueTextClasses)
{
    analysis.unit.clear();
    int dim = -1;
    EXPECT_EQ(value_text_class("NONIL", &dim), 8);
    EXPECT_EQ(dim, 0);
    EXPECT_EQ(value_text_class("3", nullptr), 2);
}

} // namespace
