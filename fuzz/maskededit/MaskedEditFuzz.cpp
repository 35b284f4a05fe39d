// Feeds an arbitrary mask and then arbitrary keys, characters, clipboard actions, selections
// and texts set from outside into a masked edit, and checks that the window text keeps the
// mask's length and the selection stays inside it.

#include "controls/MaskedEdit.h"
#include "ui/Application.h"
#include "ui/Dialog.h"
#include "ui/testing/TestBackend.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const CDialogResource kResource{
    1, "Fuzz", {100, 20}, "Arial", 9, {{10, ControlKind::Edit, "", DlgRect(0, 0, 80, 12)}}};

class CFuzzDlg : public CDialog {
public:
    explicit CFuzzDlg(std::string_view mask)
        : CDialog(kResource), m_edit(*this, kResource.controls[0], mask) {
        BindControl(m_edit);
    }
    CMaskedEdit m_edit;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t maskLength = size > 0 ? data[0] % 24u : 0;
    CTestBackend backend;
    CApplication app(backend);
    CFuzzDlg dialog(input.substr(std::min<size_t>(1, size), maskLength));
    dialog.m_edit.SetPromptChar('_');
    dialog.Create();
    CMaskedEdit& edit = dialog.m_edit;
    const size_t length = edit.GetWindowText().size();
    const bool masked = length > 0;
    // Two bytes per action, at most 200 actions.
    for (size_t at = 1 + maskLength; at + 1 < size && at < 401 + maskLength; at += 2) {
        const int arg = data[at + 1];
        switch (data[at] % 10) {
        case 0:
            edit.OnChar(arg);
            break;
        case 1:
            edit.OnChar(arg * 300);
            break;
        case 2:
            edit.OnKeyDown(static_cast<VirtualKey>(arg % 9), arg >= 128);
            break;
        case 3:
            backend.SetClipboardText(input.substr(at, arg % 20));
            edit.OnPaste();
            break;
        case 4:
            edit.OnCut();
            break;
        case 5:
            edit.OnClear();
            break;
        case 6:
            edit.SetSel(arg % 32 - 2, arg / 8 - 2);
            break;
        case 7:
            edit.OnLButtonDown(arg % 32 - 2);
            break;
        case 8:
            edit.SetWindowText(input.substr(at, arg % 30));
            break;
        default:
            edit.SetPromptChar(static_cast<char>(arg));
            break;
        }
        int start = 0, end = 0;
        edit.GetSel(start, end);
        const size_t now = edit.GetWindowText().size();
        if ((masked && now != length) || start < 0 || start > end || end > static_cast<int>(now))
            std::abort();
    }
    return 0;
}
