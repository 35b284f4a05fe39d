#pragma once

#include <string>

#include "ui/TabPage.h"

class CListViewCtrl;

enum : int {
    IDD_NEIGHBORHOODS_PAGE = 154,
    IDC_INQUIRY_ACCESS_CODE = 1103,
    IDC_NEIGHBOUR_LIST = 1104,
    IDC_INQUIRY_INTERVAL = 1105,
    IDC_INQUIRY_LENGTH = 1106,
    IDC_INQUIRY_START = 1098,
    IDC_INQUIRY_STOP = 1097,
};

// The Neighborhoods page, fourth tab of the main window: starts and stops the appliance's
// periodic inquiry and, while it runs, lists the devices it found, reloaded on every tick of
// the page's timer 1 (started here, stopped by Stop or by the main window on a tab click).
// Appliances below firmware 263 get none of its commands. Owned by the main window's tab
// strip; everything runs on the UI thread and every exchange blocks it.
class CNeighborhoodsPage : public CTabPage {
public:
    CNeighborhoodsPage();

    // What a click on the page's tab does.
    void RefreshPage() override { QueryPeriodicInquiry(); }
    // The neighbours are polled only on the page's own tab, where a click would start it.
    void ReloadValues() override { QueryPeriodicInquiry(IsWindowVisible()); }
    // Reads "pinq" into the controls and, with `startPoll`, starts timer 1 when the inquiry
    // runs and the timer does not. Below firmware 263 it disables the page and sends nothing.
    void QueryPeriodicInquiry(bool startPoll = true);

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strInterval;
    std::string m_strLength;
    // 0 "General", 1 "Limited".
    int m_nAccessCode = 0;
    // Whether the page's timer 1 runs; the main window reads and clears it.
    bool m_bTimerRunning = false;

private:
    CListViewCtrl& List() const;
    // Start, the edits and the combo box while the inquiry is off; Stop while it runs.
    void EnableInquiryControls(bool running);
    void OnStart();
    void OnStop();
    // Reloads the neighbours; a failed "ngbrh" keeps the last good list, silently.
    void OnTimer(UINT id);
};
