#pragma once

#include "ui/TabPage.h"

enum : int { IDD_INFORMATION_PAGE = 141 };

// The Information page: the appliance's identity, version and reboot.
class CInformationPage : public CTabPage {
public:
    CInformationPage();

    void RefreshPage() override;
};
