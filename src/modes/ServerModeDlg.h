#pragma once

#include <string>

#include "appliance/FieldLimits.h"
#include "ui/Dialog.h"
#include "ui/ListViewCtrl.h"

enum : int {
    IDD_SERVER_MODE = 134,
    IDC_DATA_PORT = 1001,
    IDC_SERVER_APPLY = 1075,
    IDC_KEEPALIVE = 1102,
    IDC_NO_DISCONNECT = 1019,
    IDC_DEVICE_TABLE = 1007,
    IDC_DEVICE_ADD = 1015,
    IDC_DEVICE_DELETE = 1016,
    IDC_DEVICE_MODIFY = 1017,
};

// The Server Mode dialog: the default data port, whether the appliance keeps the TCP socket,
// the TCP keep-alive time-out and the registered Bluetooth devices with Add, Delete and Modify.
// A member of the Operation Mode page, opened again and again, so its values last between
// openings; every opening reads everything anew. It has no OK or Cancel button: the close box
// ends it and sends nothing. UI thread; every exchange with the appliance blocks it.
class CServerModeDlg : public CDialog {
public:
    static constexpr int kPortLimit = kDataPortDigits;

    CServerModeDlg();

    // Reads "Port", "prsv", "kato" and "Bind". A read that stops the opening leaves the
    // controls showing what they showed before it, whatever was read up to then.
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strDataPort;
    int m_bNoDisconnect = 0;
    std::string m_strKeepAlive;
    // The device table: index (hidden), BDADDR/Name, port. The Add and Modify Device dialogs
    // read it for their duplicate checks.
    CListViewCtrl m_listDevices;
    // Rows read from the appliance at this opening.
    int m_nDeviceCount = 0;
    // Row of the list's last item-changed notification; -1 while none names a row that is
    // still there.
    int m_nSelItem = -1;
    // The row being modified, as the Modify Device dialog starts from it.
    std::string m_strSelName;
    std::string m_strSelPort;

private:
    // The opening's reads; false when one of them stopped the opening.
    bool ReadSettings();
    bool ReadDevices();
    void OnApply();
    void OnAdd();
    void OnDelete();
    void OnModify();
    void OnItemChanged(const CNotification& notification);
};
