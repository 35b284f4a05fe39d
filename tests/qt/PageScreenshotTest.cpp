// Pictures of the tab pages and of the reboot progress window, filled with what the simulated
// appliance reports after a login.
#include <memory>

#include "QtFixture.h"
#include "ScreenshotHarness.h"
#include "app/ManagerDlg.h"
#include "appliance/ConnectionListing.h"
#include "modes/ModePage.h"
#include "pages/BluetoothPage.h"
#include "pages/ConnectionsPage.h"
#include "pages/InformationPage.h"
#include "pages/NeighborhoodsPage.h"
#include "pages/RebootDlg.h"
#include "pages/RepeaterPage.h"
#include "sim/Simulator.h"
#include "ui/ListViewCtrl.h"
#include "ui/TreeViewCtrl.h"

namespace {

class PageScreenshotTest : public QtFixture {
protected:
    PageScreenshotTest() : simulator(sim::SimulatorOptions::loopback()) {}

    // The main window the pages talk through, logged in to the simulator but not shown.
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(simulator.start(&error)) << error;
        simulator.updateState(0, [](sim::ApplianceState& state) { state.localDevices = 3; });
        const sim::ApplianceState state = simulator.state(0);
        CSearchDlg& record = main.m_searchDlg;
        record.m_strProductName = state.productName;
        record.m_strModelCode = state.modelCode;
        record.m_strSerialNumber = state.serialNumber;
        record.m_strMACAddress = state.macAddress;
        record.m_strBtName = state.btName;
        record.m_strBdAddr = state.bdAddress;
        record.m_strIP = record.m_strIPAddress = simulator.controlAddress(0);
        record.m_nPort = simulator.controlPort(0);
        record.m_strPort = record.m_strControlPort = std::to_string(record.m_nPort);
        main.m_strUserID = state.user;
        main.m_strPassword = state.password;
        app.SetMainWnd(&main);
        CControlSocket* socket = main.CreateControlSocket();
        ASSERT_NE(socket, nullptr);
        ASSERT_TRUE(socket->Connect(record.m_strIP, record.m_nPort));
        ASSERT_TRUE(main.Login());
    }
    void TearDown() override { app.SetMainWnd(nullptr); }

    // Shows `page` as a window of its own, loads it as a tab click would, and takes its
    // picture.
    void Shoot(CTabPage& page, const std::string& name) {
        page.Create();
        page.RefreshPage();
        RenderToPng(backend, page, name);
        page.DestroyWindow();
    }

    sim::Simulator simulator;
    CManagerDlg main;
};

TEST_F(PageScreenshotTest, CModePage) {
    CInformationPage information; // reads the firmware version the mode page gates on
    information.RefreshPage();
    CModePage page;
    Shoot(page, "CModePage");
    EXPECT_EQ(page.m_strMode, "Server");
}

TEST_F(PageScreenshotTest, CBluetoothPage) {
    CBluetoothPage page;
    Shoot(page, "CBluetoothPage");
    EXPECT_EQ(page.Item<CListViewCtrl>(IDC_BT_LOCAL_DEVICES).GetItemCount(), 3);
}

TEST_F(PageScreenshotTest, CConnectionsPage) {
    // The simulator starts each connection three steps further on its link-quality cycle.
    simulator.updateState(0, [](sim::ApplianceState& state) { state.resetConnections(3); });
    CConnectionsPage page;
    Shoot(page, "CConnectionsPage");
    const auto& rows = page.Item<CListViewCtrl>(IDC_CONNECTION_LIST).Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].image, kStatusGreen);
    EXPECT_EQ(rows[1].image, kStatusYellow);
    EXPECT_EQ(rows[2].image, kStatusRed);
}

TEST_F(PageScreenshotTest, CInformationPage) {
    CInformationPage page;
    Shoot(page, "CInformationPage");
    EXPECT_EQ(page.m_strBtName, simulator.state(0).btName);
}

TEST_F(PageScreenshotTest, CNeighborhoodsPage) {
    simulator.updateState(0, [](sim::ApplianceState& state) { state.inquiryRunning = true; });
    main.m_nFirmwareVersion = 263; // 1.7, the first with the periodic inquiry
    CNeighborhoodsPage page;
    page.Create();
    page.RefreshPage();
    page.SendMessage(WM_TIMER, 1); // the first tick lists the neighbours
    RenderToPng(backend, page, "CNeighborhoodsPage");
    page.DestroyWindow();
    EXPECT_TRUE(page.m_bTimerRunning);
    EXPECT_EQ(page.Item<CListViewCtrl>(IDC_NEIGHBOUR_LIST).GetItemCount(),
              static_cast<int>(simulator.state(0).neighbours.size()));
}

TEST_F(PageScreenshotTest, CRepeaterPage) {
    main.LoadCommandList(); // the tab click asks whether the appliance knows "repeater"
    CRepeaterPage page;
    Shoot(page, "CRepeaterPage");
    // The appliance, a relay under it and a second relay under that one, each with a device.
    const auto& tree = page.Item<CTreeViewCtrl>(IDC_REPEATER_TREE);
    EXPECT_EQ(tree.GetCount(), 6);
    HTREEITEM deepest = TVI_ROOT;
    for (int level = 0; level < 3 && !tree.GetChildren(deepest).empty(); ++level)
        deepest = tree.GetChildren(deepest).front();
    EXPECT_EQ(tree.GetItemText(deepest),
              simulator.state(0).repeaterLinks[1].child + " ( Relay-2 )");
}

TEST_F(PageScreenshotTest, CRebootDlg) {
    CRebootDlg progress;
    progress.Create();
    RenderToPng(backend, progress, "CRebootDlg");
    progress.DestroyWindow();
}

} // namespace
