#pragma once

#include <QObject>
#include <QRect>

#include "ui/ControlPeer.h"

class CControl;
class QWidget;

// The Qt side of one control: owns nothing but mirrors the control's state in a widget and
// turns the operator's actions on the widget into the control's input calls, which deliver
// the notifications. Lives as a child of its widget; the dialog window detaches it before the
// control can go away. UI thread only.
class CQtPeer : public QObject, public IControlPeer {
public:
    // Takes `widget` (parented to the dialog window) as the control's widget and attaches
    // itself to `control`. The caller then places it and calls Refresh.
    CQtPeer(CControl& control, QWidget* widget);
    ~CQtPeer() override;

    // The control while attached, null after Detach.
    CControl* Control() const { return m_pControl; }
    QWidget* Widget() const { return m_pWidget; }
    // Lets go of the control; the widget stays until its window is deleted.
    void Detach();

    // The peer whose widget is `widget` or contains it (up to the dialog window), or null.
    static CQtPeer* ForWidget(const QWidget* widget);
    // The Qt peer attached to `control`, or null.
    static CQtPeer* Of(const CControl& control);

    // Places the widget at `rect`, in pixels of the dialog's client area.
    virtual void Place(const QRect& rect);
    // Names the widget (and its parts) for screen readers and UI automation.
    virtual void SetAccessibleLabel(const QString& label);

    // IControlPeer
    void Refresh() final;
    CRect ClientRect() const override;
    CRect ItemRect(int index) const override;
    void SetFocus() override;

protected:
    // Brings the widget in step with the control (which is attached). Widget signals raised
    // meanwhile are not the operator's and are not reported.
    virtual void RefreshWidget() = 0;
    // Called once the control is let go.
    virtual void OnDetached() {}
    // True when a widget signal comes from the operator: attached and not refreshing.
    bool FromOperator() const { return m_pControl && !m_bRefreshing; }
    // For a change the widget made by itself (its own editing, or an assistive technology
    // through Qt's accessible interfaces): true when it may go to the control's input calls.
    // While the UI is blocked it may not, and the widget is brought back in step instead.
    bool TakeNativeChange();
    // Whether the control's dialog is blocked by a modal window open over it.
    bool IsBehindModalWindow() const;
    template <class T> T& ControlAs() const { return static_cast<T&>(*m_pControl); }

private:
    CControl* m_pControl;
    QWidget* m_pWidget;
    bool m_bRefreshing = false;
};
