// The search dialog and Connect against the appliance simulator on loopback: a unicast
// discovery to the simulator's port (nothing is broadcast outside a private namespace) and
// real control connections.

#include <gtest/gtest.h>

#include "app/ManagerApp.h"
#include "app/ManagerDlg.h"
#include "session/LoginDlg.h"
#include "sim/Simulator.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"
#include "ui/testing/TestBackend.h"

namespace {

TEST(SimConnect, SearchListsTheAppliancesAndConnectLogsInToTheSelectedOne) {
    sim::Simulator appliances(sim::SimulatorOptions::loopback(2));
    std::string error;
    ASSERT_TRUE(appliances.start(&error)) << error;
    CTestBackend backend;
    // The simulator answers on its own thread, in real time.
    backend.SetRealTimeScale(0.25);
    CManagerApp app{backend};

    backend.OnNextModal(IDD_SEARCH, [&](CDialog& dialog) {
        auto& search = static_cast<CSearchDlg&>(dialog);
        ClickButton(search, IDC_SEARCH);
        const auto& list = search.Item<CListViewCtrl>(IDC_DEVICE_LIST);
        ASSERT_EQ(list.GetItemCount(), 2);
        EXPECT_EQ(list.GetItemText(0, 0), appliances.state(1).btName);
        EXPECT_EQ(list.GetItemText(1, 0), appliances.state(0).btName);
        EXPECT_EQ(list.GetItemText(1, 4), std::to_string(appliances.controlPort(0)));
        SelectRow(search, IDC_DEVICE_LIST, 1);
        ClickButton(search, IDC_CONNECT);
        if (!search.IsEnded())
            ClickButton(search, IDC_SEARCH_CANCEL);
    });
    backend.OnNextModal(IDD_LOGIN, [&](CDialog& login) {
        TypeText(login, IDC_PASSWORD, appliances.state(0).password);
        ClickButton(login, IDC_LOGIN_OK);
    });
    bool mainReached = false;
    backend.OnModal(IDD_MANAGER_DIALOG, [&](CDialog& dialog) {
        backend.Pump();
        mainReached = !dialog.IsEnded();
        dialog.EndDialog(IDOK);
    });
    app.InitInstance(CDiscoveryTarget{"127.0.0.1", appliances.discoveryPort(), {}});

    EXPECT_TRUE(mainReached);
    EXPECT_TRUE(backend.MessageBoxes().empty());
    const std::vector<std::string> transcript = appliances.transcript(0);
    ASSERT_GE(transcript.size(), 2u);
    EXPECT_EQ(transcript[0], "User admin");
    EXPECT_EQ(transcript[1], "Pass " + appliances.state(0).password);
    EXPECT_TRUE(appliances.transcript(1).empty());
}

} // namespace
