#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "controls/MaskedEdit.h"
#include "ui/Application.h"
#include "ui/Dialog.h"
#include "ui/testing/TestBackend.h"

// A dialog with an address field (a masked edit bound in place of edit 1030) and a plain edit
// 1031 to move the focus to; it records the address field's EN_UPDATE, EN_CHANGE and
// MEN_VALIDATE.
class CAddressTestDlg : public CDialog {
public:
    enum : int { IDD = 990, IDC_BDADDR = 1030, IDC_OTHER = 1031 };
    static constexpr const char* kAddressMask = "&&:&&:&&:&&:&&:&&";

    CAddressTestDlg();
    static const CDialogResource& AddressResource();

    CMaskedEdit m_editBdaddr;
    std::vector<int> m_notifications;

private:
    void OnUpdate() { m_notifications.push_back(EN_UPDATE); }
    void OnChange() { m_notifications.push_back(EN_CHANGE); }
    void OnValidate() { m_notifications.push_back(MEN_VALIDATE); }
};

// The separators come from the user's locale; the tests fix it to C, whose time separator
// is ":".
struct CLocaleFixedToC {
    CLocaleFixedToC() { setenv("LC_ALL", "C", 1); }
};

// An address dialog with its window created (modeless, on the scripted backend).
class MaskedEditFixture {
protected:
    MaskedEditFixture() { dialog.Create(); }

    int Caret() const {
        int start = 0, end = 0;
        edit.GetSel(start, end);
        return start == end ? start : -1;
    }
    void Type(const std::string& text) {
        for (char c : text)
            edit.OnChar(static_cast<unsigned char>(c));
    }

    CLocaleFixedToC locale;
    CTestBackend backend;
    CApplication app{backend};
    CAddressTestDlg dialog;
    CMaskedEdit& edit = dialog.m_editBdaddr;
};
