#include <gtest/gtest.h>

#include "ApplianceFixtures.h"
#include "appliance/ConnectionListing.h"
#include "modes/ModePage.h"
#include "pages/BluetoothPage.h"
#include "pages/ConnectionsPage.h"
#include "session/ManagerWindow.h"
#include "ui/ButtonCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

TEST(ConnectionListing, StatusThresholdsAndSplitting) {
    const struct {
        const char *quality, *signal;
        int status;
    } kCases[] = {
        {"200", "0", kStatusRed},    {"201", "0", kStatusYellow},
        {"214", "0", kStatusYellow}, {"215", "0", kStatusGreen},
        {"215", "-1", kStatusGreen}, {"240", "-2", kStatusRed},
        {"+230", "x", kStatusGreen}, {"abc", "0", kStatusRed},
        {"", "", kStatusRed},        {"99999999999", "0", kStatusGreen},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ConnectionStatusOf(c.quality, c.signal), c.status)
            << c.quality << "|" << c.signal;

    // A line without any "|": every shown field empty, the ninth holds the whole line.
    const auto bare = SplitConnectionLine("no bars here");
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(bare[i], "");
    EXPECT_EQ(bare[8], "no bars here");
    const auto listing = ParseConnectionListing("no bars here\r\n+OK\r\n");
    ASSERT_EQ(listing.rows.size(), 1u);
    EXPECT_EQ(listing.rows[0].status, kStatusRed);
    EXPECT_EQ(listing.end, ListingEnd::Closed);
    // The last field takes the rest, bars included.
    EXPECT_EQ(SplitConnectionLine("1|2|3|4|5|6|7|8|9|10")[8], "9|10");
    EXPECT_EQ(ParseConnectionListing("+OK").end, ListingEnd::Imperfect);
    EXPECT_EQ(ParseConnectionListing("0|0|p|a|n|1|2|230|0\r\n").end, ListingEnd::Exhausted);
}

class ConnectionsPageTest : public CScriptedApplianceTest {
protected:
    static CListViewCtrl& List(CConnectionsPage& page) {
        return page.Item<CListViewCtrl>(IDC_CONNECTION_LIST);
    }
    // Clicks the Connections tab, which starts the timer and loads the list.
    CConnectionsPage& OpenPage(CManagerDlg& dlg) {
        TakeSent();
        ClickTab(dlg, IDC_PAGE_TAB, 2);
        return dlg.m_tabCtrl.ConnectionsPage();
    }
};

TEST_F(ConnectionsPageTest, ATabClickListsTheConnectionsAndEveryTickReloadsThem) {
    replies["List\r\n"] = "0|0|9101|00:0B:CE:30:00:01|Printer|120|96|235|0\r\n"
                          "1|0|9102|00:0B:CE:30:00:02|Scale|8|5|201|-1\r\n"
                          "2|0|9103|00:0B:CE:30:00:03| Sensor |0|0|228|-2\r\n+OK\r\n";
    Run([&](CManagerDlg& dlg) {
        CConnectionsPage& page = OpenPage(dlg);
        EXPECT_EQ(TakeSent(), Lines{"List\r\n"});
        CListViewCtrl& list = List(page);
        const std::pair<const char*, int> kColumns[] = {{"", 20},
                                                        {"idx", 30},
                                                        {"dev", 35},
                                                        {" Port", 45},
                                                        {"          Addr", 108},
                                                        {"         Name", 110},
                                                        {"  Tx", 50},
                                                        {"    Rx", 50}};
        ASSERT_EQ(list.GetColumnCount(), 8);
        for (size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(list.Columns()[i].header, kColumns[i].first);
            EXPECT_EQ(list.Columns()[i].width, kColumns[i].second);
        }
        EXPECT_EQ(list.ImageList(), (std::vector<int>{161, 162, 163}));
        ASSERT_EQ(list.GetItemCount(), 3);
        EXPECT_EQ(list.GetItemText(0, 0), " ");
        EXPECT_EQ(list.GetItemText(2, 5), " Sensor ");
        EXPECT_EQ(list.GetItemText(1, 7), "5");
        EXPECT_EQ(list.Rows()[0].image, kStatusGreen);
        EXPECT_EQ(list.Rows()[1].image, kStatusYellow);
        EXPECT_EQ(list.Rows()[2].image, kStatusRed);

        replies["List\r\n"] = "4|1|9104|00:0B:CE:30:00:04|Pad|1|1|215|0\r\n+OK\r\n";
        backend.AdvanceClock(1999);
        EXPECT_TRUE(TakeSent().empty());
        backend.AdvanceClock(1);
        EXPECT_EQ(TakeSent(), Lines{"List\r\n"});
        ASSERT_EQ(list.GetItemCount(), 1);
        EXPECT_EQ(list.GetItemText(0, 1), "4");

        // A listing cut inside its last line keeps the rows before it.
        replies["List\r\n"] = "5|0|9105|a|A|0|0|230|0\r\n6|0|9106|b|B|0";
        backend.AdvanceClock(2000);
        EXPECT_EQ(list.GetItemCount(), 1);
        EXPECT_EQ(list.GetItemText(0, 1), "5");
        EXPECT_EQ(TakeMessageBoxes(), Lines{" Get Status is imperfect. Try again"});

        replies["List\r\n"] = "-ERR busy\r\n";
        ClickButton(page, IDC_CONNECTION_REFRESH);
        EXPECT_EQ(list.GetItemCount(), 0);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Get Information is Failed. Try again"});
        replies["List\r\n"] = "+OK\r\n";
        backend.AdvanceClock(2000);
        EXPECT_TRUE(TakeMessageBoxes().empty());

        // Another tab stops the reloads.
        ClickTab(dlg, IDC_PAGE_TAB, 0);
        TakeSent();
        backend.AdvanceClock(10000);
        EXPECT_TRUE(TakeSent().empty());
    });
}

TEST_F(ConnectionsPageTest, DisconnectIsOnOnlyWhileAListedConnectionIsSelected) {
    replies["List\r\n"] = "3|0|9101|a|A|0|0|230|0\r\n7|0|9102|b|B|0|0|230|0\r\n+OK\r\n";
    // Picks: 'c' clicks a row (-1: empty space, or Space with none focused), 't' with Ctrl (or
    // Ctrl+Space), 'k' moves to it with an arrow key.
    const std::pair<std::vector<std::pair<char, int>>, const char*> kCases[] = {
        {{{'c', -1}}, nullptr},
        {{{'c', 1}, {'t', 1}}, nullptr},
        {{{'k', 1}}, "disc 7\r\n"},
        {{{'k', 1}, {'t', 1}}, nullptr}};
    for (const auto& [picks, sent] : kCases)
        Run([&](CManagerDlg& dlg) {
            CConnectionsPage& page = OpenPage(dlg);
            for (const auto& [how, row] : picks)
                how == 'k' ? List(page).SelectByUser(row)
                           : List(page).ClickByUser(
                                 row, {}, how == 't' ? SelectMode::Toggle : SelectMode::Replace);
            TakeSent();
            page.Item<CButtonCtrl>(IDC_CONNECTION_DISCONNECT).Click(); // nothing while off
            EXPECT_EQ(TakeSent(), (sent ? Lines{sent, "List\r\n"} : Lines{})) << picks.size();
        });
}

TEST_F(ConnectionsPageTest, AListTimeOutStopsTheTimerAndClosesTheApplication) {
    replies["List\r\n"] = "";
    Run([&](CManagerDlg& dlg) {
        CConnectionsPage& page = OpenPage(dlg);
        EXPECT_FALSE(page.m_bTimerRunning);
        EXPECT_FALSE(backend.HasTimer(page, 1));
        EXPECT_EQ(TakeMessageBoxes(),
                  Lines{"Get Information is timeout. Check Velmora42 and Try again."});
        backend.Pump();
        EXPECT_TRUE(dlg.IsEnded());
        EXPECT_EQ(SearchRuns(), 1);
    });
}

// Every reload rebuilds the rows, so Disconnect must follow the connection the operator
// picked, not the row position it had.
TEST_F(ConnectionsPageTest, DisconnectActsOnTheChosenConnectionAfterEveryReload) {
    const std::string kRow[] = {"0|0|9101|a|A|0|0|230|0\r\n", "1|0|9102|b|B|0|0|230|0\r\n",
                                "2|0|9103|c|C|0|0|230|0\r\n"};
    replies["List\r\n"] = kRow[0] + kRow[1] + kRow[2] + "+OK\r\n";
    Run([&](CManagerDlg& dlg) {
        CConnectionsPage& page = OpenPage(dlg);
        CListViewCtrl& list = List(page);
        CControl& disconnect = *page.GetDlgItem(IDC_CONNECTION_DISCONNECT);

        // Connection 0 dropped: the reload lists 1 and 2, and nothing is chosen any more.
        SelectRow(page, IDC_CONNECTION_LIST, 0);
        TakeSent();
        replies["List\r\n"] = kRow[1] + kRow[2] + "+OK\r\n";
        ClickButton(page, IDC_CONNECTION_DISCONNECT);
        EXPECT_EQ(TakeSent(), (Lines{"disc 0\r\n", "List\r\n"}));
        EXPECT_EQ(list.GetSelectedItem(), -1);
        EXPECT_EQ(page.m_nSelItem, -1);
        EXPECT_FALSE(disconnect.IsWindowEnabled());

        // Taken off the selection with Ctrl, connection 2 is chosen no more; 1 still is.
        SelectRow(page, IDC_CONNECTION_LIST, 0);
        for (int click = 0; click < 2; ++click)
            list.ClickByUser(1, CPoint{10, 30}, SelectMode::Toggle);
        EXPECT_EQ(page.m_nSelItem, 0);

        // Connection 2 chosen in row 1; a tick after row 0 went away shows it in row 0.
        SelectRow(page, IDC_CONNECTION_LIST, 1);
        replies["List\r\n"] = kRow[2] + "+OK\r\n";
        backend.AdvanceClock(2000);
        EXPECT_EQ(list.GetSelectedItem(), 0);
        EXPECT_EQ(page.m_nSelItem, 0);
        TakeSent();
        replies["disc 2\r\n"] = "-ERR busy\r\n";
        ClickButton(page, IDC_CONNECTION_DISCONNECT);
        EXPECT_EQ(TakeSent(), Lines{"disc 2\r\n"});
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Disconnection is Failed. Try again"});

        // Gone by the next tick (dropped from the other side): nothing to act on.
        replies["List\r\n"] = kRow[0] + "+OK\r\n";
        backend.AdvanceClock(2000);
        EXPECT_EQ(list.GetSelectedItem(), -1);
        EXPECT_FALSE(disconnect.IsWindowEnabled());
    });
}

// Ticks fall due while the page's box is open, as they do on the desktop; the page reloads
// again only once the operator has closed it.
TEST_F(ConnectionsPageTest, NoReloadWhileThePagesBoxIsOpen) {
    const struct {
        const char* listing;
        const char* message;
    } kFaults[] = {
        {"-ERR busy\r\n", "Get Information is Failed. Try again"},
        {"0|0|9101|a|A|0|0|230|0\r\n1|0", " Get Status is imperfect. Try again"},
    };
    Run([&](CManagerDlg& dlg) {
        CConnectionsPage& page = OpenPage(dlg);
        for (const auto& fault : kFaults) {
            SCOPED_TRACE(fault.message);
            replies["List\r\n"] = fault.listing;
            int boxes = 0;
            size_t sentInBox = 0;
            backend.OnMessageBox([&](std::string_view) {
                if (++boxes == 1) { // the operator reads the first box for 7 s
                    const size_t before = channel.Sent().size();
                    backend.AdvanceClock(7000);
                    sentInBox = channel.Sent().size() - before;
                }
                return IDOK;
            });
            // Opened by the tab click the first time, by Refresh the second.
            if (&fault == &kFaults[0]) {
                ClickTab(dlg, IDC_PAGE_TAB, CPageTabCtrl::kMode);
                OpenPage(dlg);
            } else {
                ClickButton(page, IDC_CONNECTION_REFRESH);
            }
            EXPECT_EQ(TakeMessageBoxes(), Lines{fault.message});
            EXPECT_EQ(sentInBox, 0u);
            EXPECT_EQ(backend.MostOpenMessageBoxes(), 1);
            TakeSent();
            backend.AdvanceClock(2000); // the first tick after the box
            EXPECT_EQ(TakeSent(), Lines{"List\r\n"});
            EXPECT_EQ(TakeMessageBoxes(), Lines{fault.message});
        }
    });
}

TEST_F(ConnectionsPageTest, ADisconnectTimeOutReconnectsThoughTheListingTimesOutToo) {
    replies["List\r\n"] = "3|0|9101|a|A|0|0|230|0\r\n+OK\r\n";
    Run([&](CManagerDlg& dlg) {
        CConnectionsPage& page = OpenPage(dlg);
        SelectRow(page, IDC_CONNECTION_LIST, 0);
        replies["disc 3\r\n"] = "";
        replies["List\r\n"] = "";
        backend.OnMessageBox([&](std::string_view) {
            backend.AdvanceClock(2000);
            return IDOK;
        });
        const int searches = SearchRuns();
        TakeSent();
        ClickButton(page, IDC_CONNECTION_DISCONNECT);
        EXPECT_EQ(TakeSent(), Lines{"disc 3\r\n"});
        EXPECT_EQ(TakeMessageBoxes(),
                  Lines{"Disconnection is timeout. Check Velmora42 and Try again."});
        backend.Pump();
        EXPECT_EQ(SearchRuns(), searches + 1);
        EXPECT_FALSE(dlg.IsEnded());
    });
}

// A tab changed with the keys stops the reloads: no listing times out under another page's box.
TEST_F(ConnectionsPageTest, AReconnectionAskedForIsNotOvertakenByTheListingsClose) {
    replies["List\r\n"] = "+OK\r\n";
    Run([&](CManagerDlg& dlg) {
        CConnectionsPage& page = OpenPage(dlg);
        dlg.m_tabCtrl.SelectByKeyboard(CPageTabCtrl::kBluetooth);
        EXPECT_FALSE(backend.HasTimer(page, 1));
        replies["BTName\r\n"] = "";
        replies["List\r\n"] = "";
        backend.OnMessageBox([&](std::string_view text) {
            if (text.starts_with("Get Bluetooth"))
                backend.AdvanceClock(2000);
            return IDOK;
        });
        const int searches = SearchRuns();
        ClickButton(dlg.m_tabCtrl.BluetoothPage(), IDC_BT_REFRESH);
        EXPECT_EQ(TakeMessageBoxes().size(), 1u);
        backend.Pump();
        EXPECT_EQ(SearchRuns(), searches + 1);
        EXPECT_FALSE(dlg.IsEnded());
    });
}

TEST_F(ConnectionsPageTest, SearchFromTheModePageStopsTheReloadsBeforeTheSearchOpens) {
    replies["List\r\n"] = "+OK\r\n";
    Run([&](CManagerDlg& dlg) {
        CConnectionsPage& page = OpenPage(dlg);
        dlg.m_tabCtrl.SelectByKeyboard(CPageTabCtrl::kMode);
        size_t sentInSearch = 0;
        backend.OnNextModal(IDD_SEARCH, [&](CDialog& search) {
            // A failed login deletes the connection; the operator stays in the dialog.
            CManagerWindow& main = GetManagerWindow();
            main.AttachChannel(nullptr);
            main.DeleteControlSocket();
            const size_t before = channel.Sent().size();
            backend.AdvanceClock(6000);
            sentInSearch = channel.Sent().size() - before;
            main.AttachChannel(&channel);
            search.EndDialog(IDCANCEL);
        });
        ClickButton(dlg.m_tabCtrl.ModePage(), IDC_MODE_SEARCH);
        EXPECT_EQ(sentInSearch, 0u);
        EXPECT_TRUE(TakeMessageBoxes().empty());
        backend.Pump();
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_FALSE(backend.HasTimer(page, 1));
        // The tab clicks start them again.
        ClickTab(dlg, IDC_PAGE_TAB, CPageTabCtrl::kMode);
        ClickTab(dlg, IDC_PAGE_TAB, CPageTabCtrl::kConnections);
        EXPECT_TRUE(backend.HasTimer(page, 1));
    });
}

// Each row clicks a tab, then acts letting polls fall due: the line goes out so many times.
TEST_F(ConnectionsPageTest, PollsHoldBehindBoxesAndModeChangesAndOneReconnectionRuns) {
    replies["pinq\r\n"] = "+OK On 30 5 0x9E8B33\r\n";
    const std::tuple<std::function<void(CManagerDlg&)>, int, const char*, long> rows[] = {
        {[&](CManagerDlg&) { // five replies of 999 ms: one tick for two periods
             delaysMs["Ver\r\n"] = 999;
             for (int i = 0; i < 5; ++i)
                 GetManagerWindow().SendCommand("Ver\r\n", 1);
             backend.AdvanceClock(0);
         },
         2, "List\r\n", 1},
        {[&](CManagerDlg& dlg) { // a mode change
             ClickButton(dlg.m_tabCtrl.ModePage(), IDC_MODE_APPLY);
             backend.AdvanceClock(6000);
         },
         2, "List\r\n", 0},
        {[&](CManagerDlg& dlg) { // a box of another page
             replies["List\r\n"] = "-ERR\r\n";
             backend.OnMessageBox([&](auto) { return backend.AdvanceClock(6000), IDOK; });
             ClickButton(dlg.m_tabCtrl.ConnectionsPage(), IDC_CONNECTION_REFRESH);
         },
         3, "ngbrh\r\n", 0},
        {[&](CManagerDlg& dlg) { // a time-out in the open search asks for no second one
             backend.OnNextModal(IDD_SEARCH, [](CDialog& d) {
                 GetManagerWindow().ReportAndReconnect(d, "timeout"), d.EndDialog(IDOK);
             });
             backend.OnNextModal(IDD_SEARCH, [](CDialog& d) { d.EndDialog(IDCANCEL); });
             dlg.PostMessage(WM_RECONNECT);
         },
         0, "", 0},
    };
    Run([&](CManagerDlg& dlg) {
        for (const auto& [act, tab, line, polls] : rows) {
            ClickTab(dlg, IDC_PAGE_TAB, tab);
            TakeSent();
            act(dlg);
            backend.Pump();
            const Lines sent = TakeSent();
            EXPECT_EQ(std::count(sent.begin(), sent.end(), line), polls) << line << tab;
            EXPECT_FALSE(dlg.IsEnded());
        }
    });
}

} // namespace
