#include <gtest/gtest.h>

#include "../pages/ApplianceFixtures.h"
#include "modes/AddServerDlg.h"
#include "modes/ClientModeDlg.h"
#include "modes/ClientSettingDlg.h"
#include "modes/ModePage.h"
#include "modes/ModifyServerDlg.h"
#include "ui/ButtonCtrl.h"
#include "ui/IpAddressCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;
using Row = std::vector<std::string>;

constexpr const char* kListing = "0||00:0B:CE:01:02:03|192.168.0.20:9200\r\n"
                                 "1|Printer||192.168.0.21:9201\r\n"
                                 "+OK 192.168.0.10:9200\r\n";

std::vector<Row> Table(const CClientModeDlg& dialog) {
    std::vector<Row> rows;
    for (const auto& row : dialog.ServerTable().Rows())
        rows.push_back(row.texts);
    return rows;
}

void TypeAddress(CDialog& dialog, int id, CDottedAddress address) {
    for (int i = 0; i < 4; ++i)
        dialog.Item<CIpAddressCtrl>(id).SetFieldByUser(i, address[static_cast<size_t>(i)]);
}

CDottedAddress ShownAddress(const CDialog& dialog, int id) {
    const auto& control = dialog.Item<CIpAddressCtrl>(id);
    return {control.GetField(0), control.GetField(1), control.GetField(2), control.GetField(3)};
}

class ClientModeTest : public CScriptedApplianceTest {
protected:
    ClientModeTest() {
        replies["Mode\r\n"] = "+OK Client Mode\r\n";
        replies["Serv\r\n"] = kListing;
        replies["Rept\r\n"] = "+OK REPEAT every 2500 ms\r\n";
        replies["Psist\r\n"] = "+OK PERSIST on\r\n";
    }

    // Opens the page's Client Mode dialog as Advanced Configuration does, runs `script` on it
    // and closes it with its Cancel button unless the script ended it.
    void OpenClientMode(CManagerDlg& dlg, const std::function<void(CClientModeDlg&)>& script) {
        backend.OnNextModal(IDD_CLIENT_MODE, [&](CDialog& dialog) {
            opening = TakeSent();
            script(static_cast<CClientModeDlg&>(dialog));
            if (!dialog.IsEnded())
                ClickButton(dialog, IDC_CLIENT_CANCEL);
        });
        TakeSent();
        ClickButton(dlg.m_tabCtrl.ModePage(), IDC_ADVANCED_CONFIGURATION);
    }

    // What the last opening sent.
    Lines opening;
};

TEST_F(ClientModeTest, OpeningReadsTheTableUpToTheHostLineAndTheFixedPositions) {
    replies["Serv\r\n"] = std::string(kListing) + "2|Late||1.1.1.1:1\r\n";
    replies["Psist\r\n"] = "+OK PERSIST ON\r\n";
    Run([&](CManagerDlg& dlg) {
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            EXPECT_EQ(Table(client),
                      (std::vector<Row>{{"0", "00:0B:CE:01:02:03", "192.168.0.20:9200"},
                                        {"1", "Printer", "192.168.0.21:9201"}}));
            EXPECT_EQ(client.m_nServerCount, 2);
            EXPECT_EQ(ShownAddress(client, IDC_CLIENT_HOST_IP), (CDottedAddress{192, 168, 0, 10}));
            EXPECT_EQ(client.GetDlgItemText(IDC_CLIENT_HOST_PORT), "9200");
            EXPECT_EQ(client.GetDlgItemText(IDC_CLIENT_INTERVAL), "2500");
            // Only exactly "on" sets the switch.
            EXPECT_EQ(client.Item<CButtonCtrl>(IDC_CLIENT_RECONNECT).GetCheck(), 0);
            const auto& columns = client.ServerTable().Columns();
            ASSERT_EQ(columns.size(), 3u);
            EXPECT_EQ(columns[0].header, "  Index");
            EXPECT_EQ(columns[0].width, 0);
            EXPECT_EQ(columns[2].header, "                IP:Port ");
            EXPECT_EQ(opening, (Lines{"Serv\r\n", "Rept\r\n", "Psist\r\n"}));
        });
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(ClientModeTest, FailedReadsStopAndRefreshPutsBackWhatWasLastRead) {
    replies["Serv\r\n"] = "0||00:0B:CE:01:02:03|192.168.0.20:9200\r\n+OK 192.168.0.10:92";
    replies["Rept\r\n"] = "-ERR\r\n";
    Run([&](CManagerDlg& dlg) {
        TakeSent();
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            EXPECT_EQ(TakeMessageBoxes(),
                      (Lines{" Get Server Devices is imperfect. Try again",
                             "Get Connection interval time is Failed. Try again"}));
            EXPECT_EQ(client.ServerTable().GetItemCount(), 1);
            EXPECT_EQ(client.GetDlgItemText(IDC_CLIENT_INTERVAL), "3000");
            // Nothing was read successfully yet: Refresh empties the texts.
            TypeText(client, IDC_CLIENT_INTERVAL, "9");
            ClickButton(client, IDC_CLIENT_REFRESH);
            EXPECT_EQ(client.GetDlgItemText(IDC_CLIENT_INTERVAL), "");
            EXPECT_EQ(client.GetDlgItemText(IDC_CLIENT_HOST_PORT), "");
        });
        EXPECT_EQ(opening, (Lines{"Serv\r\n", "Rept\r\n"})); // no "Psist" after a failure

        replies["Serv\r\n"] = kListing;
        replies["Rept\r\n"] = "+OK REPEAT every 2500 ms\r\n";
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            TypeText(client, IDC_CLIENT_HOST_PORT, "1");
            TypeText(client, IDC_CLIENT_INTERVAL, "9");
            TypeAddress(client, IDC_CLIENT_HOST_IP, {1, 2, 3, 4});
            ClickButton(client, IDC_CLIENT_RECONNECT);
            ClickButton(client, IDC_CLIENT_REFRESH);
            EXPECT_EQ(client.GetDlgItemText(IDC_CLIENT_HOST_PORT), "9200");
            EXPECT_EQ(client.GetDlgItemText(IDC_CLIENT_INTERVAL), "2500");
            EXPECT_EQ(ShownAddress(client, IDC_CLIENT_HOST_IP), (CDottedAddress{192, 168, 0, 10}));
            EXPECT_EQ(client.Item<CButtonCtrl>(IDC_CLIENT_RECONNECT).GetCheck(), 1);
            EXPECT_EQ(TakeSent(), Lines{});
        });

        replies["Serv\r\n"] = "-ERR\r\n";
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            EXPECT_EQ(client.ServerTable().GetItemCount(), 0);
        });
    });
    EXPECT_EQ(TakeMessageBoxes(), Lines{"Get Server host address is Failed. Try again"});
}

TEST_F(ClientModeTest, ApplyNeedsEveryFieldAndTheExactEchoes) {
    replies["Rept 3000\r\n"] = "+OK REPEAT every 3000ms\r\n";
    Run([&](CManagerDlg& dlg) {
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            TypeText(client, IDC_CLIENT_INTERVAL, "");
            ClickButton(client, IDC_CLIENT_APPLY);
            client.Item<CIpAddressCtrl>(IDC_CLIENT_HOST_IP).SetFieldByUser(3, -1);
            ClickButton(client, IDC_CLIENT_APPLY);
            TypeText(client, IDC_CLIENT_HOST_PORT, "");
            ClickButton(client, IDC_CLIENT_APPLY);
            EXPECT_EQ(TakeMessageBoxes(),
                      (Lines{"Fill the Connection interval time", "Fill the HOST IP Address",
                             "Fill the HOST IP Address and HOST Port Number"}));
            EXPECT_EQ(TakeSent(), Lines{});

            TypeAddress(client, IDC_CLIENT_HOST_IP, {10, 0, 0, 7});
            TypeText(client, IDC_CLIENT_HOST_PORT, "4000");
            TypeText(client, IDC_CLIENT_INTERVAL, "3000");
            ClickButton(client, IDC_CLIENT_APPLY);
            EXPECT_EQ(TakeMessageBoxes(), Lines{"Connection interval time Setup Fail. Try again"});
            EXPECT_EQ(TakeSent(), (Lines{"Serv 10.0.0.7:4000\r\n", "Rept 3000\r\n"}));
            EXPECT_FALSE(client.IsEnded());

            replies["Rept 3000\r\n"] = "+OK REPEAT every 3000 ms\r\n";
            replies["Psist off\r\n"] = "+OK PERSIST off\r\n";
            ClickButton(client, IDC_CLIENT_RECONNECT);
            ClickButton(client, IDC_CLIENT_APPLY);
            EXPECT_EQ(TakeSent(),
                      (Lines{"Serv 10.0.0.7:4000\r\n", "Rept 3000\r\n", "Psist off\r\n"}));
            EXPECT_TRUE(client.IsEnded());
        });
    });
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(ClientModeTest, AddChecksEveryRowAndStartsByAddressWithNoRadioShown) {
    Run([&](CManagerDlg& dlg) {
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            backend.OnNextModal(IDD_ADD_SERVER, [&](CDialog& add) {
                EXPECT_EQ(add.Item<CButtonCtrl>(IDC_ADD_SERVER_BY_BDADDR).GetCheck(), 0);
                EXPECT_EQ(add.Item<CButtonCtrl>(IDC_ADD_SERVER_BY_NAME).GetCheck(), 0);
                EXPECT_FALSE(add.GetDlgItem(IDC_ADD_SERVER_NAME)->IsWindowEnabled());
                ClickButton(add, IDOK);
                TypeAddress(add, IDC_ADD_SERVER_IP, {192, 168, 0, 21});
                TypeText(add, IDC_ADD_SERVER_PORT, "9201");
                TypeChars(add, IDC_ADD_SERVER_BDADDR, "00112233445");
                ClickButton(add, IDOK);
                TypeText(add, IDC_ADD_SERVER_BDADDR, "001122334455");
                ClickButton(add, IDOK);
                // The same port at another address is another server.
                TypeAddress(add, IDC_ADD_SERVER_IP, {192, 168, 0, 22});
                ClickButton(add, IDOK);
            });
            ClickButton(client, IDC_CLIENT_ADD);
            EXPECT_EQ(TakeMessageBoxes(),
                      (Lines{"Fill the Server IP Address and Server Port Number",
                             "Fill the Bdaddr completely",
                             "Same Server Port Number is exist. Try again."}));
            EXPECT_EQ(TakeSent(), Lines{"Serv 192.168.0.22:9201 00:11:22:33:44:55\r\n"});

            // A row added since the opening counts for the next one.
            backend.OnNextModal(IDD_ADD_SERVER, [&](CDialog& add) {
                ClickButton(add, IDC_ADD_SERVER_BY_NAME);
                TypeAddress(add, IDC_ADD_SERVER_IP, {10, 0, 0, 1});
                TypeText(add, IDC_ADD_SERVER_PORT, "1");
                ClickButton(add, IDOK);
                TypeText(add, IDC_ADD_SERVER_NAME, "Printer");
                ClickButton(add, IDOK);
                ClickButton(add, IDC_ADD_SERVER_BY_BDADDR);
                TypeText(add, IDC_ADD_SERVER_BDADDR, "00:11:22:33:44:55");
                ClickButton(add, IDOK);
                replies["Serv 10.0.0.1:1 Scale\r\n"] = "-ERR Server table full\r\n";
                ClickButton(add, IDC_ADD_SERVER_BY_NAME);
                TypeText(add, IDC_ADD_SERVER_NAME, "Scale");
                ClickButton(add, IDOK);
                ClickButton(add, IDCANCEL);
            });
            ClickButton(client, IDC_CLIENT_ADD);
            EXPECT_EQ(TakeMessageBoxes(),
                      (Lines{"Fill the Name", "Same Name is exist. Try again.",
                             "Same BDADDR is exist. Try again.", "Add Server Fail. Try again"}));
            EXPECT_EQ(Table(client).size(), 3u);
            EXPECT_EQ(Table(client)[2], (Row{"2", "00:11:22:33:44:55", "192.168.0.22:9201"}));
        });
    });
}

TEST_F(ClientModeTest, DeleteSendsTheNameAndActsOnlyOnAReportedRow) {
    replies["DelServ Printer\r\n"] = "-ERR No such server\r\n";
    Run([&](CManagerDlg& dlg) {
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            ClickButton(client, IDC_CLIENT_DELETE);
            ClickButton(client, IDC_CLIENT_MODIFY);
            EXPECT_EQ(TakeSent(), Lines{});
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 1);
            ClickButton(client, IDC_CLIENT_DELETE);
            EXPECT_EQ(TakeSent(), Lines{"DelServ Printer\r\n"});
            EXPECT_EQ(TakeMessageBoxes(), Lines{"Server Deleting is Failed. Try again"});
            EXPECT_EQ(Table(client).size(), 1u); // gone whatever the reply
            // No row is reported any more: the one left is not deleted in its place.
            ClickButton(client, IDC_CLIENT_DELETE);
            EXPECT_EQ(TakeSent(), Lines{});
        });
    });
}

TEST_F(ClientModeTest, ALineWithoutBarsShowsAsTheNameAndDeleteSendsIt) {
    replies["Serv\r\n"] = "No servers\r\n+OK 192.168.0.10:9200\r\n";
    Run([&](CManagerDlg& dlg) {
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            EXPECT_EQ(Table(client), (std::vector<Row>{{"", "No servers", ""}}));
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 0);
            ClickButton(client, IDC_CLIENT_DELETE);
            EXPECT_EQ(TakeSent(), Lines{"DelServ No servers\r\n"});
        });
    });
}

// A server listed without a name can be neither deleted nor replaced by its name.
TEST_F(ClientModeTest, ARowWithoutANameSendsNoCommandWithoutIt) {
    replies["Serv\r\n"] = "0|||10.0.0.1:1\r\n1|||10.0.0.2:2\r\n+OK 192.168.0.10:9200\r\n";
    Run([&](CManagerDlg& dlg) {
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            TakeSent();
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 1);
            backend.OnNextModal(IDD_MODIFY_SERVER, [&](CDialog& modify) {
                TypeText(modify, IDC_MODIFY_SERVER_NAME, "Printer");
                ClickButton(modify, IDOK);
                ClickButton(modify, IDCANCEL);
            });
            ClickButton(client, IDC_CLIENT_MODIFY);
            ClickButton(client, IDC_CLIENT_DELETE);
            EXPECT_EQ(TakeSent(), Lines{});
            EXPECT_EQ(Table(client).size(), 1u);
        });
    });
    EXPECT_EQ(TakeMessageBoxes(), Lines{"Fill the registered Bdaddr"});
}

TEST_F(ClientModeTest, DeleteTakesTheRowClickedLastAndAHighlightedRowCanBeClickedAgain) {
    replies["Serv\r\n"] =
        "0|A||10.0.0.1:1\r\n1|B||10.0.0.2:2\r\n2|C||10.0.0.3:3\r\n+OK 192.168.0.10:9200\r\n";
    Run([&](CManagerDlg& dlg) {
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            auto& table = client.Item<CListViewCtrl>(IDC_CLIENT_SERVER_LIST);
            // A plain click leaves the row it picks alone selected, also one picked before.
            for (const int row : {0, 1, 0})
                SelectRow(client, IDC_CLIENT_SERVER_LIST, row);
            EXPECT_EQ(table.GetSelectedItem(), 0);
            ClickButton(client, IDC_CLIENT_DELETE);
            EXPECT_EQ(TakeSent(), Lines{"DelServ A\r\n"});
            // B, and C added with Ctrl; C goes, and B, still highlighted, is clicked again.
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 0);
            table.ClickByUser(1, CPoint{10, 30}, SelectMode::Toggle);
            ClickButton(client, IDC_CLIENT_DELETE);
            EXPECT_EQ(TakeSent(), Lines{"DelServ C\r\n"});
            ASSERT_TRUE(table.Rows()[0].selected);
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 0);
            ClickButton(client, IDC_CLIENT_DELETE);
            EXPECT_EQ(TakeSent(), Lines{"DelServ B\r\n"});
            EXPECT_EQ(table.GetItemCount(), 0);
        });
    });
}

TEST_F(ClientModeTest, ModifyKeepsItsOwnValuesAndRestoresARefusedEntry) {
    Run([&](CManagerDlg& dlg) {
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 1);
            backend.OnNextModal(IDD_MODIFY_SERVER, [&](CDialog& modify) {
                EXPECT_EQ(modify.GetDlgItemText(IDC_MODIFY_SERVER_NAME), "Printer");
                EXPECT_EQ(ShownAddress(modify, IDC_MODIFY_SERVER_IP),
                          (CDottedAddress{192, 168, 0, 21}));
                TypeText(modify, IDC_MODIFY_SERVER_NAME, "00:0B:CE:01:02:03");
                ClickButton(modify, IDOK);
                TypeText(modify, IDC_MODIFY_SERVER_NAME, "Printer");
                TypeAddress(modify, IDC_MODIFY_SERVER_IP, {192, 168, 0, 20});
                TypeText(modify, IDC_MODIFY_SERVER_PORT, "9200");
                ClickButton(modify, IDOK);
                EXPECT_EQ(TakeSent(), Lines{});
                // Its own values are no duplicate; the new ones are refused, the old come back.
                TypeText(modify, IDC_MODIFY_SERVER_PORT, "9201");
                TypeAddress(modify, IDC_MODIFY_SERVER_IP, {192, 168, 0, 21});
                TypeText(modify, IDC_MODIFY_SERVER_NAME, "Printer 2");
                replies["Serv 192.168.0.21:9201 Printer 2\r\n"] = "-ERR Invalid device\r\n";
                ClickButton(modify, IDOK);
                EXPECT_EQ(TakeSent(),
                          (Lines{"DelServ Printer\r\n", "Serv 192.168.0.21:9201 Printer 2\r\n",
                                 "Serv 192.168.0.21:9201 Printer\r\n"}));
                EXPECT_FALSE(modify.IsEnded());
                // The restore refused too: the entry is gone, and so is the row.
                replies["Serv 192.168.0.21:9201 Printer\r\n"] = "-ERR Server table full\r\n";
                ClickButton(modify, IDOK);
                EXPECT_TRUE(modify.IsEnded());
            });
            ClickButton(client, IDC_CLIENT_MODIFY);
            EXPECT_EQ(TakeMessageBoxes(), (Lines{"Same BDADDR/Name is exist. Try again.",
                                                 "Same Port Number is exist. Try again.",
                                                 "Server modification is Failed. Try again",
                                                 "Server modification is Failed. Try again"}));
            EXPECT_EQ(Table(client),
                      (std::vector<Row>{{"0", "00:0B:CE:01:02:03", "192.168.0.20:9200"}}));
            const size_t modals = backend.ModalHistory().size();
            ClickButton(client, IDC_CLIENT_MODIFY); // no row reported any more
            EXPECT_EQ(backend.ModalHistory().size(), modals);
        });
    });
}

TEST_F(ClientModeTest, ARestoreThatTimesOutCountsAsLost) {
    replies["Serv 192.168.0.21:9201 Printer 2\r\n"] = "-ERR Invalid device\r\n";
    replies["Serv 192.168.0.21:9201 Printer\r\n"] = "";
    Run([&](CManagerDlg& dlg) {
        OpenClientMode(dlg, [&](CClientModeDlg& client) {
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 1);
            backend.OnNextModal(IDD_MODIFY_SERVER, [&](CDialog& modify) {
                TypeText(modify, IDC_MODIFY_SERVER_NAME, "Printer 2");
                ClickButton(modify, IDOK);
                EXPECT_TRUE(modify.IsEnded());
            });
            ClickButton(client, IDC_CLIENT_MODIFY);
            EXPECT_EQ(TakeMessageBoxes(),
                      Lines{"Server modification is timeout. Check Velmora42 and Try again."});
            EXPECT_EQ(Table(client).size(), 1u);
        });
        backend.Pump();
    });
    EXPECT_EQ(SearchRuns(), 2);
}

TEST_F(ClientModeTest, ClientSettingReadsOnToTheLastHostLineAndConfirmsTheSwitch) {
    replies["Mode\r\n"] = "+OK Server Mode\r\n";
    replies["Serv\r\n"] = std::string(kListing) + "2|Late||1.1.1.1:1\r\n+OK 10.0.0.9:40001\r\n";
    Run([&](CManagerDlg& dlg) {
        CModePage& page = dlg.m_tabCtrl.ModePage();
        backend.OnNextModal(IDD_CLIENT_SETTING, [&](CDialog& setting) {
            EXPECT_EQ(ShownAddress(setting, IDC_CLIENT_SETTING_HOST_IP),
                      (CDottedAddress{10, 0, 0, 9}));
            EXPECT_EQ(setting.GetDlgItemText(IDC_CLIENT_SETTING_HOST_PORT), "40001");
            TakeSent();
            replies["Serv 10.0.0.9:40001\r\n"] = "-ERR\r\n";
            ClickButton(setting, IDOK);
            EXPECT_EQ(TakeMessageBoxes(), Lines{"Client Mode Setup Fail. Try again"});
            EXPECT_EQ(TakeSent(), Lines{"Serv 10.0.0.9:40001\r\n"}); // no switch yet
            replies["Serv 10.0.0.9:40001\r\n"] = "+OK\r\n";
            ClickButton(setting, IDOK);
        });
        ClickButton(page, IDC_CLIENT_MODE);
        ClickButton(page, IDC_MODE_APPLY);
        EXPECT_EQ(TakeSent(), (Lines{"Serv 10.0.0.9:40001\r\n", "mode client\r\n"}));
        EXPECT_EQ(page.m_strMode, "Client");

        replies["Serv\r\n"] = "-ERR\r\n";
        backend.OnNextModal(IDD_CLIENT_SETTING,
                            [&](CDialog& setting) { ClickButton(setting, IDCANCEL); });
        ClickButton(page, IDC_SERVER_MODE);
        ClickButton(page, IDC_MODE_APPLY);
        ClickButton(page, IDC_CLIENT_MODE);
        ClickButton(page, IDC_MODE_APPLY);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Input IP Address and Port Number."});
    });
}

class ClientModeOnSimulatorTest : public CSimulatedApplianceTest {};

TEST_F(ClientModeOnSimulatorTest, ServersAddedModifiedAndDeletedShowAfterReopening) {
    simulator.updateState(
        0, [](sim::ApplianceState& state) { state.mode = sim::OperationMode::Client; });
    Run([&](CManagerDlg& dlg) {
        backend.OnNextModal(IDD_CLIENT_MODE, [&](CDialog& dialog) {
            auto& client = static_cast<CClientModeDlg&>(dialog);
            EXPECT_EQ(Table(client).size(), 2u);
            backend.OnNextModal(IDD_ADD_SERVER, [&](CDialog& add) {
                ClickButton(add, IDC_ADD_SERVER_BY_NAME);
                TypeText(add, IDC_ADD_SERVER_NAME, "Scale");
                TypeAddress(add, IDC_ADD_SERVER_IP, {10, 1, 2, 4});
                TypeText(add, IDC_ADD_SERVER_PORT, "4001");
                ClickButton(add, IDOK);
            });
            ClickButton(client, IDC_CLIENT_ADD);
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 2);
            backend.OnNextModal(IDD_MODIFY_SERVER, [&](CDialog& modify) {
                TypeText(modify, IDC_MODIFY_SERVER_PORT, "4002");
                ClickButton(modify, IDOK);
            });
            ClickButton(client, IDC_CLIENT_MODIFY);
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 0);
            ClickButton(client, IDC_CLIENT_DELETE);
            TypeText(client, IDC_CLIENT_INTERVAL, "5000");
            ClickButton(client, IDC_CLIENT_RECONNECT);
            ClickButton(client, IDC_CLIENT_APPLY);
            EXPECT_TRUE(client.IsEnded());
        });
        ClickButton(dlg.m_tabCtrl.ModePage(), IDC_ADVANCED_CONFIGURATION);
        backend.OnNextModal(IDD_CLIENT_MODE, [&](CDialog& dialog) {
            auto& client = static_cast<CClientModeDlg&>(dialog);
            EXPECT_EQ(Table(client), (std::vector<Row>{{"0", "Printer", "192.168.0.21:9201"},
                                                       {"1", "Scale", "10.1.2.4:4002"}}));
            EXPECT_EQ(client.GetDlgItemText(IDC_CLIENT_INTERVAL), "5000");
            EXPECT_EQ(client.Item<CButtonCtrl>(IDC_CLIENT_RECONNECT).GetCheck(), 0);
            ClickButton(client, IDC_CLIENT_CANCEL);
        });
        ClickButton(dlg.m_tabCtrl.ModePage(), IDC_ADVANCED_CONFIGURATION);
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
    EXPECT_EQ(simulator.state(0).repeatIntervalMs, "5000");
    EXPECT_FALSE(simulator.state(0).persist);
}

} // namespace
