#pragma once

#include "ui/TabPage.h"

enum : int { IDD_NEIGHBORHOODS_PAGE = 154 };

// The Neighborhoods page: periodic inquiry and the neighbouring devices.
class CNeighborhoodsPage : public CTabPage {
public:
    CNeighborhoodsPage();

    void RefreshPage() override;

    // Whether the page's timer 1 runs; the main window reads and clears it.
    bool m_bTimerRunning = false;
};
