/*
** tests/capi/decl/decl_corpus_test.cc
** Real interface headers through the preprocessor and the declaration
** analysis, with the GNU/Linux standard-define file: no error and no
** syntax error; for the C headers, the tags (with member counts), typedef
** names and function names agree with an independent C parser
** (pycparser, tests/capi/decl_oracle.py) run over the same preprocessed
** text.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const char *const c_headers[] = {
    "zlib.h", "sqlite3.h", "stdio.h", "stdint.h", "stdlib.h", "string.h",
    "time.h", "sys/types.h", "linux/types.h", "linux/if_ether.h",
    "linux/tcp.h", "linux/udp.h", "linux/input.h", "linux/fs.h",
    "linux/netlink.h", "linux/can.h", "linux/perf_event.h", "linux/bpf.h",
    "linux/stat.h", "linux/icmp.h", "linux/ethtool.h", "linux/if_tun.h",
    "linux/ip.h", "linux/if_link.h",
};

struct ToolRun {
    int status;
    std::string out, err;
};

std::string read_file(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in),
                       std::istreambuf_iterator<char>());
}

/* Scratch files are named per process: ctest runs the tests of this file
** in parallel processes. */
std::string scratch(const char *suffix)
{
    return testing::TempDir() + "decl_corpus." + std::to_string(getpid()) +
           suffix;
}

ToolRun run(const std::string &command)
{
    std::string out = scratch(".out");
    std::string err = scratch(".err");
    int status = system((command + " >" + out + " 2>" + err).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(out),
            read_file(err)};
}

std::string compiler_include_dir()
{
    FILE *pipe = popen("gcc -print-file-name=include 2>/dev/null", "r");
    char line[4096] = "";
    if (pipe) {
        if (!fgets(line, sizeof line, pipe))
            line[0] = '\0';
        pclose(pipe);
    }
    std::string dir = line;
    while (!dir.empty() && dir.back() == '\n')
        dir.pop_back();
    return dir;
}

std::string dump_command(const char *header, const char *extra)
{
    return std::string(ZRS_DECLDUMP) +
           " -I/usr/include -I/usr/include/x86_64-linux-gnu -I" +
           compiler_include_dir() + " -std " + ZRS_SOURCE_ROOT +
           "/src/capi/decl/gnu_linux.def " + extra + " " + header;
}

bool header_present(const char *header)
{
    std::ifstream in(std::string("/usr/include/") + header);
    return in.good();
}

/* The summary without variables, which the oracle does not list. */
std::string without_variables(const std::string &summary)
{
    std::string out;
    size_t start = 0;
    while (start < summary.size()) {
        size_t end = summary.find('\n', start);
        if (end == std::string::npos)
            end = summary.size();
        std::string line = summary.substr(start, end - start);
        if (line.compare(0, 9, "variable ") != 0)
            out += line + "\n";
        start = end + 1;
    }
    return out;
}

TEST(DeclCorpus, SystemHeadersAnalyseCleanly)
{
    for (const char *header : c_headers) {
        if (!header_present(header))
            continue;
        ToolRun r = run(dump_command(header, "-q"));
        EXPECT_EQ(r.status, 0) << header << "\n" << r.err;
        EXPECT_EQ(r.err.find("SYNTAXERR"), std::string::npos) << header;
        EXPECT_EQ(r.err.find("\nE "), std::string::npos) << header;
    }
}

TEST(DeclCorpus, CHeadersAgreeWithAnIndependentParser)
{
    if (system("/usr/bin/python3 -c 'import pycparser' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3-pycparser is not installed";
    std::string text = scratch(".i");
    for (const char *header : c_headers) {
        if (!header_present(header))
            continue;
        ToolRun pre = run(dump_command(header, "-E"));
        ASSERT_EQ(pre.status, 0) << header;
        {
            std::ofstream out(text, std::ios::binary);
            out << pre.out;
        }
        ToolRun oracle = run(std::string("/usr/bin/python3 ") + ZRS_SOURCE_ROOT +
                         "/tests/capi/decl/decl_oracle.py " + text);
        ASSERT_EQ(oracle.status, 0) << header << "\n" << oracle.err;
        ToolRun model = run(dump_command(header, ""));
        EXPECT_EQ(without_variables(model.out), oracle.out) << header;
    }
}

struct CppCase {
    const char *file;
    const char *expected;   /* lines the summary must hold */
};

TEST(DeclCorpus, CppHeadersAnalyseCleanly)
{
    const CppCase cases[] = {
        {"shapes.hpp", "class Circle 13\nclass Point 13\nclass Shape 9\n"
                       "enum Kind 3\nfunction operator-\nfunction visit_all\n"
                       "struct Node 4\nstruct Rect 26\n"},
        {"containers.hpp", "enum Mode 2\nstruct Pair<int,double> 2\n"
                           "struct Pair<int,int> 1\nstruct Vec 2\n"
                           "template FixedArray 0\ntemplate Pair 0\n"},
    };
    for (const CppCase &c : cases) {
        std::string path = std::string(ZRS_SOURCE_ROOT) + "/tests/capi/decl/data/" +
                           c.file;
        ToolRun r = run(std::string(ZRS_DECLDUMP) + " " + path);
        EXPECT_EQ(r.status, 0) << c.file << "\n" << r.err;
        EXPECT_EQ(r.err, "") << c.file;
        std::string expected = c.expected;
        size_t start = 0;
        while (start < expected.size()) {
            size_t end = expected.find('\n', start);
            std::string line = expected.substr(start, end - start + 1);
            EXPECT_NE(r.out.find(line), std::string::npos)
                << c.file << ": " << line;
            start = end + 1;
        }
    }
}

} // namespace
