// show, save and connections against the simulator on loopback, compared with what the manager
// itself writes and lists for the same appliance.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "../pages/ApplianceFixtures.h"
#include "CtlProcess.h"
#include "app/ManagerDlg.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// The file text without its "# Saved:" line, the one line two saves may differ in.
std::string WithoutSavedTime(std::string text) {
    const size_t saved = text.find("# Saved: ");
    if (saved != std::string::npos)
        text.erase(saved, text.find('\n', saved) + 1 - saved);
    return text;
}

class SingleApplianceTest : public CSimulatedApplianceTest {
protected:
    ~SingleApplianceTest() override { std::remove(path.c_str()); }

    CCtlRun Ctl(std::vector<std::string> arguments, const std::string& password = "velmora") {
        arguments.insert(arguments.begin(),
                         {"--discovery-port", std::to_string(simulator.discoveryPort())});
        return RunCtl(arguments, {"VELMORA42_PASSWORD=" + password});
    }
    std::string Target() const {
        return simulator.controlAddress(0) + ":" + std::to_string(simulator.controlPort(0));
    }

    const std::string path =
        ::testing::TempDir() + "velmora42-ctl-" + std::to_string(getpid()) + ".txt";
};

TEST_F(SingleApplianceTest, ShowPrintsWhatTheManagersSaveWrites) {
    simulator.updateState(0, [](sim::ApplianceState& a) {
        a.btName = "Gateway 7";
        a.registrations.push_back({"Printer A", "9105"});
    });
    Run([&](CManagerDlg& dlg) {
        backend.AnswerNextFileChoice(path);
        dlg.SendMessage(WM_SYSCOMMAND, IDM_SAVE_SETTINGS);
    });
    const CCtlRun show = Ctl({"show", Target()});
    ASSERT_EQ(show.status, 0) << show.err;
    EXPECT_EQ(WithoutSavedTime(show.out), WithoutSavedTime(ReadFile(path)));
}

struct SaveCase {
    const char* password;
    bool reachable;
    int status;
    bool replaced; // whether FILE holds the settings afterwards, not its old text
};

class SaveTest : public SingleApplianceTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTest, ReplacesTheFileOnlyWhenTheSettingsWereRead) {
    WriteFile(path, "old text\n");
    const std::string target = GetParam().reachable ? Target() : "127.0.0.1:1";
    const CCtlRun save = Ctl({"save", target, "-o", path}, GetParam().password);
    EXPECT_EQ(save.status, GetParam().status) << save.err;
    const CCtlRun show = Ctl({"show", Target()});
    EXPECT_EQ(WithoutSavedTime(ReadFile(path)),
              GetParam().replaced ? WithoutSavedTime(show.out) : "old text\n");
    EXPECT_EQ(save.err.empty(), GetParam().replaced) << save.err;
}

INSTANTIATE_TEST_SUITE_P(Table, SaveTest,
                         ::testing::Values(SaveCase{"velmora", true, 0, true},
                                           SaveCase{"wrong", true, 1, false},
                                           SaveCase{"velmora", false, 1, false}));

TEST_F(SingleApplianceTest, ConnectionsListsTheLiveConnectionsAsThePageDoes) {
    simulator.updateState(0, [](sim::ApplianceState& a) {
        a.connections.clear();
        a.addConnection("00:0B:CE:30:00:09", "Scale 2", "9104");
    });
    const CCtlRun json = Ctl({"connections", Target(), "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json rows = nlohmann::json::parse(json.out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["address"], "00:0B:CE:30:00:09");
    EXPECT_EQ(rows[0]["name"], "Scale 2");
    EXPECT_EQ(rows[0]["port"], "9104");
    EXPECT_TRUE(rows[0]["status"] == "green" || rows[0]["status"] == "yellow" ||
                rows[0]["status"] == "red");

    const CCtlRun table = Ctl({"connections", Target()});
    EXPECT_EQ(table.out.rfind("Status  idx  dev  Port  Addr               Name     Tx", 0), 0u)
        << table.out;
    EXPECT_NE(table.out.find("  Scale 2  "), std::string::npos) << table.out;
}

TEST_F(SingleApplianceTest, TheEchoHidesThePasswordAndAPasswordFileGivesItsFirstLine) {
    WriteFile(path, "velmora\r\nsecond line\n");
    const CCtlRun run = RunCtl({"--verbose", "--password-file", path, "connections", Target()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(Target() + " Pass ********\n"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("velmora"), std::string::npos) << run.err;
}

} // namespace
