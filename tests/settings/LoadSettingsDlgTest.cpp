// The load window and Save against a scripted appliance: what the window offers, what a
// load sends and how it stops, and how a save stops.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "../pages/ApplianceFixtures.h"
#include "pages/NeighborhoodsPage.h"
#include "settings/LoadSettingsDlg.h"
#include "ui/ButtonCtrl.h"
#include "ui/testing/Input.h"

namespace {

class LoadSettingsDlgTest : public CScriptedApplianceTest {
protected:
    LoadSettingsDlgTest() {
        // KATO and VERTEX are not announced.
        replies["help\r\n"] = "+OK PORT PRSV BIND RELE SERV DELSERV PSIST REPT STATION RS232 "
                              "BTNAME MAXDT LINKTO SCAN SECU PAIR PINQ MODE LIST VER\r\n";
        replies["Port\r\n"] = "+OK PORT 9100\r\n";
        replies["prsv\r\n"] = "+OK PRSV off\r\n";
        replies["Bind\r\n"] = "0||Printer|9101\r\n+OK\r\n";
        replies["Serv\r\n"] = "+OK 192.168.0.10:9200\r\n";
        replies["Rept\r\n"] = "+OK REPEAT every 3000 ms\r\n";
        replies["Rept 2500\r\n"] = "+OK REPEAT every 2500 ms\r\n";
        replies["Psist\r\n"] = "+OK PERSIST on\r\n";
        replies["station\r\n"] = "+OK 00:0B:CE:01:02:03\r\n";
        replies["rs232\r\n"] = "+OK RS232 115200 8N1 hardware\r\n";
        replies["pinq\r\n"] = "+OK Off 10 5 0x9E8B33\r\n";
        replies["List\r\n"] = "+OK\r\n";
    }

    ~LoadSettingsDlgTest() override { std::remove(path.c_str()); }

    // Writes `text` as the file the chooser answers with, and chooses Load Settings.
    void LoadFile(CManagerDlg& dlg, const std::string& text) {
        {
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            file << text;
        }
        backend.AnswerNextFileChoice(path);
        TakeSent();
        TakeMessageBoxes();
        dlg.SendMessage(WM_SYSCOMMAND, IDM_LOAD_SETTINGS);
    }

    int LoadWindowRuns() const {
        const auto& history = backend.ModalHistory();
        return static_cast<int>(std::count(history.begin(), history.end(), IDD_LOAD_SETTINGS));
    }

    // CTest runs the cases as processes of their own, side by side: a file each.
    const std::string path =
        ::testing::TempDir() + "velmora42-load-" + std::to_string(getpid()) + ".txt";
};

std::string State(CDialog& load, SettingId id) {
    return load.GetDlgItemText(IDC_LOAD_STATE_FIRST + SettingIndex(id));
}

int Checked(CDialog& load, SettingId id) {
    return load.Item<CButtonCtrl>(IDC_LOAD_CHOICE_FIRST + SettingIndex(id)).GetCheck();
}

bool Choosable(CDialog& load, SettingId id) {
    return load.GetDlgItem(IDC_LOAD_CHOICE_FIRST + SettingIndex(id))->IsWindowEnabled();
}

const char* const kFile = "Port 9100\n"
                          "prsv on\n"
                          "kato 450 10 3\n"
                          "Bind Printer 9101\n"
                          "Bind Scale 9105\n"
                          "Rept 2500\n"
                          "BTName Other\n"
                          "mode client\n"
                          "# end\n";

TEST_F(LoadSettingsDlgTest, TheWindowMarksChangedSettingsAndSendsTheChosenInOrder) {
    Run([&](CManagerDlg& dlg) {
        backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
            struct Row {
                SettingId id;
                const char* state;
                int checked;
                bool choosable;
            };
            const Row rows[] = {
                {SettingId::DataPort, CLoadSettingsDlg::kSame, 0, false},
                {SettingId::NoDisconnect, CLoadSettingsDlg::kChanged, 1, true},
                {SettingId::KeepAlive, CLoadSettingsDlg::kNotAnnounced, 0, false},
                {SettingId::Registrations, CLoadSettingsDlg::kChanged, 1, true},
                // No "Serv" entry and no "none" line: the file leaves the table out.
                {SettingId::Servers, CLoadSettingsDlg::kNotInFile, 0, false},
                {SettingId::Vertex, CLoadSettingsDlg::kNotAnnounced, 0, false},
                {SettingId::Station, CLoadSettingsDlg::kNotInFile, 0, false},
                {SettingId::BtName, CLoadSettingsDlg::kChanged, 0, true},
                {SettingId::Mode, CLoadSettingsDlg::kChanged, 1, true},
            };
            for (const Row& row : rows) {
                EXPECT_EQ(State(load, row.id), row.state) << SettingInfo(row.id).label;
                EXPECT_EQ(Checked(load, row.id), row.checked) << SettingInfo(row.id).label;
                EXPECT_EQ(Choosable(load, row.id), row.choosable) << SettingInfo(row.id).label;
            }
            EXPECT_EQ(
                load.GetDlgItemText(IDC_LOAD_NOW_FIRST + SettingIndex(SettingId::Registrations)),
                "Printer 9101");
            EXPECT_EQ(
                load.GetDlgItemText(IDC_LOAD_FILE_FIRST + SettingIndex(SettingId::Registrations)),
                "Printer 9101, Scale 9105");
            ClickButton(load, IDC_LOAD_CHOICE_FIRST + SettingIndex(SettingId::BtName));
            TakeSent();
            ClickButton(load, IDOK);
            std::vector<std::string> sent = TakeSent();
            sent.resize(6);
            EXPECT_EQ(sent, (std::vector<std::string>{"List\r\n", "prsv on\r\n",
                                                      "Bind Scale 9105\r\n", "Rept 2500\r\n",
                                                      "BTName Other\r\n", "mode client\r\n"}));
            // The scripted appliance goes on answering its old values.
            EXPECT_EQ(State(load, SettingId::NoDisconnect), CLoadSettingsDlg::kDiffers);
            EXPECT_FALSE(load.GetDlgItem(IDOK)->IsWindowEnabled());
            ClickButton(load, IDCANCEL);
        });
        LoadFile(dlg, kFile);
        const std::vector<std::string> boxes = TakeMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind("Velmora42 reads back other values than were sent:\n"
                                 "Do not disconnect TCP socket: sent on, reads off\n",
                                 0),
                  0u)
            << boxes[0];
    });
}

struct TableStop {
    const char* name;
    const char* listing; // the appliance's "Bind" listing
    const char* file;
    const char* refused;
    std::vector<std::string> sent; // after "prsv on"
    const char* message;
};

class TableStops : public LoadSettingsDlgTest, public ::testing::WithParamInterface<TableStop> {};

TEST_P(TableStops, PutBackWhatWasReleasedAndNameWhatWasTaken) {
    replies["Bind\r\n"] = GetParam().listing;
    replies[GetParam().refused] = "-ERR Device or port already registered\r\n";
    Run([&](CManagerDlg& dlg) {
        backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
            TakeSent();
            ClickButton(load, IDOK);
            std::vector<std::string> expected{"List\r\n", "prsv on\r\n"};
            expected.insert(expected.end(), GetParam().sent.begin(), GetParam().sent.end());
            std::vector<std::string> sent = TakeSent();
            sent.resize(expected.size());
            EXPECT_EQ(sent, expected);
            EXPECT_EQ(State(load, SettingId::RepeatInterval), CLoadSettingsDlg::kChanged);
            EXPECT_EQ(load.GetDlgItemText(IDC_LOAD_NOTE), "The load stopped. 1 settings applied.");
            ClickButton(load, IDCANCEL);
        });
        LoadFile(dlg,
                 "prsv on\n" + std::string(GetParam().file) + "Rept 2500\nmode client\n# end\n");
        EXPECT_EQ(LoadWindowRuns(), 1);
        const std::vector<std::string> boxes = TakeMessageBoxes();
        ASSERT_GE(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], "The appliance refused " + std::string(GetParam().message) +
                                "\nApplied before it: Do not disconnect TCP socket.");
    });
}

INSTANTIATE_TEST_SUITE_P(
    Load, TableStops,
    ::testing::Values(
        TableStop{"Registration",
                  "0||Printer|9101\r\n+OK\r\n",
                  "Bind Scale 9105\n",
                  "Bind Scale 9105\r\n",
                  {"Rele 9101\r\n", "Bind Scale 9105\r\n", "Bind Printer 9101\r\n"},
                  "\"Bind Scale 9105\" (Registered Bluetooth Devices). The entries it released "
                  "were registered again. Of this table Velmora42 took: \"Rele 9101\"."},
        TableStop{"ReleasePartway",
                  "0||Printer|9101\r\n1||Scale|9105\r\n+OK\r\n",
                  "Bind Other 9110\n",
                  "Rele 9105\r\n",
                  {"Rele 9101\r\n", "Rele 9105\r\n", "Bind Printer 9101\r\n"},
                  "\"Rele 9105\" (Registered Bluetooth Devices). The entries it released were "
                  "registered again. Of this table Velmora42 took: \"Rele 9101\"."},
        TableStop{"RegistrationAfterOthers",
                  "0||Printer|9101\r\n+OK\r\n",
                  "Bind Printer 9101\nBind Scale 9105\nBind Other 9110\n",
                  "Bind Other 9110\r\n",
                  {"Bind Scale 9105\r\n", "Bind Other 9110\r\n"},
                  "\"Bind Other 9110\" (Registered Bluetooth Devices). Of this table Velmora42 "
                  "took: \"Bind Scale 9105\"."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadSettingsDlgTest, ATimeOutStopsTheLoadNamingTheLineAndReplacesTheConnection) {
    replies["Rept 2500\r\n"] = "";
    Run([&](CManagerDlg& dlg) {
        backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
            ClickButton(load, IDOK);
            // Nothing after the silent line, not even the read-back.
            EXPECT_EQ(TakeSent().back(), "Rept 2500\r\n");
            ClickButton(load, IDCANCEL);
        });
        LoadFile(dlg, kFile);
        EXPECT_EQ(TakeMessageBoxes(),
                  std::vector<std::string>{
                      "Sending \"Rept 2500\" is timeout. Check Velmora42 and Try again.\n"
                      "Applied before it: Do not disconnect TCP socket, Registered Bluetooth "
                      "Devices."});
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2);
    });
}

TEST_F(LoadSettingsDlgTest, ThePagesOfTheLoadedSettingsReadThemAgain) {
    replies["pinq\r\n"] = "+OK On 30 5 0x9E8B33\r\n";
    Run([&](CManagerDlg& dlg) {
        backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
            TakeSent();
            ClickButton(load, IDOK);
            const std::vector<std::string> sent = TakeSent();
            // Once to read back, once by the Neighborhoods page.
            EXPECT_EQ(std::count(sent.begin(), sent.end(), "pinq\r\n"), 2);
            ClickButton(load, IDCANCEL);
        });
        LoadFile(dlg, "pinq on 20 5 0x9E8B33\n# end\n");
        EXPECT_FALSE(backend.HasTimer(dlg.m_tabCtrl.NeighborhoodsPage(), 1));
    });
}

class ConnectionUp : public LoadSettingsDlgTest,
                     public ::testing::WithParamInterface<const char*> {};

// "List" is asked whether "help" announces it or not, as the Connections page asks it.
TEST_P(ConnectionUp, LeavesTheModeAlone) {
    replies["help\r\n"] = GetParam();
    replies["List\r\n"] = "0|0|9101|00:0B:CE:77:00:01|Scale|10|20|230|-1\r\n+OK\r\n";
    Run([&](CManagerDlg& dlg) {
        backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
            EXPECT_EQ(State(load, SettingId::Mode), CLoadSettingsDlg::kConnected);
            EXPECT_FALSE(Choosable(load, SettingId::Mode));
            EXPECT_NE(load.GetDlgItemText(IDC_LOAD_NOTE).find("the operation mode is left alone"),
                      std::string::npos);
            ClickButton(load, IDOK);
            for (const std::string& line : TakeSent())
                EXPECT_NE(line.rfind("mode ", 0), 0u) << line;
            ClickButton(load, IDCANCEL);
        });
        LoadFile(dlg, "prsv on\nmode client\n# end\n");
        EXPECT_EQ(LoadWindowRuns(), 1);
    });
}

INSTANTIATE_TEST_SUITE_P(Load, ConnectionUp,
                         ::testing::Values("+OK PRSV LIST MODE VER\r\n", "+OK PRSV MODE VER\r\n"));

class ConnectionTimeout : public LoadSettingsDlgTest, public ::testing::WithParamInterface<bool> {};

// Whether the listing falls silent before the window opens or on "Load", nothing is sent,
// and the time-out is reported and replaces the connection.
TEST_P(ConnectionTimeout, StopsTheLoadAndReconnects) {
    const bool inTheWindow = GetParam();
    if (!inTheWindow)
        replies["List\r\n"] = "";
    Run([&](CManagerDlg& dlg) {
        backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
            replies["List\r\n"] = "";
            TakeSent();
            ClickButton(load, IDOK);
            EXPECT_EQ(TakeSent(), std::vector<std::string>{"List\r\n"});
            EXPECT_EQ(load.GetDlgItemText(IDC_LOAD_NOTE), "The load stopped.");
            ClickButton(load, IDCANCEL);
        });
        LoadFile(dlg, "prsv on\nmode client\n# end\n");
        EXPECT_EQ(LoadWindowRuns(), inTheWindow ? 1 : 0);
        EXPECT_EQ(TakeMessageBoxes(),
                  std::vector<std::string>{"Reading the Bluetooth connections is timeout. Check "
                                           "Velmora42 and Try again.\nNothing was sent."});
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2);
    });
}

INSTANTIATE_TEST_SUITE_P(Load, ConnectionTimeout, ::testing::Bool());

struct ModeOffer {
    const char* name;
    int firmware;
    const char* model;
    const char* mode;
    const char* state;
};

class ModeOffers : public LoadSettingsDlgTest, public ::testing::WithParamInterface<ModeOffer> {};

TEST_P(ModeOffers, AreTheOnesTheOperationModePageOffers) {
    Run([&](CManagerDlg& dlg) {
        dlg.m_nFirmwareVersion = GetParam().firmware;
        dlg.m_searchDlg.m_strModelCode = GetParam().model;
        backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
            const bool offered = std::string(GetParam().state) == CLoadSettingsDlg::kChanged;
            EXPECT_EQ(State(load, SettingId::Mode), GetParam().state);
            EXPECT_EQ(Choosable(load, SettingId::Mode), offered);
            EXPECT_EQ(Checked(load, SettingId::Mode), offered ? 1 : 0);
            ClickButton(load, IDCANCEL);
        });
        LoadFile(dlg, "mode " + std::string(GetParam().mode) + "\n# end\n");
    });
}

INSTANTIATE_TEST_SUITE_P(
    Load, ModeOffers,
    ::testing::Values(
        ModeOffer{"HubBefore17", 0x106, "100", "hub", "firmware < 1.7"},
        ModeOffer{"RepeaterBefore17", 0x106, "100", "repeater", "firmware < 1.7"},
        ModeOffer{"HubFrom17", 0x107, "100", "hub", CLoadSettingsDlg::kChanged},
        ModeOffer{"ClientBefore17", 0x106, "101", "client", CLoadSettingsDlg::kChanged},
        ModeOffer{"Rs232OnModel101", 0x107, "101", "rs232", "no RS232 port"},
        ModeOffer{"Rs232OnModel100", 0x106, "100", "rs232", CLoadSettingsDlg::kChanged}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadSettingsDlgTest, AFileWithAnErrorIsReportedByLineAndNothingIsSent) {
    Run([&](CManagerDlg& dlg) {
        LoadFile(dlg, "Port 9100\nPin 1234\n# end\n");
        EXPECT_TRUE(TakeSent().empty());
        EXPECT_EQ(TakeMessageBoxes(),
                  std::vector<std::string>{"The settings file " + path +
                                           " cannot be loaded.\nLine 2: \"Pin\" is not a set "
                                           "command of a setting."});
    });
    EXPECT_EQ(LoadWindowRuns(), 0);
}

struct SaveStop {
    const char* name;
    const char* query;
    const char* reply;
    const char* message;
};

class SaveStops : public LoadSettingsDlgTest, public ::testing::WithParamInterface<SaveStop> {};

TEST_P(SaveStops, NameTheSettingAndWriteNothing) {
    replies[GetParam().query] = GetParam().reply;
    Run([&](CManagerDlg& dlg) {
        TakeMessageBoxes();
        dlg.SendMessage(WM_SYSCOMMAND, IDM_SAVE_SETTINGS);
        EXPECT_EQ(TakeMessageBoxes(), std::vector<std::string>{GetParam().message});
        EXPECT_TRUE(backend.FileChoices().empty());
    });
}

INSTANTIATE_TEST_SUITE_P(
    Save, SaveStops,
    ::testing::Values(SaveStop{"Timeout", "Maxdt\r\n", "",
                               "Reading Maxdt is timeout. Check Velmora42 and Try again.\n"
                               "Nothing was saved."},
                      SaveStop{"Refusal", "Scan\r\n", "-ERR\r\n",
                               "Reading Discoverable and Connectable is Failed. Try again\n"
                               "Nothing was saved."},
                      SaveStop{"ImperfectListing", "Bind\r\n", "0||Printer|9101",
                               "Reading Registered Bluetooth Devices is Failed. Try again\n"
                               "Nothing was saved."},
                      // A file holding both would not load again.
                      SaveStop{"TwoRegistrationsOnOnePort", "Bind\r\n",
                               "0||Printer|9101\r\n1||Scale|9101\r\n+OK\r\n",
                               "Reading Registered Bluetooth Devices is Failed. Try again\n"
                               "Nothing was saved."},
                      SaveStop{"ValueNoDialogSends", "BTName\r\n", "+OK \r\n",
                               "Reading Velmora42 Name is Failed. Try again\n"
                               "Nothing was saved."},
                      // A file line this long would not load again.
                      SaveStop{"NameTooLongForTheFile", "BTName\r\n",
                               "+OK Gateway-1--------------------------------------------------"
                               "----------------------------------------------------------------"
                               "----------------------------------------------------------------"
                               "--------\r\n",
                               "Reading Velmora42 Name is Failed. Try again\n"
                               "Nothing was saved."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadSettingsDlgTest, SaveWritesWhatTheQueriesGave) {
    Run([&](CManagerDlg& dlg) {
        backend.AnswerNextFileChoice(path);
        dlg.SendMessage(WM_SYSCOMMAND, IDM_SAVE_SETTINGS);
    });
    std::ifstream file(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    for (const char* line :
         {"\nPort 9100\nprsv off\n# KeepAlive Timeout: left out, the appliance does not announce "
          "\"kato\".\nBind Printer 9101\nServ 192.168.0.10:9200\n# Server Table: none\nRept 3000\n"
          "Psist on\n",
          "\nstation 00:0B:CE:01:02:03\nrs232 115200 8N1 hardware\nBTName Velmora42-1\n"
          "Maxdt 7\nLinkto 25\nSecu low\nPair on\nScan Inquiry page\npinq off\nmode server\n"
          "# end\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
}

} // namespace
