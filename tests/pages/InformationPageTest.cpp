#include <gtest/gtest.h>

#include "ApplianceFixtures.h"
#include "pages/BluetoothPage.h"
#include "pages/InformationPage.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

class InformationPageTest : public CScriptedApplianceTest {
protected:
    InformationPageTest() {
        fillRecord = [](CSearchDlg& search) {
            search.m_strProductName = "Velmora42";
            search.m_strModelCode = "100";
            search.m_strSerialNumber = "V42-000007";
            search.m_strIPAddress = "127.0.0.1";
            search.m_strControlPort = "9097";
            search.m_strMACAddress = "00:0B:CE:10:00:07";
            search.m_strBtName = "Velmora42-7";
            search.m_strBdAddr = "00:0B:CE:20:00:07";
        };
    }
    static CInformationPage& Page(CManagerDlg& dlg) { return dlg.m_tabCtrl.InformationPage(); }
};

TEST_F(InformationPageTest, ShowsTheVersionWithTheRecordFromDiscovery) {
    Run([&](CManagerDlg& dlg) {
        CInformationPage& page = Page(dlg);
        EXPECT_EQ(dlg.m_nFirmwareVersion, 263);
        const std::pair<int, const char*> shown[] = {
            {IDC_INFO_PRODUCT_NAME, "Velmora42"},
            {IDC_INFO_MODEL_CODE, "100"},
            {IDC_INFO_VERSION, "1.7.3\r\n"},
            {IDC_INFO_SERIAL_NUMBER, "V42-000007"},
            {IDC_INFO_IP_ADDRESS, "127.0.0.1"},
            {IDC_INFO_CONTROL_PORT, "9097"},
            {IDC_INFO_MAC_ADDRESS, "00:0B:CE:10:00:07"},
            {IDC_INFO_BT_NAME, "Velmora42-7"},
            {IDC_INFO_BD_ADDR, "00:0B:CE:20:00:07"},
        };
        for (const auto& [id, text] : shown)
            EXPECT_EQ(page.GetDlgItemText(id), text) << id;
        // Every click on the tab reads the version again.
        ClickTab(dlg, IDC_PAGE_TAB, 5);
        EXPECT_EQ(TakeSent().back(), "Ver\r\n");
    });
}

TEST_F(InformationPageTest, TheVersionNumberFollowsTheFirstAndThirdCharacters) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"-ERR\r\n", "1.0", 256},
        {"+OK Ver 2.1\r\n", "2.1\r\n", 513},
        {"+OK Ver 1.A\r\n", "1.A\r\n", 256 + 17},
        {"+OK\r\n", "", 256},       // no version text at all
        {"+OK Ver\r\n", "\n", 256}, // too short to hold two digits
    };
    Run([&](CManagerDlg& dlg) {
        for (const auto& [reply, version, number] : cases) {
            replies["Ver\r\n"] = reply;
            Page(dlg).RefreshPage();
            EXPECT_EQ(Page(dlg).m_strVersion, version) << reply;
            EXPECT_EQ(dlg.m_nFirmwareVersion, number) << reply;
        }
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(InformationPageTest, AVersionTimeOutKeepsTheNumberAndSearchesAgain) {
    Run([&](CManagerDlg& dlg) {
        replies["Ver\r\n"] = "";
        Page(dlg).RefreshPage();
        EXPECT_EQ(TakeMessageBoxes(),
                  Lines{"Get Version is timeout. Check Velmora42 and Try again."});
        EXPECT_EQ(dlg.m_nFirmwareVersion, 263);
        EXPECT_EQ(Page(dlg).m_strVersion, "1.7.3\r\n");
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2);
    });
}

TEST_F(InformationPageTest, TheFriendlyNameComesFromTheBluetoothPageOnceApplied) {
    Run([&](CManagerDlg& dlg) {
        ClickTab(dlg, IDC_PAGE_TAB, 1);
        CBluetoothPage& bluetooth = dlg.m_tabCtrl.BluetoothPage();
        TypeText(bluetooth, IDC_BT_NAME, "Lobby");
        ClickTab(dlg, IDC_PAGE_TAB, 5);
        EXPECT_EQ(Page(dlg).GetDlgItemText(IDC_INFO_BT_NAME), "Velmora42-7");
        // An Apply that fails on the way does not count.
        replies["Secu low\r\n"] = "-ERR\r\n";
        ClickTab(dlg, IDC_PAGE_TAB, 1);
        TypeText(bluetooth, IDC_BT_NAME, "Lobby");
        ClickButton(bluetooth, IDC_BT_APPLY);
        ClickTab(dlg, IDC_PAGE_TAB, 5);
        EXPECT_EQ(Page(dlg).GetDlgItemText(IDC_INFO_BT_NAME), "Velmora42-7");
        replies.erase("Secu low\r\n");
        ClickTab(dlg, IDC_PAGE_TAB, 1);
        TypeText(bluetooth, IDC_BT_NAME, "Lobby");
        ClickButton(bluetooth, IDC_BT_APPLY);
        ClickTab(dlg, IDC_PAGE_TAB, 5);
        EXPECT_EQ(Page(dlg).GetDlgItemText(IDC_INFO_BT_NAME), "Lobby");
    });
}

} // namespace
