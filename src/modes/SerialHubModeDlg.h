#pragma once

#include "ui/Dialog.h"

enum : int {
    IDD_SERIAL_HUB_MODE = 153,
    IDC_HUB_ROUTES = 1101,
    IDC_HUB_STOP = 1097,
    IDC_HUB_START = 1098,
    IDC_HUB_POINT_TO_POINT = 1099,
    IDC_HUB_MULTI_DROP = 1100,
};

// The Serial Hub Mode dialog: starts and stops the appliance's automatic route generation and
// shows its routing table, polled with timer 2 while the dialog is open. Made for one run;
// every exchange blocks the UI thread.
class CSerialHubModeDlg : public CDialog {
public:
    enum RouteMode { kPointToPoint, kMultiDrop };
    static constexpr UINT kPollTimer = 2;
    static constexpr UINT kPollPeriodMs = 2000;

    CSerialHubModeDlg();

    // Sets the routing table's columns up and starts the poll.
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    // The window's close request stops the poll, then closes with Cancel.
    void OnClose() override;

    int m_nRouteMode = kPointToPoint;

private:
    void OnStart();
    void OnStop();
    // Any timer of the dialog reads the routing table anew.
    void OnTimer(UINT id);
    // Start or Stop pressable: the two buttons switch each other.
    void SetGenerating(bool generating);
};
