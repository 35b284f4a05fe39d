#pragma once

#include "ui/TabPage.h"

enum : int { IDD_CONNECTIONS_PAGE = 131 };

// The Connections page: the live Bluetooth connections.
class CConnectionsPage : public CTabPage {
public:
    CConnectionsPage();

    void RefreshPage() override;

    // Whether the page's timer 1 runs; the main window reads and clears it.
    bool m_bTimerRunning = false;
};
