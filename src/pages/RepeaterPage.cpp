#include "pages/RepeaterPage.h"

namespace {

const CDialogResource& RepeaterPageResource() {
    static const CDialogResource resource{IDD_REPEATER_PAGE, "", {288, 142}, "Arial", 9, {}, true};
    return resource;
}

} // namespace

CRepeaterPage::CRepeaterPage() : CTabPage(RepeaterPageResource()) {}

void CRepeaterPage::RefreshPage() {}
