#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/FleetReport.h"

namespace {

CTargetOutcome Outcome(TargetResult result, std::string name, std::string stopLine = "",
                       std::string reason = "", std::string backup = "") {
    CTargetOutcome outcome;
    outcome.address = "127.0.0." + std::to_string(static_cast<int>(result) + 2) + ":9097";
    outcome.name = std::move(name);
    outcome.result = result;
    outcome.stopLine = std::move(stopLine);
    outcome.reason = std::move(reason);
    outcome.backupFile = std::move(backup);
    return outcome;
}

const std::vector<TargetResult> kLoadResults{TargetResult::Applied, TargetResult::Unchanged,
                                             TargetResult::Stopped, TargetResult::Unreachable,
                                             TargetResult::LoginRefused};

TEST(FleetReportTest, SummaryCountsEveryResultAndNamesEachNotDone) {
    const std::vector<CTargetOutcome> outcomes{
        Outcome(TargetResult::Applied, "A"), Outcome(TargetResult::Applied, "B"),
        Outcome(TargetResult::Stopped, "C", "Rele 9101", "The appliance refused\nit.", "/b/C.txt"),
        Outcome(TargetResult::Unreachable, "", "", "Velmora42 Connection is failed")};
    const std::string summary = FleetSummary(outcomes, kLoadResults);
    EXPECT_EQ(summary, "2 applied, 0 unchanged, 1 stopped, 1 unreachable, 0 login-refused (of 4)\n"
                       "  C  127.0.0.5:9097  stopped at \"Rele 9101\": The appliance refused it.\n"
                       "    backup: /b/C.txt\n"
                       "  -  127.0.0.6:9097  unreachable Velmora42 Connection is failed\n");
}

TEST(FleetReportTest, TheLineOfAnEndedTargetTellsWhatChangedOrWhyNot) {
    const struct {
        TargetResult result;
        const char* line;
    } cases[] = {
        {TargetResult::Applied, "127.0.0.2:9097 A: applied Maxdt; Security"},
        {TargetResult::WouldApply,
         "127.0.0.4:9097 A: would-apply Maxdt 7 -> 5; Security low -> high"},
        {TargetResult::Stopped, "127.0.0.5:9097 A: stopped at \"Maxdt 5\": refused"},
    };
    for (const auto& c : cases) {
        CTargetOutcome outcome = Outcome(c.result, "A", "Maxdt 5", "refused");
        outcome.changed = {{"Maxdt", "7", "5"}, {"Security", "low", "high"}};
        EXPECT_EQ(OutcomeLine(outcome), c.line);
    }
}

TEST(FleetReportTest, ExitStatusIsZeroOnlyWhenEveryTargetSucceeded) {
    const struct {
        std::vector<TargetResult> results;
        int status;
    } cases[] = {
        {{TargetResult::Applied, TargetResult::Unchanged, TargetResult::WouldApply}, 0},
        {{TargetResult::Rebooted}, 0},
        {{TargetResult::Applied, TargetResult::Stopped}, 1},
        {{TargetResult::LoginRefused}, 1},
        {{TargetResult::RebootFailed, TargetResult::Rebooted}, 1},
    };
    for (const auto& c : cases) {
        std::vector<CTargetOutcome> outcomes;
        for (TargetResult result : c.results)
            outcomes.push_back(Outcome(result, "x"));
        EXPECT_EQ(FleetExitStatus(outcomes), c.status) << ResultWord(c.results.back());
    }
}

TEST(FleetReportTest, JsonHoldsOneObjectPerTargetAndSurvivesBytesFromTheAppliance) {
    CTargetOutcome stopped =
        Outcome(TargetResult::Stopped, "N\xff", "Maxdt 5", "refused", "/b/N.txt");
    stopped.changed.push_back({"Security", "low", "high"});
    stopped.readBackOtherwise.push_back("Pairable: sent on, reads off");
    const auto all =
        nlohmann::json::parse(FleetJson({stopped, Outcome(TargetResult::LoginRefused, "M")}));
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0]["name"], "N\xef\xbf\xbd");
    EXPECT_EQ(all[0]["result"], "stopped");
    EXPECT_EQ(all[0]["stopped_at"], "Maxdt 5");
    EXPECT_EQ(all[0]["backup"], "/b/N.txt");
    EXPECT_EQ(all[0]["changed"][0]["to"], "high");
    EXPECT_EQ(all[0]["reads_back_otherwise"][0], "Pairable: sent on, reads off");
    EXPECT_EQ(all[1]["result"], "login-refused");
}

} // namespace
