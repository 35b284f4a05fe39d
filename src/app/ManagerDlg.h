#pragma once

#include "app/PageTabCtrl.h"
#include "session/ManagerWindow.h"

enum : int {
    IDD_MANAGER_DIALOG = 102,
    IDC_PAGE_TAB = 1000,
    IDM_ABOUTBOX = 0x0010,
    IDM_SAVE_SETTINGS = 0x0020,
    IDM_LOAD_SETTINGS = 0x0030,
};

// The main dialog: the tab strip with the six device pages above the log pane. It owns the
// control connection and is the one place that reacts to a lost or timed-out appliance.
class CManagerDlg : public CManagerWindow {
public:
    explicit CManagerDlg(CDiscoveryTarget discoveryTarget = {});
    ~CManagerDlg() override;

    bool OnInitDialog() override;
    void OnPaint() override;
    void OnDestroy() override;
    // Enter and Escape do not close the main window; only Quit, the close box and the
    // recovery paths do.
    void OnEnterKey() override {}
    void OnEscapeKey() override {}

    // Selects tab 0 and posts a click and a selection change as if from the tab strip, so
    // page 0 is refreshed (unless it was the current tab) and shown.
    void SelectFirstTab();

    CTabPage* FindPage(int resourceId) const override;
    void RecreatePages() override;
    // A new connection may lead to another appliance: the Bluetooth page forgets the name,
    // PIN code and MaxDT it held.
    void OnControlConnectionReplaced() override;
    // Stops the Connections and Neighborhoods pages' timers, where they run.
    void StopPageTimers() override;

    // The index of the tab that the last tab click refreshed (-1: none yet).
    int m_nCurTab = -1;
    CPageTabCtrl m_tabCtrl;

private:
    void OnSelchangeTab();
    void OnClickTab();
    // Stops the page timers and starts the Connections page's when `tab` is its tab.
    void SetPageTimersFor(int tab);
    void OnReconnect();
    void OnRelogin();
    void OnSysCommand(UINT id);
};
