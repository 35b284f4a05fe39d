#pragma once

#include <string>

#include "appliance/SerialSettings.h"
#include "ui/Dialog.h"

enum : int {
    IDD_SERIAL_PORT = 156,
    IDC_SERIAL_BAUD_RATE = 1108,
    IDC_SERIAL_DATA_BITS = 1109,
    IDC_SERIAL_PARITY = 1110,
    IDC_SERIAL_STOP_BITS = 1111,
    IDC_SERIAL_FLOW_CONTROL = 1112,
};

// The Serial Port Setup dialog: the line parameters of the RS232 port, asked for before the
// appliance is switched to RS232 mode and offered by Advanced Configuration. Made for one
// run; both exchanges block the UI thread.
class CSerialPortDlg : public CDialog {
public:
    CSerialPortDlg();

    // Fills the combo lists and reads the appliance's settings into them.
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    // Sends the settings; closes with OK even when the appliance refuses them, so that the
    // mode is switched all the same. Only a flow control without a word keeps it open.
    void OnOK() override;

    std::string m_strBaudRate;
    std::string m_strDataBits;
    std::string m_strFlowControl;
    std::string m_strParity;
    std::string m_strStopBits;

private:
    CSerialSettings Settings() const;
    void TakeSettings(const CSerialSettings& settings);
};
