/*
** tests/common/run_program.cc
** Runs a program with a controlled environment and captures its output.
*/
#include "run_program.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <cctype>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

RunResult run_program(const std::string &program,
                      const std::vector<std::string> &args,
                      const std::string &cwd, const EnvChanges &env)
{
    std::string dir = make_temp_dir();
    std::string out_path = dir + "/stdout", err_path = dir + "/stderr";
    pid_t pid = fork();
    if (pid == 0) {
        setenv("KORVATDIR", ZRS_BUILD_ROOT, 1);
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        setenv("LC_ALL", "C.UTF-8", 1);
        unsetenv("LANG");
        unsetenv("LANGUAGE");
        for (const auto &change : env) {
            if (change.second)
                setenv(change.first.c_str(), change.second, 1);
            else
                unsetenv(change.first.c_str());
        }
        int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int in = open("/dev/null", O_RDONLY);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0)
            _exit(126);
        std::vector<char *> argv;
        argv.push_back(const_cast<char *>(program.c_str()));
        for (const std::string &arg : args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    RunResult result;
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status)
                                      : 128 + WTERMSIG(status);
    result.out = read_file(out_path);
    result.err = read_file(err_path);
    std::string cleanup = "rm -rf '" + dir + "'";
    if (system(cleanup.c_str()) != 0)
        perror("rm");
    return result;
}

RunResult run_compiler_binary(const std::vector<std::string> &args,
                              const std::string &cwd, const EnvChanges &env)
{
    return run_program(ZRS_BINARY, args, cwd, env);
}

std::string make_temp_dir()
{
    const char *base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") +
                          "/zrstest.XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        abort();
    return std::string(buffer.data());
}

std::string read_file(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const std::string &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

bool file_exists(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

std::string test_name(const char *description)
{
    std::string name;
    for (const char *c = description; *c; c++)
        name += std::isalnum((unsigned char)*c) ? *c : '_';
    return name;
}
