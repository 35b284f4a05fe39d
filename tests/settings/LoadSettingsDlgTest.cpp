// The load window and Save against a scripted appliance: what the window offers, what a
// load sends and how it stops, and how a save stops.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "../pages/ApplianceFixtures.h"
#include "appliance/SettingsFile.h"
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

    CTemporaryDataHome dataHome;
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
    const char* stop;              // the line refused, or silent with "timeout" in the name
    std::vector<std::string> sent; // after "prsv on"
    const char* message;
    const char* after; // the "Bind" listing the load leaves
};

class TableStops : public LoadSettingsDlgTest, public ::testing::WithParamInterface<TableStop> {};

// Whatever stops a replacement, the message tells what the appliance holds now, and a refusal
// leaves the table as it was.
TEST_P(TableStops, PutBackTheTableAndTellWhatChanged) {
    const TableStop& row = GetParam();
    const bool silent = std::string(row.name).find("Timeout") != std::string::npos;
    replies["Bind\r\n"] = row.listing;
    replies[row.stop] = silent ? "" : "-ERR Device or port already registered\r\n";
    Run([&](CManagerDlg& dlg) {
        backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
            TakeSent();
            ClickButton(load, IDOK);
            std::vector<std::string> expected{"List\r\n", "prsv on\r\n"};
            expected.insert(expected.end(), row.sent.begin(), row.sent.end());
            std::vector<std::string> sent = TakeSent();
            sent.resize(expected.size());
            EXPECT_EQ(sent, expected);
            EXPECT_EQ(State(load, SettingId::RepeatInterval), CLoadSettingsDlg::kChanged);
            EXPECT_EQ(load.GetDlgItemText(IDC_LOAD_NOTE).rfind("The load stopped.", 0), 0u);
            ClickButton(load, IDCANCEL);
        });
        LoadFile(dlg, "prsv on\n" + std::string(row.file) + "Rept 2500\nmode client\n# end\n");
        const std::vector<std::string> boxes = TakeMessageBoxes();
        ASSERT_GE(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind(row.message, 0), 0u) << boxes[0];
        EXPECT_NE(boxes[0].find("\nThe settings as read before the load are in " + dataHome.Path()),
                  std::string::npos)
            << boxes[0];
        EXPECT_EQ(replies["Bind\r\n"], row.after);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Load, TableStops,
    ::testing::Values(
        TableStop{"TimeoutAfterARelease",
                  "0||Old|9101\r\n1||Scale|9105\r\n+OK\r\n",
                  "Bind Printer 9101\n",
                  "Bind Printer 9101\r\n",
                  {"Rele 9101\r\n", "Bind Printer 9101\r\n"},
                  "Sending \"Bind Printer 9101\" is timeout. Check Velmora42 and Try again. Of "
                  "this table Velmora42 took: \"Rele 9101\".\n"
                  "Applied before it: Do not disconnect TCP socket.",
                  "0||Scale|9105\r\n+OK\r\n"},
        TableStop{"RefusalAfterARegistration",
                  "0||Old|9101\r\n+OK\r\n",
                  "Bind Printer 9101\nBind Scale 9105\n",
                  "Bind Scale 9105\r\n",
                  {"Rele 9101\r\n", "Bind Printer 9101\r\n", "Bind Scale 9105\r\n", "Rele 9101\r\n",
                   "Bind Old 9101\r\n"},
                  "The appliance refused \"Bind Scale 9105\" (Registered Bluetooth Devices). Of "
                  "this table Velmora42 took: \"Rele 9101\", \"Bind Printer 9101\". Put back: "
                  "\"Rele 9101\", \"Bind Old 9101\".\nApplied before it:",
                  "0||Old|9101\r\n+OK\r\n"},
        TableStop{"RefusedRelease",
                  "0||Printer|9101\r\n1||Scale|9105\r\n+OK\r\n",
                  "Bind Other 9110\n",
                  "Rele 9105\r\n",
                  {"Bind Other 9110\r\n", "Rele 9101\r\n", "Rele 9105\r\n", "Rele 9110\r\n",
                   "Bind Printer 9101\r\n"},
                  "The appliance refused \"Rele 9105\"",
                  "0||Scale|9105\r\n1||Printer|9101\r\n+OK\r\n"},
        TableStop{"RefusalOfTheFirstLine",
                  "0||Printer|9101\r\n+OK\r\n",
                  "Bind Printer 9101\nBind Scale 9105\n",
                  "Bind Scale 9105\r\n",
                  {"Bind Scale 9105\r\n"},
                  "The appliance refused \"Bind Scale 9105\" (Registered Bluetooth Devices).\n"
                  "Applied before it: Do not disconnect TCP socket.",
                  "0||Printer|9101\r\n+OK\r\n"}),
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
        const std::vector<std::string> boxes = TakeMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind("Sending \"Rept 2500\" is timeout. Check Velmora42 and Try "
                                 "again.\nApplied before it: Do not disconnect TCP socket, "
                                 "Registered Bluetooth Devices.\n",
                                 0),
                  0u)
            << boxes[0];
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2);
    });
}

// The backup holds what the appliance held; without one nothing is sent.
TEST_F(LoadSettingsDlgTest, ABackupOfTheSettingsAsReadComesBeforeTheFirstSetCommand) {
    const std::string folder = dataHome.Path() + "/velmora42-manager/backups";
    Run([&](CManagerDlg& dlg) {
        for (const bool writable : {true, false}) {
            std::filesystem::remove_all(folder);
            if (!writable)
                std::ofstream(folder) << "a file where the folder should be";
            backend.OnNextModal(IDD_LOAD_SETTINGS, [&](CDialog& load) {
                TakeSent();
                ClickButton(load, IDOK);
                EXPECT_EQ(TakeSent().size() > 1, writable);
                ClickButton(load, IDCANCEL);
            });
            LoadFile(dlg, kFile);
            if (writable) {
                ASSERT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
                const auto path = std::filesystem::directory_iterator(folder)->path();
                // Named after the appliance and the time.
                EXPECT_EQ(path.filename().string().rfind("Velmora42-1-20", 0), 0u);
                std::ifstream backup(path);
                const CSettingsFileResult read =
                    ReadSettingsFile(std::string{std::istreambuf_iterator<char>(backup), {}});
                ASSERT_TRUE(read.ok()) << read.error;
                EXPECT_EQ(read.values[SettingIndex(SettingId::Registrations)].lines,
                          std::vector<std::string>{"Bind Printer 9101"});
            }
        }
        EXPECT_EQ(
            TakeMessageBoxes().back().rfind("The settings as read could not be backed up (", 0),
            0u);
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

// A file holding both entries on one port would not load again: the second is left out.
TEST_F(LoadSettingsDlgTest, SaveWritesWhatTheQueriesGave) {
    replies["Bind\r\n"] = "0||Printer|9101\r\n1||Scale|9101\r\n+OK\r\n";
    Run([&](CManagerDlg& dlg) {
        backend.AnswerNextFileChoice(path);
        TakeMessageBoxes();
        dlg.SendMessage(WM_SYSCOMMAND, IDM_SAVE_SETTINGS);
        const std::vector<std::string> boxes = TakeMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find("\nRegistered Bluetooth Devices: \"Scale 9101\""),
                  std::string::npos)
            << boxes[0];
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
