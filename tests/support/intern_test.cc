/*
** tests/support/intern_test.cc
** The intern table and the null-tolerant text primitives.
**
** The table is process-wide, so these tests only ever add to it; each
** uses texts of its own so that the order of the tests does not matter.
*/
#include "support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(InternText, EqualTextsShareOneStoredCopy)
{
    init_intern_table();
    char first[] = "alpha_name";
    char second[] = "alpha_name";
    const char *a = intern_text(first);
    const char *b = intern_text(second);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, first);
    EXPECT_STREQ(a, "alpha_name");
    first[0] = 'X';   /* the stored copy does not follow the caller's buffer */
    EXPECT_STREQ(a, "alpha_name");
    EXPECT_NE(intern_text("alpha_nam"), a);
    EXPECT_NE(intern_text("alpha_namf"), a);
    init_intern_table();   /* a second call keeps what is stored */
    EXPECT_EQ(intern_text("alpha_name"), a);
}

/* A span is the text of its bytes alone: the bytes after it are neither
** compared nor stored, and a span equal to a stored text finds it. */
TEST(InternText, SpansShareCopiesWithWholeTexts)
{
    init_intern_table();
    const char source[] = "beta_namesXYZ";
    const char *span = intern_span(source, 9);
    EXPECT_STREQ(span, "beta_name");
    EXPECT_EQ(intern_text("beta_name"), span);
    EXPECT_EQ(intern_span("beta_name and more", 9), span);
    EXPECT_NE(intern_span(source, 10), span);
    EXPECT_STREQ(intern_span(source, 10), "beta_names");
    EXPECT_NE(intern_span(source, 8), span);
    EXPECT_EQ(intern_span(source, 0), nullptr);
    EXPECT_EQ(intern_span(nullptr, 3), nullptr);
}

TEST(InternText, AbsentOrEmptyTextGivesNothing)
{
    EXPECT_EQ(intern_text(nullptr), nullptr);
    EXPECT_EQ(intern_text(""), nullptr);
}

TEST(InternText, BytesAboveAsciiAreDistinct)
{
    const char *a = intern_text("\xe9t\xe9");
    const char *b = intern_text("\xe9t\xe8");
    const char *c = intern_text("\x80");
    EXPECT_NE(a, b);
    EXPECT_EQ(intern_text("\xe9t\xe9"), a);
    EXPECT_EQ(intern_text("\x80"), c);
    EXPECT_STREQ(b, "\xe9t\xe8");
}

/* Tens of thousands of texts: the entry array grows twice, the buckets
** are rebuilt once and the pool moves to new chunks many times, yet every
** address stays the same. */
TEST(InternText, AddressesSurviveEntryAndPoolGrowth)
{
    const int count = 45000;
    std::vector<const char *> stored(count);
    for (int i = 0; i < count; i++)
        stored[i] = intern_text(("growth_identifier_" + std::to_string(i)).c_str());
    for (int i = 0; i < count; i++) {
        std::string text = "growth_identifier_" + std::to_string(i);
        ASSERT_STREQ(stored[i], text.c_str());
        ASSERT_EQ(intern_text(text.c_str()), stored[i]) << text;
    }
}

/* A text as long as a pool chunk or longer gets a chunk of its own and
** the chunk size grows; texts stored before and after keep working. */
TEST(InternText, TextsLargerThanAChunk)
{
    const char *before = intern_text("before_the_long_texts");
    std::string chunk_sized(99999, 'c');
    std::string huge(200000, 'h');
    huge[123456] = 'x';
    const char *a = intern_text(chunk_sized.c_str());
    const char *b = intern_text(huge.c_str());
    const char *after = intern_text("after_the_long_texts");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(strlen(a), chunk_sized.size());
    EXPECT_EQ(std::string(b), huge);
    EXPECT_EQ(intern_text(chunk_sized.c_str()), a);
    EXPECT_EQ(intern_text(huge.c_str()), b);
    huge[123456] = 'y';
    EXPECT_NE(intern_text(huge.c_str()), b);
    EXPECT_EQ(intern_text("before_the_long_texts"), before);
    EXPECT_EQ(intern_text("after_the_long_texts"), after);
    EXPECT_STREQ(after, "after_the_long_texts");
}

TEST(TextPrimitives, Compare)
{
    const struct {
        const char *first, *second;
        int expected;
    } cases[] = {
        {nullptr, "a", -1}, {"a", nullptr, -1}, {nullptr, nullptr, -1},
        {"", "", 0}, {"abc", "abc", 0}, {"abd", "abc", 1}, {"abc", "abd", -1},
        {"a", "ab", -'b'}, {"ab", "a", 'b'},
        {"\xff", "a", -1 - 'a'},        /* bytes compare as signed values */
        {"a", "\x80", 'a' + 128},
    };
    for (const auto &c : cases)
        EXPECT_EQ(text_compare(c.first, c.second), c.expected)
            << (c.first ? c.first : "(null)") << " vs " << (c.second ? c.second : "(null)");
}

TEST(TextPrimitives, CopyAndOrEmpty)
{
    char buffer[16] = "unchanged";
    text_copy(nullptr, buffer);
    EXPECT_STREQ(buffer, "");
    text_copy("copied", buffer);
    EXPECT_STREQ(buffer, "copied");
    EXPECT_STREQ(text_or_empty(nullptr), "");
    EXPECT_EQ(text_or_empty(nullptr), text_or_empty(nullptr));
    const char *text = "kept";
    EXPECT_EQ(text_or_empty(text), text);
}

} // namespace
