#include <gtest/gtest.h>

#include "CtlProcess.h"

namespace {

struct UsageCase {
    std::vector<std::string> arguments;
    const char* named; // what the one-line message must name
};

class UsageErrorTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, EndsWithStatusTwoAndOneLineNamingTheFault) {
    const CCtlRun run = RunCtl(GetParam().arguments, {"VELMORA42_PASSWORD=secret"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_NE(run.err.find(GetParam().named), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, UsageErrorTest,
    ::testing::Values(
        UsageCase{{}, "subcommand"}, UsageCase{{"frob"}, "frob"},
        UsageCase{{"--frob", "show", "127.0.0.1"}, "--frob"},
        UsageCase{{"show", "127.0.0.1", "--frob"}, "--frob"}, UsageCase{{"show"}, "TARGET"},
        UsageCase{{"--user"}, "--user"}, UsageCase{{"save", "127.0.0.1"}, "--output"},
        UsageCase{{"show", "127.0.0"}, "127.0.0"}, UsageCase{{"show", "300.0.0.1"}, "300.0.0.1"},
        UsageCase{{"connections", "bad_host!"}, "bad_host!"},
        UsageCase{{"show", "127.0.0.1:65536"}, "65536"}, UsageCase{{"show", "127.0.0.1:"}, "port"},
        UsageCase{{"--password", "x", "show", "127.0.0.1"}, "--password"},
        UsageCase{{"--password-file", "/nonexistent/pw", "show", "127.0.0.1"}, "--password-file"},
        UsageCase{{"--connect-timeout", "0", "show", "127.0.0.1"}, "--connect-timeout"},
        UsageCase{{"discover", "--to", "10.0.0.0/15"}, "10.0.0.0/15"},
        UsageCase{{"discover", "--to", "10.0.0"}, "10.0.0"},
        UsageCase{{"discover", "--to"}, "--to"},
        UsageCase{{"discover", "--timeout", "soon"}, "--timeout"}));

TEST(PasswordTest, WithoutEnvironmentFileOrTerminalTheRunEndsAsAUsageError) {
    const CCtlRun run = RunCtl({"show", "127.0.0.1:1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("VELMORA42_PASSWORD"), std::string::npos) << run.err;
}

} // namespace
