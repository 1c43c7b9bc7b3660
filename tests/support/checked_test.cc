/*
** tests/support/checked_test.cc
** Checked calls, file-name conveniences and the run's date source.
*/
#include "diag.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

TEST(Checked, NullAndEmptyInputs)
{
    EXPECT_EQ(checked_strdup(nullptr), nullptr);
    std::string out = "kept";
    file_base_name("", out);
    EXPECT_EQ(out, "kept");
    file_base_name(nullptr, out);
    EXPECT_EQ(out, "kept");
    file_dir_path("", out);
    EXPECT_EQ(out, "");
}

TEST(Checked, FileNameParts)
{
    struct Case {
        const char *path, *base, *dir;
    } cases[] = {
        {"name.h", "name.h", "."},
        {"dir/sub/name.h", "name.h", "dir/sub"},
        {"/abs/x", "x", "/abs"},
        {"a.b/c", "c", "a.b"},
    };
    for (const Case &c : cases) {
        std::string base, dir;
        file_base_name(c.path, base);
        file_dir_path(c.path, dir);
        EXPECT_EQ(base, c.base) << c.path;
        EXPECT_EQ(dir, c.dir) << c.path;
    }
}

TEST(Checked, SprintfGrowsWithTheText)
{
    std::string out, longer(100000, 'x');
    EXPECT_EQ(checked_sprintf(out, "%s%c%s", longer.c_str(), '/', "n"), 100002);
    EXPECT_EQ(out.size(), 100002u);
    /* Either side of the short-text buffer, replacing what was there. */
    for (size_t n : {0u, 254u, 255u, 256u, 257u}) {
        std::string piece(n, 'y');
        EXPECT_EQ(checked_sprintf(out, "%s", piece.c_str()), int(n));
        EXPECT_EQ(out, piece);
    }
    char *joined = concat_path("a", "b");
    EXPECT_STREQ(joined, "a/b");
    xfree(joined);
}

TEST(Checked, AllocationFailureIsInternal)
{
    init_bibli_messages();
    /* No anchor at the start: a sanitizer may warn before the line. */
    EXPECT_EXIT(xmalloc(SIZE_MAX / 2), testing::ExitedWithCode(9),
                "Korvat-S-ERRINTFCT,  Internal error in the function memory "
                "overflow\n$");
}

/* Pools start small and grow to their largest block; a piece larger than
** that still gets a block that holds it. */
TEST(FreshPages, BlocksGrowAndHoldTheirPiece)
{
    const size_t largest = size_t(1) << 20;
    size_t size = next_block_size(0, 1, largest);
    EXPECT_LT(size, largest);
    for (int i = 0; i < 12; i++) {
        size_t next = next_block_size(size, 1, largest);
        EXPECT_TRUE(next == largest || next == 2 * size) << next;
        size = next;
    }
    EXPECT_EQ(size, largest);
    EXPECT_EQ(next_block_size(0, 3 * largest, largest), 3 * largest);
    EXPECT_EQ(next_block_size(3 * largest, 1, largest), largest);
    EXPECT_GE(next_block_size(0, 100000, largest), 100000u);

    char *block = static_cast<char *>(fresh_pages(300000));
    bool zero = true;
    for (size_t i = 0; i < 300000; i++)
        zero = zero && block[i] == 0;
    EXPECT_TRUE(zero);
    memset(block, 0x7f, 300000);
    release_pages(block, 300000);

    /* a block of whole 2 MB pages, which may come on large pages */
    const size_t large = (size_t(2) << 20) * 3 + 4096;
    block = static_cast<char *>(fresh_pages(large));
    zero = true;
    for (size_t i = 0; i < large; i += 512)
        zero = zero && block[i] == 0 && block[large - 1 - i] == 0;
    EXPECT_TRUE(zero);
    memset(block, 0x7f, large);
    release_pages(block, large);
}

TEST(FreshPages, RefusedPagesAreAnInternalError)
{
    init_bibli_messages();
    EXPECT_EXIT(fresh_pages(SIZE_MAX / 2), testing::ExitedWithCode(9),
                "Korvat-S-ERRINTFCT,  Internal error in the function memory "
                "overflow\n$");
}

/* Blocks reach the file whole and in order, each buffer coming back with
** the tail that followed its block; closing waits for them. */
TEST(WriteBehind, BlocksArriveInOrderWithTheirTails)
{
    std::string path = testing::TempDir() + "write_behind.txt";
    FILE *out = fopen(path.c_str(), "w");
    ASSERT_NE(out, nullptr);
    std::vector<char> buffer(100000);
    std::string expected, tail;
    for (int i = 0; i < 300; i++) {
        std::string block = tail + std::string(size_t(i * 131 % 90000), char('a' + i % 26)) +
                            "|" + std::to_string(i) + "\n";
        tail = "t" + std::to_string(i);
        memcpy(buffer.data(), block.data(), block.size());
        memcpy(buffer.data() + block.size(), tail.data(), tail.size());
        write_behind(out, buffer, block.size(), block.size() + tail.size());
        ASSERT_EQ(buffer.size(), 100000u);
        ASSERT_EQ(std::string(buffer.data(), tail.size()), tail);
        expected += block;
    }
    checked_fclose(out);
    std::string written;
    ASSERT_TRUE(read_whole_file(path.c_str(), written));
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected);
    remove(path.c_str());
}

TEST(WriteBehind, AFailedWriteIsASystemError)
{
    EXPECT_EXIT(
        {
            FILE *full = fopen("/dev/full", "w");
            std::vector<char> buffer(1 << 20, 'x');
            write_behind(full, buffer, buffer.size(), buffer.size());
            checked_fclose(full);
        },
        testing::ExitedWithCode(7),
        "^FATAL ERROR on 'fwrite',\n Please contact your administrative.$");
}

TEST(Checked, FailedCloseIsASystemError)
{
    EXPECT_EXIT(
        {
            FILE *full = fopen("/dev/full", "w");
            fputs("x", full);
            checked_fclose(full);
        },
        testing::ExitedWithCode(7),
        "^FATAL ERROR on 'fclose',\n Please contact your administrative.$");
}

/* The clock is read once per process, so each case runs in a child. */
TEST(RunInfo, SourceDateEpochFixesDateAndId)
{
    EXPECT_EXIT(
        {
            setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
            bool ok = strcmp(current_time_text(),
                             "Tue Nov 14 22:13:20 2023") == 0 &&
                      run_generation_id() == 0 &&
                      run_broken_down_time().tm_year == 123;
            exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            unsetenv("SOURCE_DATE_EPOCH");
            const char *text = current_time_text();
            size_t n = strlen(text);
            bool ok = n == 24 && text[n - 1] != '\n' &&
                      run_generation_id() == static_cast<long>(getpid());
            exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
