#include "CtlProcess.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string TakeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), {}};
    std::remove(path.c_str());
    return text;
}

} // namespace

CCtlRun RunCtl(const std::vector<std::string>& arguments,
               const std::vector<std::string>& environment) {
    static int runs = 0;
    const std::string stem =
        ::testing::TempDir() + "ctl-" + std::to_string(getpid()) + "-" + std::to_string(++runs);
    const std::string outPath = stem + ".out", errPath = stem + ".err";
    const pid_t child = fork();
    if (child == 0) {
        setsid(); // no terminal to ask a password on
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        unsetenv("VELMORA42_PASSWORD");
        setenv("HOME", ::testing::TempDir().c_str(), 1);
        for (const std::string& entry : environment)
            putenv(const_cast<char*>(entry.c_str()));
        std::vector<char*> argv{const_cast<char*>(VELMORA_CTL)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(VELMORA_CTL, argv.data());
        _exit(127);
    }
    int wstatus = 0;
    waitpid(child, &wstatus, 0);
    CCtlRun run;
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    run.out = TakeFile(outPath);
    run.err = TakeFile(errPath);
    return run;
}
