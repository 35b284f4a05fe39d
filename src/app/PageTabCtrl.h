#pragma once

#include <array>
#include <memory>

#include "ui/TabCtrl.h"
#include "ui/TabPage.h"

class CModePage;
class CBluetoothPage;
class CConnectionsPage;
class CNeighborhoodsPage;
class CRepeaterPage;
class CInformationPage;

// The main window's tab strip, which owns the six device pages (modeless child dialogs of
// the strip) in tab order. The main window reaches the pages only through it, so it always
// addresses the page objects that currently exist.
class CPageTabCtrl : public CTabCtrl {
public:
    static constexpr int kPageCount = 6;
    enum PageIndex { kMode, kBluetooth, kConnections, kNeighborhoods, kRepeater, kInformation };

    CPageTabCtrl(CDialog& owner, const CControlTemplate& tmpl);
    ~CPageTabCtrl() override;

    // The tab texts, in index order.
    static const char* TabText(int index);

    // Creates the six page windows (the first time) or replaces all six pages by new ones
    // (every later time); then shows page 0, hides the others and lays them out. A replaced
    // page loses its window at once but its object lives on until the next replacement, so
    // the handler that asked for new pages (the Operation Mode page's Search) returns into
    // an object that still exists. UI thread; does not block.
    void CreatePages();
    // Takes the page windows away (the main window is closing).
    void DestroyPages();
    bool PagesCreated() const { return m_bPagesCreated; }

    CTabPage& Page(int index) const { return *m_pages[static_cast<size_t>(index)]; }
    CModePage& ModePage() const;
    CBluetoothPage& BluetoothPage() const;
    CConnectionsPage& ConnectionsPage() const;
    CNeighborhoodsPage& NeighborhoodsPage() const;
    CRepeaterPage& RepeaterPage() const;
    CInformationPage& InformationPage() const;

    // Shows page `index` and hides the others.
    void ShowPage(int index);

private:
    void ConstructPages();
    void LayoutPages();

    std::array<std::unique_ptr<CTabPage>, kPageCount> m_pages;
    // The pages the last CreatePages replaced, without windows. They live until the next one:
    // the handler that replaced them is still running on one of them (the framework touches a
    // dialog again when its handler returns).
    std::array<std::unique_ptr<CTabPage>, kPageCount> m_replacedPages;
    bool m_bPagesCreated = false;
};
