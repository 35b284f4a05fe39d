#pragma once

#include "ui/TabPage.h"

enum : int { IDD_BLUETOOTH_PAGE = 130 };

// The Bluetooth page: the radio settings and the local devices.
class CBluetoothPage : public CTabPage {
public:
    CBluetoothPage();

    void RefreshPage() override;
};
