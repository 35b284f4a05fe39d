// velmora42-ctl load and reboot run as a program against simulated appliances on loopback.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CtlProcess.h"
#include "appliance/SettingCatalogue.h"
#include "sim/Simulator.h"

namespace {

namespace fs = std::filesystem;

// Against what a simulated appliance starts with: "Sensor" goes, "Scale" comes, Maxdt and
// Security change, and the name and the mode differ.
constexpr const char* kSettings = "Bind 00:0B:CE:01:02:03 9101\n"
                                  "Bind Scale 9105\n"
                                  "BTName Gateway\n"
                                  "Maxdt 5\n"
                                  "Secu high\n"
                                  "mode client\n"
                                  "# end\n";

class FleetCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/velmora42-fleet-test-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        m_folder = folder;
        m_file = (m_folder / "settings.txt").string();
        std::ofstream(m_file) << kSettings;
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // The backups go to the test's own data folder.
    CCtlRun Ctl(const std::vector<std::string>& arguments) const {
        return RunCtl(arguments, {"VELMORA42_PASSWORD=velmora",
                                  "XDG_DATA_HOME=" + (m_folder / "data").string()});
    }

    static std::string Slurp(const fs::path& path) {
        std::ifstream stream(path);
        return {std::istreambuf_iterator<char>(stream), {}};
    }

    // `arguments` followed by every appliance of `simulator`.
    static std::vector<std::string> Targets(const sim::Simulator& simulator,
                                            std::vector<std::string> arguments = {}) {
        for (size_t i = 0; i < simulator.applianceCount(); ++i)
            arguments.push_back("127.0.0.1:" + std::to_string(simulator.controlPort(i)));
        return arguments;
    }

    static std::vector<std::string> Changed(const nlohmann::json& outcome) {
        std::vector<std::string> names;
        for (const auto& change : outcome["changed"])
            names.push_back(change["setting"]);
        return names;
    }

    fs::path m_folder;
    std::string m_file;
};

std::unique_ptr<sim::Simulator> Started(int count) {
    auto simulator = std::make_unique<sim::Simulator>(sim::SimulatorOptions::loopback(count));
    EXPECT_TRUE(simulator->start());
    return simulator;
}

TEST_F(FleetCommandsTest, LoadAllAppliesToTwentyAndStopsOnTheRefusingOnesWithABackupEach) {
    auto fleet = Started(20);
    // Clones of one name get a backup each all the same.
    for (size_t i = 0; i < 20; ++i)
        fleet->updateState(i, [](sim::ApplianceState& s) { s.btName = "Clone"; });
    // The second simulator answers discovery on the same port at its own address.
    sim::SimulatorOptions options = sim::SimulatorOptions::loopback(3);
    options.discoveryAddress = "127.0.0.2";
    options.discoveryPort = fleet->discoveryPort();
    sim::Faults refuseRelease;
    refuseRelease.failWords = {"Rele"};
    for (size_t i = 0; i < options.appliances.size(); ++i) {
        // Appliances 21 to 23: discovery lists one row per MAC address.
        options.appliances[i].state = sim::ApplianceState::defaults(static_cast<int>(21 + i));
        options.appliances[i].faults = refuseRelease;
    }
    sim::Simulator refusing(options);
    ASSERT_TRUE(refusing.start());
    const std::vector<std::string> refusingTargets = Targets(refusing);

    const CCtlRun run = Ctl({"--discovery-port", std::to_string(fleet->discoveryPort()), "load",
                             m_file, "--all", "--to", "127.0.0.1", "--to", "127.0.0.2", "--json"});
    EXPECT_EQ(run.status, 1) << run.err;
    const auto outcomes = nlohmann::json::parse(run.out);
    ASSERT_EQ(outcomes.size(), 23u) << run.err;
    const fs::path backups = m_folder / "data" / "velmora42-manager" / "backups";
    for (const auto& outcome : outcomes) {
        const bool refuses = std::count(refusingTargets.begin(), refusingTargets.end(),
                                        outcome["address"].get<std::string>()) == 1;
        EXPECT_EQ(outcome["result"], refuses ? "stopped" : "applied") << outcome;
        EXPECT_EQ(outcome["stopped_at"], refuses ? "Rele 9102" : "");
        const std::vector<std::string> changed{"Registered Bluetooth Devices", "Maxdt", "Security"};
        EXPECT_EQ(Changed(outcome), refuses ? std::vector<std::string>{} : changed);
        EXPECT_TRUE(outcome["reads_back_otherwise"].empty());
        const fs::path backup = outcome["backup"].get<std::string>();
        EXPECT_EQ(backup.parent_path(), backups);
        EXPECT_NE(Slurp(backup).find("Bind Sensor 9102\n"), std::string::npos) << backup;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(backups), fs::directory_iterator()), 23);
    EXPECT_EQ(fleet->state(19).security, "high");
    EXPECT_NE(run.err.find("20 applied, 0 unchanged, 3 stopped"), std::string::npos) << run.err;
}

TEST_F(FleetCommandsTest, DryRunReadsAndTellsButSendsNoSetCommand) {
    auto simulator = Started(2);
    const CCtlRun run =
        Ctl(Targets(*simulator, {"load", m_file, "--dry-run", "--json", "--with-name"}));
    EXPECT_EQ(run.status, 0) << run.err;
    for (const auto& outcome : nlohmann::json::parse(run.out)) {
        EXPECT_EQ(outcome["result"], "would-apply");
        EXPECT_EQ(Changed(outcome).size(), 4u) << outcome;
        EXPECT_EQ(outcome["backup"], "");
    }
    for (size_t i = 0; i < 2; ++i) {
        const auto lines = simulator->transcript(i);
        EXPECT_GT(lines.size(), 20u);
        for (const std::string& line : lines) {
            EXPECT_FALSE(ClassifySetLine(line)) << line;
            EXPECT_NE(CommandWord(line), "Rele");
        }
    }
}

TEST_F(FleetCommandsTest, ChoosesAsTheLoadWindowDoes) {
    const struct {
        std::vector<std::string> options;
        bool connected;
        std::vector<std::string> changed;
        size_t leftAlone;
    } cases[] = {
        {{}, true, {"Registered Bluetooth Devices", "Maxdt", "Security"}, 2},
        {{"--with-name"},
         true,
         {"Registered Bluetooth Devices", "Velmora42 Name", "Maxdt", "Security"},
         1},
        {{}, false, {"Registered Bluetooth Devices", "Maxdt", "Security", "Operation Mode"}, 1},
        {{"--only", "maxdt,Secu"}, true, {"Maxdt", "Security"}, 0},
        {{"--only", "BTName,mode"}, false, {"Operation Mode"}, 1},
    };
    for (const auto& c : cases) {
        auto simulator = Started(1);
        if (!c.connected)
            simulator->updateState(0, [](sim::ApplianceState& s) { s.connections.clear(); });
        std::vector<std::string> arguments = Targets(*simulator, {"load", m_file, "--json"});
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const CCtlRun run = Ctl(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto outcome = nlohmann::json::parse(run.out)[0];
        EXPECT_EQ(Changed(outcome), c.changed) << outcome;
        EXPECT_EQ(outcome["left_alone"].size(), c.leftAlone) << outcome;
    }
}

TEST_F(FleetCommandsTest, OneSilentApplianceDelaysNoOther) {
    auto simulator = Started(9);
    sim::Faults silent;
    silent.silentWords = {"pinq"};
    simulator->setFaults(0, silent);
    const CCtlRun run = Ctl(Targets(*simulator, {"load", m_file, "--jobs", "4"}));
    EXPECT_EQ(run.status, 1);
    // Piped, a line as each target ends: the eight others ended while the first waited.
    std::istringstream lines(run.out);
    std::vector<std::string> ended(9);
    for (std::string& line : ended)
        std::getline(lines, line);
    EXPECT_EQ(ended[8].rfind(Targets(*simulator)[0] + ": stopped", 0), 0u) << run.out;
    EXPECT_EQ(std::count_if(ended.begin(), ended.end(),
                            [](const auto& l) { return l.find(": applied") != std::string::npos; }),
              8);
}

TEST_F(FleetCommandsTest, RebootTellsEachAppliance) {
    auto simulator = Started(3);
    sim::Faults refuse;
    refuse.failWords = {"Reboot"};
    simulator->setFaults(2, refuse);
    simulator->updateState(1, [](sim::ApplianceState& s) { s.password = "other"; });
    std::vector<std::string> arguments = Targets(*simulator, {"reboot", "--json"});
    arguments.push_back("127.0.0.1:1");
    const CCtlRun run = Ctl(arguments);
    EXPECT_EQ(run.status, 1);
    std::vector<std::string> results;
    for (const auto& outcome : nlohmann::json::parse(run.out))
        results.push_back(outcome["result"]);
    EXPECT_EQ(results, (std::vector<std::string>{"rebooted", "login-refused", "reboot-failed",
                                                 "unreachable"}));
}

} // namespace
