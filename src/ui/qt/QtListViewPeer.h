#pragma once

#include <set>
#include <vector>

#include "ui/ListViewCtrl.h"
#include "ui/qt/QtListEmptyText.h"
#include "ui/qt/QtPeer.h"

class QKeyEvent;
class QMouseEvent;
class QTableWidget;

// A report-style list view on a QTableWidget: columns with header text, width and alignment
// (width 0 hides a column), grid lines, an image per row. The control owns the selection:
// clicks (with Ctrl or Shift), right-clicks, arrow keys (with Shift), Space and header
// double-clicks go to the control's input calls (which notify), so does a row Qt selects or
// lets go by itself (type-ahead, a row or cell selected or unselected through the
// accessibility bus), and the widget only shows the rows the control selected, with the
// control's focused row as its current cell.
class CQtListViewPeer final : public CQtPeer {
public:
    CQtListViewPeer(CListViewCtrl& list, QWidget* window);

protected:
    void RefreshWidget() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* Table() const;
    void RefreshColumns();
    void RefreshRows();
    void RefreshSelection();
    void OnNativeSelection();
    void SelectShownRows(const std::set<int>& shown);
    bool OnMouse(QMouseEvent* event);
    bool OnKey(const QKeyEvent* event);
    // A position in the viewport as the list's client coordinates (header included).
    CPoint ClientPoint(const QPoint& viewportPosition) const;

    std::vector<CListViewCtrl::Column> m_shownColumns;
    CQtListEmptyText* m_pEmptyText;
};
