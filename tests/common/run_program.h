/*
** tests/common/run_program.h
** Running the built compiler from tests: arguments, environment, capture.
*/
#ifndef ZRS_TEST_RUN_PROGRAM_H
#define ZRS_TEST_RUN_PROGRAM_H

#include <QString>

#include <map>
#include <ostream>
#include <string>
#include <vector>

struct RunResult {
    int status = -1;          /* exit status, or 128 + signal */
    std::string out;          /* standard output */
    std::string err;          /* standard error */
};

/* Environment changes for one run: a value sets, a null entry unsets. */
typedef std::map<std::string, const char *> EnvChanges;

/* Runs `program` with `args` in directory `cwd`.  KORVATDIR defaults to
** the build tree, SOURCE_DATE_EPOCH to a fixed instant, LC_ALL to C.UTF-8;
** `env` overrides any of them. */
RunResult run_program(const std::string &program,
                      const std::vector<std::string> &args,
                      const std::string &cwd, const EnvChanges &env = {});
RunResult run_compiler_binary(const std::vector<std::string> &args,
                              const std::string &cwd,
                              const EnvChanges &env = {});

/* A fresh empty directory under the system's temporary directory. */
std::string make_temp_dir();
std::string read_file(const std::string &path);
void write_file(const std::string &path, const std::string &text);
bool file_exists(const std::string &path);

/* A parameterised test's name from a case description: letters and digits
** kept, everything else '_', so a failure names the case it came from. */
std::string test_name(const char *description);

/* Readable QString values in test failure messages. */
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

#endif
