#include <gtest/gtest.h>

#include "../pages/ApplianceFixtures.h"
#include "appliance/BindListing.h"
#include "modes/AddDeviceDlg.h"
#include "modes/ModifyDeviceDlg.h"
#include "modes/ServerModeDlg.h"
#include "ui/ButtonCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kTwoRows = "0||00:0B:CE:01:02:03|9101\r\n1|Sensor||9102\r\n+OK\r\n";

std::vector<Lines> Rows(const CListViewCtrl& list) {
    std::vector<Lines> rows;
    for (const auto& row : list.Rows())
        rows.push_back(row.texts);
    return rows;
}

TEST(BindListingTest, BothSeparatorOrdersACutListingAndTheEndLine) {
    CBindListing listing = ParseBindListing(kTwoRows);
    EXPECT_TRUE(listing.complete);
    ASSERT_EQ(listing.rows.size(), 2u);
    EXPECT_EQ(listing.rows[0].name, "00:0B:CE:01:02:03");
    EXPECT_EQ(listing.rows[1].index, "1");
    EXPECT_EQ(listing.rows[1].value, "9102");
    EXPECT_TRUE(ParseBindListing("+OK\r\n").rows.empty());
    EXPECT_TRUE(ParseBindListing("+OK\r\n").complete);
    listing = ParseBindListing("0||00:0B:CE:01:02:03|9101\r\n1|Sens");
    EXPECT_FALSE(listing.complete);
    EXPECT_EQ(listing.rows.size(), 1u);
    EXPECT_FALSE(ParseBindListing("+OK").complete);
    // A listing cut after a whole line ends there; nothing after the "+OK" line counts.
    EXPECT_TRUE(ParseBindListing("0|a||1\r\n").complete);
    EXPECT_EQ(ParseBindListing("junk\r\n+OK\r\n2|b||3\r\n").rows.size(), 1u);
}

class ServerModeDlgTest : public CScriptedApplianceTest {
protected:
    ServerModeDlgTest() {
        setenv("LC_ALL", "C", 1); // the address separator is ":"
        replies["help\r\n"] = "+OK PORT PRSV KATO BIND RELE MODE VER\r\n";
        replies["Port\r\n"] = "+OK PORT 09100\r\n";
        replies["prsv\r\n"] = "+OK PRSV on\r\n";
        replies["kato\r\n"] = "+OK KATO 45 10 3\r\n";
        replies["Bind\r\n"] = kTwoRows;
    }
    // Opens the dialog with `script` acting on it, the lines sent before it dropped.
    void Open(const CTestBackend::Script& script) {
        TakeSent();
        backend.OnNextModal(IDD_SERVER_MODE, script);
        dialog.DoModal();
    }
    static CListViewCtrl& Table(CDialog& d) { return d.Item<CListViewCtrl>(IDC_DEVICE_TABLE); }

    CServerModeDlg dialog;
};

TEST_F(ServerModeDlgTest, OpeningReadsAtTheirPositionsAndApplySendsTheThreeSettings) {
    Run([&](CManagerDlg&) {
        Open([&](CDialog& d) {
            EXPECT_EQ(TakeSent(), (Lines{"Port\r\n", "prsv\r\n", "kato\r\n", "Bind\r\n"}));
            EXPECT_EQ(d.GetDlgItemText(IDC_DATA_PORT), "9100");
            EXPECT_EQ(d.Item<CButtonCtrl>(IDC_NO_DISCONNECT).GetCheck(), 1);
            EXPECT_EQ(d.GetDlgItemText(IDC_KEEPALIVE), "45");
            const auto& columns = Table(d).Columns();
            ASSERT_EQ(columns.size(), 3u);
            EXPECT_EQ(columns[0].header, "  Index");
            EXPECT_EQ(columns[0].width, 0);
            EXPECT_EQ(columns[1].header, "          BDADDR/Name");
            EXPECT_EQ(columns[1].width, 195);
            EXPECT_EQ(columns[2].header, "       Port ");
            EXPECT_EQ(columns[2].width, 107);
            EXPECT_EQ(Rows(Table(d)), (std::vector<Lines>{{"0", "00:0B:CE:01:02:03", "9101"},
                                                          {"1", "Sensor", "9102"}}));
            EXPECT_EQ(d.GetDlgItem(IDOK), nullptr);
            EXPECT_EQ(d.GetDlgItem(IDCANCEL), nullptr);

            TypeText(d, IDC_DATA_PORT, "");
            ClickButton(d, IDC_NO_DISCONNECT);
            replies["prsv off\r\n"] = "-ERR\r\n";
            ClickButton(d, IDC_SERVER_APPLY);
            EXPECT_EQ(TakeSent(), (Lines{"Port \r\n", "prsv off\r\n", "kato 45 10 3\r\n"}));
            EXPECT_EQ(TakeMessageBoxes(), Lines{"Setting PRSV failed."});
            // A refused port stops Apply before the other two.
            replies["Port \r\n"] = "-ERR\r\n";
            ClickButton(d, IDC_SERVER_APPLY);
            EXPECT_EQ(TakeSent(), Lines{"Port \r\n"});
            EXPECT_EQ(TakeMessageBoxes(),
                      Lines{"Set Port Number is timeout. Check Velmora42 and Try again."});
            d.OnClose();
        });
        EXPECT_TRUE(TakeSent().empty()); // closing sends nothing
        backend.Pump();
    });
    EXPECT_EQ(SearchRuns(), 2); // the refused port asked for a new connection
}

TEST_F(ServerModeDlgTest, AStopShowsNothingReadBeforeItAndAFailedKeepAliveReadGoesOn) {
    Run([&](CManagerDlg&) {
        replies["prsv\r\n"] = "-ERR\r\n";
        Open([&](CDialog& d) {
            EXPECT_EQ(TakeMessageBoxes(),
                      Lines{"Get Port Number is timeout. Check Velmora42 and Try again."});
            EXPECT_EQ(TakeSent(), (Lines{"Port\r\n", "prsv\r\n", "Mode\r\n"}));
            EXPECT_EQ(dialog.m_strDataPort, "9100");
            EXPECT_EQ(d.GetDlgItemText(IDC_DATA_PORT), "");
            d.OnClose();
        });
        replies["prsv\r\n"] = "+OK PRSV off\r\n";
        replies["kato\r\n"] = "";
        replies["Bind\r\n"] = "-ERR\r\n";
        Open([&](CDialog& d) {
            EXPECT_EQ(TakeMessageBoxes(), (Lines{"Retrieving TCP KeepAlive setting failed.",
                                                 "Bind is Failed. Try again"}));
            EXPECT_EQ(dialog.m_strKeepAlive, "600");
            EXPECT_EQ(d.GetDlgItemText(IDC_DATA_PORT), "9100"); // shown by the step before
            EXPECT_EQ(d.GetDlgItemText(IDC_KEEPALIVE), "");
            d.OnClose();
        });
        replies["kato\r\n"] = "+OK KATO 77\r\n";
        replies["Bind\r\n"] = "0||00:0B:CE:01:02:03|9101\r\n1|Sens";
        Open([&](CDialog& d) {
            EXPECT_EQ(TakeMessageBoxes(), Lines{" Get Bind Devices is imperfect. Try again"});
            EXPECT_EQ(Table(d).GetItemCount(), 1);
            EXPECT_EQ(d.GetDlgItemText(IDC_KEEPALIVE), "77");
            EXPECT_EQ(d.Item<CButtonCtrl>(IDC_NO_DISCONNECT).GetCheck(), 0);
            d.OnClose();
        });
        backend.Pump();
    });
    EXPECT_EQ(SearchRuns(), 2);
}

TEST_F(ServerModeDlgTest, WithoutPrsvAndKatoTheirControlsAreOffAndApplySendsOnlyThePort) {
    replies["help\r\n"] = "+OK PORT BIND RELE MODE VER\r\n";
    Run([&](CManagerDlg&) {
        Open([&](CDialog& d) {
            EXPECT_FALSE(d.GetDlgItem(IDC_NO_DISCONNECT)->IsWindowEnabled());
            EXPECT_FALSE(d.GetDlgItem(IDC_KEEPALIVE)->IsWindowEnabled());
            ClickButton(d, IDC_SERVER_APPLY);
            EXPECT_EQ(TakeSent(), (Lines{"Port\r\n", "Bind\r\n", "Port 9100\r\n"}));
            d.OnClose();
        });
    });
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(ServerModeDlgTest, AddChecksEveryRowAndSendsTheAddressAsShown) {
    Run([&](CManagerDlg&) {
        Open([&](CDialog& d) {
            TakeSent();
            backend.OnNextModal(IDD_ADD_DEVICE, [&](CDialog& add) {
                ClickButton(add, IDOK); // no radio clicked yet: the address checks run
                EXPECT_EQ(TakeMessageBoxes(), Lines{"Fill the Bdaddr completely"});
                ClickButton(add, IDC_ADD_BY_NAME);
                TypeText(add, IDC_ADD_NAME, "Probe");
                TypeText(add, IDC_ADD_PORT, "9103");
                ClickButton(add, IDOK);
            });
            ClickButton(d, IDC_DEVICE_ADD);
            EXPECT_EQ(TakeSent(), Lines{"Bind Probe 9103\r\n"});
            backend.OnNextModal(IDD_ADD_DEVICE, [&](CDialog& add) {
                ClickButton(add, IDC_ADD_BY_BDADDR);
                TypeChars(add, IDC_ADD_BDADDR, "00a1b2c3d4e5");
                TypeText(add, IDC_ADD_PORT, "9103"); // the row added since opening
                ClickButton(add, IDOK);
                EXPECT_EQ(TakeMessageBoxes(), Lines{"Same Port Number is exist. Try again."});
                TypeText(add, IDC_ADD_PORT, "9104");
                replies["Bind 00:a1:b2:c3:d4:e5 9104\r\n"] = "-ERR\r\n";
                ClickButton(add, IDOK);
                EXPECT_EQ(TakeMessageBoxes(), Lines{"Add Device Fail. Try again"});
                replies["Bind 00:a1:b2:c3:d4:e5 9104\r\n"] = "+OK\r\n";
                ClickButton(add, IDOK);
            });
            ClickButton(d, IDC_DEVICE_ADD);
            EXPECT_EQ(TakeSent(), (Lines{"Bind 00:a1:b2:c3:d4:e5 9104\r\n",
                                         "Bind 00:a1:b2:c3:d4:e5 9104\r\n"}));
            EXPECT_EQ(Rows(Table(d))[3], (Lines{"3", "00:a1:b2:c3:d4:e5", "9104"}));
            d.OnClose();
        });
    });
}

TEST_F(ServerModeDlgTest, DeleteActsOnlyOnAReportedRowAndRemovesItWhateverTheReply) {
    Run([&](CManagerDlg&) {
        Open([&](CDialog& d) {
            TakeSent();
            ClickButton(d, IDC_DEVICE_DELETE);
            ClickButton(d, IDC_DEVICE_MODIFY);
            EXPECT_TRUE(TakeSent().empty());
            SelectRow(d, IDC_DEVICE_TABLE, 1);
            replies["Rele 9102\r\n"] = "-ERR\r\n";
            ClickButton(d, IDC_DEVICE_DELETE);
            EXPECT_EQ(TakeSent(), Lines{"Rele 9102\r\n"});
            EXPECT_EQ(TakeMessageBoxes(), Lines{"Device Deleting is Failed. Try again"});
            EXPECT_EQ(Table(d).GetItemCount(), 1);
            ClickButton(d, IDC_DEVICE_DELETE); // the reported row is gone
            EXPECT_TRUE(TakeSent().empty());
            d.OnClose();
        });
    });
}

TEST_F(ServerModeDlgTest, ModifyKeepsItsOwnValuesAndRestoresARefusedRegistration) {
    Run([&](CManagerDlg&) {
        Open([&](CDialog& d) {
            SelectRow(d, IDC_DEVICE_TABLE, 1);
            TakeSent();
            backend.OnNextModal(IDD_MODIFY_DEVICE, [&](CDialog& modify) {
                EXPECT_EQ(modify.GetDlgItemText(IDC_MODIFY_BDADDR_NAME), "Sensor");
                TypeText(modify, IDC_MODIFY_PORT, "9101");
                ClickButton(modify, IDOK);
                EXPECT_EQ(TakeMessageBoxes(), Lines{"Same Port Number is exist. Try again."});
                TypeText(modify, IDC_MODIFY_PORT, "9102"); // its own port
                TypeText(modify, IDC_MODIFY_BDADDR_NAME, "Gauge");
                replies["Bind Gauge 9102\r\n"] = "-ERR\r\n";
                ClickButton(modify, IDOK);
                EXPECT_EQ(TakeSent(),
                          (Lines{"Rele 9102\r\n", "Bind Gauge 9102\r\n", "Bind Sensor 9102\r\n"}));
                EXPECT_EQ(TakeMessageBoxes(), Lines{"Device modification is Failed. Try again"});
                EXPECT_FALSE(modify.IsEnded());
                // The old registration cannot come back either: the row goes.
                replies["Bind Sensor 9102\r\n"] = "-ERR\r\n";
                ClickButton(modify, IDOK);
                EXPECT_EQ(TakeSent().size(), 3u);
                EXPECT_EQ(TakeMessageBoxes(), Lines{"Device modification is Failed. Try again"});
            });
            ClickButton(d, IDC_DEVICE_MODIFY);
            EXPECT_EQ(Rows(Table(d)), (std::vector<Lines>{{"0", "00:0B:CE:01:02:03", "9101"}}));
            ClickButton(d, IDC_DEVICE_MODIFY);
            EXPECT_TRUE(TakeSent().empty());
            d.OnClose();
        });
    });
}

TEST_F(ServerModeDlgTest, AFiveDigitPortFromTheListingIsCheckedBeforeAnythingIsSent) {
    replies["Bind\r\n"] = "0||Sensor|12345\r\n+OK\r\n";
    Run([&](CManagerDlg&) {
        Open([&](CDialog& d) {
            SelectRow(d, IDC_DEVICE_TABLE, 0);
            TakeSent();
            backend.OnNextModal(IDD_MODIFY_DEVICE, [&](CDialog& modify) {
                EXPECT_EQ(modify.GetDlgItemText(IDC_MODIFY_PORT), "12345");
                TypeText(modify, IDC_MODIFY_BDADDR_NAME, "Gauge");
                ClickButton(modify, IDOK);
                EXPECT_EQ(TakeMessageBoxes(), Lines{"Enter no more than 4 characters."});
                EXPECT_TRUE(TakeSent().empty());
                TypeText(modify, IDC_MODIFY_PORT, "9107");
                ClickButton(modify, IDOK);
            });
            ClickButton(d, IDC_DEVICE_MODIFY);
            EXPECT_EQ(TakeSent(), (Lines{"Rele 12345\r\n", "Bind Gauge 9107\r\n"}));
            EXPECT_EQ(Rows(Table(d)), (std::vector<Lines>{{"0", "Gauge", "9107"}}));
            d.OnClose();
        });
    });
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(ServerModeDlgTest, ALineWithoutBarsShowsAsTheNameAndIsNeitherReleasedNorModified) {
    replies["Bind\r\n"] = "No devices registered\r\n0||Sensor|9101\r\n1|||9102\r\n+OK\r\n";
    Run([&](CManagerDlg&) {
        Open([&](CDialog& d) {
            EXPECT_EQ(Rows(Table(d)), (std::vector<Lines>{{"", "No devices registered", ""},
                                                          {"0", "Sensor", "9101"},
                                                          {"1", "", "9102"}}));
            TakeSent();
            SelectRow(d, IDC_DEVICE_TABLE, 0);
            backend.OnNextModal(IDD_MODIFY_DEVICE, [&](CDialog& modify) {
                TypeText(modify, IDC_MODIFY_PORT, "9105");
                ClickButton(modify, IDOK);
                ClickButton(modify, IDCANCEL);
            });
            ClickButton(d, IDC_DEVICE_MODIFY);
            ClickButton(d, IDC_DEVICE_DELETE);
            // A row without a name: its put-back would be "Bind  9102".
            SelectRow(d, IDC_DEVICE_TABLE, 1);
            backend.OnNextModal(IDD_MODIFY_DEVICE, [&](CDialog& modify) {
                TypeText(modify, IDC_MODIFY_BDADDR_NAME, "Scale");
                ClickButton(modify, IDOK);
                ClickButton(modify, IDCANCEL);
            });
            ClickButton(d, IDC_DEVICE_MODIFY);
            EXPECT_TRUE(TakeSent().empty()); // no "Rele " without a port, no "Bind " without a name
            EXPECT_EQ(Rows(Table(d)),
                      (std::vector<Lines>{{"0", "Sensor", "9101"}, {"1", "", "9102"}}));
            d.OnClose();
        });
    });
    EXPECT_EQ(TakeMessageBoxes(),
              (Lines{"Fill the registered Port Number", "Fill the registered Bdaddr"}));
}

// Against the simulator: what the dialogs change is what the next opening reads.
class ServerModeOnSimulatorTest : public CSimulatedApplianceTest {};

TEST_F(ServerModeOnSimulatorTest, ChangesShowAfterReopening) {
    setenv("LC_ALL", "C", 1);
    Run([&](CManagerDlg&) {
        CServerModeDlg dialog;
        backend.OnNextModal(IDD_SERVER_MODE, [&](CDialog& d) {
            TypeText(d, IDC_DATA_PORT, "9200");
            ClickButton(d, IDC_NO_DISCONNECT);
            ClickButton(d, IDC_SERVER_APPLY);
            SelectRow(d, IDC_DEVICE_TABLE, 1);
            backend.OnNextModal(IDD_MODIFY_DEVICE, [&](CDialog& modify) {
                // The appliance refuses the name and takes the old registration back.
                TypeText(modify, IDC_MODIFY_BDADDR_NAME, "a|b");
                ClickButton(modify, IDOK);
                TypeText(modify, IDC_MODIFY_BDADDR_NAME, "Gauge");
                ClickButton(modify, IDOK);
            });
            ClickButton(d, IDC_DEVICE_MODIFY);
            SelectRow(d, IDC_DEVICE_TABLE, 0);
            ClickButton(d, IDC_DEVICE_DELETE);
            d.OnClose();
        });
        dialog.DoModal();
        backend.OnNextModal(IDD_SERVER_MODE, [&](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_DATA_PORT), "9200");
            EXPECT_EQ(d.Item<CButtonCtrl>(IDC_NO_DISCONNECT).GetCheck(), 1);
            EXPECT_EQ(Rows(d.Item<CListViewCtrl>(IDC_DEVICE_TABLE)),
                      (std::vector<Lines>{{"0", "Gauge", "9102"}}));
            d.OnClose();
        });
        dialog.DoModal();
    });
    EXPECT_EQ(backend.MessageBoxes(), Lines{"Device modification is Failed. Try again"});
    const auto transcript = TakeTranscript();
    EXPECT_NE(std::find(transcript.begin(), transcript.end(), "Bind Sensor 9102"),
              transcript.end());
}

} // namespace
