#include "modes/ModePage.h"

#include <utility>

#include "appliance/ModeReplies.h"
#include "modes/RepeaterModeDlg.h"
#include "modes/SerialHubModeDlg.h"
#include "modes/SerialPortDlg.h"
#include "session/ManagerWindow.h"
#include "ui/DataExchange.h"
#include "ui/Text.h"

namespace {

constexpr int kModeTimeoutSeconds = 3;
// Switching to Repeater mode sets the radio up anew, which the appliance answers late.
constexpr int kRepeaterModeTimeoutSeconds = 20;

// Shown after "Current Mode  :"; the reply lines and words are in ModeReplies.
constexpr const char* kModeNames[CModePage::kModeCount] = {"Server",   "Client",    "Vertex",
                                                           "Repeater", "SerialHub", "RS232"};

bool IsKnownMode(int index) {
    return index >= 0 && index < CModePage::kModeCount;
}

const CDialogResource& ModePageResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_MODE_PAGE,
        "",
        {293, 156},
        "Arial",
        9,
        {
            {IDC_OPERATION_MODE_GROUP, ControlKind::GroupBox, "Operation Mode",
             DlgRect(7, 3, 279, 38), LargeFont},
            {-1, ControlKind::Static, "Current Mode  :", DlgRect(20, 22, 62, 10)},
            {IDC_CURRENT_MODE, ControlKind::Static, "", DlgRect(84, 22, 80, 10)},
            {IDC_ADVANCED_CONFIGURATION, ControlKind::PushButton, "Advanced Configuration",
             DlgRect(178, 18, 98, 16)},
            {IDC_MODE_CHANGE_GROUP, ControlKind::GroupBox, "Mode Change", DlgRect(7, 44, 279, 60),
             LargeFont},
            {IDC_SERVER_MODE, ControlKind::RadioButton, "Server Mode", DlgRect(20, 64, 66, 10),
             Group},
            {IDC_CLIENT_MODE, ControlKind::RadioButton, "Client Mode", DlgRect(90, 64, 66, 10)},
            {IDC_VERTEX_MODE, ControlKind::RadioButton, "Vertex Mode", DlgRect(160, 64, 66, 10)},
            {IDC_REPEATER_MODE, ControlKind::RadioButton, "Repeater Mode", DlgRect(20, 84, 66, 10)},
            {IDC_SERIAL_HUB_MODE, ControlKind::RadioButton, "Serial Hub Mode",
             DlgRect(90, 84, 66, 10)},
            {IDC_RS232_MODE, ControlKind::RadioButton, "RS232 Mode", DlgRect(160, 84, 66, 10)},
            {IDC_MODE_APPLY, ControlKind::PushButton, "Apply", DlgRect(230, 72, 48, 16)},
            {-1, ControlKind::Static,
             "* Note : Make sure of No Bluetooth Serial Connection to Velmora42.\r\n"
             "           You can't change the operation mode while connected.",
             DlgRect(7, 107, 279, 18)},
            {IDC_MODE_SEARCH, ControlKind::PushButton, "Search", DlgRect(180, 126, 50, 14)},
            {IDCANCEL, ControlKind::PushButton, "Quit", DlgRect(236, 126, 50, 14)},
        },
        true,
    };
    return resource;
}

} // namespace

CModePage::CModePage() : CTabPage(ModePageResource()) {
    MessageMap()
        .Clicked(IDC_ADVANCED_CONFIGURATION, &CModePage::OnAdvancedConfiguration)
        .Clicked(IDC_MODE_SEARCH, &CModePage::OnSearch)
        .Clicked(IDC_MODE_APPLY, &CModePage::OnApply);
}

void CModePage::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_CURRENT_MODE, m_strMode);
    DDX_Radio(dx, IDC_SERVER_MODE, m_nMode);
}

void CModePage::SetMode(int index) {
    m_nMode = index;
    m_strMode = IsKnownMode(index) ? kModeNames[index] : "Unknown";
    if (GetSafeHwnd() != 0)
        UpdateData(false);
}

void CModePage::QueryMode() {
    UpdateData(true);
    CManagerWindow& main = GetManagerWindow();
    const std::string reply = main.SendCommandOrReconnect(
        *this, "Mode\r\n", 0, "Get Basic Information is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    const int index = ModeIndexFromReply(reply);
    if (index < 0) {
        MessageBox("Get Basic Information is Failed. Retry again");
        return;
    }
    SetMode(index);
    UpdateData(false);
    const std::pair<int, int> gated[] = {{kRepeater, IDC_REPEATER_MODE},
                                         {kSerialHub, IDC_SERIAL_HUB_MODE},
                                         {kRS232, IDC_RS232_MODE}};
    for (const auto& [mode, button] : gated)
        if (!ModeUnavailableReason(mode, main.m_nFirmwareVersion, main.m_searchDlg.m_strModelCode)
                 .empty())
            GetDlgItem(button)->EnableWindow(false);
}

bool CModePage::RunPreStep(int index, int& timeoutSeconds) {
    switch (index) {
    case kClient:
        return m_dlgClientSetting.DoModal() == IDOK;
    case kRepeater: {
        CRepeaterModeDlg dialog;
        if (dialog.DoModal() != IDOK)
            return false;
        timeoutSeconds = kRepeaterModeTimeoutSeconds;
        return true;
    }
    case kRS232: {
        CSerialPortDlg dialog;
        return dialog.DoModal() == IDOK;
    }
    default:
        return true;
    }
}

void CModePage::OnApply() {
    // A reload polling meanwhile would talk to an appliance that changes its mode, and a
    // listing time-out there ends the program in the middle of the change.
    GetManagerWindow().StopPageTimers();
    const int oldMode = m_nMode;
    UpdateData(true);
    int timeoutSeconds = kModeTimeoutSeconds;
    // With no radio button selected the word stays empty and the appliance judges "mode ".
    const std::string word = ModeWord(m_nMode);
    if (RunPreStep(m_nMode, timeoutSeconds)) {
        const std::string reply =
            GetManagerWindow().SendCommand("mode " + word + "\r\n", timeoutSeconds);
        if (reply.empty()) {
            MessageBox("Timeout");
        } else if (Find(reply, "+OK") >= 0) {
            SetMode(m_nMode);
            UpdateData(false);
            return;
        } else {
            MessageBox("Failed.");
        }
    }
    // The radio group shows again the mode the page takes as current.
    m_nMode = oldMode;
    UpdateData(false);
}

void CModePage::OnAdvancedConfiguration() {
    // Acts on the mode last read or applied; a radio choice not applied yet does not count.
    switch (m_nMode) {
    case kServer:
        m_dlgServer.DoModal();
        break;
    case kClient:
        m_dlgClient.DoModal();
        break;
    case kVertex:
        m_dlgVertex.DoModal();
        break;
    case kSerialHub: {
        CSerialHubModeDlg dialog;
        dialog.DoModal();
        break;
    }
    case kRS232: {
        CSerialPortDlg dialog;
        dialog.DoModal();
        break;
    }
    default:
        MessageBox("No advanced configuration needed.");
        break;
    }
}

void CModePage::OnSearch() {
    CManagerWindow& main = GetManagerWindow();
    // A reload polling meanwhile would talk to a connection the search replaces, and a failed
    // login there deletes it.
    main.StopPageTimers();
    if (main.m_searchDlg.DoModal() == IDOK)
        main.RecreatePages(); // this page is replaced now: touch nothing of it afterwards
}

void CModePage::OnCancel() {
    GetManagerWindow().PostMessage(WM_CLOSE);
    CTabPage::OnCancel();
}
