#pragma once

#include <string>

#include "appliance/FieldLimits.h"
#include "ui/Dialog.h"

enum : int {
    IDD_VERTEX_MODE = 136,
    IDC_VERTEX_MAX_CONNECTIONS = 1022,
    IDC_VERTEX_PORT = 1023,
    IDC_VERTEX_APPLY = 1037,
    IDC_VERTEX_REFRESH = 1065,
    IDC_VERTEX_CANCEL = 1067,
};

// The Vertex Mode dialog: the Vertex port and the maximum number of connections. A member of
// the Operation Mode page, opened modally again and again, so its members keep their values
// from one opening to the next. Every exchange blocks the UI thread (time-out 0).
class CVertexModeDlg : public CDialog {
public:
    static constexpr int kPortLimit = kVertexPortDigits;
    static constexpr const char* kInitialMaxConnections = "1";

    CVertexModeDlg();

    // Reads the appliance's Vertex settings into the two edits (not into the members).
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strMaxConnections = kInitialMaxConnections;
    std::string m_strVertexPort;
    // The port as last read from the appliance; Apply with this port sends nothing.
    std::string m_strDevicePort;

private:
    void OnApply();
    void OnRefresh();
};
