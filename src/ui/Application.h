#pragma once

#include <string>

#include "ui/Backend.h"

class CDialog;

// The application object: its name (the caption of every message box), its main window and
// the platform backend. One per process, reached through Application().
class CApplication {
public:
    explicit CApplication(IUiBackend& backend);
    ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    IUiBackend& Backend() const { return m_backend; }
    const std::string& GetAppName() const { return m_strAppName; }
    void SetAppName(std::string name) { m_strAppName = std::move(name); }

    // The main window (a modal dialog), through which pages reach the main dialog each time.
    CDialog* GetMainWnd() const { return m_pMainWnd; }
    void SetMainWnd(CDialog* dialog) { m_pMainWnd = dialog; }

    // Depth of nested blocking scopes; above 0 the UI thread dispatches nothing but paint.
    bool IsBlocked() const { return m_nBlockDepth > 0; }

private:
    friend class CBlockingScope;

    IUiBackend& m_backend;
    std::string m_strAppName;
    CDialog* m_pMainWnd = nullptr;
    int m_nBlockDepth = 0;
};

// The application of this process; only valid while a CApplication exists.
CApplication& Application();

// Marks the UI thread as blocked (an exchange with the appliance, the discovery window, the
// reboot wait) for the scope's lifetime: no input, timer tick or posted message is dispatched
// meanwhile, but windows keep painting.
class CBlockingScope {
public:
    CBlockingScope();
    ~CBlockingScope();
    CBlockingScope(const CBlockingScope&) = delete;
    CBlockingScope& operator=(const CBlockingScope&) = delete;
};

// A message box owned by the main window (or by none), captioned with the application name.
int AfxMessageBox(std::string_view text, UINT type = MB_OK);
