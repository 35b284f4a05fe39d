// Save on one simulated appliance, load into another: the round trip the operator makes
// when cloning a configuration.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "../pages/ApplianceFixtures.h"
#include "appliance/ApplianceSettings.h"
#include "appliance/SettingsFile.h"
#include "modes/AddDeviceDlg.h"
#include "modes/ModePage.h"
#include "modes/ServerModeDlg.h"
#include "pages/BluetoothPage.h"
#include "session/ManagerExchange.h"
#include "session/ManagerWindow.h"
#include "settings/LoadSettingsDlg.h"
#include "ui/testing/Input.h"

namespace {

class SaveLoadOnSimulatorTest : public CSimulatedApplianceTest {
protected:
    SaveLoadOnSimulatorTest() : CSimulatedApplianceTest(sim::SimulatorOptions::loopback(2)) {}
    ~SaveLoadOnSimulatorTest() override { std::remove(path.c_str()); }

    CTemporaryDataHome dataHome;
    const std::string path =
        ::testing::TempDir() + "velmora42-roundtrip-" + std::to_string(getpid()) + ".txt";
};

// Appliance A as an operator leaves it: the radio and the Server mode set through the
// Bluetooth page and the Server Mode dialog, the rest of the modes' settings as the
// appliance keeps them.
void ConfigureThroughTheDialogs(CTestBackend& backend, CManagerDlg& dlg) {
    ClickTab(dlg, IDC_PAGE_TAB, 1);
    CBluetoothPage& bluetooth = dlg.m_tabCtrl.BluetoothPage();
    TypeText(bluetooth, IDC_BT_NAME, "Gateway 1 ");
    TypeText(bluetooth, IDC_BT_MAXDT, "3");
    TypeText(bluetooth, IDC_BT_LINK_TIMEOUT, "20");
    ClickButton(bluetooth, IDC_BT_PAIRABLE); // on to off
    ClickButton(bluetooth, IDC_BT_APPLY);

    backend.OnNextModal(IDD_SERVER_MODE, [&](CDialog& server) {
        TypeText(server, IDC_DATA_PORT, "9150");
        ClickButton(server, IDC_SERVER_APPLY);
        backend.OnNextModal(IDD_ADD_DEVICE, [](CDialog& add) {
            ClickButton(add, IDC_ADD_BY_NAME);
            TypeText(add, IDC_ADD_NAME, "Printer A");
            TypeText(add, IDC_ADD_PORT, "9101");
            ClickButton(add, IDOK);
        });
        ClickButton(server, IDC_DEVICE_ADD);
        server.EndDialog(IDCANCEL);
    });
    ClickTab(dlg, IDC_PAGE_TAB, 0);
    ClickButton(dlg.m_tabCtrl.ModePage(), IDC_ADVANCED_CONFIGURATION);
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST_F(SaveLoadOnSimulatorTest, ApplianceBAnswersWhatApplianceAAnsweredAfterTheLoad) {
    simulator.updateState(0, [](sim::ApplianceState& a) {
        a.keepSocket = true;
        a.keepAliveSeconds = "450";
        // Names with blanks at either end and ports under 1000, tables of three.
        a.servers = {{"00:0B:CE:50:00:02", "192.168.0.20", "9201"},
                     {"Term ", "192.168.0.21", "81"},
                     {" Lab", "192.168.0.22", "9203"}};
        a.hostAddress = "192.168.0.30";
        a.repeatIntervalMs = "2500";
        a.persist = false;
        a.vertexPort = "9300";
        a.vertexMaxConnections = "3";
        a.stationAddress = "00:0B:CE:50:00:01";
        a.baudRate = "9600";
        a.parity = 'E';
        a.flowControl = "xonoff";
        a.security = "high";
        a.inquiryScan = false;
        a.inquiryRunning = true;
        a.inquiryInterval = "20";
        a.inquiryLength = "8";
        a.registrations = {{"00:0B:CE:01:02:03", "9102"}, {" Scale ", "80"}};
    });
    // B starts elsewhere: other registrations and servers, and no live connection, so that
    // its mode may change.
    simulator.updateState(1, [](sim::ApplianceState& b) {
        b.registrations = {{"00:0B:CE:77:00:01", "9101"}, {"Scale", "9105"}};
        b.servers = {{"Terminal", "10.1.1.1", "9000"}};
        b.btName = "Clone-7";
        b.maxDt = "5";
        b.connections.clear();
    });

    CSettingValues saved;
    Run([&](CManagerDlg& dlg) {
        ConfigureThroughTheDialogs(backend, dlg);
        simulator.updateState(0,
                              [](sim::ApplianceState& a) { a.mode = sim::OperationMode::Client; });
        backend.ClearMessageBoxes();
        backend.AnswerNextFileChoice(path);
        dlg.SendMessage(WM_SYSCOMMAND, IDM_SAVE_SETTINGS);
        ASSERT_EQ(backend.FileChoices().size(), 1u);
        EXPECT_EQ(backend.FileChoices()[0].kind, FileChoice::Save);
        EXPECT_EQ(backend.FileChoices()[0].defaultName.rfind("Gateway_1_-", 0), 0u);
        const CSettingsFileResult file = ReadSettingsFile(ReadFile(path));
        ASSERT_TRUE(file.ok()) << file.error;
        saved = file.values;
        EXPECT_EQ(saved[SettingIndex(SettingId::Registrations)].lines,
                  (std::vector<std::string>{"Bind 00:0B:CE:01:02:03 9102", "Bind  Scale  80",
                                            "Bind Printer A 9101"}));
        EXPECT_EQ(saved[SettingIndex(SettingId::BtName)].lines,
                  std::vector<std::string>{"BTName Gateway 1 "});

        // Over to appliance B.
        target = 1;
        dlg.SendMessage(WM_RECONNECT);
        backend.Pump();
        backend.AnswerNextFileChoice(path);
        bool shown = false;
        backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
            shown = true;
            const auto state = [&](SettingId id) {
                return load.GetDlgItemText(IDC_LOAD_STATE_FIRST + SettingIndex(id));
            };
            EXPECT_EQ(state(SettingId::DataPort), CLoadSettingsDlg::kChanged);
            EXPECT_EQ(state(SettingId::Registrations), CLoadSettingsDlg::kChanged);
            EXPECT_EQ(state(SettingId::Host), CLoadSettingsDlg::kChanged);
            EXPECT_EQ(state(SettingId::BtName), CLoadSettingsDlg::kChanged);
            EXPECT_EQ(load.GetDlgItemText(IDC_LOAD_NOW_FIRST + SettingIndex(SettingId::BtName)),
                      "Clone-7");
            ClickButton(load, IDOK);
            EXPECT_EQ(state(SettingId::DataPort), CLoadSettingsDlg::kApplied);
            EXPECT_EQ(state(SettingId::Mode), CLoadSettingsDlg::kApplied);
            EXPECT_EQ(state(SettingId::BtName), CLoadSettingsDlg::kChanged);
            ClickButton(load, IDCANCEL);
        });
        dlg.SendMessage(WM_SYSCOMMAND, IDM_LOAD_SETTINGS);
        EXPECT_TRUE(shown);
        EXPECT_EQ(dlg.m_tabCtrl.ModePage().m_nMode, CModePage::kClient);

        CManagerExchange exchange(GetManagerWindow());
        const CReadSettingsResult b = ReadApplianceSettings(exchange);
        ASSERT_TRUE(b.ok()) << b.Message();
        for (const CSettingInfo& info : SettingCatalogue()) {
            const auto& expected = saved[SettingIndex(info.id)];
            const auto& actual = b.values[SettingIndex(info.id)];
            if (info.id == SettingId::BtName)
                EXPECT_EQ(actual.lines, std::vector<std::string>{"BTName Clone-7"});
            else
                EXPECT_EQ(actual, expected) << info.label;
        }
    });
    EXPECT_TRUE(backend.MessageBoxes().size() >= 1u);
    // The PIN code has no query: the file says so rather than saving a guess.
    EXPECT_NE(ReadFile(path).find("# Not saved: the PIN code"), std::string::npos);
    // B's own entries were released, A's registered.
    ASSERT_EQ(simulator.state(1).registrations.size(), 3u);
    EXPECT_EQ(simulator.state(1).registrations[1].device, " Scale ");
}

} // namespace
