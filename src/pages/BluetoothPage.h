#pragma once

#include <string>

#include "ui/TabPage.h"

enum : int {
    IDD_BLUETOOTH_PAGE = 130,
    IDC_BT_MAXDT = 1024,
    IDC_BT_MAXDT_SPIN = 1040,
    IDC_BT_LINK_TIMEOUT = 1086,
    IDC_BT_LINK_TIMEOUT_SPIN = 1085,
    IDC_BT_NAME = 1031,
    IDC_BT_PIN_CODE = 1027,
    IDC_BT_SECURITY = 1026,
    IDC_BT_PAIRABLE = 1035,
    IDC_BT_CONNECTABLE = 1019,
    IDC_BT_DISCOVERABLE = 1020,
    IDC_BT_LOCAL_DEVICES_GROUP = 1082,
    IDC_BT_LOCAL_DEVICES = 1054,
    IDC_BT_APPLY = 1041,
    IDC_BT_REFRESH = 1079,
};

// The Bluetooth page, second tab of the main window: the appliance's radio settings (name,
// MaxDT, link time-out, security, PIN code, pairable, connectable, discoverable) and its local
// Bluetooth devices. Owned by the main window's tab strip; everything runs on the UI thread
// and every exchange with the appliance blocks it.
class CBluetoothPage : public CTabPage {
public:
    static constexpr int kPinCodeLimit = 18;

    CBluetoothPage();

    // What a click on the page's tab does: LoadSettings.
    void RefreshPage() override { LoadSettings(); }
    // Reads every setting and the local devices; bounds the MaxDT spin by the device count.
    void LoadSettings();
    // Lists the local devices ("Stat") and counts them in m_nLocalDevices.
    void LoadLocalDevices();
    // The Security combo box's choice as "low" or "high" (kept when nothing is chosen).
    std::string GetSecurity();
    // Chooses "high" for "high", otherwise "low", and shows the members.
    void SetSecurity(const std::string& security);
    bool IsPairable() const { return m_bPairable; }
    bool IsConnectable() const { return m_bConnectable; }
    bool IsDiscoverable() const { return m_bDiscoverable; }

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strName;
    std::string m_strPinCode;
    bool m_bPairable = false;
    std::string m_strMaxDT;
    bool m_bConnectable = false;
    bool m_bDiscoverable = false;
    std::string m_strLinkTimeout;
    std::string m_strSecurity;
    int m_nLocalDevices = 0;
    // Set once an Apply got all its settings accepted; the Information page then shows
    // m_strName as the friendly name.
    bool m_bApplied = false;

private:
    void OnRefresh();
    void OnApply();

    // The setting queries in order ("Linkto" only when asked); each reply that begins "+OK"
    // is cut into its member. False once a time-out or a failure has been reported; values
    // taken before it stay.
    bool QuerySettings(bool withLinkTimeout);
    // What each query takes from its reply without the line end.
    void TakeName(const std::string& reply);
    void TakeMaxDT(const std::string& reply);
    void TakeLinkTimeout(const std::string& reply);
    void TakeScan(const std::string& reply);
    void TakeSecurity(const std::string& reply);
    void TakePairable(const std::string& reply);
    // Sends a set command; true when the appliance answered exactly "+OK".
    bool Set(const std::string& command, const char* timeoutMessage, const char* failureMessage);
    // The set command for the scan flags with its failure message.
    bool SetScan();
};
