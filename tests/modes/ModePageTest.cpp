#include <gtest/gtest.h>

#include "../pages/ApplianceFixtures.h"
#include "modes/ClientModeDlg.h"
#include "modes/ClientSettingDlg.h"
#include "modes/ModePage.h"
#include "modes/RepeaterModeDlg.h"
#include "modes/SerialHubModeDlg.h"
#include "modes/SerialPortDlg.h"
#include "modes/ServerModeDlg.h"
#include "modes/VertexModeDlg.h"
#include "pages/BluetoothPage.h"
#include "pages/InformationPage.h"
#include "ui/ButtonCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

class ModePageTest : public CScriptedApplianceTest {
protected:
    static CModePage& Page(CManagerDlg& dlg) { return dlg.m_tabCtrl.ModePage(); }
    static bool Checked(CModePage& page, int id) {
        return page.Item<CButtonCtrl>(id).GetCheck() == 1;
    }
    static bool Enabled(CModePage& page, int id) { return page.GetDlgItem(id)->IsWindowEnabled(); }
};

TEST_F(ModePageTest, StartUpReadsVersionThenModeThenCommandsAndShowsTheMode) {
    Run([&](CManagerDlg& dlg) {
        EXPECT_EQ(TakeSent(), (Lines{"Ver\r\n", "Mode\r\n", "help\r\n"}));
        CModePage& page = Page(dlg);
        EXPECT_EQ(page.m_nMode, CModePage::kServer);
        EXPECT_EQ(page.GetDlgItemText(IDC_CURRENT_MODE), "Server");
        EXPECT_TRUE(Checked(page, IDC_SERVER_MODE));
        EXPECT_TRUE(Enabled(page, IDC_REPEATER_MODE));
        EXPECT_TRUE(Enabled(page, IDC_RS232_MODE));
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(ModePageTest, AModeReplyWithAnythingBesidesTheModeLineFails) {
    replies["Mode\r\n"] = "+OK Vertex Mode\r\n";
    Run([&](CManagerDlg& dlg) {
        CModePage& page = Page(dlg);
        for (const char* reply : {"+OK Server Mode\r\nEVENT\r\n", "+OK Server Mode \r\n",
                                  "+OK server mode\r\n", "-ERR\r\n", "+OK\r\n"}) {
            replies["Mode\r\n"] = reply;
            page.RefreshPage();
            EXPECT_EQ(TakeMessageBoxes(), Lines{"Get Basic Information is Failed. Retry again"})
                << reply;
            EXPECT_EQ(page.m_nMode, CModePage::kVertex);
            EXPECT_EQ(page.GetDlgItemText(IDC_CURRENT_MODE), "Vertex");
        }
        backend.Pump();
    });
    EXPECT_EQ(SearchRuns(), 1); // a failure posts no reconnection
}

TEST_F(ModePageTest, AModeTimeOutReportsAndSearchesAgain) {
    Run([&](CManagerDlg& dlg) {
        replies["Mode\r\n"] = "";
        Page(dlg).RefreshPage();
        EXPECT_EQ(TakeMessageBoxes(),
                  Lines{"Get Basic Information is timeout. Check Velmora42 and Try again."});
        replies["Mode\r\n"] = "+OK Client Mode\r\n";
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2);
        // After the search tab 0 is clicked once more, which reads the mode again.
        EXPECT_EQ(Page(dlg).m_strMode, "Client");
    });
}

TEST_F(ModePageTest, FirmwareBelowOneSevenClosesRepeaterAndSerialHub) {
    replies["Ver\r\n"] = "+OK Ver 1.6.9\r\n";
    Run([&](CManagerDlg& dlg) {
        EXPECT_EQ(dlg.m_nFirmwareVersion, 262);
        EXPECT_FALSE(Enabled(Page(dlg), IDC_REPEATER_MODE));
        EXPECT_FALSE(Enabled(Page(dlg), IDC_SERIAL_HUB_MODE));
        EXPECT_TRUE(Enabled(Page(dlg), IDC_RS232_MODE));
        // A later version does not open them again on this page.
        replies["Ver\r\n"] = "+OK Ver 1.7.0\r\n";
        dlg.m_tabCtrl.InformationPage().RefreshPage();
        Page(dlg).RefreshPage();
        EXPECT_EQ(dlg.m_nFirmwareVersion, 263);
        EXPECT_FALSE(Enabled(Page(dlg), IDC_REPEATER_MODE));
    });
}

TEST_F(ModePageTest, ModelOneHundredOneHasNoRS232Mode) {
    fillRecord = [](CSearchDlg& search) { search.m_strModelCode = "101"; };
    Run([&](CManagerDlg& dlg) {
        EXPECT_FALSE(Enabled(Page(dlg), IDC_RS232_MODE));
        EXPECT_TRUE(Enabled(Page(dlg), IDC_SERIAL_HUB_MODE));
    });
}

TEST_F(ModePageTest, AdvancedConfigurationOpensTheDialogOfTheCurrentMode) {
    const std::pair<const char*, int> cases[] = {
        {"+OK Server Mode\r\n", IDD_SERVER_MODE}, {"+OK Client Mode\r\n", IDD_CLIENT_MODE},
        {"+OK Vertex Mode\r\n", IDD_VERTEX_MODE}, {"+OK Serial Hub Mode\r\n", IDD_SERIAL_HUB_MODE},
        {"+OK RS232 Mode\r\n", IDD_SERIAL_PORT},
    };
    for (int id : {int{IDD_SERVER_MODE}, int{IDD_CLIENT_MODE}, int{IDD_VERTEX_MODE},
                   int{IDD_SERIAL_HUB_MODE}, int{IDD_SERIAL_PORT}})
        backend.OnModal(id, [](CDialog& dialog) { dialog.OnEscapeKey(); });
    Run([&](CManagerDlg& dlg) {
        for (const auto& [reply, dialog] : cases) {
            replies["Mode\r\n"] = reply;
            Page(dlg).RefreshPage();
            ClickButton(Page(dlg), IDC_ADVANCED_CONFIGURATION);
            EXPECT_EQ(backend.ModalHistory().back(), dialog) << reply;
        }
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(ModePageTest, RepeaterModeNeedsNoAdvancedConfiguration) {
    replies["Mode\r\n"] = "+OK Repeater Mode\r\n";
    Run([&](CManagerDlg& dlg) {
        EXPECT_EQ(Page(dlg).m_strMode, "Repeater");
        const size_t modals = backend.ModalHistory().size();
        ClickButton(Page(dlg), IDC_ADVANCED_CONFIGURATION);
        EXPECT_EQ(backend.ModalHistory().size(), modals);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"No advanced configuration needed."});
        EXPECT_EQ(TakeSent().size(), 3u); // only the start-up queries
    });
}

TEST_F(ModePageTest, AnUnappliedRadioChoiceIsIgnoredByAdvancedConfiguration) {
    backend.OnModal(IDD_SERVER_MODE, [](CDialog& dialog) { dialog.OnClose(); });
    Run([&](CManagerDlg& dlg) {
        ClickButton(Page(dlg), IDC_VERTEX_MODE);
        ClickButton(Page(dlg), IDC_ADVANCED_CONFIGURATION);
        EXPECT_EQ(backend.ModalHistory().back(), IDD_SERVER_MODE);
        EXPECT_EQ(Page(dlg).m_nMode, CModePage::kServer);
    });
}

TEST_F(ModePageTest, ApplySwitchesWithTheModeWordAndShowsTheNewMode) {
    Run([&](CManagerDlg& dlg) {
        TakeSent();
        ClickButton(Page(dlg), IDC_SERIAL_HUB_MODE);
        ClickButton(Page(dlg), IDC_MODE_APPLY);
        EXPECT_EQ(TakeSent(), Lines{"mode hub\r\n"});
        EXPECT_EQ(Page(dlg).m_nMode, CModePage::kSerialHub);
        EXPECT_EQ(Page(dlg).GetDlgItemText(IDC_CURRENT_MODE), "SerialHub");
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(ModePageTest, ApplyAcceptsOKAnywhereAndRestoresTheOldModeOtherwise) {
    Run([&](CManagerDlg& dlg) {
        CModePage& page = Page(dlg);
        replies["mode vertex\r\n"] = "-ERR\r\n";
        ClickButton(page, IDC_VERTEX_MODE);
        ClickButton(page, IDC_MODE_APPLY);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Failed."});
        EXPECT_EQ(page.m_nMode, CModePage::kServer);
        EXPECT_TRUE(Checked(page, IDC_SERVER_MODE));
        EXPECT_FALSE(Checked(page, IDC_VERTEX_MODE));

        replies["mode vertex\r\n"] = "";
        ClickButton(page, IDC_VERTEX_MODE);
        ClickButton(page, IDC_MODE_APPLY);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Timeout"});
        EXPECT_TRUE(Checked(page, IDC_SERVER_MODE));
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 1); // an Apply failure posts no reconnection

        replies["mode vertex\r\n"] = "mode changed +OK\r\n";
        ClickButton(page, IDC_VERTEX_MODE);
        ClickButton(page, IDC_MODE_APPLY);
        EXPECT_TRUE(TakeMessageBoxes().empty());
        EXPECT_EQ(page.m_strMode, "Vertex");
    });
}

TEST_F(ModePageTest, CancellingTheClientSettingSendsNothingAndRestoresTheSelection) {
    replies["Serv\r\n"] = "+OK 192.168.0.10:9200\r\n";
    backend.OnModal(IDD_CLIENT_SETTING, [](CDialog& dialog) { ClickButton(dialog, IDCANCEL); });
    Run([&](CManagerDlg& dlg) {
        TakeSent();
        ClickButton(Page(dlg), IDC_CLIENT_MODE);
        ClickButton(Page(dlg), IDC_MODE_APPLY);
        EXPECT_EQ(TakeSent(), Lines{"Serv\r\n"}); // the dialog's own read, no switch
        EXPECT_TRUE(Checked(Page(dlg), IDC_SERVER_MODE));
        EXPECT_FALSE(Checked(Page(dlg), IDC_CLIENT_MODE));
        EXPECT_EQ(Page(dlg).m_nMode, CModePage::kServer);

        // Confirmed, the switch goes out; the same dialog object is opened again.
        backend.OnModal(IDD_CLIENT_SETTING, [](CDialog& dialog) { ClickButton(dialog, IDOK); });
        ClickButton(Page(dlg), IDC_CLIENT_MODE);
        ClickButton(Page(dlg), IDC_MODE_APPLY);
        EXPECT_EQ(TakeSent(), (Lines{"Serv\r\n", "Serv 192.168.0.10:9200\r\n", "mode client\r\n"}));
        EXPECT_EQ(Page(dlg).m_strMode, "Client");
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(ModePageTest, RS232AndRepeaterSwitchOnlyAfterTheirDialogs) {
    backend.OnNextModal(IDD_SERIAL_PORT, [](CDialog& dialog) { ClickButton(dialog, IDCANCEL); });
    backend.OnNextModal(IDD_REPEATER_MODE, [](CDialog& dialog) { ClickButton(dialog, IDCANCEL); });
    backend.OnNextModal(IDD_SERIAL_PORT, [](CDialog& dialog) { ClickButton(dialog, IDOK); });
    replies["rs232\r\n"] = "+OK RS232 115200 8N1 hardware\r\n";
    Run([&](CManagerDlg& dlg) {
        TakeSent();
        ClickButton(Page(dlg), IDC_RS232_MODE);
        ClickButton(Page(dlg), IDC_MODE_APPLY);
        ClickButton(Page(dlg), IDC_REPEATER_MODE);
        ClickButton(Page(dlg), IDC_MODE_APPLY);
        EXPECT_EQ(TakeSent(), (Lines{"rs232\r\n", "station\r\n"})); // only the dialogs' reads
        EXPECT_TRUE(Checked(Page(dlg), IDC_SERVER_MODE));
        ClickButton(Page(dlg), IDC_RS232_MODE);
        ClickButton(Page(dlg), IDC_MODE_APPLY);
        EXPECT_EQ(TakeSent(),
                  (Lines{"rs232\r\n", "rs232 115200 8N1 hardware\r\n", "mode rs232\r\n"}));
    });
}

TEST_F(ModePageTest, TheRepeaterSwitchWaitsTwentySecondsOthersThree) {
    backend.OnModal(IDD_REPEATER_MODE, [](CDialog& dialog) { ClickButton(dialog, IDOK); });
    Run([&](CManagerDlg& dlg) {
        // The appliance sets its radio up anew before it answers the switch to Repeater.
        channel.Answer("+OK 00:0B:CE:01:02:03\r\n"); // "station"
        channel.Answer("+OK\r\n");                   // "station 00:0B:CE:01:02:03"
        channel.Answer(CScriptedChannel::Pieces{{15000, "+OK\r\n"}});
        ClickButton(Page(dlg), IDC_REPEATER_MODE);
        ClickButton(Page(dlg), IDC_MODE_APPLY);
        EXPECT_TRUE(TakeMessageBoxes().empty());
        EXPECT_EQ(Page(dlg).m_nMode, CModePage::kRepeater);

        channel.Answer(CScriptedChannel::Pieces{{4000, "+OK\r\n"}});
        ClickButton(Page(dlg), IDC_VERTEX_MODE);
        ClickButton(Page(dlg), IDC_MODE_APPLY);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Timeout"});
        EXPECT_EQ(Page(dlg).m_nMode, CModePage::kRepeater);
        EXPECT_TRUE(Checked(Page(dlg), IDC_REPEATER_MODE));
    });
}

TEST_F(ModePageTest, WithNoModeKnownApplySendsAnEmptyModeWord) {
    replies["Mode\r\n"] = "-ERR\r\n";
    Run([&](CManagerDlg& dlg) {
        TakeSent();
        TakeMessageBoxes();
        EXPECT_EQ(Page(dlg).m_nMode, -1);
        ClickButton(Page(dlg), IDC_ADVANCED_CONFIGURATION);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"No advanced configuration needed."});
        ClickButton(Page(dlg), IDC_MODE_APPLY);
        EXPECT_EQ(TakeSent(), Lines{"mode \r\n"});
        EXPECT_EQ(Page(dlg).GetDlgItemText(IDC_CURRENT_MODE), "Unknown");
    });
}

TEST_F(ModePageTest, EnterDoesNothingAndQuitEndsTheApplication) {
    bool ended = false;
    Run([&](CManagerDlg& dlg) {
        Page(dlg).OnEnterKey();
        Page(dlg).OnOK();
        backend.Pump();
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(TakeSent().size(), 3u);
        ClickButton(Page(dlg), IDCANCEL);
        backend.Pump();
        ended = dlg.IsEnded();
    });
    EXPECT_TRUE(ended);
}

TEST_F(ModePageTest, SearchReplacesEveryPageWithoutReadingAnything) {
    Run([&](CManagerDlg& dlg) {
        ClickTab(dlg, IDC_PAGE_TAB, 1);
        ClickTab(dlg, IDC_PAGE_TAB, 0);
        TakeSent();
        // A cancelled search leaves the pages as they are.
        backend.OnNextModal(IDD_SEARCH, [](CDialog& search) { search.EndDialog(IDCANCEL); });
        ClickButton(Page(dlg), IDC_MODE_SEARCH);
        EXPECT_EQ(Page(dlg).m_nMode, CModePage::kServer);

        ClickButton(Page(dlg), IDC_MODE_SEARCH);
        EXPECT_EQ(SearchRuns(), 3);
        CModePage& fresh = Page(dlg);
        EXPECT_EQ(fresh.m_nMode, -1);
        EXPECT_EQ(fresh.GetDlgItemText(IDC_CURRENT_MODE), "");
        EXPECT_TRUE(fresh.IsWindowVisible());
        EXPECT_FALSE(dlg.m_tabCtrl.Page(1).IsWindowVisible());
        EXPECT_EQ(dlg.m_tabCtrl.BluetoothPage().m_strName, "");
        EXPECT_EQ(dlg.m_tabCtrl.GetCurSel(), 0);
        backend.Pump();
        EXPECT_TRUE(TakeSent().empty());
    });
}

class ModePageOnSimulatorTest : public CSimulatedApplianceTest {};

TEST_F(ModePageOnSimulatorTest, ReadsAndSwitchesTheSimulatedAppliance) {
    simulator.updateState(
        0, [](sim::ApplianceState& state) { state.mode = sim::OperationMode::Vertex; });
    Run([&](CManagerDlg& dlg) {
        CModePage& page = dlg.m_tabCtrl.ModePage();
        EXPECT_EQ(page.m_strMode, "Vertex");
        TakeTranscript();
        // With Bluetooth serial connections up the appliance refuses to switch.
        ClickButton(page, IDC_SERIAL_HUB_MODE);
        ClickButton(page, IDC_MODE_APPLY);
        EXPECT_EQ(backend.MessageBoxes(), std::vector<std::string>{"Failed."});
        EXPECT_EQ(page.m_strMode, "Vertex");
        EXPECT_EQ(page.Item<CButtonCtrl>(IDC_VERTEX_MODE).GetCheck(), 1);

        simulator.updateState(0, [](sim::ApplianceState& state) { state.connections.clear(); });
        ClickButton(page, IDC_SERIAL_HUB_MODE);
        ClickButton(page, IDC_MODE_APPLY);
        EXPECT_EQ(TakeTranscript(), (Lines{"mode hub", "mode hub"}));
        EXPECT_EQ(simulator.state(0).mode, sim::OperationMode::SerialHub);
        EXPECT_EQ(page.m_strMode, "SerialHub");
    });
    EXPECT_EQ(backend.MessageBoxes().size(), 1u);
}

} // namespace
