#include "PrivateNetwork.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

CPrivateRun RunCurrentTestInPrivateNetwork(const char* script) {
    CPrivateRun run;
    if (geteuid() != 0) {
        run.skipped = true;
        run.output = "needs root to make a private network namespace (scripts/in-netns)";
        return run;
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string command =
        Quoted(script ? script : VELMORA_IN_NETNS) + " " + Quoted(self) +
        " --gtest_filter=" + Quoted(std::string(test->test_suite_name()) + "." + test->name()) +
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
