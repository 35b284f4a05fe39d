#include <gtest/gtest.h>

#include "FakeAppliances.h"
#include "FakeNetwork.h"
#include "discovery/DiscoveryCodec.h"
#include "discovery/UdpSocket.h"
#include "session/SearchDlg.h"
#include "ui/Application.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"
#include "ui/testing/TestBackend.h"

namespace {

using Strings = std::vector<std::string>;

// A real discovery socket with faults the system may report.
class CFaultySocket final : public IDatagramSocket {
public:
    CFaultySocket(int& live, bool failOpen, int failReceives)
        : m_live(live), m_bFailOpen(failOpen), m_nFailReceives(failReceives) {
        ++m_live;
    }
    ~CFaultySocket() override { --m_live; }
    bool Open() override { return !m_bFailOpen && m_socket.Open(); }
    bool EnableBroadcast() override { return m_socket.EnableBroadcast(); }
    bool SendTo(const std::string& address, int port,
                std::span<const std::uint8_t> bytes) override {
        return m_socket.SendTo(address, port, bytes);
    }
    bool SendThrough(unsigned interfaceIndex, const std::string& source, const std::string& address,
                     int port, std::span<const std::uint8_t> bytes) override {
        return m_socket.SendThrough(interfaceIndex, source, address, port, bytes);
    }
    bool IsReadable() override { return m_socket.IsReadable(); }
    // A failing receive takes the datagram away, as a failed receive does.
    std::optional<std::size_t> Receive(std::span<std::uint8_t> buffer) override {
        const auto size = m_socket.Receive(buffer);
        if (m_nFailReceives == 0)
            return size;
        --m_nFailReceives;
        return std::nullopt;
    }

private:
    CUdpSocket m_socket;
    int& m_live;
    bool m_bFailOpen;
    int m_nFailReceives;
};

CAnnouncement Appliance(int number) {
    CAnnouncement a;
    a.btName = "Velmora42-" + std::to_string(number);
    a.serialNumber = "V42-00000" + std::to_string(number);
    a.ip = {127, 0, 0, static_cast<std::uint8_t>(1 + number)};
    a.port = static_cast<std::uint16_t>(9000 + number);
    a.mac = {0x00, 0x0B, 0xCE, 0x10, 0x00, static_cast<std::uint8_t>(number)};
    a.bdAddrOnWire = {static_cast<std::uint8_t>(number), 0x00, 0x20, 0xCE, 0x0B, 0x00};
    return a;
}

CListViewCtrl& List(CDialog& dialog) {
    return dialog.Item<CListViewCtrl>(IDC_DEVICE_LIST);
}

Strings Names(CDialog& dialog) {
    Strings names;
    for (int row = 0; row < List(dialog).GetItemCount(); ++row)
        names.push_back(List(dialog).GetItemText(row, 0));
    return names;
}

bool ConnectEnabled(CDialog& dialog) {
    return dialog.GetDlgItem(IDC_CONNECT)->IsWindowEnabled();
}

class SearchDlgTest : public ::testing::Test {
protected:
    SearchDlgTest() {
        backend.OnRepaint([this] { appliances.Serve(); });
    }

    // Shows the dialog once; `script` acts on it, then Cancel ends it (unless it ended).
    int Show(CSearchDlg& dialog, const std::function<void(CSearchDlg&)>& script) {
        backend.OnNextModal(IDD_SEARCH, [&](CDialog& shown) {
            script(static_cast<CSearchDlg&>(shown));
            if (!shown.IsEnded())
                ClickButton(shown, IDC_SEARCH_CANCEL);
        });
        return dialog.DoModal();
    }

    CDiscoveryTarget FaultyTarget(bool failOpen, int failReceives) {
        CDiscoveryTarget target = appliances.Target();
        target.makeSocket = [this, failOpen, failReceives] {
            ++socketsMade;
            return std::make_unique<CFaultySocket>(liveSockets, failOpen, failReceives);
        };
        return target;
    }

    CTestBackend backend;
    CApplication app{backend};
    CFakeAppliances appliances;
    int socketsMade = 0;
    int liveSockets = 0;
};

TEST_F(SearchDlgTest, OpensWithEmptyEditsAndConnectDisabled) {
    CSearchDlg dialog(appliances.Target());
    dialog.m_strIP = "10.0.0.1";
    dialog.m_strPort = "23";
    Show(dialog, [&](CSearchDlg& shown) {
        EXPECT_FALSE(ConnectEnabled(shown));
        EXPECT_EQ(shown.GetDlgItemText(IDC_IP_ADDRESS), "");
        EXPECT_EQ(shown.GetDlgItemText(IDC_CONTROL_PORT), "");
        EXPECT_EQ(List(shown).GetItemCount(), 0);
    });
    EXPECT_EQ(dialog.m_strIP, "");
}

TEST_F(SearchDlgTest, EveryShowingHasASocketOfItsOwnClosedWhenItEnds) {
    CSearchDlg dialog(FaultyTarget(false, 0));
    for (int showing = 1; showing <= 2; ++showing) {
        Show(dialog, [&](CSearchDlg& shown) {
            EXPECT_EQ(liveSockets, 1);
            EXPECT_EQ(List(shown).GetColumnCount(), 8);
        });
        EXPECT_EQ(socketsMade, showing);
        EXPECT_EQ(liveSockets, 0);
    }
}

TEST_F(SearchDlgTest, RepliesBecomeRowsNewestFirstAndForeignDatagramsAreIgnored) {
    appliances.Answer({BuildReply(Appliance(1)), Bytes{0xFA, 0x05, 0x21},
                       Bytes{'h', 'e', 'l', 'l', 'o', '!'}, BuildReply(Appliance(2))});
    CSearchDlg dialog(appliances.Target());
    Show(dialog, [&](CSearchDlg& shown) {
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(Names(shown), (Strings{"Velmora42-2", "Velmora42-1"}));
        const Strings top = List(shown).Rows()[0].texts;
        EXPECT_EQ(top, (Strings{"Velmora42-2", "100", "V42-000002", "127.0.0.3", "9002",
                                "00:0B:CE:10:00:02", "Velmora42", "00:0B:CE:20:00:02"}));
        // A reply that comes after the window is not one of the next search's.
        appliances.SendToRequester(BuildReply(Appliance(3)));
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(Names(shown), (Strings{"Velmora42-2", "Velmora42-1"}));
    });
    EXPECT_EQ(appliances.Requests(), 2);
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(SearchDlgTest, ABurstOfRepliesIsListedWholeWithoutARepaintForEach) {
    std::vector<Bytes> burst;
    for (int number = 1; number <= 200; ++number)
        burst.push_back(BuildReply(Appliance(number)));
    appliances.Answer(burst);
    CSearchDlg dialog(appliances.Target());
    Show(dialog, [&](CSearchDlg& shown) {
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(List(shown).GetItemCount(), 200);
        EXPECT_EQ(Names(shown).front(), "Velmora42-200");
    });
    EXPECT_LT(backend.RepaintCount(), 100); // the waits of the one-second window paint
}

TEST_F(SearchDlgTest, WithoutRepliesTheSearchLastsAboutASecondAndRepaintsMeanwhile) {
    CSearchDlg dialog(appliances.Target());
    bool blockedWhilePainting = true;
    backend.OnRepaint([&] { blockedWhilePainting = blockedWhilePainting && backend.IsBlocked(); });
    Show(dialog, [&](CSearchDlg& shown) {
        const std::uint64_t before = backend.GetTickCount();
        ClickButton(shown, IDC_SEARCH);
        const std::uint64_t took = backend.GetTickCount() - before;
        EXPECT_GE(took, 1000u);
        EXPECT_LT(took, 1100u);
        EXPECT_EQ(List(shown).GetItemCount(), 0);
    });
    EXPECT_GT(backend.RepaintCount(), 10);
    EXPECT_TRUE(blockedWhilePainting);
    EXPECT_FALSE(backend.IsBlocked());
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(SearchDlgTest, SelectingARowFillsTheEditsAndAnotherSearchKeepsThatChoice) {
    appliances.Answer({BuildReply(Appliance(1)), BuildReply(Appliance(2))});
    CSearchDlg dialog(appliances.Target());
    Show(dialog, [&](CSearchDlg& shown) {
        ClickButton(shown, IDC_SEARCH);
        SelectRow(shown, IDC_DEVICE_LIST, 1);
        EXPECT_EQ(shown.m_nSelItem, 1);
        EXPECT_EQ(shown.m_strBtName, "Velmora42-1");
        EXPECT_EQ(shown.m_strBdAddr, "00:0B:CE:20:00:01");
        EXPECT_EQ(shown.GetDlgItemText(IDC_IP_ADDRESS), "127.0.0.2");
        EXPECT_EQ(shown.GetDlgItemText(IDC_CONTROL_PORT), "9001");
        EXPECT_TRUE(ConnectEnabled(shown));

        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(shown.m_strBtName, "Velmora42-1");
        EXPECT_EQ(shown.GetDlgItemText(IDC_IP_ADDRESS), "127.0.0.2");
        EXPECT_TRUE(ConnectEnabled(shown));

        TypeText(shown, IDC_CONTROL_PORT, "");
        EXPECT_FALSE(ConnectEnabled(shown));
        TypeText(shown, IDC_CONTROL_PORT, "9");
        EXPECT_TRUE(ConnectEnabled(shown));
        TypeText(shown, IDC_IP_ADDRESS, "");
        EXPECT_FALSE(ConnectEnabled(shown));
    });
    // The record stays with the dialog for the title bar and the pages.
    EXPECT_EQ(dialog.m_strSerialNumber, "V42-000001");
}

TEST_F(SearchDlgTest, RightClickOffersTheDetailsOfTheRowLastSelected) {
    appliances.Answer({BuildReply(Appliance(1))});
    CSearchDlg dialog(appliances.Target());
    Show(dialog, [&](CSearchDlg& shown) {
        ClickButton(shown, IDC_SEARCH);
        backend.AnswerNextPopupMenu(ID_DETAIL_INFORMATION);
        List(shown).RightClickByUser(0, CPoint{30, 12});
        // Dismissing the menu shows nothing.
        List(shown).RightClickByUser(-1, CPoint{30, 80});
    });
    ASSERT_EQ(backend.PopupMenus().size(), 2u);
    ASSERT_EQ(backend.PopupMenus()[0].size(), 1u);
    EXPECT_EQ(backend.PopupMenus()[0][0].text, "Detail Information");
    EXPECT_EQ(backend.MessageBoxes(),
              Strings{"Product Name                   : Velmora42\r \n"
                      "Model Code                      : 100\r \n"
                      "Product Serial Number       :  V42-000001\r \n"
                      "IP Address                        : 127.0.0.2\r \n"
                      "Control Port                       : 9001\r \n"
                      "MAC Address                    : 00:0B:CE:10:00:01\r \n"
                      "Bluetooth Friendly Name     : Velmora42-1\r \n"
                      "Bluetooth Address              : 00:0B:CE:20:00:01"});
}

TEST_F(SearchDlgTest, HeaderDoubleClickEnterAndEscape) {
    CSearchDlg dialog(appliances.Target());
    const int result = Show(dialog, [&](CSearchDlg& shown) {
        List(shown).HeaderDoubleClickByUser(0);
        TypeText(shown, IDC_IP_ADDRESS, "127.0.0.2");
        TypeText(shown, IDC_CONTROL_PORT, "9097");
        ASSERT_TRUE(ConnectEnabled(shown));
        shown.OnEnterKey(); // presses neither Connect nor anything else
        EXPECT_FALSE(shown.IsEnded());
        EXPECT_EQ(appliances.Requests(), 0);
        shown.OnEscapeKey();
        EXPECT_TRUE(shown.IsEnded());
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(backend.MessageBoxes(), Strings{"Selected"});
}

TEST_F(SearchDlgTest, ARequestThatCannotBeSentIsReported) {
    CDiscoveryTarget target = appliances.Target();
    target.address = "300.1.2.3";
    CSearchDlg dialog(target);
    Show(dialog, [&](CSearchDlg& shown) {
        const std::uint64_t before = backend.GetTickCount();
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(backend.GetTickCount(), before); // no collection after a failed send
        EXPECT_EQ(List(shown).GetItemCount(), 0);
    });
    EXPECT_EQ(backend.MessageBoxes(), Strings{"Search Error. Check Velmora42 and Try again"});
}

TEST_F(SearchDlgTest, AFailedReceiveDropsThatDatagramAndCollectionGoesOn) {
    appliances.Answer({BuildReply(Appliance(1)), BuildReply(Appliance(2))});
    CSearchDlg dialog(FaultyTarget(false, 1));
    Show(dialog, [&](CSearchDlg& shown) {
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(Names(shown), Strings{"Velmora42-2"});
    });
    EXPECT_EQ(backend.MessageBoxes(), Strings{"ReceiveData Error"});
}

TEST_F(SearchDlgTest, ASocketThatCannotBeMadeEndsTheDialogAsCancelled) {
    CSearchDlg dialog(FaultyTarget(true, 0));
    bool scriptRan = false;
    backend.OnNextModal(IDD_SEARCH, [&](CDialog&) { scriptRan = true; });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(scriptRan);
    EXPECT_EQ(liveSockets, 0);
    EXPECT_EQ(backend.MessageBoxes(), Strings{"The application create Fail. Try again"});
}

// The machine of the broadcast searches below: loopback, a wired LAN with two addresses, Wi-Fi
// and a VPN that holds the default route; every request lands on the fake appliances.
CNetworkView Laptop() {
    return CNetworkView{{{"lo", 1, true, false, "127.0.0.1", ""},
                         {"enp3s0", 2, true, true, "192.168.10.4", "192.168.10.255"},
                         {"enp3s0", 2, true, true, "192.168.20.4", "192.168.20.255"},
                         {"wlp2s0", 3, true, true, "10.0.0.7", "10.0.0.255"},
                         {"tun0", 5, true, false, "10.8.0.2", ""}},
                        "10.8.0.2"};
}

using Sent = CFakeNetwork::CSent;

class BroadcastSearchTest : public SearchDlgTest {
protected:
    BroadcastSearchTest() { network.view = Laptop(); }

    std::string EmptyText(CSearchDlg& dialog) { return List(dialog).GetEmptyText(); }

    CFakeNetwork network{appliances.Target()};
};

TEST_F(BroadcastSearchTest, EveryInterfaceGetsTheRequestOnceAndAFailureStopsNoOther) {
    network.failing = {3};
    appliances.Answer({BuildReply(Appliance(1))});
    CSearchDlg dialog(network.Target());
    Show(dialog, [&](CSearchDlg& shown) {
        ClickButton(shown, IDC_SEARCH);
        // A reply for each request that went out, one row for the appliance.
        EXPECT_EQ(Names(shown), Strings{"Velmora42-1"});
        EXPECT_EQ(EmptyText(shown), "");
    });
    // The Wi-Fi's subnet broadcast is tried, and fails as well.
    EXPECT_EQ(network.Sent(), (std::vector<Sent>{{2, "192.168.10.4", kLimitedBroadcast},
                                                 {3, "10.0.0.7", kLimitedBroadcast},
                                                 {3, "10.0.0.7", "10.0.0.255"},
                                                 {5, "10.8.0.2", kLimitedBroadcast}}));
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(BroadcastSearchTest, WhereTheLimitedBroadcastIsRefusedTheSubnetsOwnGoesOut) {
    network.refusingLimited = {2};
    CSearchDlg dialog(network.Target());
    Show(dialog, [&](CSearchDlg& shown) {
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(EmptyText(shown),
                  "No appliance answered on enp3s0 192.168.10.4 (to 192.168.10.255), wlp2s0 "
                  "10.0.0.7, tun0 10.8.0.2");
    });
    EXPECT_EQ(network.Sent(), (std::vector<Sent>{{2, "192.168.10.4", kLimitedBroadcast},
                                                 {2, "192.168.10.4", "192.168.10.255"},
                                                 {3, "10.0.0.7", kLimitedBroadcast},
                                                 {5, "10.8.0.2", kLimitedBroadcast}}));
    EXPECT_EQ(appliances.Requests(), 3);
}

struct FailureCase {
    const char* what;
    CNetworkView view;
    std::set<unsigned> failing;
    std::string hint;
    Strings messageBoxes;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.what;
}

class BroadcastFailureTest : public BroadcastSearchTest,
                             public ::testing::WithParamInterface<FailureCase> {};

// The Part's one message only when no request went out at all; the empty list says why.
TEST_P(BroadcastFailureTest, TheEmptyListSaysWhereTheSearchLooked) {
    const FailureCase& c = GetParam();
    network.view = c.view;
    network.failing = c.failing;
    CSearchDlg dialog(network.Target());
    Show(dialog, [&](CSearchDlg& shown) {
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(EmptyText(shown), c.hint);
        EXPECT_EQ(List(shown).GetItemCount(), 0);
    });
    EXPECT_EQ(backend.MessageBoxes(), c.messageBoxes) << c.what;
}

const char* const kSearchError = "Search Error. Check Velmora42 and Try again";

INSTANTIATE_TEST_SUITE_P(
    Cases, BroadcastFailureTest,
    ::testing::Values(
        FailureCase{"nobody answers",
                    Laptop(),
                    {},
                    "No appliance answered on enp3s0 192.168.10.4, wlp2s0 10.0.0.7, tun0 10.8.0.2",
                    {}},
        FailureCase{"the Wi-Fi refuses it",
                    Laptop(),
                    {3},
                    "No appliance answered on enp3s0 192.168.10.4, tun0 10.8.0.2\n"
                    "Could not send on wlp2s0 10.0.0.7",
                    {}},
        FailureCase{"every interface refuses it",
                    Laptop(),
                    {2, 3, 5},
                    "Could not send on enp3s0 192.168.10.4, wlp2s0 10.0.0.7, tun0 10.8.0.2",
                    {kSearchError}},
        FailureCase{"no interface up and no route",
                    CNetworkView{{{"lo", 1, true, false, "127.0.0.1", ""}}, ""},
                    {},
                    "This machine has no network interface to search on (none is up with an "
                    "IPv4 address)",
                    {kSearchError}}));

// m1, whose broadcast address the system reports though it has no real one, and refuses the
// limited broadcast.
CInterfaceAddress M1(bool pointToPoint, int prefixLength) {
    return {"m1",         7,
            true,         true,
            "10.50.0.11", pointToPoint ? "10.50.0.12" : "10.50.0.11",
            pointToPoint, prefixLength};
}

// `count` bridges, each on a LAN of its own, and m1.
std::vector<CInterfaceAddress> Bridges(int count) {
    std::vector<CInterfaceAddress> bridges;
    for (int i = 0; i < count; ++i) {
        const std::string subnet = "10.60." + std::to_string(i) + ".";
        bridges.push_back({"br" + std::to_string(i), static_cast<unsigned>(100 + i), true, true,
                           subnet + "1", subnet + "255"});
    }
    bridges.push_back(M1(false, 0));
    return bridges;
}

// The hint of a search on Bridges(count), naming the first `named` of them.
std::string BridgesHint(int count, int named) {
    std::string text = "No appliance answered on br0 10.60.0.1";
    for (int i = 1; i < named; ++i)
        text += ", br" + std::to_string(i) + " 10.60." + std::to_string(i) + ".1";
    if (named < count)
        text += " and " + std::to_string(count - named) + " more";
    return text + "\nCould not send on m1 10.50.0.11";
}

// Two searches a second apart: `answers` come to every request, the `late` ones that long
// after the first. `hint` is what the empty list shows, `description` what it tells
// assistive tools.
struct SearchCase {
    const char* what;
    std::vector<CInterfaceAddress> interfaces;
    std::string hint;
    std::string description = hint;
    Strings rows = {};
    std::vector<Bytes> answers = {};
    std::vector<std::pair<std::uint64_t, Bytes>> late = {};
};

void PrintTo(const SearchCase& c, std::ostream* out) {
    *out << c.what;
}

class SearchCaseTest : public BroadcastSearchTest,
                       public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchCaseTest, ListsEachApplianceOnceFromTheWindowAndSaysWhereItSearched) {
    const SearchCase& c = GetParam();
    network.view = CNetworkView{c.interfaces, ""};
    network.refusingLimited = {7};
    appliances.Answer(c.answers);
    std::uint64_t requested = 0;
    std::size_t lateSent = 0;
    backend.OnRepaint([&] {
        appliances.Serve();
        for (; lateSent < c.late.size() &&
               backend.GetTickCount() - requested >= c.late[lateSent].first;
             ++lateSent)
            appliances.SendToRequester(c.late[lateSent].second);
    });
    CSearchDlg dialog(network.Target());
    Show(dialog, [&](CSearchDlg& shown) {
        requested = backend.GetTickCount();
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(Names(shown), c.rows);
        EXPECT_EQ(EmptyText(shown), c.hint);
        EXPECT_EQ(List(shown).GetEmptyDescription(), c.description);
        backend.WaitWithoutInput(1000);
        ClickButton(shown, IDC_SEARCH); // the answers only, nothing left from the first
        EXPECT_EQ(Names(shown), c.answers.empty() ? Strings{} : c.rows);
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

const CInterfaceAddress kWired = Laptop().addresses[1];
const char* const kWiredAndM1 =
    "No appliance answered on enp3s0 192.168.10.4\nCould not send on m1 10.50.0.11";
const char* const kWiredOnly = "No appliance answered on enp3s0 192.168.10.4";

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchCaseTest,
    ::testing::Values(
        SearchCase{"wired and Wi-Fi on one LAN",
                   {kWired, Laptop().addresses[3]},
                   "",
                   "",
                   {"Velmora42-2", "Velmora42-1"},
                   {BuildReply(Appliance(1)), BuildReply(Appliance(2))}},
        SearchCase{"a reply at 1.5 s after one at 0.9 s",
                   {kWired},
                   "",
                   "",
                   {"Velmora42-1"},
                   {},
                   {{900, BuildReply(Appliance(1))}, {1500, BuildReply(Appliance(2))}}},
        SearchCase{"a reply at 1.1 s",
                   {kWired},
                   kWiredOnly,
                   kWiredOnly,
                   {},
                   {},
                   {{1100, BuildReply(Appliance(1))}}},
        SearchCase{"point-to-point", {kWired, M1(true, 0)}, kWiredAndM1},
        SearchCase{"/32", {kWired, M1(false, 32)}, kWiredAndM1},
        SearchCase{"no broadcast address set", {kWired, M1(false, 24)}, kWiredAndM1},
        SearchCase{"17 bridges", Bridges(17), BridgesHint(17, 15), BridgesHint(17, 17)},
        SearchCase{"300 bridges", Bridges(300), BridgesHint(300, 15), BridgesHint(300, 300)}));

TEST_F(BroadcastSearchTest, EverySearchReadsTheInterfacesAnewAndARowEndsTheHint) {
    network.view = CNetworkView{{Laptop().addresses[3]}, ""};
    CSearchDlg dialog(network.Target());
    Show(dialog, [&](CSearchDlg& shown) {
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(EmptyText(shown), "No appliance answered on wlp2s0 10.0.0.7");
        // A cable plugged in while the dialog is open, and an appliance on its LAN.
        network.view.addresses.push_back(Laptop().addresses[1]);
        appliances.Answer({BuildReply(Appliance(1))});
        ClickButton(shown, IDC_SEARCH);
        EXPECT_EQ(List(shown).GetItemCount(), 1);
        EXPECT_EQ(EmptyText(shown), "");
    });
    ASSERT_EQ(network.Sent().size(), 3u);
    EXPECT_EQ(network.Sent()[2], (Sent{2, "192.168.10.4", kLimitedBroadcast}));
}

} // namespace
