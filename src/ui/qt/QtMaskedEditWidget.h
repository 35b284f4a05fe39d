#pragma once

#include <QLineEdit>

class CEditCtrl;

// The widget of an edit whose control owns its input (ControlStyle::Masked, the masked edit):
// it edits nothing itself. Every keystroke, clipboard action and click goes to the control's
// input handlers (OnChar, OnKeyDown, OnPaste, OnPasteText for X11's middle-click selection,
// OnCopy, OnCut, OnClear, OnLButtonDown), a text that another route (an assistive technology)
// puts in the widget goes to OnTextEdited, and the widget shows only the text, caret and
// selection the control keeps. Focus changes reach the control through the dialog window like
// those of every other widget. UI thread only.
class CQtMaskedEditWidget : public QLineEdit {
public:
    explicit CQtMaskedEditWidget(QWidget* parent);

    // The control fed and shown; null once it is let go.
    void SetControl(CEditCtrl* edit);
    CEditCtrl* Control() const { return m_pEdit; }
    // Shows the control's text, caret and selection (and read-only state).
    void ShowControlState();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Feeds typed text to OnChar, one Latin-1 character at a time.
    void TypeText(const QString& text);
    // After an input call: the control may have gone, else show its state.
    void ShowIfBound();
    // A text change the control did not make.
    void OnNativeTextChange(const QString& text);

    CEditCtrl* m_pEdit = nullptr;
    bool m_bShowing = false; // ShowControlState is setting the widget's text
};
