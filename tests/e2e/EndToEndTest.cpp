// The manager's real search dialog broadcasts to 255.255.255.255:9097 inside a private network
// namespace, where three simulated appliances (127.0.0.2 to 127.0.0.4) answer; the operator's
// part is played through the scripted backend.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "PrivateNetwork.h"
#include "app/ManagerApp.h"
#include "app/ManagerDlg.h"
#include "session/LoginDlg.h"
#include "sim/Simulator.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"
#include "ui/testing/TestBackend.h"

namespace {

using Strings = std::vector<std::string>;

class EndToEnd : public ::testing::Test {
protected:
    // The three appliances as the program runs them: discovery on the wildcard address,
    // port 9097, control listeners on 127.0.0.2 to 127.0.0.4.
    void StartAppliances() {
        appliances = std::make_unique<sim::Simulator>(sim::SimulatorOptions::standard(3));
        std::string error;
        ASSERT_TRUE(appliances->start(&error)) << error;
        // The discovery window and the appliances both run on real time.
        backend.SetRealTimeScale(1.0);
    }

    // Runs the application with its default discovery destination: `search` acts on the
    // search dialog (Cancel ends it afterwards unless it ended), `main` on the main window if
    // it is reached, which then closes.
    void Run(
        const std::function<void(CSearchDlg&)>& search,
        const std::function<void(CManagerDlg&)>& main = [](CManagerDlg&) {}) {
        backend.OnNextModal(IDD_SEARCH, [&](CDialog& dialog) {
            search(static_cast<CSearchDlg&>(dialog));
            if (!dialog.IsEnded())
                ClickButton(dialog, IDC_SEARCH_CANCEL);
        });
        backend.OnModal(IDD_MANAGER_DIALOG, [&](CDialog& dialog) {
            backend.Pump();
            if (dialog.IsEnded())
                return;
            mainReached = true;
            main(static_cast<CManagerDlg&>(dialog));
            dialog.EndDialog(IDOK);
        });
        app.InitInstance();
    }

    void LogInWith(const std::string& password) {
        backend.OnNextModal(IDD_LOGIN, [password](CDialog& login) {
            TypeText(login, IDC_PASSWORD, password);
            ClickButton(login, IDC_LOGIN_OK);
        });
    }

    static Strings Names(CDialog& search) {
        const auto& list = search.Item<CListViewCtrl>(IDC_DEVICE_LIST);
        Strings names;
        for (int row = 0; row < list.GetItemCount(); ++row)
            names.push_back(list.GetItemText(row, 0));
        return names;
    }

    // The appliance sees a closed connection a moment after the manager closed it.
    static bool NoClientsWithin(const sim::Simulator& simulator, std::size_t index,
                                std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (simulator.clientCount(index) != 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return simulator.clientCount(index) == 0;
    }

    CTestBackend backend;
    CManagerApp app{backend};
    std::unique_ptr<sim::Simulator> appliances;
    bool mainReached = false;
};

TEST_F(EndToEnd, TheBroadcastFindsThreeAppliancesAndConnectLogsInToTheChosenOne) {
    RUN_IN_PRIVATE_NETWORK();
    StartAppliances();
    const sim::ApplianceState chosen = appliances->state(1);
    LogInWith(chosen.password);
    Run(
        [&](CSearchDlg& search) {
            ClickButton(search, IDC_SEARCH);
            EXPECT_EQ(Names(search),
                      (Strings{appliances->state(2).btName, appliances->state(1).btName,
                               appliances->state(0).btName}));
            backend.AnswerNextPopupMenu(ID_DETAIL_INFORMATION);
            search.Item<CListViewCtrl>(IDC_DEVICE_LIST).RightClickByUser(1, CPoint{40, 30});
            EXPECT_EQ(search.m_strProductName, chosen.productName);
            EXPECT_EQ(search.m_strModelCode, chosen.modelCode);
            EXPECT_EQ(search.m_strSerialNumber, chosen.serialNumber);
            EXPECT_EQ(search.m_strIPAddress, "127.0.0.3");
            EXPECT_EQ(search.m_strControlPort, "9097");
            EXPECT_EQ(search.m_strMACAddress, chosen.macAddress);
            EXPECT_EQ(search.m_strBtName, chosen.btName);
            EXPECT_EQ(search.m_strBdAddr, chosen.bdAddress);
            ASSERT_EQ(backend.MessageBoxes().size(), 1u);
            const std::string& details = backend.MessageBoxes()[0];
            EXPECT_NE(details.find("Product Serial Number       :  " + chosen.serialNumber),
                      std::string::npos);
            EXPECT_TRUE(details.ends_with("Bluetooth Address              : " + chosen.bdAddress));
            ClickButton(search, IDC_CONNECT);
        },
        [&](CManagerDlg& main) {
            ASSERT_TRUE(main.m_pSocket);
            EXPECT_TRUE(main.m_pSocket->IsConnected());
            main.OnPaint();
            EXPECT_EQ(main.GetWindowText(),
                      "Velmora42 Manager : " + chosen.btName + " - 127.0.0.3");
        });
    ASSERT_TRUE(mainReached);
    const Strings transcript = appliances->transcript(1);
    ASSERT_GE(transcript.size(), 2u);
    EXPECT_EQ(transcript[0], "User " + chosen.user);
    EXPECT_EQ(transcript[1], "Pass " + chosen.password);
    // Then the main window's first commands, in this order.
    EXPECT_EQ(Strings(transcript.begin() + 2, transcript.end()), (Strings{"Ver", "Mode", "help"}));
    EXPECT_TRUE(appliances->transcript(0).empty());
}

TEST_F(EndToEnd, AWrongPasswordLeavesNoConnection) {
    RUN_IN_PRIVATE_NETWORK();
    StartAppliances();
    LogInWith("not the password");
    Run([&](CSearchDlg& search) {
        ClickButton(search, IDC_SEARCH);
        SelectRow(search, IDC_DEVICE_LIST, 0);
        ClickButton(search, IDC_CONNECT);
        EXPECT_FALSE(search.IsEnded());
        EXPECT_EQ(GetManagerWindow().m_pSocket, nullptr);
    });
    EXPECT_FALSE(mainReached);
    EXPECT_EQ(backend.MessageBoxes(), Strings{"Check User name and Password."});
    EXPECT_TRUE(NoClientsWithin(*appliances, 2, std::chrono::seconds(3)));
    EXPECT_EQ(appliances->transcript(2), (Strings{"User admin", "Pass not the password"}));
}

TEST_F(EndToEnd, AnAddressNoApplianceAnnouncedConnectsWithTheTypedPort) {
    RUN_IN_PRIVATE_NETWORK();
    StartAppliances();
    // An appliance that does not answer discovery, on a port of its own.
    sim::SimulatorOptions options = sim::SimulatorOptions::standard(1);
    options.discoveryEnabled = false;
    options.appliances[0].controlAddress = "127.0.0.9";
    options.appliances[0].controlPort = 9123;
    sim::Simulator hidden(options);
    std::string error;
    ASSERT_TRUE(hidden.start(&error)) << error;

    const std::string selectedName = appliances->state(0).btName;
    LogInWith(hidden.state(0).password);
    Run(
        [&](CSearchDlg& search) {
            ClickButton(search, IDC_SEARCH);
            SelectRow(search, IDC_DEVICE_LIST, 2);
            TypeText(search, IDC_IP_ADDRESS, "127.0.0.9");
            TypeText(search, IDC_CONTROL_PORT, "9123");
            ClickButton(search, IDC_CONNECT);
            EXPECT_EQ(Names(search).size(), 3u);
        },
        [&](CManagerDlg& main) {
            // The record of the row selected before, with the typed address and port.
            EXPECT_EQ(main.m_searchDlg.m_strBtName, selectedName);
            EXPECT_EQ(main.m_searchDlg.m_strIPAddress, "127.0.0.9");
            EXPECT_EQ(main.m_searchDlg.m_strControlPort, "9123");
            EXPECT_EQ(main.m_searchDlg.m_nPort, 9123);
        });
    EXPECT_TRUE(mainReached);
    const Strings transcript = hidden.transcript(0);
    ASSERT_GE(transcript.size(), 2u);
    EXPECT_EQ(transcript[1], "Pass " + hidden.state(0).password);
    for (std::size_t i = 0; i < appliances->applianceCount(); ++i)
        EXPECT_TRUE(appliances->transcript(i).empty());
}

} // namespace
