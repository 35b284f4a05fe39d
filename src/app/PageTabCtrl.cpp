#include "app/PageTabCtrl.h"

#include "modes/ModePage.h"
#include "pages/BluetoothPage.h"
#include "pages/ConnectionsPage.h"
#include "pages/InformationPage.h"
#include "pages/NeighborhoodsPage.h"
#include "pages/RepeaterPage.h"

CPageTabCtrl::CPageTabCtrl(CDialog& owner, const CControlTemplate& tmpl) : CTabCtrl(owner, tmpl) {
    ConstructPages();
}

CPageTabCtrl::~CPageTabCtrl() {
    DestroyPages();
}

const char* CPageTabCtrl::TabText(int index) {
    static const char* const texts[kPageCount] = {
        "  Operation Mode  ", "  Bluetooth  ", "  Connections  ",
        "  Neighborhoods  ",  "  Repeater  ",  "  Velmora42 Information  ",
    };
    return index >= 0 && index < kPageCount ? texts[index] : "";
}

void CPageTabCtrl::ConstructPages() {
    m_pages[kMode] = std::make_unique<CModePage>();
    m_pages[kBluetooth] = std::make_unique<CBluetoothPage>();
    m_pages[kConnections] = std::make_unique<CConnectionsPage>();
    m_pages[kNeighborhoods] = std::make_unique<CNeighborhoodsPage>();
    m_pages[kRepeater] = std::make_unique<CRepeaterPage>();
    m_pages[kInformation] = std::make_unique<CInformationPage>();
}

void CPageTabCtrl::CreatePages() {
    if (m_bPagesCreated) {
        DestroyPages();
        m_replacedPages = std::move(m_pages);
        ConstructPages();
    }
    for (auto& page : m_pages)
        page->Create(this);
    ShowPage(0);
    LayoutPages();
    m_bPagesCreated = true;
}

void CPageTabCtrl::DestroyPages() {
    for (auto& page : m_pages)
        if (page)
            page->DestroyWindow();
}

void CPageTabCtrl::LayoutPages() {
    const CRect client = GetClientRect();
    const CRect item = GetItemRect(0);
    const int x = item.left;
    const int y = item.bottom + 1;
    const CRect placement{x, y, client.right - 1, client.bottom - 1};
    for (auto& page : m_pages)
        page->MoveWindow(placement);
}

void CPageTabCtrl::ShowPage(int index) {
    for (int i = 0; i < kPageCount; ++i)
        m_pages[static_cast<size_t>(i)]->ShowWindow(i == index);
}

CModePage& CPageTabCtrl::ModePage() const {
    return static_cast<CModePage&>(Page(kMode));
}
CBluetoothPage& CPageTabCtrl::BluetoothPage() const {
    return static_cast<CBluetoothPage&>(Page(kBluetooth));
}
CConnectionsPage& CPageTabCtrl::ConnectionsPage() const {
    return static_cast<CConnectionsPage&>(Page(kConnections));
}
CNeighborhoodsPage& CPageTabCtrl::NeighborhoodsPage() const {
    return static_cast<CNeighborhoodsPage&>(Page(kNeighborhoods));
}
CRepeaterPage& CPageTabCtrl::RepeaterPage() const {
    return static_cast<CRepeaterPage&>(Page(kRepeater));
}
CInformationPage& CPageTabCtrl::InformationPage() const {
    return static_cast<CInformationPage&>(Page(kInformation));
}
