#include "modes/SerialPortDlg.h"

#include <initializer_list>

#include "session/ManagerWindow.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/DataExchange.h"
#include "ui/Text.h"

namespace {

constexpr int kSerialTimeoutSeconds = 1;

const CDialogResource& SerialPortDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_SERIAL_PORT,
        "Serial Port Setup",
        {202, 104},
        "System",
        10,
        {
            {-1, ControlKind::Static, "Baud Rate:", DlgRect(10, 12, 44, 10)},
            {IDC_SERIAL_BAUD_RATE, ControlKind::ComboBox, "", DlgRect(56, 10, 44, 80), DropDown},
            {-1, ControlKind::Static, "Data:", DlgRect(108, 12, 30, 10)},
            {IDC_SERIAL_DATA_BITS, ControlKind::ComboBox, "", DlgRect(142, 10, 50, 60), DropDown},
            {-1, ControlKind::Static, "Parity:", DlgRect(10, 32, 44, 10)},
            {IDC_SERIAL_PARITY, ControlKind::ComboBox, "", DlgRect(56, 30, 44, 60), DropDown},
            {-1, ControlKind::Static, "Stopbit:", DlgRect(108, 32, 30, 10)},
            {IDC_SERIAL_STOP_BITS, ControlKind::ComboBox, "", DlgRect(142, 30, 50, 60), DropDown},
            {-1, ControlKind::Static, "Flow Control:", DlgRect(10, 52, 46, 10)},
            {IDC_SERIAL_FLOW_CONTROL, ControlKind::ComboBox, "", DlgRect(56, 50, 60, 60), DropDown},
            {IDOK, ControlKind::PushButton, "OK", DlgRect(88, 83, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(145, 83, 50, 14)},
        },
    };
    return resource;
}

struct ComboEntries {
    int id;
    std::initializer_list<const char*> entries;
};

const ComboEntries kComboEntries[] = {
    {IDC_SERIAL_BAUD_RATE,
     {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200", "230400"}},
    {IDC_SERIAL_DATA_BITS, {"5 bit", "6 bit", "7 bit", "8 bit"}},
    {IDC_SERIAL_FLOW_CONTROL, {"None", "Hardware", "Xon/Xoff"}},
    {IDC_SERIAL_PARITY, {"None", "Odd", "Even"}},
    {IDC_SERIAL_STOP_BITS, {"1 bit", "2 bit"}},
};

} // namespace

CSerialPortDlg::CSerialPortDlg() : CDialog(SerialPortDlgResource()) {
    TakeSettings(CSerialSettings{});
}

CSerialSettings CSerialPortDlg::Settings() const {
    return {m_strBaudRate, m_strDataBits, m_strFlowControl, m_strParity, m_strStopBits};
}

void CSerialPortDlg::TakeSettings(const CSerialSettings& settings) {
    m_strBaudRate = settings.baudRate;
    m_strDataBits = settings.dataBits;
    m_strFlowControl = settings.flowControl;
    m_strParity = settings.parity;
    m_strStopBits = settings.stopBits;
}

bool CSerialPortDlg::OnInitDialog() {
    for (const ComboEntries& combo : kComboEntries)
        for (const char* entry : combo.entries)
            Item<CComboBoxCtrl>(combo.id).AddString(entry);
    CDialog::OnInitDialog();
    const std::string reply = GetManagerWindow().SendCommand("rs232\r\n", kSerialTimeoutSeconds);
    if (Find(reply, "+OK") < 0) {
        MessageBox("Can't get RS232 configuration");
        return true;
    }
    TakeSettings(ParseSerialSettings(reply, Settings()));
    UpdateData(false);
    return true;
}

void CSerialPortDlg::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IDC_SERIAL_BAUD_RATE, m_strBaudRate);
    DDX_CBString(dx, IDC_SERIAL_DATA_BITS, m_strDataBits);
    DDX_CBString(dx, IDC_SERIAL_FLOW_CONTROL, m_strFlowControl);
    DDX_CBString(dx, IDC_SERIAL_PARITY, m_strParity);
    DDX_CBString(dx, IDC_SERIAL_STOP_BITS, m_strStopBits);
}

void CSerialPortDlg::OnOK() {
    UpdateData(true);
    const std::optional<std::string> command = SerialSettingsCommand(Settings());
    if (!command) {
        // A flow control typed outside the list has no word the appliance knows: the
        // operator corrects it or cancels.
        MessageBox("Setting RS232 failed.");
        return;
    }
    const std::string reply = GetManagerWindow().SendCommand(*command, kSerialTimeoutSeconds);
    if (Find(reply, "+OK") < 0)
        MessageBox("Setting RS232 failed.");
    EndDialog(IDOK);
}
