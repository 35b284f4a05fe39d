#include "pages/InformationPage.h"

#include <cstdint>

#include "pages/BluetoothPage.h"
#include "pages/RebootDlg.h"
#include "session/ManagerWindow.h"
#include "ui/Application.h"
#include "ui/DataExchange.h"
#include "ui/Text.h"

namespace {

// What an appliance that reports no version runs: 1.0.
constexpr int kVersionUnknown = 0x100;

CControlTemplate Label(const char* text, int row) {
    return {-1, ControlKind::Static, text, DlgRect(18, 14 + 12 * row, 96, 10)};
}

CControlTemplate Value(int id, int row) {
    return {id, ControlKind::Static, "", DlgRect(118, 14 + 12 * row, 168, 10)};
}

const CDialogResource& InformationPageResource() {
    static const CDialogResource resource{
        IDD_INFORMATION_PAGE,
        "",
        {300, 171},
        "Arial",
        9,
        {
            {-1, ControlKind::GroupBox, "", DlgRect(7, 3, 286, 120)},
            Label("Product Name", 0),
            Value(IDC_INFO_PRODUCT_NAME, 0),
            Label("Model Code", 1),
            Value(IDC_INFO_MODEL_CODE, 1),
            Label("Version", 2),
            Value(IDC_INFO_VERSION, 2),
            Label("Product Serial Number", 3),
            Value(IDC_INFO_SERIAL_NUMBER, 3),
            Label("IP Address ", 4),
            Value(IDC_INFO_IP_ADDRESS, 4),
            Label("Control Port  ", 5),
            Value(IDC_INFO_CONTROL_PORT, 5),
            Label("MAC Address", 6),
            Value(IDC_INFO_MAC_ADDRESS, 6),
            Label("Bluetooth Friendly Name", 7),
            Value(IDC_INFO_BT_NAME, 7),
            Label("Bluetooth Address", 8),
            Value(IDC_INFO_BD_ADDR, 8),
            {IDC_INFO_REBOOT, ControlKind::PushButton, "Reboot", DlgRect(236, 126, 57, 14)},
        },
        true,
    };
    return resource;
}

// Major digit × 256 + minor digit of a version text such as "1.7.3"; a text too short to
// hold both digits counts as 1.0.
int FirmwareVersionNumber(std::string_view version) {
    if (Length(version) < 3)
        return kVersionUnknown;
    const int major = static_cast<unsigned char>(version[0]) - '0';
    const int minor = (static_cast<unsigned char>(version[2]) - '0') & 0xFF;
    return major * 256 + minor;
}

} // namespace

CInformationPage::CInformationPage() : CTabPage(InformationPageResource()) {
    MessageMap().Clicked(IDC_INFO_REBOOT, &CInformationPage::OnReboot);
}

void CInformationPage::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_INFO_PRODUCT_NAME, m_strProductName);
    DDX_Text(dx, IDC_INFO_MODEL_CODE, m_strModelCode);
    DDX_Text(dx, IDC_INFO_VERSION, m_strVersion);
    DDX_Text(dx, IDC_INFO_SERIAL_NUMBER, m_strSerialNumber);
    DDX_Text(dx, IDC_INFO_IP_ADDRESS, m_strIPAddress);
    DDX_Text(dx, IDC_INFO_CONTROL_PORT, m_strControlPort);
    DDX_Text(dx, IDC_INFO_MAC_ADDRESS, m_strMACAddress);
    DDX_Text(dx, IDC_INFO_BT_NAME, m_strBtName);
    DDX_Text(dx, IDC_INFO_BD_ADDR, m_strBdAddr);
}

void CInformationPage::RefreshPage() {
    CManagerWindow& main = GetManagerWindow();
    const std::string reply = main.SendCommandOrReconnect(
        *this, "Ver\r\n", 1, "Get Version is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    if (Find(reply, "+OK") >= 0) {
        m_strVersion = Mid(reply, 8); // after "+OK Ver ", line end included
        main.m_nFirmwareVersion = FirmwareVersionNumber(m_strVersion);
    } else {
        m_strVersion = "1.0";
        main.m_nFirmwareVersion = kVersionUnknown;
    }
    const CSearchDlg& record = main.m_searchDlg;
    m_strProductName = record.m_strProductName;
    m_strModelCode = record.m_strModelCode;
    m_strSerialNumber = record.m_strSerialNumber;
    m_strIPAddress = record.m_strIPAddress;
    m_strControlPort = record.m_strControlPort;
    m_strMACAddress = record.m_strMACAddress;
    // A name the operator has set on the Bluetooth page is newer than discovery's.
    const auto* bluetooth = dynamic_cast<const CBluetoothPage*>(main.FindPage(IDD_BLUETOOTH_PAGE));
    m_strBtName = bluetooth && bluetooth->m_bApplied ? bluetooth->m_strName : record.m_strBtName;
    m_strBdAddr = record.m_strBdAddr;
    UpdateData(false);
}

void CInformationPage::OnReboot() {
    CManagerWindow& main = GetManagerWindow();
    const std::string reply = main.SendCommandOrReconnect(
        *this, "Reboot\r\n", 0, "Reboot is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    if (Left(Left(reply, Length(reply) - 2), 3) != "+OK") {
        MessageBox("Reboot is Failed. Try again");
        return;
    }
    main.DeleteControlSocket();
    Reconnection result;
    {
        // The progress window lives exactly as long as the waiting: whatever the outcome,
        // it is gone before anything else shows.
        CRebootDlg progress;
        if (!progress.Create())
            MessageBox("Create error");
        result = ReconnectAfterReboot(main);
    }
    switch (result) {
    case Reconnection::Connected:
        main.PostMessage(WM_RELOGIN);
        break;
    case Reconnection::NotBack:
        main.ReportAndReconnect(*this, "Reboot is failed");
        break;
    case Reconnection::NoSocket: // the system gave no socket: nothing more to do
        break;
    }
}

CInformationPage::Reconnection CInformationPage::ReconnectAfterReboot(CManagerWindow& main) {
    IUiBackend& backend = Application().Backend();
    CBlockingScope blocking;
    backend.WaitWithoutInput(kRebootWaitMs);
    const std::string host = main.m_searchDlg.m_strIP;
    const int port = main.m_searchDlg.m_nPort;
    CControlSocket* socket = main.CreateControlSocket();
    if (!socket)
        return Reconnection::NoSocket;
    if (socket->Connect(host, port))
        return Reconnection::Connected;
    // A booting appliance refuses connections at once: without the pause this would be a
    // tight loop of connection attempts. Each attempt gets a fresh socket.
    const std::uint64_t start = backend.GetTickCount();
    for (;;) {
        backend.WaitWithoutInput(kReconnectPauseMs);
        socket = main.CreateControlSocket();
        if (socket && socket->Connect(host, port))
            return Reconnection::Connected;
        if (backend.GetTickCount() - start >= kReconnectWindowMs)
            return Reconnection::NotBack;
    }
}
