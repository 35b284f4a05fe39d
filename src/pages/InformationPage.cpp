#include "pages/InformationPage.h"

namespace {

const CDialogResource& InformationPageResource() {
    static const CDialogResource resource{
        IDD_INFORMATION_PAGE, "", {300, 171}, "Arial", 9, {}, true};
    return resource;
}

} // namespace

CInformationPage::CInformationPage() : CTabPage(InformationPageResource()) {}

void CInformationPage::RefreshPage() {}
