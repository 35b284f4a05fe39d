#include "pages/NeighborhoodsPage.h"

namespace {

const CDialogResource& NeighborhoodsPageResource() {
    static const CDialogResource resource{
        IDD_NEIGHBORHOODS_PAGE, "", {289, 167}, "Arial", 9, {}, true};
    return resource;
}

} // namespace

CNeighborhoodsPage::CNeighborhoodsPage() : CTabPage(NeighborhoodsPageResource()) {}

void CNeighborhoodsPage::RefreshPage() {}
