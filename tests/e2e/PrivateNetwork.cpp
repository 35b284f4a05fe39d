#include "PrivateNetwork.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// scripts/in-netns exits with this when it cannot make the namespace.
constexpr int kNoNamespace = 77;

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

// Trusts the variable only when the named namespace is the one this process is in, so that
// a stray VELMORA_NETNS never lets a test broadcast on a real network.
bool InPrivateNetwork() {
    const char* name = std::getenv("VELMORA_NETNS");
    if (name == nullptr || std::string(name).find('/') != std::string::npos)
        return false;
    struct stat named {};
    struct stat own {};
    return stat((std::string("/run/netns/") + name).c_str(), &named) == 0 &&
           stat("/proc/self/ns/net", &own) == 0 && named.st_dev == own.st_dev &&
           named.st_ino == own.st_ino;
}

CPrivateRun RunCurrentTestInPrivateNetwork() {
    CPrivateRun run;
    if (geteuid() != 0) {
        run.skipped = true;
        run.output = "needs root to make a private network namespace (scripts/in-netns)";
        return run;
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string command = Quoted(VELMORA_IN_NETNS) + " " + Quoted(self) + " --gtest_filter=" +
                                Quoted(std::string(test->test_suite_name()) + "." + test->name()) +
                                " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        run.exitStatus = -1;
        run.output = "could not start " + command;
        return run;
    }
    std::array<char, 4096> chunk;
    for (size_t count; (count = fread(chunk.data(), 1, chunk.size(), pipe)) > 0;)
        run.output.append(chunk.data(), count);
    const int status = pclose(pipe);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.skipped = run.exitStatus == kNoNamespace;
    return run;
}
