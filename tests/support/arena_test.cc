/*
** tests/support/arena_test.cc
** The run arena: aligned, zeroed, separate pieces across block boundaries.
*/
#include "support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool all_zero(const char *piece, size_t size)
{
    for (size_t i = 0; i < size; i++)
        if (piece[i])
            return false;
    return true;
}

} // namespace

/* Sizes that straddle a block's end, pieces larger than a shared block
** takes, and the empty piece: each is aligned, zeroed and apart from the
** others (each is filled, then all are checked). */
TEST(RunArena, PiecesAreAlignedZeroedAndApart)
{
    std::vector<std::pair<char *, size_t>> pieces;
    for (size_t size : {size_t(0), size_t(1), size_t(15), size_t(16), size_t(17),
                        size_t(1000), size_t(200000), size_t(3 << 20)}) {
        for (int i = 0; i < 40; i++) {
            char *piece = static_cast<char *>(run_alloc(size));
            ASSERT_EQ(reinterpret_cast<uintptr_t>(piece) % 16, 0u) << size;
            ASSERT_TRUE(all_zero(piece, size)) << size;
            memset(piece, int(pieces.size() % 250) + 1, size);
            pieces.emplace_back(piece, size);
        }
    }
    for (size_t k = 0; k < pieces.size(); k++)
        for (size_t i = 0; i < pieces[k].second; i++)
            ASSERT_EQ(pieces[k].first[i], char(k % 250 + 1)) << k;
}

/* Texts are packed without alignment; the records after them are aligned
** all the same, and neither overwrites the other. */
TEST(RunArena, TextsAndRecordsInterleave)
{
    std::vector<std::pair<char *, std::string>> texts;
    std::vector<char *> records;
    for (int i = 0; i < 20000; i++) {
        std::string text(size_t(i % 37), char('a' + i % 26));
        texts.emplace_back(run_text(text.data(), text.size()), text);
        char *record = static_cast<char *>(run_alloc(size_t(8 + i % 100)));
        ASSERT_EQ(reinterpret_cast<uintptr_t>(record) % 16, 0u) << i;
        memset(record, 0x5a, size_t(8 + i % 100));
        records.push_back(record);
    }
    for (const auto &t : texts)
        ASSERT_EQ(std::string(t.first), t.second);
    for (size_t i = 0; i < records.size(); i++)
        ASSERT_EQ(records[i][0], 0x5a) << i;
}

TEST(RunArena, TextsAreTerminatedCopies)
{
    const char source[] = "abc\0def";
    char *copy = run_text(source, 7);
    EXPECT_EQ(memcmp(copy, source, 7), 0);
    EXPECT_EQ(copy[7], '\0');
    EXPECT_STREQ(run_text("xyz", 2), "xy");
    EXPECT_STREQ(run_text("", 0), "");
}
