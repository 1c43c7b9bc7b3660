/*
** tests/golden/golden_test.cc
** End-to-end golden cases: run the compiler on a case folder, compare files.
**
** A case is a folder tests/golden/<feature>/<case>/ holding its inputs, a
** file "cmd" (the compiler's arguments, one per line), an optional file
** "env" (lines NAME=value to set, or NAME alone to unset) and a folder
** "expected" with the expected "stderr", "status" and every file the run
** creates, by relative path.  The run happens in a copy of the case
** folder; a created file missing from "expected" is a failure too.  The
** absolute path of the copy is written "$TMP" in expectations, the
** compiler's own path "$ZRSPREPRO".  With
** ZRS_BLESS=1 in the environment, expectations are rewritten instead.
*/
#include "run_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const char *const golden_root = ZRS_SOURCE_ROOT "/tests/golden";

std::vector<std::string> find_cases()
{
    std::vector<std::string> cases;
    if (!fs::exists(golden_root))
        return cases;
    for (const auto &entry : fs::recursive_directory_iterator(golden_root))
        if (entry.is_regular_file() && entry.path().filename() == "cmd")
            cases.push_back(
                fs::relative(entry.path().parent_path(), golden_root).string());
    std::sort(cases.begin(), cases.end());
    return cases;
}

std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

/* Every regular file below `dir`, by relative path. */
std::set<std::string> files_below(const fs::path &dir)
{
    std::set<std::string> files;
    if (fs::exists(dir))
        for (const auto &entry : fs::recursive_directory_iterator(dir))
            if (entry.is_regular_file())
                files.insert(fs::relative(entry.path(), dir).string());
    return files;
}

/* The copy's path becomes "$TMP", the compiler's own path (recorded in
** the TDC file's command line) "$ZRSPREPRO". */
std::string normalise(std::string text, const std::string &tmp)
{
    const std::string binary = ZRS_BINARY;
    for (size_t at; (at = text.find(binary)) != std::string::npos;)
        text.replace(at, binary.size(), "$ZRSPREPRO");
    for (size_t at; (at = text.find(tmp)) != std::string::npos;)
        text.replace(at, tmp.size(), "$TMP");
    return text;
}

long character_sum(const std::string &text)
{
    long sum = 0;
    for (unsigned char c : text)
        sum += long(c) - 32;
    return sum;
}

/* A trace description's identity keys ("ID key sum" per file section)
** count the characters of the file's directory, so they are rewritten as
** if the copy's path were "$TMP"; the header's "ID 1 1" stays. */
std::string normalise_identity_keys(const std::string &text, const std::string &tmp)
{
    long shift = character_sum("$TMP") - character_sum(tmp);
    std::istringstream in(text);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        long key = 0, sum = 0;
        char rest = 0;
        if (line.rfind("ID ", 0) == 0 && line != "ID 1 1" &&
            sscanf(line.c_str(), "ID %ld %ld%c", &key, &sum, &rest) == 2)
            line = "ID " + std::to_string(key + shift) + " " + std::to_string(sum);
        out += line + "\n";
    }
    if (!text.empty() && text.back() != '\n')
        out.pop_back();
    return out;
}

/* A generated source's identity keys (the second number of each
** "notify_tsf (file, key, check);" call) count the characters of the
** script file's directory, so they are rewritten as if the copy's path
** were "$TMP". */
std::string normalise_source_identity_keys(const std::string &text,
                                           const std::string &tmp)
{
    long shift = character_sum("$TMP") - character_sum(tmp);
    const std::string call = "notify_tsf (";
    std::string out;
    size_t done = 0;
    for (size_t at; (at = text.find(call, done)) != std::string::npos;) {
        size_t first = at + call.size();
        size_t comma = text.find(", ", first), end = text.find(',', comma + 2);
        long key = 0;
        char tail = 0;
        if (comma == std::string::npos || end == std::string::npos ||
            sscanf(text.c_str() + comma + 2, "%ld%c", &key, &tail) != 2 || tail != ',') {
            out += text.substr(done, first - done);
            done = first;
            continue;
        }
        out += text.substr(done, comma + 2 - done) + std::to_string(key + shift);
        done = end;
    }
    return out + text.substr(done);
}

bool is_source_file(const std::string &name)
{
    std::string suffix = fs::path(name).extension().string();
    return suffix == ".cc" || suffix == ".c" || suffix == ".cpp" || suffix == ".cxx";
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, Matches)
{
    fs::path source = fs::path(golden_root) / GetParam();
    fs::path work = fs::path(make_temp_dir()) / "case";
    fs::copy(source, work, fs::copy_options::recursive);
    fs::remove_all(work / "expected");
    std::set<std::string> inputs = files_below(work);

    EnvChanges env;
    std::vector<std::string> env_lines = lines_of(read_file(work / "env"));
    std::vector<std::string> keep;   /* storage for the values */
    keep.reserve(env_lines.size());
    for (const std::string &line : env_lines) {
        size_t eq = line.find('=');
        if (eq == std::string::npos) {
            env[line] = nullptr;
        } else {
            keep.push_back(line.substr(eq + 1));
            env[line.substr(0, eq)] = keep.back().c_str();
        }
    }
    RunResult run =
        run_compiler_binary(lines_of(read_file(work / "cmd")), work, env);

    std::map<std::string, std::string> actual;
    actual["stderr"] = normalise(run.err, work.string());
    actual["status"] = std::to_string(run.status) + "\n";
    for (const std::string &file : files_below(work))
        if (!inputs.count(file))
            actual[file] = normalise(read_file(work / file), work.string());
    for (auto &file : actual) {
        if (fs::path(file.first).extension() == ".tsf")
            file.second = normalise_identity_keys(file.second, work.string());
        if (is_source_file(file.first))
            file.second = normalise_source_identity_keys(file.second, work.string());
    }

    fs::path expected_dir = source / "expected";
    const char *bless = getenv("ZRS_BLESS");
    if (bless && *bless == '1') {
        fs::remove_all(expected_dir);
        for (const auto &file : actual) {
            fs::create_directories((expected_dir / file.first).parent_path());
            write_file(expected_dir / file.first, file.second);
        }
    } else {
        std::set<std::string> expected = files_below(expected_dir);
        for (const auto &file : actual) {
            if (expected.count(file.first)) {
                EXPECT_EQ(file.second, read_file(expected_dir / file.first))
                    << "in " << file.first;
            } else {
                ADD_FAILURE() << "unexpected output " << file.first << ":\n"
                              << file.second;
            }
        }
        for (const std::string &file : expected)
            EXPECT_TRUE(actual.count(file)) << "missing output " << file;
    }
    fs::remove_all(work.parent_path());
}

std::string case_name(const testing::TestParamInfo<std::string> &info)
{
    std::string name = info.param;
    for (char &c : name)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(find_cases()),
                         case_name);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Golden);

} // namespace
