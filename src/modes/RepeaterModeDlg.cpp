#include "modes/RepeaterModeDlg.h"

#include "appliance/ModeReplies.h"
#include "modes/AddressField.h"
#include "session/ManagerWindow.h"
#include "ui/Text.h"

namespace {

constexpr int kStationTimeoutSeconds = 1;

const CDialogResource& RepeaterModeDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_REPEATER_MODE,
        "Repeater Mode",
        {155, 69},
        "System",
        10,
        {
            {-1, ControlKind::GroupBox, "Station Velmora42", DlgRect(7, 5, 141, 36)},
            {-1, ControlKind::Static, "BDADDR", DlgRect(15, 20, 34, 10)},
            {IDC_REPEATER_STATION, ControlKind::Edit, "", DlgRect(52, 18, 88, 13), Masked},
            {IDOK, ControlKind::PushButton, "OK", DlgRect(41, 48, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(98, 48, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CRepeaterModeDlg::CRepeaterModeDlg()
    : CDialog(RepeaterModeDlgResource()),
      m_editStation(*this, *RepeaterModeDlgResource().Find(IDC_REPEATER_STATION)) {
    m_editStation.SetPromptChar(' ');
    m_editStation.ApplyMask(kAddressMask);
    BindControl(m_editStation);
    // No reply, or no "+OK", leaves the address blank for the operator to type.
    const std::string reply = GetManagerWindow().SendCommand("station\r\n", kStationTimeoutSeconds);
    if (!reply.empty() && Find(reply, "+OK") >= 0)
        m_editStation.PutInputChars(StationInputFromReply(reply), 0, true);
}

void CRepeaterModeDlg::OnOK() {
    // A blank, typed or left, is an unfilled position; the appliance judges the rest.
    if (!IsAddressComplete(m_editStation)) {
        MessageBox("Incorrect Bluetooth Address");
        return;
    }
    const std::string reply = GetManagerWindow().SendCommand(
        "station " + AddressForAppliance(m_editStation) + "\r\n", kStationTimeoutSeconds);
    if (reply.empty())
        MessageBox("Timeout.");
    else if (Find(reply, "+OK") >= 0)
        EndDialog(IDOK);
    else
        MessageBox("Failed");
}
