#include <gtest/gtest.h>

#include "ApplianceFixtures.h"
#include "pages/BluetoothPage.h"
#include "ui/ButtonCtrl.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/SpinCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

const Lines kLoadQueries{"BTName\r\n", "Maxdt\r\n", "Linkto\r\n", "Scan\r\n",
                         "Secu\r\n",   "Pair\r\n",  "Stat\r\n"};

class BluetoothPageTest : public CScriptedApplianceTest {
protected:
    // Clicks the Bluetooth tab (from another one) and returns the page it loaded.
    CBluetoothPage& OpenPage(CManagerDlg& dlg) {
        ClickTab(dlg, IDC_PAGE_TAB, 0);
        TakeSent();
        ClickTab(dlg, IDC_PAGE_TAB, 1);
        return dlg.m_tabCtrl.BluetoothPage();
    }
    static CListViewCtrl& List(CBluetoothPage& page) {
        return page.Item<CListViewCtrl>(IDC_BT_LOCAL_DEVICES);
    }
    static CSpinCtrl& MaxDTSpin(CBluetoothPage& page) {
        return page.Item<CSpinCtrl>(IDC_BT_MAXDT_SPIN);
    }
    static bool Checked(CBluetoothPage& page, int id) {
        return page.Item<CButtonCtrl>(id).GetCheck() == 1;
    }
    // Fills the four required edits with acceptable values.
    static void FillSettings(CBluetoothPage& page) {
        TypeText(page, IDC_BT_NAME, "Hall");
        TypeText(page, IDC_BT_MAXDT, "7");
        TypeText(page, IDC_BT_LINK_TIMEOUT, "20");
    }
};

TEST_F(BluetoothPageTest, BeforeTheFirstLoadTheLinkTimeoutSpinShowsThirty) {
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = dlg.m_tabCtrl.BluetoothPage();
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_LINK_TIMEOUT), "30");
        const auto& spin = page.Item<CSpinCtrl>(IDC_BT_LINK_TIMEOUT_SPIN);
        EXPECT_EQ(spin.GetLower(), 1);
        EXPECT_EQ(spin.GetUpper(), 30);
        EXPECT_EQ(spin.GetBuddy(), IDC_BT_LINK_TIMEOUT);
        EXPECT_EQ(page.Item<CComboBoxCtrl>(IDC_BT_SECURITY).GetCurSel(), 0);
        const auto& columns = List(page).Columns();
        ASSERT_EQ(columns.size(), 6u);
        const std::pair<const char*, int> expected[] = {{"idx", 30},     {"         BDAddr", 120},
                                                        {"     Tx", 70}, {"     Rx", 70},
                                                        {" Tx_Err", 60}, {" Rx_Err", 60}};
        for (size_t i = 0; i < columns.size(); ++i) {
            EXPECT_EQ(columns[i].header, expected[i].first);
            EXPECT_EQ(columns[i].width, expected[i].second);
        }
        EXPECT_TRUE(List(page).HasStyle(ControlStyle::FixedFont));
    });
}

TEST_F(BluetoothPageTest, ATabClickLoadsEverySettingAndTheLocalDevices) {
    replies["Stat\r\n"] = "0|00:0B:CE:20:00:01|10|20|1|2\r\n1|00:0B:CE:20:00:02|3|4|0|0\r\n+OK\r\n";
    replies["Secu\r\n"] = "+OK high\r\n";
    replies["Scan\r\n"] = "+OK  page\r\n";
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        EXPECT_EQ(TakeSent(), kLoadQueries);
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_NAME), "Velmora42-1");
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_MAXDT), "7");
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_LINK_TIMEOUT), "25");
        EXPECT_EQ(page.Item<CComboBoxCtrl>(IDC_BT_SECURITY).GetCurSel(), 1);
        EXPECT_EQ(page.GetSecurity(), "high");
        EXPECT_TRUE(Checked(page, IDC_BT_PAIRABLE));
        EXPECT_TRUE(Checked(page, IDC_BT_CONNECTABLE));
        EXPECT_FALSE(Checked(page, IDC_BT_DISCOVERABLE));
        ASSERT_EQ(List(page).GetItemCount(), 2);
        EXPECT_EQ(List(page).Rows()[0].texts,
                  (Lines{"0", "00:0B:CE:20:00:01", "10", "20", "1", "2"}));
        EXPECT_EQ(page.m_nLocalDevices, 2);
        EXPECT_EQ(MaxDTSpin(page).GetBuddy(), IDC_BT_MAXDT);
        EXPECT_EQ(MaxDTSpin(page).GetLower(), 0);
        EXPECT_EQ(MaxDTSpin(page).GetUpper(), 14);
        // The range bounds the arrows; the value read stays in the edit.
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_MAXDT), "7");
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(BluetoothPageTest, ValuesAreCutAtTheirPositions) {
    replies["BTName\r\n"] = "+OK\r\n";
    replies["Maxdt\r\n"] = "+OK MAX\r\n";
    replies["Linkto\r\n"] = "+OK LinkTimeout: \r\n"; // 17 characters: shorter than 21
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        EXPECT_EQ(page.m_strName, "");
        EXPECT_EQ(page.m_strMaxDT, "");
        EXPECT_EQ(page.m_strLinkTimeout, "");
        EXPECT_EQ(TakeSent(), kLoadQueries);
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(BluetoothPageTest, ScanPairAndSecuValuesFollowTheirRules) {
    struct Step {
        const char* scan;
        bool discoverable;
        bool connectable;
    };
    // Each step starts from the flags the step before left.
    const Step steps[] = {
        {"+OK noscan\r\n", false, false},      {"+OK inquiry \r\n", true, false},
        {"+OK  page\r\n", true, true},         {"+OK noscan\r\n", false, false},
        {"+OK inquiry\r\n", false, false},     {"+OK  page\r\n", false, true},
        {"+OK Inquiry Page\r\n", false, true}, {"+OK inquiry page\r\n", true, true},
    };
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        for (const Step& step : steps) {
            replies["Scan\r\n"] = step.scan;
            ClickButton(page, IDC_BT_REFRESH);
            EXPECT_EQ(Checked(page, IDC_BT_DISCOVERABLE), step.discoverable) << step.scan;
            EXPECT_EQ(Checked(page, IDC_BT_CONNECTABLE), step.connectable) << step.scan;
        }
        const std::pair<const char*, bool> pairs[] = {{"+OK off\r\n", false},
                                                      {"+OK yes\r\n", false},
                                                      {"+OK on\r\n", true},
                                                      {"+OK On\r\n", true},
                                                      {"+OK off\r\n", false}};
        for (const auto& [reply, pairable] : pairs) {
            replies["Pair\r\n"] = reply;
            ClickButton(page, IDC_BT_REFRESH);
            EXPECT_EQ(Checked(page, IDC_BT_PAIRABLE), pairable) << reply;
        }
        const std::pair<const char*, int> securities[] = {
            {"+OK high\r\n", 1}, {"+OK medium\r\n", 1}, {"+OK low\r\n", 0}, {"+OK HIGH\r\n", 0}};
        for (const auto& [reply, entry] : securities) {
            replies["Secu\r\n"] = reply;
            ClickButton(page, IDC_BT_REFRESH);
            EXPECT_EQ(page.Item<CComboBoxCtrl>(IDC_BT_SECURITY).GetCurSel(), entry) << reply;
        }
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(BluetoothPageTest, RefreshNeverSendsLinktoOrStat) {
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        TakeSent();
        TypeText(page, IDC_BT_LINK_TIMEOUT, "12");
        ClickButton(page, IDC_BT_REFRESH);
        EXPECT_EQ(TakeSent(),
                  (Lines{"BTName\r\n", "Maxdt\r\n", "Scan\r\n", "Secu\r\n", "Pair\r\n"}));
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_LINK_TIMEOUT), "25");
        EXPECT_EQ(List(page).GetItemCount(), 1);
    });
}

TEST_F(BluetoothPageTest, AFailedQueryStopsTheLoadWithoutReconnecting) {
    replies["Linkto\r\n"] = "-ERR\r\n";
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        EXPECT_EQ(TakeSent(), (Lines{"BTName\r\n", "Maxdt\r\n", "Linkto\r\n"}));
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Get LinkTimeout is Failed. Try again"});
        // Values read before the failure stay; the range is not touched.
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_MAXDT), "7");
        EXPECT_EQ(MaxDTSpin(page).GetBuddy(), 0);
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 1);
    });
}

TEST_F(BluetoothPageTest, TheNameShowsOnlyTogetherWithTheMaxDTValue) {
    replies["Maxdt\r\n"] = "-ERR\r\n";
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = dlg.m_tabCtrl.BluetoothPage();
        TypeText(page, IDC_BT_NAME, "typed");
        OpenPage(dlg);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Get Maxdt is Failed. Try again"});
        EXPECT_EQ(page.m_strName, "Velmora42-1");
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_NAME), "typed");
    });
}

TEST_F(BluetoothPageTest, AQueryTimeOutReportsAndSearchesAgain) {
    replies["Secu\r\n"] = "";
    Run([&](CManagerDlg& dlg) {
        OpenPage(dlg);
        EXPECT_EQ(TakeSent(),
                  (Lines{"BTName\r\n", "Maxdt\r\n", "Linkto\r\n", "Scan\r\n", "Secu\r\n"}));
        EXPECT_EQ(TakeMessageBoxes(),
                  Lines{"Get Security is timeout. Check Velmora42 and Try again."});
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2);
        EXPECT_EQ(dlg.m_tabCtrl.GetCurSel(), 0);
        EXPECT_EQ(TakeSent(), Lines{"Mode\r\n"});
    });
}

TEST_F(BluetoothPageTest, AStatListingIsReadLineByLine) {
    struct Case {
        const char* reply;
        std::vector<Lines> rows;
        const char* message; // nullptr: none
    };
    const Case cases[] = {
        {"+OK\r\n", {}, nullptr},
        {"0|A|1|2|3|4\r\n1|B|5|6|7|8\r\n", // no closing line: taken as it is
         {{"0", "A", "1", "2", "3", "4"}, {"1", "B", "5", "6", "7", "8"}},
         nullptr},
        {"0|A|1|2|3|4\r\n1|B|5", // cut inside the last line
         {{"0", "A", "1", "2", "3", "4"}},
         " Get Local Devices is imperfect. Try again"},
        {"2|C|rest of it\r\nno bars\r\n+OK\r\n",
         {{"2", "C", "", "", "", "rest of it"}, {"", "", "", "", "", "no bars"}},
         nullptr},
        {"+OK 1 device\r\n+OK\r\n", {{"", "", "", "", "", "+OK 1 device"}}, nullptr},
    };
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = dlg.m_tabCtrl.BluetoothPage();
        for (const Case& test : cases) {
            replies["Stat\r\n"] = test.reply;
            ClickTab(dlg, IDC_PAGE_TAB, 0);
            TakeMessageBoxes();
            ClickTab(dlg, IDC_PAGE_TAB, 1);
            std::vector<Lines> rows;
            for (const auto& row : List(page).Rows())
                rows.push_back(row.texts);
            EXPECT_EQ(rows, test.rows) << test.reply;
            EXPECT_EQ(page.m_nLocalDevices, static_cast<int>(test.rows.size()));
            EXPECT_EQ(MaxDTSpin(page).GetUpper(), 7 * static_cast<int>(test.rows.size()));
            EXPECT_EQ(TakeMessageBoxes(), test.message ? Lines{test.message} : Lines{})
                << test.reply;
        }
    });
}

TEST_F(BluetoothPageTest, AFailedOrSilentStatKeepsTheCountForTheRange) {
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        EXPECT_EQ(page.m_nLocalDevices, 1);
        replies["Stat\r\n"] = "-ERR busy\r\n";
        ClickTab(dlg, IDC_PAGE_TAB, 0);
        ClickTab(dlg, IDC_PAGE_TAB, 1);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Stat is Failed. Try again"});
        EXPECT_EQ(List(page).GetItemCount(), 0);
        EXPECT_EQ(MaxDTSpin(page).GetUpper(), 7);

        replies["Stat\r\n"] = "";
        ClickTab(dlg, IDC_PAGE_TAB, 0);
        ClickTab(dlg, IDC_PAGE_TAB, 1);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Get Stat is timeout. Check Velmora42 and Try again."});
        EXPECT_EQ(MaxDTSpin(page).GetUpper(), 7);
    });
}

TEST_F(BluetoothPageTest, ApplyChecksTheRequiredFieldsFirst) {
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = dlg.m_tabCtrl.BluetoothPage();
        TakeSent();
        struct Case {
            const char* maxDT;
            const char* name;
            const char* linkTimeout;
            const char* message;
        };
        const Case cases[] = {
            {"", "", "", "Fill the Maxdt and Velmora42 Name"},
            {"", "", "20", "Fill the Maxdt"},
            {"", "Hall", "", "Fill the Maxdt"},
            {"7", "", "", "Fill the Velmora42 Name"},
            {"7", "Hall", "", "Fill the LinkTimeout"},
        };
        for (const Case& test : cases) {
            TypeText(page, IDC_BT_MAXDT, test.maxDT);
            TypeText(page, IDC_BT_NAME, test.name);
            TypeText(page, IDC_BT_LINK_TIMEOUT, test.linkTimeout);
            ClickButton(page, IDC_BT_APPLY);
            EXPECT_EQ(TakeMessageBoxes(), Lines{test.message});
        }
        EXPECT_TRUE(TakeSent().empty());
    });
}

TEST_F(BluetoothPageTest, ApplySendsSixCommandsWithoutAPinAndSevenWithOne) {
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        TakeSent();
        FillSettings(page);
        ClickButton(page, IDC_BT_APPLY);
        EXPECT_EQ(TakeSent(), (Lines{"BTName Hall\r\n", "Maxdt 7\r\n", "Linkto 20\r\n",
                                     "Secu low\r\n", "Pair on\r\n", "Scan Inquiry page\r\n"}));
        EXPECT_TRUE(page.m_bApplied);

        TypeText(page, IDC_BT_PIN_CODE, "0000");
        PickComboEntry(page, IDC_BT_SECURITY, 1);
        ClickButton(page, IDC_BT_PAIRABLE);
        ClickButton(page, IDC_BT_CONNECTABLE);
        ClickButton(page, IDC_BT_APPLY);
        EXPECT_EQ(TakeSent(),
                  (Lines{"BTName Hall\r\n", "Maxdt 7\r\n", "Linkto 20\r\n", "Secu high\r\n",
                         "Pin 0000\r\n", "Pair off\r\n", "Scan Inquiry\r\n"}));
        // The code leaves the screen but not the page.
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_PIN_CODE), "");
        EXPECT_EQ(page.m_strPinCode, "0000");
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(BluetoothPageTest, ApplyPicksTheScanWordFromBothFlags) {
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg); // both flags on
        FillSettings(page);
        ClickButton(page, IDC_BT_DISCOVERABLE);
        ClickButton(page, IDC_BT_APPLY);
        EXPECT_EQ(TakeSent().back(), "Scan Page\r\n");
        ClickButton(page, IDC_BT_CONNECTABLE);
        ClickButton(page, IDC_BT_APPLY);
        EXPECT_EQ(TakeSent().back(), "Scan noscan\r\n");
        replies["Scan noscan\r\n"] = "-ERR\r\n";
        ClickButton(page, IDC_BT_APPLY);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Noscan Setup Fail. Try again"});
    });
}

TEST_F(BluetoothPageTest, ASetReplyWithMoreThanOKFailsAndStops) {
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        TakeSent();
        FillSettings(page);
        TypeText(page, IDC_BT_PIN_CODE, "1234");
        replies["Maxdt 7\r\n"] = "+OK\r\nMaxDT 7\r\n";
        ClickButton(page, IDC_BT_APPLY);
        EXPECT_EQ(TakeSent(), (Lines{"BTName Hall\r\n", "Maxdt 7\r\n"}));
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Maxdt Setup Fail. Try again"});
        EXPECT_FALSE(page.m_bApplied);
        EXPECT_EQ(page.GetDlgItemText(IDC_BT_PIN_CODE), "1234");

        replies["Maxdt 7\r\n"] = "+OK \r\n";
        ClickButton(page, IDC_BT_APPLY);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Maxdt Setup Fail. Try again"});
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 1);
    });
}

TEST_F(BluetoothPageTest, ASetTimeOutReportsAndSearchesAgain) {
    replies["Pin 1234\r\n"] = "";
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        FillSettings(page);
        TypeText(page, IDC_BT_PIN_CODE, "1234");
        TakeSent();
        ClickButton(page, IDC_BT_APPLY);
        EXPECT_EQ(TakeSent().back(), "Pin 1234\r\n");
        EXPECT_EQ(TakeMessageBoxes(),
                  Lines{"Set Pin Code is timeout. Check Velmora42 and Try again."});
        EXPECT_FALSE(page.m_bApplied);
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2);
    });
}

TEST_F(BluetoothPageTest, ANewConnectionEmptiesNamePinAndMaxDT) {
    Run([&](CManagerDlg& dlg) {
        CBluetoothPage& page = OpenPage(dlg);
        page.m_strPinCode = "1234";
        dlg.OnControlConnectionReplaced();
        EXPECT_EQ(page.m_strName, "");
        EXPECT_EQ(page.m_strPinCode, "");
        EXPECT_EQ(page.m_strMaxDT, "");
        EXPECT_EQ(page.m_strLinkTimeout, "25");
    });
}

class BluetoothPageOnSimulatorTest : public CSimulatedApplianceTest {};

TEST_F(BluetoothPageOnSimulatorTest, LoadsAndAppliesTheSimulatedRadio) {
    simulator.updateState(0, [](sim::ApplianceState& state) {
        state.localDevices = 2;
        state.security = "high";
        state.pageScan = false;
    });
    Run([&](CManagerDlg& dlg) {
        ClickTab(dlg, IDC_PAGE_TAB, 1);
        CBluetoothPage& page = dlg.m_tabCtrl.BluetoothPage();
        EXPECT_EQ(page.m_strName, "Velmora42-1");
        EXPECT_EQ(page.m_strMaxDT, "7");
        EXPECT_EQ(page.m_strLinkTimeout, "30");
        EXPECT_TRUE(page.m_bDiscoverable);
        EXPECT_FALSE(page.m_bConnectable);
        EXPECT_EQ(page.GetSecurity(), "high");
        EXPECT_EQ(page.m_nLocalDevices, 2);
        auto& maxDT = page.Item<CSpinCtrl>(IDC_BT_MAXDT_SPIN);
        EXPECT_EQ(maxDT.GetUpper(), 14);

        TypeText(page, IDC_BT_NAME, "Lobby");
        TypeText(page, IDC_BT_PIN_CODE, "4321");
        maxDT.StepByUser(1);
        ClickButton(page, IDC_BT_CONNECTABLE);
        ClickButton(page, IDC_BT_APPLY);
        const sim::ApplianceState state = simulator.state(0);
        EXPECT_EQ(state.btName, "Lobby");
        EXPECT_EQ(state.maxDt, "8");
        EXPECT_EQ(state.pin, "4321");
        EXPECT_TRUE(state.pageScan);
        EXPECT_TRUE(page.m_bApplied);
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

} // namespace
