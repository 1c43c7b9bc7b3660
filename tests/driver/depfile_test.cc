/*
** tests/driver/depfile_test.cc
** The dependency rule: make's escapes and the shape of the rule.
**
** The end-to-end cases (tests/golden/driver/depfile_*) show which files a
** run lists; these cases cover the names that make would misread.
*/
#include "driver.h"

#include <gtest/gtest.h>

namespace {

TEST(DependencyFile, NamesAreEscapedAsMakeReadsThem)
{
    struct Case {
        const char *name, *escaped;
    } cases[] = {
        {"plain/name.h", "plain/name.h"},
        {"my types.h", "my\\ types.h"},
        {"two  blanks", "two\\ \\ blanks"},
        {"tab\there", "tab\\\there"},
        {"out/d$r.cc", "out/d$$r.cc"},
        {"$$", "$$$$"},
        {"no#comment.h", "no\\#comment.h"},
        /* A backslash before a blank is doubled, elsewhere it stays. */
        {"dir\\ x", "dir\\\\\\ x"},
        {"dir\\x", "dir\\x"},
        {"end\\", "end\\"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(make_escaped(c.name), c.escaped) << c.name;
}

TEST(DependencyFile, OneRuleEachPrerequisiteOnce)
{
    EXPECT_EQ(dependency_rule({"a.tdc", "a b.cc"}, {"s.pts", "h.h", "s.pts",
                                                    "", "h.h", "i.h"}),
              "a.tdc a\\ b.cc: s.pts \\\n  h.h \\\n  i.h\n");
    EXPECT_EQ(dependency_rule({"s.spg"}, {"s.pts"}), "s.spg: s.pts\n");
}

} // namespace
