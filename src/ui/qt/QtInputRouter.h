#pragma once

#include <QObject>
#include <QPointer>

class CQtMessageQueue;
class QWidget;

// Watches the operator's input for the dialog windows, application-wide:
// - Enter goes to the top-level dialog's OnEnterKey and Escape to its OnEscapeKey, before any
//   widget (or Qt's default-button logic) sees them; F1 chooses the first system menu entry.
// - While the UI is blocked, input that still reaches a dialog window is swallowed.
// - Keyboard focus moving between widgets is reported to the dialogs (CDialog::MoveFocusTo),
//   so controls get their focus notifications; while blocked this waits for SyncFocus.
// UI thread only; a QApplication must exist.
class CQtInputRouter final : public QObject {
public:
    explicit CQtInputRouter(const CQtMessageQueue& queue);
    ~CQtInputRouter() override;

    // Reports the widget that has the focus now (after the UI was blocked).
    void SyncFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusMoved(QWidget* now);

    const CQtMessageQueue& m_queue;
    QPointer<QWidget> m_pLastFocus;
};
