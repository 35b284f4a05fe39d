#include "ui/Application.h"

#include <cassert>

#include "ui/Dialog.h"

namespace {
CApplication* g_pApplication = nullptr;
}

CApplication::CApplication(IUiBackend& backend) : m_backend(backend) {
    assert(!g_pApplication && "one application per process");
    g_pApplication = this;
}

CApplication::~CApplication() {
    g_pApplication = nullptr;
}

CApplication& Application() {
    assert(g_pApplication && "no application object");
    return *g_pApplication;
}

CBlockingScope::CBlockingScope() {
    if (Application().m_nBlockDepth++ == 0)
        Application().Backend().BlockingChanged(true);
}

CBlockingScope::~CBlockingScope() {
    if (--Application().m_nBlockDepth == 0)
        Application().Backend().BlockingChanged(false);
}

int AfxMessageBox(std::string_view text, UINT type) {
    CApplication& app = Application();
    CModalWindowScope modal;
    return app.Backend().MessageBox(app.GetMainWnd(), text, app.GetAppName(), type);
}
