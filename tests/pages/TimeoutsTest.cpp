#include <gtest/gtest.h>

#include "ApplianceFixtures.h"
#include "pages/BluetoothPage.h"
#include "pages/ConnectionsPage.h"
#include "pages/InformationPage.h"
#include "pages/NeighborhoodsPage.h"
#include "pages/RepeaterPage.h"
#include "ui/testing/Input.h"

// The time-out each page sends its commands with: a reply just inside the wait is the
// command's own, one just after it is a time-out.
namespace {

enum Tab { kModeTab, kBluetoothTab, kConnectionsTab, kNeighborhoodsTab, kRepeaterTab, kInfoTab };

// Clicks `tab` from the first one, so that the click refreshes it.
void OpenTab(CManagerDlg& dlg, int tab) {
    ClickTab(dlg, IDC_PAGE_TAB, kModeTab);
    ClickTab(dlg, IDC_PAGE_TAB, tab);
}

std::string Timeout(const std::string& what) {
    return what + " is timeout. Check Velmora42 and Try again.";
}

using PageTimeoutsTest = CScriptedApplianceTest;

TEST_F(PageTimeoutsTest, BluetoothPage) {
    const auto load = [](CManagerDlg& dlg) { OpenTab(dlg, kBluetoothTab); };
    const auto apply = [](CManagerDlg& dlg) {
        OpenTab(dlg, kBluetoothTab);
        CBluetoothPage& page = dlg.m_tabCtrl.BluetoothPage();
        TypeText(page, IDC_BT_PIN_CODE, "1234");
        ClickButton(page, IDC_BT_APPLY);
    };
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(
            dlg, {
                     {"BTName\r\n", 0, load, Timeout("Get Bluetooth Information")},
                     {"Maxdt\r\n", 0, load, Timeout("Get Maxdt")},
                     {"Linkto\r\n", 0, load, Timeout("Get LinkTimeout")},
                     {"Scan\r\n", 0, load, Timeout("Get Scan")},
                     {"Secu\r\n", 0, load, Timeout("Get Security")},
                     {"Pair\r\n", 0, load, Timeout("Get Pairable")},
                     {"Stat\r\n", 1, load, Timeout("Get Stat")},
                     {"BTName Velmora42-1\r\n", 0, apply, Timeout("Set Bluetooth Information")},
                     {"Maxdt 7\r\n", 0, apply, Timeout("Set Maxdt")},
                     {"Linkto 25\r\n", 0, apply, Timeout("Set LinkTimeout")},
                     {"Secu low\r\n", 0, apply, Timeout("Set Security")},
                     {"Pin 1234\r\n", 0, apply, Timeout("Set Pin Code")},
                     {"Pair on\r\n", 0, apply, Timeout("Set Pairable")},
                     {"Scan Inquiry page\r\n", 0, apply, Timeout("Set Scan")},
                 });
    });
}

TEST_F(PageTimeoutsTest, ConnectionsPage) {
    replies["List\r\n"] = "3|0|9101|00:0B:CE:30:00:01|Printer|120|96|235|0\r\n+OK\r\n";
    const auto disconnect = [](CManagerDlg& dlg) {
        OpenTab(dlg, kConnectionsTab);
        CConnectionsPage& page = dlg.m_tabCtrl.ConnectionsPage();
        SelectRow(page, IDC_CONNECTION_LIST, 0);
        ClickButton(page, IDC_CONNECTION_DISCONNECT);
    };
    Run([&](CManagerDlg& dlg) {
        // A late listing ends the application, so it comes last.
        ExpectTimeouts(dlg, {
                                {"disc 3\r\n", 3, disconnect, Timeout("Disconnection")},
                                {"List\r\n", 1, [](CManagerDlg& d) { OpenTab(d, kConnectionsTab); },
                                 Timeout("Get Information")},
                            });
    });
}

TEST_F(PageTimeoutsTest, NeighborhoodsPage) {
    const std::string running = "+OK On 30 5 0x9E8B33\r\n";
    replies["pinq\r\n"] = "+OK Off 30 5 0x9E8B33\r\n";
    const auto open = [](CManagerDlg& dlg) { OpenTab(dlg, kNeighborhoodsTab); };
    const auto start = [](CManagerDlg& dlg) {
        OpenTab(dlg, kNeighborhoodsTab);
        ClickButton(dlg.m_tabCtrl.NeighborhoodsPage(), IDC_INQUIRY_START);
    };
    const auto stop = [&](CManagerDlg& dlg) {
        replies["pinq\r\n"] = running;
        OpenTab(dlg, kNeighborhoodsTab);
        ClickButton(dlg.m_tabCtrl.NeighborhoodsPage(), IDC_INQUIRY_STOP);
    };
    const auto tick = [&](CManagerDlg& dlg) {
        replies["pinq\r\n"] = running;
        OpenTab(dlg, kNeighborhoodsTab);
        backend.AdvanceClock(2000);
    };
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg, {
                                {"pinq\r\n", 3, open, "Getting Periodic Inquiry failed."},
                                {"pinq on 30 5 0x9E8B33\r\n", 3, start, ""},
                                {"pinq off\r\n", 3, stop, ""},
                                {"ngbrh\r\n", 2, tick, ""},
                            });
    });
}

TEST_F(PageTimeoutsTest, RepeaterPage) {
    replies["help\r\n"] = "+OK BTNAME MAXDT STAT VER MODE REPEATER REBOOT\r\n";
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg,
                       {
                           {"repeater\r\n", 1, [](CManagerDlg& d) { OpenTab(d, kRepeaterTab); },
                            "Loading repeater list failed."},
                       });
    });
}

TEST_F(PageTimeoutsTest, InformationPage) {
    // Refused, so that a reply in time does not start the reboot.
    replies["Reboot\r\n"] = "-ERR\r\n";
    const auto open = [](CManagerDlg& dlg) { OpenTab(dlg, kInfoTab); };
    const auto reboot = [](CManagerDlg& dlg) {
        OpenTab(dlg, kInfoTab);
        ClickButton(dlg.m_tabCtrl.InformationPage(), IDC_INFO_REBOOT);
    };
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg, {
                                {"Ver\r\n", 1, open, Timeout("Get Version")},
                                {"Reboot\r\n", 0, reboot, Timeout("Reboot")},
                            });
    });
}

} // namespace
