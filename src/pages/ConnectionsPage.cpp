#include "pages/ConnectionsPage.h"

namespace {

const CDialogResource& ConnectionsPageResource() {
    static const CDialogResource resource{
        IDD_CONNECTIONS_PAGE, "", {287, 150}, "Arial", 9, {}, true};
    return resource;
}

} // namespace

CConnectionsPage::CConnectionsPage() : CTabPage(ConnectionsPageResource()) {}

void CConnectionsPage::RefreshPage() {}
