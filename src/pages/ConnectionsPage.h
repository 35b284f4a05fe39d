#pragma once

#include <string>

#include "ui/TabPage.h"

class CListViewCtrl;
struct CConnectionListing;
enum class ListingEnd;

enum : int {
    IDD_CONNECTIONS_PAGE = 131,
    IDC_CONNECTION_LIST = 1007,
    IDC_CONNECTION_DISCONNECT = 1083,
    IDC_CONNECTION_REFRESH = 1079,
    // The status images, drawn by the renderer: green, yellow, red squares.
    IDB_STATUS_GREEN = 161,
    IDB_STATUS_YELLOW = 162,
    IDB_STATUS_RED = 163,
};

// The Connections page, third tab of the main window: the appliance's live Bluetooth
// connections with a status square each, reloaded whole on every tick of timer 1 (which the
// main window starts and stops on tab clicks), and a way to drop one. Owned by the main
// window's tab strip; everything runs on the UI thread and every exchange blocks it.
class CConnectionsPage : public CTabPage {
public:
    CConnectionsPage();

    // What a click on the page's tab does, once the main window has started timer 1.
    void RefreshPage() override { LoadConnections(); }
    // Reads the "List" reply into the list, from an empty list. A time-out stops timer 1
    // and asks the main window to close, which ends the application.
    void LoadConnections();

    bool OnInitDialog() override;

    // Whether the page's timer 1 runs; the main window sets and clears it.
    bool m_bTimerRunning = false;
    // The row of the connection the operator chose (the row selected last, still selected),
    // -1 for none; after each reload the row that holds that connection, or -1 when it is gone.
    int m_nSelItem = -1;

private:
    CListViewCtrl& List() const;
    // Adds the listing's rows to the emptied list; returns how the listing ended.
    ListingEnd ShowListing(const CConnectionListing& listing);
    // Selects again the row of the connection the operator chose, which a reload has moved
    // or taken away; without it nothing is chosen and Disconnect is off.
    void SelectChosenConnection();
    void OnTimer(UINT id);
    void OnRefresh();
    void OnDisconnect();
    void OnItemChangedList(const CNotification& notification);
    // Makes `row` (-1: none) the chosen connection; Disconnect is on only while there is one.
    void Choose(int row);

    // The index ("idx" column) of the connection in row m_nSelItem when it was chosen.
    std::string m_strSelIdx;
};
