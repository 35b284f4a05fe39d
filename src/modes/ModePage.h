#pragma once

#include "ui/TabPage.h"

enum : int { IDD_MODE_PAGE = 129 };

// The Operation Mode page: the operation mode and the mode dialogs.
class CModePage : public CTabPage {
public:
    CModePage();

    void RefreshPage() override;
};
