/*
** tests/driver/filenames_test.cc
** Suffixes, joining and relative directories.
*/
#include "driver.h"
#include "diag.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(FileNames, SplitSuffix)
{
    struct Case {
        const char *name, *base, *suffix;
    } cases[] = {
        {"tests/s1", "tests/s1", ""},     {"s1.pts", "s1", "pts"},
        {"a.b/c", "a.b/c", ""},           {"out/drv.cpp", "out/drv", "cpp"},
        {"x.", "x", ""},                  {".x", "", "x"},
        {"a.tar.gz", "a.tar", "gz"},      {"", "", ""},
        {"dir.d/.hidden", "dir.d/", "hidden"},
    };
    for (const Case &c : cases) {
        std::string name = c.name, suffix = "old";
        split_suffix(name, suffix);
        EXPECT_EQ(name, c.base) << c.name;
        EXPECT_EQ(suffix, c.suffix) << c.name;
    }
}

TEST(FileNames, DefaultSuffixesAndVariables)
{
    unsetenv("ZRS_SRC_TEST");
    std::string name = "out/drv";
    append_default_suffix(name, "cc", "ZRS_SRC_TEST");
    EXPECT_EQ(name, "out/drv.cc");
    setenv("ZRS_SRC_TEST", "", 1);   /* empty behaves as unset */
    name = "out/drv";
    append_default_suffix(name, "cc", "ZRS_SRC_TEST");
    EXPECT_EQ(name, "out/drv.cc");
    setenv("ZRS_SRC_TEST", "cxx", 1);
    name = "out/drv";
    add_suffix_unless_present(name, "cc", "ZRS_SRC_TEST");
    EXPECT_EQ(name, "out/drv.cxx");
    name = "out/drv.cpp";
    add_suffix_unless_present(name, "cc", "ZRS_SRC_TEST");
    EXPECT_EQ(name, "out/drv.cpp");
    name = "a.b/c";
    add_suffix_unless_present(name, "pts", nullptr);
    EXPECT_EQ(name, "a.b/c.pts");
    unsetenv("ZRS_SRC_TEST");
}

TEST(FileNames, PathJoin)
{
    std::string out = "unchanged";
    path_join(nullptr, "n", out);
    EXPECT_EQ(out, "unchanged");
    path_join("d", nullptr, out);
    EXPECT_EQ(out, "unchanged");
    path_join("d", "/abs/n", out);
    EXPECT_EQ(out, "/abs/n");
    path_join("d", "", out);
    EXPECT_EQ(out, "d");
    path_join("d/e", "n.h", out);
    EXPECT_EQ(out, "d/e/n.h");
    path_join("d", std::string(5000, 'n').c_str(), out);
    EXPECT_EQ(out.size(), 5002u);
}

TEST(FileNames, RelativePath)
{
    struct Case {
        const char *from, *to, *expected;
    } cases[] = {
        {"/a/b", "/a/b", ""},
        {"/a/b/", "/a/b", ""},
        {"/a/b", "/a/c", "../c/"},
        {"/a/b/c", "/a", "../../"},
        {"/a", "/a/b/c", "b/c/"},
        {"/", "/x/y", "x/y/"},
        {"/x/y", "/", "../../"},
        /* Components compare whole: ab is not a prefix match of abc. */
        {"/ab", "/abc", "../abc/"},
    };
    for (const Case &c : cases) {
        char *result = relative_path(c.from, c.to);
        ASSERT_NE(result, nullptr) << c.from << " " << c.to;
        EXPECT_STREQ(result, c.expected) << c.from << " " << c.to;
        xfree(result);
    }
    EXPECT_EQ(relative_path("a/b", "/a"), nullptr);
    EXPECT_EQ(relative_path("/a", "b"), nullptr);
    EXPECT_EQ(relative_path(nullptr, "/b"), nullptr);
}

TEST(FileNames, StartRoutineName)
{
    EXPECT_EQ(start_routine_name("<start>", "dir/r.c"), "r_start");
    EXPECT_EQ(start_routine_name("<start>", "r"), "r_start");
    EXPECT_EQ(start_routine_name("<start>", "a.b/r"), "r_start");
    EXPECT_EQ(start_routine_name("<main>", "dir/r.c"), "<main>");
    EXPECT_EQ(start_routine_name("go", "dir/r.c"), "go");
}

} // namespace
