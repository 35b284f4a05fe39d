#include <gtest/gtest.h>

#include <algorithm>

#include "app/AboutDlg.h"
#include "app/ManagerApp.h"
#include "app/ManagerDlg.h"
#include "modes/ModePage.h"
#include "pages/ConnectionsPage.h"
#include "protocol/testing/ScriptedChannel.h"
#include "ui/testing/Input.h"
#include "ui/testing/TestBackend.h"

namespace {

size_t CountOf(const std::vector<int>& ids, int id) {
    return static_cast<size_t>(std::count(ids.begin(), ids.end(), id));
}

class ManagerDlgTest : public ::testing::Test {
protected:
    // Runs the application; `whileOpen` acts on the main dialog, which is then closed.
    void Run(std::function<void(CManagerDlg&)> whileOpen) {
        backend.OnModal(IDD_MANAGER_DIALOG, [&](CDialog& dialog) {
            backend.Pump();
            if (!dialog.IsEnded())
                whileOpen(static_cast<CManagerDlg&>(dialog));
            dialog.PostMessage(WM_CLOSE);
            backend.Pump();
        });
        app.InitInstance(CDiscoveryTarget{"127.0.0.1", 9, {}});
    }

    // Every search ends with OK on `appliance`, which answers every line ("Mode" as a
    // Server), so that the pages show no message.
    void SearchFindsTheAppliance() {
        appliance.SetResponder([](std::string_view line) {
            return CScriptedChannel::Pieces{
                {0, line == "Mode\r\n" ? "+OK Server Mode\r\n" : "+OK\r\n"}};
        });
        backend.OnModal(IDD_SEARCH, [this](CDialog& search) {
            GetManagerWindow().AttachChannel(&appliance);
            search.EndDialog(IDOK);
        });
    }

    CTestBackend backend;
    CManagerApp app{backend};
    CScriptedChannel appliance;
};

TEST_F(ManagerDlgTest, ACancelledSearchEndsTheApplicationWithoutPages) {
    backend.OnModal(IDD_SEARCH, [](CDialog& search) { search.EndDialog(IDCANCEL); });
    bool reachedMainWindow = false;
    Run([&](CManagerDlg&) { reachedMainWindow = true; });
    EXPECT_FALSE(reachedMainWindow);
    EXPECT_EQ(backend.ModalHistory(), (std::vector<int>{IDD_MANAGER_DIALOG, IDD_SEARCH}));
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(ManagerDlgTest, AfterTheSearchTheSixTabsAndPagesAreThere) {
    backend.OnModal(IDD_SEARCH, [](CDialog& search) { search.EndDialog(IDOK); });
    Run([&](CManagerDlg& dlg) {
        ASSERT_EQ(dlg.m_tabCtrl.GetItemCount(), 6);
        EXPECT_EQ(dlg.m_tabCtrl.GetItemText(0), "  Operation Mode  ");
        EXPECT_EQ(dlg.m_tabCtrl.GetItemText(5), "  Velmora42 Information  ");
        EXPECT_TRUE(dlg.m_tabCtrl.Page(0).IsWindowVisible());
        for (int i = 1; i < 6; ++i)
            EXPECT_FALSE(dlg.m_tabCtrl.Page(i).IsWindowVisible());
        // Pages sit just below the tab items, inside the strip.
        const CRect page = dlg.m_tabCtrl.Page(0).GetWindowRect();
        EXPECT_EQ(page.top, dlg.m_tabCtrl.GetItemRect(0).bottom + 1);
        EXPECT_EQ(page.right, dlg.m_tabCtrl.GetClientRect().right - 1);
        dlg.OnPaint();
        EXPECT_EQ(dlg.GetWindowText(), "Velmora42 Manager :  - ");
    });
}

// The tab strip shows a page below its tab items: about 142 of the strip's 157 dialog units.
TEST_F(ManagerDlgTest, EveryPageControlLiesInTheVisiblePartOfTheStrip) {
    CManagerDlg dialog;
    for (int i = 0; i < CPageTabCtrl::kPageCount; ++i)
        for (const CControlTemplate& control : dialog.m_tabCtrl.Page(i).Resource().controls)
            EXPECT_LE(control.rect.bottom, 140)
                << "control " << control.id << " \"" << control.label << "\" of page " << i;
}

TEST_F(ManagerDlgTest, TheConnectionsTimerRunsOnlyWhileItsTabIsClicked) {
    SearchFindsTheAppliance();
    Run([&](CManagerDlg& dlg) {
        CConnectionsPage& connections = dlg.m_tabCtrl.ConnectionsPage();
        ClickTab(dlg, IDC_PAGE_TAB, 2);
        EXPECT_TRUE(connections.m_bTimerRunning);
        EXPECT_EQ(backend.TimerPeriod(connections, 1), 2000u);
        EXPECT_TRUE(connections.IsWindowVisible());
        // A click on the selected tab changes nothing.
        ClickTab(dlg, IDC_PAGE_TAB, 2);
        EXPECT_TRUE(connections.m_bTimerRunning);
        ClickTab(dlg, IDC_PAGE_TAB, 4);
        EXPECT_FALSE(connections.m_bTimerRunning);
        EXPECT_FALSE(backend.HasTimer(connections, 1));
        EXPECT_FALSE(connections.IsWindowVisible());
        ClickTab(dlg, IDC_PAGE_TAB, 2);
        EXPECT_TRUE(backend.HasTimer(connections, 1));
        // A keyboard change shows the page unrefreshed; the timer follows it as on a click.
        dlg.m_tabCtrl.SelectByKeyboard(1);
        EXPECT_TRUE(dlg.m_tabCtrl.Page(1).IsWindowVisible());
        EXPECT_FALSE(backend.HasTimer(connections, 1));
        dlg.m_tabCtrl.SelectByKeyboard(2);
        EXPECT_TRUE(backend.HasTimer(connections, 1));
    });
}

// A click on the tab already selected neither reloads its page nor starts a timer.
TEST_F(ManagerDlgTest, AClickOnTheSelectedTabSendsNothing) {
    SearchFindsTheAppliance();
    Run([&](CManagerDlg& dlg) {
        ClickTab(dlg, IDC_PAGE_TAB, 2);
        const size_t sentAfterClick = appliance.Sent().size();
        backend.KillTimer(dlg.m_tabCtrl.ConnectionsPage(), 1);
        ClickTab(dlg, IDC_PAGE_TAB, 2);
        EXPECT_EQ(appliance.Sent().size(), sentAfterClick);
        EXPECT_FALSE(backend.HasTimer(dlg.m_tabCtrl.ConnectionsPage(), 1));
    });
}

TEST_F(ManagerDlgTest, ReconnectRunsTheSearchAgainAndSelectsTheFirstTab) {
    backend.OnModal(IDD_SEARCH, [](CDialog& search) { search.EndDialog(IDOK); });
    Run([&](CManagerDlg& dlg) {
        ClickTab(dlg, IDC_PAGE_TAB, 3);
        dlg.PostMessage(WM_RECONNECT);
        backend.Pump();
        EXPECT_EQ(backend.ModalHistory().back(), IDD_SEARCH);
        EXPECT_EQ(dlg.m_tabCtrl.GetCurSel(), 0);
        EXPECT_EQ(dlg.m_nCurTab, 0);
        EXPECT_TRUE(dlg.m_tabCtrl.Page(0).IsWindowVisible());
        EXPECT_FALSE(dlg.m_tabCtrl.Page(3).IsWindowVisible());
    });
}

// The reloads would talk to the connection being replaced while the operator searches, and a
// reload that times out closes the application.
TEST_F(ManagerDlgTest, NoPageTimerRunsWhileAReconnectionSearches) {
    SearchFindsTheAppliance();
    Run([&](CManagerDlg& dlg) {
        CConnectionsPage& connections = dlg.m_tabCtrl.ConnectionsPage();
        ClickTab(dlg, IDC_PAGE_TAB, 2);
        ASSERT_TRUE(backend.HasTimer(connections, 1));
        backend.OnNextModal(IDD_SEARCH, [&](CDialog& search) {
            EXPECT_FALSE(backend.HasTimer(connections, 1));
            EXPECT_FALSE(connections.m_bTimerRunning);
            search.EndDialog(IDOK);
        });
        dlg.PostMessage(WM_RECONNECT);
        backend.Pump();
        EXPECT_EQ(dlg.m_nCurTab, 0);
    });
}

TEST_F(ManagerDlgTest, AReconnectWhoseSearchIsCancelledEndsTheApplication) {
    backend.OnNextModal(IDD_SEARCH, [](CDialog& search) { search.EndDialog(IDOK); });
    backend.OnModal(IDD_SEARCH, [](CDialog& search) { search.EndDialog(IDCANCEL); });
    backend.OnModal(IDD_MANAGER_DIALOG, [&](CDialog& dialog) {
        dialog.PostMessage(WM_RECONNECT);
        backend.Pump();
        EXPECT_TRUE(dialog.IsEnded());
    });
    app.InitInstance(CDiscoveryTarget{"127.0.0.1", 9, {}});
}

TEST_F(ManagerDlgTest, TheDisconnectMessageEndsTheApplication) {
    SearchFindsTheAppliance();
    backend.OnModal(IDD_MANAGER_DIALOG, [&](CDialog& dialog) {
        dialog.SendMessage(WM_SOCKET_CLOSE);
        backend.Pump();
        EXPECT_TRUE(dialog.IsEnded());
    });
    app.InitInstance(CDiscoveryTarget{"127.0.0.1", 9, {}});
    EXPECT_EQ(backend.MessageBoxes(), std::vector<std::string>{"Velmora42 has been disconnected."});
    EXPECT_EQ(backend.MessageBoxCaptions(), std::vector<std::string>{"Velmora42 Manager"});
}

// The appliance went away while a dialog was open; the page behind it then timed out on the
// dead connection and asked for a reconnection, or the reboot asked for a new login.
TEST_F(ManagerDlgTest, NoReconnectionOrLoginRunsOnceTheDisconnectHasClosedTheWindow) {
    SearchFindsTheAppliance();
    backend.OnModal(IDD_MANAGER_DIALOG, [&](CDialog& dialog) {
        dialog.SendMessage(WM_SOCKET_CLOSE);
        dialog.PostMessage(WM_RECONNECT);
        dialog.PostMessage(WM_RELOGIN);
        backend.Pump();
        EXPECT_TRUE(dialog.IsEnded());
    });
    app.InitInstance(CDiscoveryTarget{"127.0.0.1", 9, {}});
    EXPECT_EQ(CountOf(backend.ModalHistory(), IDD_SEARCH), 1u);
    EXPECT_EQ(std::count_if(appliance.Sent().begin(), appliance.Sent().end(),
                            [](const std::string& line) { return line.starts_with("User "); }),
              0);
    EXPECT_EQ(backend.MessageBoxes(), std::vector<std::string>{"Velmora42 has been disconnected."});
}

// The Operation Mode page's Search replaces every page, itself included, from inside its own
// button handler, which then returns through the replaced page.
TEST_F(ManagerDlgTest, TheModePagesSearchReplacesThePagesAndRefreshesNone) {
    SearchFindsTheAppliance();
    Run([&](CManagerDlg& dlg) {
        // The Connections page's timer runs on, since only a click stops it.
        ClickTab(dlg, IDC_PAGE_TAB, 2);
        dlg.m_tabCtrl.SelectByKeyboard(0);
        CTabPage& replaced = dlg.m_tabCtrl.Page(0);
        const size_t sent = appliance.Sent().size();

        ClickButton(replaced, IDC_MODE_SEARCH);
        EXPECT_EQ(replaced.GetSafeHwnd(), 0);
        EXPECT_NE(&dlg.m_tabCtrl.Page(0), &replaced);
        EXPECT_TRUE(dlg.m_tabCtrl.Page(0).IsWindowVisible());
        for (int i = 1; i < CPageTabCtrl::kPageCount; ++i)
            EXPECT_FALSE(dlg.m_tabCtrl.Page(i).IsWindowVisible());
        EXPECT_EQ(dlg.m_tabCtrl.GetCurSel(), 0);
        // Nothing is loaded, and the old Connections page's timer went with its window.
        backend.AdvanceClock(5000);
        EXPECT_EQ(appliance.Sent().size(), sent);
        EXPECT_FALSE(dlg.m_tabCtrl.ConnectionsPage().m_bTimerRunning);
    });
    EXPECT_EQ(CountOf(backend.ModalHistory(), IDD_SEARCH), 2u);
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(ManagerDlgTest, TheSystemMenuEntryOpensTheAboutBox) {
    backend.OnModal(IDD_SEARCH, [](CDialog& search) { search.EndDialog(IDOK); });
    backend.OnModal(IDD_ABOUTBOX, [](CDialog& about) { ClickButton(about, IDOK); });
    Run([&](CManagerDlg& dlg) {
        ASSERT_EQ(dlg.SystemMenu().size(), 4u);
        EXPECT_EQ(dlg.SystemMenu()[1].text, "Velmora42 Manager Info(&A)...");
        dlg.SendMessage(WM_SYSCOMMAND, dlg.SystemMenu()[1].id);
        dlg.OnEnterKey(); // Enter does not close the main window
        EXPECT_FALSE(dlg.IsEnded());
    });
    EXPECT_EQ(backend.ModalHistory().back(), IDD_ABOUTBOX);
}

} // namespace
