// The masked edit's widget edits nothing itself: it hands every keystroke, clipboard action
// and click to the control and shows what the control keeps.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "QtFixture.h"
#include "ui/Dialog.h"
#include "ui/EditCtrl.h"
#include "ui/qt/QtMaskedEditWidget.h"

namespace {

constexpr int IDC_MASKED = 1030;

const CDialogResource& MaskedResource() {
    static const CDialogResource resource{
        3002,
        "Masked",
        {160, 60},
        "Arial",
        9,
        {
            {-1, ControlKind::Static, "BDADDR", DlgRect(7, 9, 30, 8)},
            {IDC_MASKED, ControlKind::Edit, "", DlgRect(40, 7, 100, 12), ControlStyle::Masked},
            {IDOK, ControlKind::PushButton, "OK", DlgRect(52, 40, 40, 14)},
        },
    };
    return resource;
}

// Records its input and keeps its own rule: letters upper-cased, at most four characters.
class CRecordingEdit : public CEditCtrl {
public:
    using CEditCtrl::CEditCtrl;
    std::vector<std::string> calls;

    void OnChar(int code) override {
        calls.push_back("char " + std::to_string(code));
        const int upper = code >= 'a' && code <= 'z' ? code - 32 : code;
        if (code == 8 || GetWindowText().size() < 4)
            CEditCtrl::OnChar(upper);
    }
    bool OnKeyDown(VirtualKey key, bool shift) override {
        calls.push_back("key " + std::to_string(static_cast<int>(key)) + (shift ? " shift" : ""));
        return CEditCtrl::OnKeyDown(key, shift);
    }
    void OnPaste() override {
        calls.push_back("paste");
        CEditCtrl::OnPaste();
    }
    void OnPasteText(std::string_view text) override {
        calls.push_back("paste text " + std::string(text));
        CEditCtrl::OnPasteText(text);
    }
    void OnClear() override {
        calls.push_back("clear");
        CEditCtrl::OnClear();
    }
    void OnTextEdited(std::string_view text) override {
        calls.push_back("edited " + std::string(text));
        std::string upper(text);
        for (char& c : upper)
            c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        CEditCtrl::OnTextEdited(upper);
    }
    void OnCopy() override {
        calls.push_back("copy");
        CEditCtrl::OnCopy();
    }
    void OnCut() override {
        calls.push_back("cut");
        CEditCtrl::OnCut();
    }
    void OnLButtonDown(int index) override {
        calls.push_back("click " + std::to_string(index));
        CEditCtrl::OnLButtonDown(index);
    }
};

class CMaskedDlg : public CDialog {
public:
    CMaskedDlg() : CDialog(MaskedResource()), edit(*this, *MaskedResource().Find(IDC_MASKED)) {
        BindControl(edit);
        MessageMap().Clicked(IDOK, &CMaskedDlg::OnOkClicked);
    }
    CRecordingEdit edit;
    int okClicks = 0;

private:
    void OnOkClicked() { ++okClicks; }
};

class MaskedEditWidgetTest : public QtFixture {
protected:
    void SetUp() override {
        dialog.Create();
        QWidget* window = backend.WindowOf(dialog);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        widget = dynamic_cast<CQtMaskedEditWidget*>(CQtBackend::WidgetOf(dialog.edit));
        ASSERT_NE(widget, nullptr);
    }
    void TearDown() override { dialog.DestroyWindow(); }

    CMaskedDlg dialog;
    CQtMaskedEditWidget* widget = nullptr;
};

TEST_F(MaskedEditWidgetTest, KeystrokesGoToTheControlWhichDecidesWhatIsShown) {
    dialog.edit.SetFocus();
    dialog.edit.calls.clear();
    QTest::keyClicks(widget, "abcde");
    EXPECT_EQ(dialog.edit.GetWindowText(), "ABCD");
    EXPECT_EQ(widget->text().toStdString(), "ABCD");
    EXPECT_EQ(dialog.edit.calls.size(), 5u);
    QTest::keyClick(widget, Qt::Key_Home);
    QTest::keyClick(widget, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(widget->selectedText().toStdString(), "A");
    QTest::keyClick(widget, Qt::Key_Backspace);
    EXPECT_EQ(widget->text().toStdString(), "BCD");
    QTest::keyClick(widget, Qt::Key_Delete);
    EXPECT_EQ(widget->text().toStdString(), "CD");
    const std::vector<std::string> expected{
        "key 1",
        "key 4 shift",
        "char 8",
        "key 0",
    };
    EXPECT_EQ(std::vector<std::string>(dialog.edit.calls.end() - 4, dialog.edit.calls.end()),
              expected);
}

TEST_F(MaskedEditWidgetTest, ClipboardKeysAndClicksGoToTheControl) {
    dialog.edit.SetFocus();
    dialog.edit.SetWindowText("ab");
    dialog.edit.SetSel(0, 2);
    dialog.edit.calls.clear();
    QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "ab");
    QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(widget->text().toStdString(), "xyz");
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    // A keyboard's own clipboard keys.
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_Paste, QString(), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_Copy, QString(), Qt::NoModifier);
    ASSERT_EQ(dialog.edit.calls.size(), 7u);
    EXPECT_EQ(dialog.edit.calls[0], "copy");
    EXPECT_EQ(dialog.edit.calls[1], "paste");
    EXPECT_EQ(dialog.edit.calls[2], "paste text xyz");
    EXPECT_EQ(dialog.edit.calls[3].rfind("click ", 0), 0u);
    EXPECT_EQ(dialog.edit.calls[4], "paste");
    EXPECT_EQ(dialog.edit.calls[5], "paste text xyz");
    EXPECT_EQ(dialog.edit.calls[6], "copy");
}

TEST_F(MaskedEditWidgetTest, ContextMenuActionsGoToTheControl) {
    dialog.edit.SetFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("cd"));
    // Each run opens the menu on a selected text and picks an entry by its mnemonic.
    const auto choose = [&](Qt::Key mnemonic) {
        dialog.edit.SetWindowText("ab");
        dialog.edit.SetSel(0, 2);
        QTimer::singleShot(0, [mnemonic] {
            QWidget* menu = QApplication::activePopupWidget();
            if (!menu)
                return;
            QTest::keyClick(menu, mnemonic);
            if (menu->isVisible())
                menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, widget->rect().center(),
                                widget->mapToGlobal(widget->rect().center()));
        QApplication::sendEvent(widget, &event);
    };
    dialog.edit.calls.clear();
    choose(Qt::Key_C);
    choose(Qt::Key_P);
    choose(Qt::Key_T);
    choose(Qt::Key_D);
    // The platform's cut copies and clears through the control's own handlers.
    const std::vector<std::string> expected{"copy", "paste", "paste text ab", "cut",
                                            "copy", "clear", "clear"};
    EXPECT_EQ(dialog.edit.calls, expected);
}

TEST_F(MaskedEditWidgetTest, MiddleClickPastesTheSelectionThroughTheControl) {
    dialog.edit.SetWindowText("ab");
    const bool selectionSupported = QGuiApplication::clipboard()->supportsSelection();
    if (selectionSupported)
        QGuiApplication::clipboard()->setText(QStringLiteral("x\u20acy"), QClipboard::Selection);
    dialog.edit.calls.clear();
    QTest::mouseClick(widget, Qt::MiddleButton, {}, QPoint(3, widget->height() / 2));
    if (selectionSupported) {
        ASSERT_EQ(dialog.edit.calls.size(), 2u);
        EXPECT_EQ(dialog.edit.calls[0].rfind("click ", 0), 0u);
        EXPECT_EQ(dialog.edit.calls[1], "paste text xy"); // the euro sign fits no byte
    } else {
        EXPECT_TRUE(dialog.edit.calls.empty()); // no selection to paste on this platform
    }
    EXPECT_EQ(widget->text().toStdString(), dialog.edit.GetWindowText());
}

TEST_F(MaskedEditWidgetTest, DeleteCharacterAndNativeTextChangesGoToTheControl) {
    dialog.edit.SetFocus();
    dialog.edit.calls.clear();
    // Ctrl+Backspace types DEL where the keyboard makes it so.
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_Backspace, QStringLiteral("\x7f"),
                        Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QStringLiteral("\x7f"),
                        Qt::NoModifier);
    // A text set on the widget by another route (an assistive technology) is the control's
    // to take; the widget then shows what the control made of it.
    widget->setText(QStringLiteral("ok"));
    const std::vector<std::string> expected{"char 127", "char 127", "edited ok"};
    EXPECT_EQ(dialog.edit.calls, expected);
    EXPECT_EQ(dialog.edit.GetWindowText(), "OK");
    EXPECT_EQ(widget->text().toStdString(), "OK");
}

TEST_F(MaskedEditWidgetTest, EnterEscapeAndTabStayTheDialogs) {
    dialog.edit.SetFocus();
    dialog.edit.calls.clear();
    QTest::keyClick(widget, Qt::Key_Return);
    EXPECT_EQ(dialog.okClicks, 1);
    EXPECT_TRUE(dialog.edit.calls.empty());
}

TEST_F(MaskedEditWidgetTest, AClickLeavesTheFocusToTheControl) {
    // Focus moves only because the control's click handler takes it.
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, widget->height() / 2));
    EXPECT_TRUE(widget->hasFocus());
    EXPECT_TRUE(dialog.edit.HasFocus());
    EXPECT_EQ(widget->focusPolicy(), Qt::TabFocus);
}

} // namespace
