#pragma once

#include "session/SearchDlg.h"
#include "ui/Application.h"

// The application: names itself, runs the main dialog modally and ends when it closes.
class CManagerApp : public CApplication {
public:
    using CApplication::CApplication;

    // Starts the application and returns once the main dialog has closed (the exit code).
    int InitInstance(CDiscoveryTarget discoveryTarget = {});
};
