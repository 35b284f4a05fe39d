// What a page poll or a reconnection does while the operator works elsewhere: no poll runs
// behind a box, a modal dialog, another tab or a mode change, and one reconnection at a time.

#include <gtest/gtest.h>

#include <algorithm>

#include "ApplianceFixtures.h"
#include "app/AboutDlg.h"
#include "modes/ClientSettingDlg.h"
#include "modes/ModePage.h"
#include "pages/ConnectionsPage.h"
#include "ui/testing/Input.h"

namespace {

enum Tab { kModeTab, kConnectionsTab = 2, kNeighborhoodsTab = 3 };
constexpr int kPollsMs = 6000; // three periods of either page's timer

class OperatorSequencesTest;
using Step = void (*)(OperatorSequencesTest&, CManagerDlg&);

struct SequenceRow {
    const char* name;
    Step prepare;
    // Acts with kPollsMs passing inside it; `quietLine` must not go out meanwhile.
    Step act;
    const char* quietLine;
    int reconnections;
};

class OperatorSequencesTest : public CScriptedApplianceTest,
                              public ::testing::WithParamInterface<SequenceRow> {
public:
    OperatorSequencesTest() { replies["pinq\r\n"] = "+OK On 30 5 0x9E8B33\r\n"; }
    using CScriptedApplianceTest::backend;
    using CScriptedApplianceTest::replies;
};

void PrintTo(const SequenceRow& row, std::ostream* out) {
    *out << row.name;
}

void PollConnections(OperatorSequencesTest&, CManagerDlg& dlg) {
    ClickTab(dlg, IDC_PAGE_TAB, kConnectionsTab);
}

void PollNeighbours(OperatorSequencesTest&, CManagerDlg& dlg) {
    ClickTab(dlg, IDC_PAGE_TAB, kNeighborhoodsTab);
}

void Nothing(OperatorSequencesTest&, CManagerDlg&) {}

const SequenceRow kRows[] = {
    {"AKeyboardTabChangeStopsTheConnectionsPoll", PollConnections,
     [](OperatorSequencesTest& t, CManagerDlg& dlg) {
         dlg.m_tabCtrl.SelectByKeyboard(kNeighborhoodsTab);
         t.backend.AdvanceClock(kPollsMs);
     },
     "List\r\n", 0},
    {"AModalDialogHoldsThePollBehindIt", PollConnections,
     [](OperatorSequencesTest& t, CManagerDlg& dlg) {
         t.backend.OnNextModal(IDD_ABOUTBOX, [&t](CDialog& about) {
             t.backend.AdvanceClock(kPollsMs);
             ClickButton(about, IDOK);
         });
         dlg.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
     },
     "List\r\n", 0},
    {"ABoxOfAnotherPageHoldsTheNeighboursPoll", PollNeighbours,
     [](OperatorSequencesTest& t, CManagerDlg& dlg) {
         t.replies["List\r\n"] = "-ERR\r\n";
         t.backend.OnMessageBox([&t](std::string_view) {
             t.backend.AdvanceClock(kPollsMs);
             return IDOK;
         });
         ClickButton(dlg.m_tabCtrl.ConnectionsPage(), IDC_CONNECTION_REFRESH);
         t.backend.OnMessageBox(nullptr);
     },
     "ngbrh\r\n", 0},
    {"TheModeChangeStopsThePolls", PollConnections,
     [](OperatorSequencesTest& t, CManagerDlg& dlg) {
         CModePage& mode = dlg.m_tabCtrl.ModePage();
         t.backend.OnNextModal(IDD_CLIENT_SETTING,
                               [](CDialog& setting) { ClickButton(setting, IDCANCEL); });
         ClickButton(mode, IDC_CLIENT_MODE);
         ClickButton(mode, IDC_MODE_APPLY);
         t.backend.AdvanceClock(kPollsMs);
     },
     "List\r\n", 0},
    // The time-out of the login inside the open search: that search is the way on, and a
    // second one, cancelled, would end the program.
    {"ATimeOutInsideTheSearchAsksForNoOtherOne", Nothing,
     [](OperatorSequencesTest& t, CManagerDlg& dlg) {
         t.backend.OnNextModal(IDD_SEARCH, [&t](CDialog& search) {
             CManagerWindow& main = GetManagerWindow();
             t.replies["User \r\n"] = "";
             main.Login();
             t.replies.erase("User \r\n");
             search.EndDialog(IDOK);
         });
         t.backend.OnNextModal(IDD_SEARCH, [](CDialog& search) { search.EndDialog(IDCANCEL); });
         dlg.PostMessage(WM_RECONNECT);
         t.backend.AdvanceClock(kPollsMs);
     },
     "", 1},
};

TEST_P(OperatorSequencesTest, Runs) {
    const SequenceRow& row = GetParam();
    Run([&](CManagerDlg& dlg) {
        row.prepare(*this, dlg);
        TakeSent();
        const int searches = SearchRuns();
        row.act(*this, dlg);
        const std::vector<std::string> sent = TakeSent();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), row.quietLine), 0)
            << testing::PrintToString(sent);
        EXPECT_EQ(SearchRuns() - searches, row.reconnections);
        EXPECT_FALSE(dlg.IsEnded());
    });
}

INSTANTIATE_TEST_SUITE_P(Rows, OperatorSequencesTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
