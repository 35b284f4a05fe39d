#pragma once

#include <string>

#include "modes/ClientModeDlg.h"
#include "modes/ClientSettingDlg.h"
#include "modes/ServerModeDlg.h"
#include "modes/VertexModeDlg.h"
#include "ui/TabPage.h"

enum : int {
    IDD_MODE_PAGE = 129,
    IDC_SERVER_MODE = 1003,
    IDC_CLIENT_MODE = 1004,
    IDC_VERTEX_MODE = 1005,
    IDC_REPEATER_MODE = 1093,
    IDC_SERIAL_HUB_MODE = 1094,
    IDC_RS232_MODE = 1107,
    IDC_CURRENT_MODE = 1073,
    IDC_ADVANCED_CONFIGURATION = 1006,
    IDC_MODE_APPLY = 1072,
    IDC_MODE_SEARCH = 1002,
    IDC_OPERATION_MODE_GROUP = 1080,
    IDC_MODE_CHANGE_GROUP = 1081,
};

// The Operation Mode page, first tab of the main window: shows the appliance's operation
// mode, switches it, opens the dialog that configures it, and carries the tool's Search and
// Quit buttons. Owned by the main window's tab strip; everything runs on the UI thread and
// every exchange with the appliance blocks it.
class CModePage : public CTabPage {
public:
    // The operation modes in radio-button order; the index is what m_nMode holds.
    enum Mode { kServer, kClient, kVertex, kRepeater, kSerialHub, kRS232, kModeCount };

    CModePage();

    // Reads the appliance's mode with "Mode" and shows it; gates the modes the appliance
    // cannot run. Called after login and on a click on this page's tab.
    void RefreshPage() override { QueryMode(); }
    void QueryMode();
    // Takes `index` as the current mode and shows it (name "Unknown" outside the table).
    void SetMode(int index);

    void DoDataExchange(CDataExchange& dx) override;
    // Enter does nothing on this page; Quit ends the application.
    void OnOK() override {}
    void OnCancel() override;

    // Index of the mode the page takes as current, -1 while none is known.
    int m_nMode = -1;
    std::string m_strMode;
    CServerModeDlg m_dlgServer;
    CClientModeDlg m_dlgClient;
    CVertexModeDlg m_dlgVertex;
    CClientSettingDlg m_dlgClientSetting;

private:
    void OnAdvancedConfiguration();
    void OnSearch();
    void OnApply();
    // Runs the dialog a switch to `index` needs first; false when it was not confirmed.
    bool RunPreStep(int index, int& timeoutSeconds);
};
