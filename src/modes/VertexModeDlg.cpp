#include "modes/VertexModeDlg.h"

namespace {

const CDialogResource& VertexModeDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_VERTEX_MODE,
        "Vertex Mode",
        {162, 73},
        "System",
        10,
        {
            {IDOK, ControlKind::PushButton, "OK", DlgRect(48, 52, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(105, 52, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CVertexModeDlg::CVertexModeDlg() : CDialog(VertexModeDlgResource()) {}
