#pragma once

#include "ui/TabPage.h"

enum : int { IDD_REPEATER_PAGE = 158 };

// The Repeater page: the tree of repeaters.
class CRepeaterPage : public CTabPage {
public:
    CRepeaterPage();

    void RefreshPage() override;
};
