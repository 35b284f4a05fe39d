#pragma once

#include "ui/qt/QtPeer.h"

class CTabCtrl;
class QFrame;
class QTabBar;

// A tab control: a tab bar over a framed pane, in one widget that also hosts the pages (child
// dialogs placed in its client coordinates). A mouse press on a tab, or its press action on
// the accessibility bus, goes to ClickByUser, the arrow keys to SelectByKeyboard; the bar
// shows the selection the control keeps. ItemRect
// gives the real tab geometry, which the page layout builds on.
class CQtTabPeer final : public CQtPeer {
public:
    CQtTabPeer(CTabCtrl& tab, QWidget* window);

    void Place(const QRect& rect) override;
    void SetAccessibleLabel(const QString& label) override;
    CRect ItemRect(int index) const override;

protected:
    void RefreshWidget() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayOut();
    bool OnKey(int key);
    void OnNativeSelect(int index);

    QTabBar* m_pBar = nullptr;
    QFrame* m_pPane = nullptr;
};
