#include "modes/ModePage.h"

namespace {

const CDialogResource& ModePageResource() {
    static const CDialogResource resource{IDD_MODE_PAGE, "", {293, 156}, "Arial", 9, {}, true};
    return resource;
}

} // namespace

CModePage::CModePage() : CTabPage(ModePageResource()) {}

void CModePage::RefreshPage() {}
