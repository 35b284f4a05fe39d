#pragma once

#include <string>

#include "ui/TabPage.h"

class CManagerWindow;

enum : int {
    IDD_INFORMATION_PAGE = 141,
    IDC_INFO_PRODUCT_NAME = 1031,
    IDC_INFO_MODEL_CODE = 1055,
    IDC_INFO_VERSION = 1087,
    IDC_INFO_SERIAL_NUMBER = 1057,
    IDC_INFO_IP_ADDRESS = 1058,
    IDC_INFO_CONTROL_PORT = 1023,
    IDC_INFO_MAC_ADDRESS = 1059,
    IDC_INFO_BT_NAME = 1060,
    IDC_INFO_BD_ADDR = 1061,
    IDC_INFO_REBOOT = 1077,
};

// The Information page, last tab of the main window: the connected appliance's identity from
// discovery with the firmware version it reports, which also sets the main window's
// m_nFirmwareVersion; and the reboot with the reconnection after it. Owned by the main
// window's tab strip; everything runs on the UI thread and blocks it while it talks to the
// appliance (the reboot for up to about 30 seconds).
class CInformationPage : public CTabPage {
public:
    // Downtime of a rebooting appliance before the first reconnection attempt, how long the
    // attempts go on after it, and the pause between two attempts.
    static constexpr int kRebootWaitMs = 15000;
    static constexpr int kReconnectWindowMs = 15000;
    static constexpr int kReconnectPauseMs = 200;

    CInformationPage();

    // Reads the version with "Ver" and shows it with the appliance's record.
    void RefreshPage() override;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strProductName;
    std::string m_strModelCode;
    std::string m_strVersion;
    std::string m_strSerialNumber;
    std::string m_strIPAddress;
    std::string m_strControlPort;
    std::string m_strMACAddress;
    std::string m_strBtName;
    std::string m_strBdAddr;

private:
    enum class Reconnection { Connected, NotBack, NoSocket };

    void OnReboot();
    // Waits out the reboot, then connects a new control socket to the last address; blocks.
    static Reconnection ReconnectAfterReboot(CManagerWindow& main);
};
