#include "pages/BluetoothPage.h"

namespace {

const CDialogResource& BluetoothPageResource() {
    static const CDialogResource resource{IDD_BLUETOOTH_PAGE, "", {295, 154}, "Arial", 9, {}, true};
    return resource;
}

} // namespace

CBluetoothPage::CBluetoothPage() : CTabPage(BluetoothPageResource()) {}

void CBluetoothPage::RefreshPage() {}
