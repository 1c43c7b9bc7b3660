/*
** tests/capi/pp/pp_diff_test.cc
** Differential tests: the preprocessor (through the ppdump tool) against
** the system's GNU cpp on real headers and on hand-written inputs; the
** token streams must be identical.
**
** Both run with no predefined target macros ("cpp -undef -nostdinc", its
** remaining __STDC_* macros removed) plus this system's predefined
** macros, the same -I list and a few target macros glibc needs.  Known
** differences, kept out of the compared inputs or filtered:
** - "#pragma once" lines stay in our output (pragmas reach the
**   declaration scanner); cpp drops them.  Filtered by c_tokens.
** - __STDC__ is 0 here, 1 in cpp; the inputs do not test its value.
** - "#if" arithmetic follows a 32-bit target for unsigned "*", "/", "%",
**   relations and shifts, and only a "U" suffix makes a constant unsigned;
**   the inputs stay where both agree (pp_test.cc covers the rest).
** A header or cpp missing on the machine skips that case.
*/
#include "pp_test_util.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

namespace {

std::string command_output(const std::string &command, int *status)
{
    std::string out;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char block[65536];
    size_t n;
    while ((n = fread(block, 1, sizeof block, pipe)) > 0)
        out.append(block, n);
    *status = pclose(pipe);
    return out;
}

std::string trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

bool exists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

/* -I list and target macros shared by both preprocessors. */
std::string common_options()
{
    int status = 0;
    std::string gcc_include = trimmed(command_output(
        "cpp -print-file-name=include 2>/dev/null", &status));
    std::string multiarch = trimmed(command_output(
        "cpp -print-multiarch 2>/dev/null", &status));
    std::string options = " -I" + gcc_include;
    if (!multiarch.empty())
        options += " -I/usr/include/" + multiarch;
    options += " -I/usr/include -D__x86_64__=1 -D__linux__=1 -D__LP64__=1"
               " -D__CHAR_BIT__=8";
    return options;
}

void compare_with_cpp(const std::string &file)
{
    int status = 0;
    if (trimmed(command_output("command -v cpp", &status)).empty())
        GTEST_SKIP() << "no cpp on this machine";
    if (!exists(file))
        GTEST_SKIP() << file << " not installed";
    std::string options = common_options();
    std::string gnu = command_output(
        "cpp -undef -nostdinc -U__STDC_HOSTED__ -U__STDC_UTF_16__"
        " -U__STDC_UTF_32__ -U__STDC_VERSION__ -DZRK_LINUX=1 -DUSE_ZRS=1"
        " -DZRK_CPLUSPLUS_LANGUAGE=1" + options + " '" + file + "' 2>/dev/null",
        &status);
    ASSERT_EQ(status, 0) << "cpp failed on " << file;
    std::string ours = command_output(
        std::string(ZRS_PPDUMP) + options + " '" + file + "' 2>/dev/null",
        &status);
    ASSERT_EQ(status, 0) << "ppdump failed on " << file;
    std::vector<std::string> a = c_tokens(gnu), b = c_tokens(ours);
    ASSERT_FALSE(a.empty()) << file;
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        i++;
    if (i < a.size() || i < b.size()) {
        std::string context;
        for (size_t k = i > 5 ? i - 5 : 0; k < i + 5 && k < a.size(); k++)
            context += a[k] + " ";
        context += "| ours: ";
        for (size_t k = i > 5 ? i - 5 : 0; k < i + 5 && k < b.size(); k++)
            context += b[k] + " ";
        FAIL() << file << ": token " << i << " of " << a.size() << "/"
               << b.size() << " differs: " << context;
    }
}

class PpAgainstCpp : public ::testing::TestWithParam<const char *> {};

TEST_P(PpAgainstCpp, SameTokens)
{
    std::string file = GetParam();
    if (file.find('/') == std::string::npos)
        file = std::string(ZRS_SOURCE_ROOT) + "/tests/capi/pp/pp_diff/" + file;
    compare_with_cpp(file);
}

INSTANTIATE_TEST_SUITE_P(
    HandWritten, PpAgainstCpp,
    ::testing::Values("tricky_macros.c", "tricky_conditionals.c"));

INSTANTIATE_TEST_SUITE_P(
    LibraryHeaders, PpAgainstCpp,
    ::testing::Values("/usr/include/zlib.h", "/usr/include/sqlite3.h"));

INSTANTIATE_TEST_SUITE_P(
    GlibcHeaders, PpAgainstCpp,
    ::testing::Values("/usr/include/stdint.h", "limits_use.c",
                      "/usr/include/stdio.h", "/usr/include/stdlib.h",
                      "/usr/include/inttypes.h", "/usr/include/math.h",
                      "/usr/include/signal.h", "/usr/include/pthread.h",
                      "/usr/include/netinet/in.h", "/usr/include/elf.h"));

INSTANTIATE_TEST_SUITE_P(
    LinuxUapiHeaders, PpAgainstCpp,
    ::testing::Values("/usr/include/linux/types.h", "/usr/include/linux/input.h",
                      "/usr/include/linux/ip.h", "/usr/include/linux/tcp.h",
                      "/usr/include/linux/netlink.h", "/usr/include/linux/fs.h",
                      "/usr/include/linux/perf_event.h",
                      "/usr/include/linux/bpf.h",
                      "/usr/include/linux/videodev2.h",
                      "/usr/include/linux/usb/ch9.h",
                      "/usr/include/linux/if_ether.h",
                      "/usr/include/linux/ethtool.h",
                      "/usr/include/linux/can.h", "/usr/include/linux/sched.h"));

} // namespace
