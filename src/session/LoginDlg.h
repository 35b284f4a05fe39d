#pragma once

#include <string>

#include "ui/Dialog.h"

enum : int {
    IDD_LOGIN = 133,
    IDC_LOGIN_OK = 1011,
    IDC_LOGIN_CANCEL = 1012,
    IDC_USER_ID = 1013,
    IDC_PASSWORD = 1021,
};

// Asks for the user name and password of one Connect; made anew for each, so it always
// opens with "admin" and an empty, hidden password. Modal, UI thread.
class CLoginDlg : public CDialog {
public:
    CLoginDlg();

    void DoDataExchange(CDataExchange& dx) override;

    // Exchanged with the two edits.
    std::string m_strUserID = "admin";
    std::string m_strPassword;
    // What the edits held when OK was pressed.
    std::string m_strEnteredUserID;
    std::string m_strEnteredPassword;

private:
    void OnLoginOK();
};
