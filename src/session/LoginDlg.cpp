#include "session/LoginDlg.h"

#include "ui/DataExchange.h"

namespace {

const CDialogResource& LoginDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_LOGIN,
        "Login",
        {125, 64},
        "System",
        10,
        {
            {-1, ControlKind::Static, "UserID", DlgRect(8, 10, 34, 10)},
            {IDC_USER_ID, ControlKind::Edit, "", DlgRect(44, 8, 72, 13)},
            {-1, ControlKind::Static, "Password", DlgRect(8, 27, 34, 10)},
            {IDC_PASSWORD, ControlKind::Edit, "", DlgRect(44, 25, 72, 13), Password},
            {IDC_LOGIN_OK, ControlKind::PushButton, "OK", DlgRect(12, 44, 46, 14), DefaultButton},
            {IDC_LOGIN_CANCEL, ControlKind::PushButton, "Cancel", DlgRect(66, 44, 46, 14)},
        },
    };
    return resource;
}

} // namespace

CLoginDlg::CLoginDlg() : CDialog(LoginDlgResource()) {
    MessageMap()
        .Clicked(IDC_LOGIN_OK, &CLoginDlg::OnLoginOK)
        .Clicked(IDC_LOGIN_CANCEL, &CLoginDlg::OnCancel);
}

void CLoginDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_USER_ID, m_strUserID);
    DDX_Text(dx, IDC_PASSWORD, m_strPassword);
}

void CLoginDlg::OnLoginOK() {
    m_strEnteredUserID = GetDlgItemText(IDC_USER_ID);
    m_strEnteredPassword = GetDlgItemText(IDC_PASSWORD);
    OnOK();
}
