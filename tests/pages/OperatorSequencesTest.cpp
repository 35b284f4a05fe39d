#include <gtest/gtest.h>

#include <algorithm>

#include "ApplianceFixtures.h"
#include "modes/ClientSettingDlg.h"
#include "modes/ModePage.h"
#include "pages/ConnectionsPage.h"
#include "ui/testing/Input.h"

namespace {

using OperatorSequencesTest = CScriptedApplianceTest;

// Page polls behind boxes and mode changes, the clock they run on, one reconnection at a time.
TEST_F(OperatorSequencesTest, PollsAndReconnections) {
    replies["pinq\r\n"] = "+OK On 30 5 0x9E8B33\r\n";
    const struct {
        const char* name;
        int tab; // clicked first: its page polls
        std::function<void(CManagerDlg&)> act;
        const char* line; // goes out `polls` times during `act`
        long polls;
    } rows[] = {
        {"a box of another page", 3,
         [&](CManagerDlg& dlg) {
             replies["List\r\n"] = "-ERR\r\n";
             backend.OnMessageBox(
                 [&](std::string_view) { return backend.AdvanceClock(6000), IDOK; });
             ClickButton(dlg.m_tabCtrl.ConnectionsPage(), IDC_CONNECTION_REFRESH);
             backend.OnMessageBox(nullptr);
         },
         "ngbrh\r\n", 0},
        {"five replies of 999 ms: one tick for two periods", 2,
         [&](CManagerDlg&) {
             delaysMs["Ver\r\n"] = 999;
             for (int i = 0; i < 5; ++i)
                 GetManagerWindow().SendCommand("Ver\r\n", 1);
             backend.AdvanceClock(0);
         },
         "List\r\n", 1},
        {"a mode change", 2,
         [&](CManagerDlg& dlg) {
             backend.OnNextModal(IDD_CLIENT_SETTING, [](CDialog& d) { ClickButton(d, IDCANCEL); });
             ClickButton(dlg.m_tabCtrl.ModePage(), IDC_CLIENT_MODE);
             ClickButton(dlg.m_tabCtrl.ModePage(), IDC_MODE_APPLY);
             backend.AdvanceClock(6000);
         },
         "List\r\n", 0},
        // The open search is the way on: a second one, cancelled, would end the program.
        {"a time-out inside the search", 0,
         [&](CManagerDlg& dlg) {
             replies["User \r\n"] = "";
             backend.OnNextModal(IDD_SEARCH,
                                 [](CDialog& s) { GetManagerWindow().Login(), s.EndDialog(IDOK); });
             backend.OnNextModal(IDD_SEARCH, [](CDialog& s) { s.EndDialog(IDCANCEL); });
             dlg.PostMessage(WM_RECONNECT);
             backend.Pump();
         },
         "", 0},
    };
    Run([&](CManagerDlg& dlg) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.name);
            ClickTab(dlg, IDC_PAGE_TAB, row.tab);
            TakeSent();
            row.act(dlg);
            const std::vector<std::string> sent = TakeSent();
            EXPECT_EQ(std::count(sent.begin(), sent.end(), row.line), row.polls);
            EXPECT_FALSE(dlg.IsEnded());
        }
    });
}

} // namespace
