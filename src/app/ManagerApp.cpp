#include "app/ManagerApp.h"

#include <csignal>

#include "app/ManagerDlg.h"

namespace {

// The control connection must never kill the program when the appliance goes away in the
// middle of a send.
bool InitSocketSupport() {
    return std::signal(SIGPIPE, SIG_IGN) != SIG_ERR;
}

} // namespace

int CManagerApp::InitInstance(CDiscoveryTarget discoveryTarget) {
    if (!InitSocketSupport()) {
        AfxMessageBox("Windows 소켓 초기화에 실패하였습니다.");
        return 1;
    }
    SetAppName("Velmora42 Manager");
    CManagerDlg dialog(std::move(discoveryTarget));
    SetMainWnd(&dialog);
    dialog.DoModal();
    SetMainWnd(nullptr);
    return 0;
}
