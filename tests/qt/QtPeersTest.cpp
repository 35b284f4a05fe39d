// Widgets and controls in step both ways: code changes show without notifications, the
// operator's input reaches the control once, in the framework's order.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

#include "QtFixture.h"
#include "Recording.h"
#include "SampleDialogs.h"
#include "ui/ButtonCtrl.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/EditCtrl.h"
#include "ui/IpAddressCtrl.h"
#include "ui/Text.h"

namespace {

using namespace SampleId;
using Entries = std::vector<std::string>;

class CControlsRecorder : public CRecording<CSampleControlsDlg> {
public:
    CControlsRecorder() {
        using Self = CControlsRecorder;
        MessageMap()
            .Command(Name, EN_CHANGE, &Self::OnNameChange)
            .Command(Name, EN_SETFOCUS, &Self::Command<Name, EN_SETFOCUS>)
            .Command(Name, EN_KILLFOCUS, &Self::Command<Name, EN_KILLFOCUS>)
            .Command(Port, EN_CHANGE, &Self::Command<Port, EN_CHANGE>)
            .Command(Log, EN_CHANGE, &Self::Command<Log, EN_CHANGE>)
            .Command(Mode, CBN_SELCHANGE, &Self::Command<Mode, CBN_SELCHANGE>)
            .Command(HostCombo, CBN_EDITCHANGE, &Self::Command<HostCombo, CBN_EDITCHANGE>)
            .Command(HostCombo, CBN_SELCHANGE, &Self::Command<HostCombo, CBN_SELCHANGE>)
            .Command(Address, EN_CHANGE, &Self::Command<Address, EN_CHANGE>)
            .Clicked(Pairable, &Self::Command<Pairable, BN_CLICKED>)
            .Clicked(Server, &Self::Command<Server, BN_CLICKED>)
            .Clicked(Client, &Self::Command<Client, BN_CLICKED>)
            .Notify(PortSpin, UDN_DELTAPOS, &Self::Notify<PortSpin, UDN_DELTAPOS>);
    }

    bool upperCaseName = false;

private:
    void OnNameChange() {
        Command<Name, EN_CHANGE>();
        // A handler that rewrites what was typed: the widget must show the result.
        const std::string text = GetDlgItemText(Name);
        if (upperCaseName && MakeUpper(text) != text)
            SetDlgItemText(Name, MakeUpper(text));
    }
};

class QtPeersTest : public QtFixture {
protected:
    void SetUp() override {
        dialog.Create();
        window = backend.WindowOf(dialog);
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        CQtBackend::WidgetOf(*dialog.GetDlgItem(IDOK))->setFocus();
        dialog.log.clear();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    template <class W> W* WidgetOf(int id) {
        return qobject_cast<W*>(CQtBackend::WidgetOf(*dialog.GetDlgItem(id)));
    }
    CEditCtrl& Edit(int id) { return dialog.Item<CEditCtrl>(id); }

    // The widget of control `id` as the accessibility bus reaches it.
    QAccessibleInterface* Accessible(int id) {
        return QAccessible::queryAccessibleInterface(CQtBackend::WidgetOf(*dialog.GetDlgItem(id)));
    }

    CControlsRecorder dialog;
    QWidget* window = nullptr;
};

void SetValue(QAccessibleInterface* accessible, const char* text) {
    accessible->setText(QAccessible::Value, QString::fromLatin1(text));
}

TEST_F(QtPeersTest, EditShowsTextAndSelectionSetByCodeWithoutUserNotifications) {
    auto* line = WidgetOf<QLineEdit>(Name);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text().toStdString(), "Velmora42-0815");
    dialog.SetDlgItemText(Name, "abc");
    EXPECT_EQ(line->text().toStdString(), "abc");
    Edit(Name).SetSel(1, 2);
    EXPECT_EQ(line->selectedText().toStdString(), "b");
    Edit(Name).SetReadOnly(true);
    EXPECT_TRUE(line->isReadOnly());
    // Code's own change notifies as the platform's set-text does, once.
    EXPECT_EQ(dialog.For(Name), Entries{"EN_CHANGE"});
}

TEST_F(QtPeersTest, TypingReachesTheControlOnceAndTheSelectionComesBack) {
    auto* line = WidgetOf<QLineEdit>(Name);
    dialog.SetDlgItemText(Name, "abc");
    line->setFocus();
    Edit(Name).SetSel(1, 2);
    dialog.log.clear();
    QTest::keyClicks(line, "XY");
    EXPECT_EQ(dialog.GetDlgItemText(Name), "aXYc");
    EXPECT_EQ(dialog.For(Name), (Entries{"EN_CHANGE", "EN_CHANGE"}));
    int start = 0, end = 0;
    Edit(Name).GetSel(start, end);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 3);
    QTest::keyClick(line, Qt::Key_Left, Qt::ShiftModifier);
    Edit(Name).GetSel(start, end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 3);
}

TEST_F(QtPeersTest, HandlerRewritingTheTextIsShownWithoutLooping) {
    dialog.upperCaseName = true;
    auto* line = WidgetOf<QLineEdit>(Name);
    dialog.SetDlgItemText(Name, "");
    line->setFocus();
    dialog.log.clear();
    QTest::keyClicks(line, "ab");
    // Setting the text puts the caret at the start, as on the platform: "b" goes before "A".
    EXPECT_EQ(dialog.GetDlgItemText(Name), "BA");
    EXPECT_EQ(line->text().toStdString(), "BA");
    EXPECT_EQ(line->cursorPosition(), 0);
    // Each keystroke: the operator's change, then the handler's own.
    EXPECT_EQ(dialog.For(Name).size(), 4u);
}

TEST_F(QtPeersTest, EditStylesLimitAndDigitsHoldForTyping) {
    EXPECT_EQ(WidgetOf<QLineEdit>(PasswordEdit)->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(WidgetOf<QLineEdit>(Status)->isReadOnly());
    auto* port = WidgetOf<QLineEdit>(Port);
    dialog.SetDlgItemText(Port, "");
    port->setFocus();
    QTest::keyClicks(port, "12a34567");
    EXPECT_EQ(dialog.GetDlgItemText(Port), "12345");
    // A limit set later stops further typing, and a longer text set by code is kept whole.
    Edit(Name).SetLimitText(4);
    dialog.SetDlgItemText(Name, "longer text");
    EXPECT_EQ(WidgetOf<QLineEdit>(Name)->text().toStdString(), "longer text");
    dialog.SetDlgItemText(Name, "");
    WidgetOf<QLineEdit>(Name)->setFocus();
    QTest::keyClicks(WidgetOf<QLineEdit>(Name), "abcdef");
    EXPECT_EQ(dialog.GetDlgItemText(Name), "abcd");
}

TEST_F(QtPeersTest, MultiLineEditShowsLinesAndFollowsAppendedText) {
    auto* log = WidgetOf<QPlainTextEdit>(Log);
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->toPlainText().toStdString(), "Ver\n+OK 1.7\nMode\n+OK Server\n");
    CEditCtrl& edit = Edit(Log);
    const int end = Length(edit.GetWindowText());
    edit.SetSel(end, end);
    edit.ReplaceSel("help\r\n");
    EXPECT_EQ(log->toPlainText().toStdString(), "Ver\n+OK 1.7\nMode\n+OK Server\nhelp\n");
    EXPECT_EQ(log->textCursor().position(), log->toPlainText().size());
    // A selection in the widget maps back onto the "\r\n" text.
    QTextCursor cursor = log->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    log->setTextCursor(cursor);
    int start = 0, stop = 0;
    edit.GetSel(start, stop);
    EXPECT_EQ(Mid(edit.GetWindowText(), start, stop - start), "+OK");
}

TEST_F(QtPeersTest, ComboBoxesMirrorEntriesAndReportPicksAndTyping) {
    auto* mode = WidgetOf<QComboBox>(Mode);
    ASSERT_EQ(mode->count(), 3);
    EXPECT_EQ(mode->currentIndex(), 1);
    auto& modeCtrl = dialog.Item<CComboBoxCtrl>(Mode);
    modeCtrl.SetCurSel(2);
    EXPECT_EQ(mode->currentIndex(), 2);
    EXPECT_TRUE(dialog.For(Mode).empty());
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Up);
    EXPECT_EQ(modeCtrl.GetCurSel(), 1);
    EXPECT_EQ(dialog.For(Mode), Entries{"CBN_SELCHANGE"});

    auto* host = WidgetOf<QComboBox>(HostCombo);
    EXPECT_EQ(host->itemText(0).toStdString(), "10.0.0.2"); // the control sorts
    EXPECT_EQ(host->currentText().toStdString(), "10.0.0.9");
    host->lineEdit()->setFocus();
    host->lineEdit()->end(false);
    QTest::keyClicks(host->lineEdit(), "1");
    auto& hostCtrl = dialog.Item<CComboBoxCtrl>(HostCombo);
    EXPECT_EQ(hostCtrl.GetWindowText(), "10.0.0.91");
    EXPECT_EQ(dialog.For(HostCombo), Entries{"CBN_EDITCHANGE"});
    hostCtrl.SetCurSel(2);
    EXPECT_EQ(host->lineEdit()->text().toStdString(), "appliance.lan");
}

using Entry = std::pair<QList<int>, std::string>;

// What a screen reader reads of a combo box: the selected rows of its list (its items in the
// selected state alike), and for a drop-down list its text.
Entry EntryOnTheBus(QComboBox* box) {
    QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(box);
    QAccessibleInterface* list = combo->child(0);
    QList<int> items;
    for (int i = 0; i < list->childCount(); ++i)
        if (list->child(i)->state().selected)
            items.push_back(i);
    const QList<int> rows = list->tableInterface()->selectedRows();
    if (items != rows)
        return {rows, "(items selected otherwise)"};
    QAccessibleTextInterface* text = combo->textInterface();
    return {rows, text ? text->text(0, text->characterCount()).toStdString() : "(no text)"};
}

TEST_F(QtPeersTest, ACombosEntryIsItsListsSelectedItemAndItsTextOnTheBus) {
    auto* mode = WidgetOf<QComboBox>(Mode);
    auto& modeCtrl = dialog.Item<CComboBoxCtrl>(Mode);
    EXPECT_EQ(EntryOnTheBus(mode), (Entry{{1}, "Client"}));
    modeCtrl.SetCurSel(2);
    EXPECT_EQ(EntryOnTheBus(mode), (Entry{{2}, "Vertex"}));
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Up);
    EXPECT_EQ(EntryOnTheBus(mode), (Entry{{1}, "Client"}));
    modeCtrl.SetCurSel(-1);
    EXPECT_EQ(EntryOnTheBus(mode), (Entry{{}, ""}));
    // The editable kind has its field for the text; its list shows an entry the text names.
    auto* host = WidgetOf<QComboBox>(HostCombo);
    EXPECT_EQ(EntryOnTheBus(host), (Entry{{}, "(no text)"}));
    dialog.Item<CComboBoxCtrl>(HostCombo).SetWindowText("10.0.0.7");
    EXPECT_EQ(EntryOnTheBus(host), (Entry{{1}, "(no text)"}));
}

TEST_F(QtPeersTest, AnEntrySelectedThroughTheBusIsPickedOnceTheListIsClosed) {
    auto* mode = WidgetOf<QComboBox>(Mode);
    auto& modeCtrl = dialog.Item<CComboBoxCtrl>(Mode);
    QAccessibleTableInterface* list =
        QAccessible::queryAccessibleInterface(mode)->child(0)->tableInterface();
    // Closed: a selected item is the operator's pick; the only entry cannot be let go.
    ASSERT_TRUE(list->selectRow(2));
    EXPECT_EQ(modeCtrl.GetCurSel(), 2);
    EXPECT_EQ(dialog.For(Mode), Entries{"CBN_SELCHANGE"});
    list->unselectRow(2);
    EXPECT_EQ(EntryOnTheBus(mode), (Entry{{2}, "Vertex"}));
    QAccessible::queryAccessibleInterface(mode)->child(0)->child(0)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(modeCtrl.GetCurSel(), 0);
    EXPECT_EQ(dialog.For(Mode).size(), 2u);

    // Dropped: the selection is the highlight, picked by Enter; closing without a pick puts
    // the control's entry back.
    mode->showPopup();
    ASSERT_TRUE(WaitFor([&] { return mode->view()->isVisible(); }));
    ASSERT_TRUE(list->selectRow(1));
    EXPECT_EQ(modeCtrl.GetCurSel(), 0);
    mode->hidePopup();
    ASSERT_TRUE(WaitFor([&] { return EntryOnTheBus(mode) == Entry{{0}, "Server"}; }));
    mode->showPopup();
    ASSERT_TRUE(WaitFor([&] { return mode->view()->isVisible(); }));
    ASSERT_TRUE(list->selectRow(1));
    QTest::keyClick(mode->view(), Qt::Key_Return);
    // Qt closes the list before it reports the pick.
    ASSERT_TRUE(WaitFor([&] { return modeCtrl.GetCurSel() == 1; }));
    EXPECT_EQ(EntryOnTheBus(mode), (Entry{{1}, "Client"}));
    EXPECT_EQ(dialog.For(Mode).size(), 3u);
}

TEST_F(QtPeersTest, CheckBoxAndRadioGroupFollowTheFrameworksRules) {
    auto* pairable = WidgetOf<QAbstractButton>(Pairable);
    EXPECT_TRUE(pairable->isChecked());
    QTest::mouseClick(pairable, Qt::LeftButton);
    EXPECT_EQ(dialog.Item<CButtonCtrl>(Pairable).GetCheck(), 0);
    EXPECT_FALSE(pairable->isChecked());

    auto* server = WidgetOf<QAbstractButton>(Server);
    auto* client = WidgetOf<QAbstractButton>(Client);
    EXPECT_TRUE(client->isChecked());
    QTest::mouseClick(server, Qt::LeftButton);
    EXPECT_TRUE(server->isChecked());
    EXPECT_FALSE(client->isChecked());
    EXPECT_EQ(dialog.Item<CButtonCtrl>(Client).GetCheck(), 0);
    // A checked radio button stays checked when clicked again.
    QTest::mouseClick(server, Qt::LeftButton);
    EXPECT_TRUE(server->isChecked());
    EXPECT_EQ(dialog.log, (Entries{std::to_string(Pairable) + " BN_CLICKED",
                                   std::to_string(Server) + " BN_CLICKED",
                                   std::to_string(Server) + " BN_CLICKED"}));
    // Set by code: shown, not notified.
    dialog.CheckRadioButtonInGroup(Client);
    EXPECT_TRUE(client->isChecked());
    EXPECT_EQ(dialog.log.size(), 3u);
}

TEST_F(QtPeersTest, IpAddressFieldsFollowBothWays) {
    QWidget* frame = CQtBackend::WidgetOf(*dialog.GetDlgItem(Address));
    const QList<QLineEdit*> fields = frame->findChildren<QLineEdit*>();
    ASSERT_EQ(fields.size(), 4);
    EXPECT_EQ(fields[3]->text().toStdString(), "42");
    auto& ip = dialog.Item<CIpAddressCtrl>(Address);
    fields[2]->setFocus();
    fields[2]->selectAll();
    QTest::keyClicks(fields[2], "300");
    EXPECT_EQ(ip.GetField(2), 255);
    EXPECT_EQ(fields[2]->text().toStdString(), "255");
    fields[1]->setFocus();
    fields[1]->selectAll();
    QTest::keyClick(fields[1], Qt::Key_Delete);
    EXPECT_EQ(ip.GetField(1), -1);
    int f0 = 0, f1 = 0, f2 = 0, f3 = 0;
    EXPECT_EQ(ip.GetAddress(f0, f1, f2, f3), 3);
    EXPECT_EQ(dialog.For(Address).size(), 4u);
    ip.SetAddress(10, 0, 0, 1);
    EXPECT_EQ(fields[1]->text().toStdString(), "0");
}

TEST_F(QtPeersTest, SpinSitsBesideItsBuddyAndStepsIt) {
    QWidget* spin = CQtBackend::WidgetOf(*dialog.GetDlgItem(PortSpin));
    QWidget* buddy = CQtBackend::WidgetOf(*dialog.GetDlgItem(Port));
    EXPECT_EQ(spin->geometry().left(), buddy->geometry().right() + 1);
    EXPECT_EQ(spin->geometry().top(), buddy->geometry().top());
    EXPECT_EQ(spin->height(), buddy->height());
    const QList<QToolButton*> arrows = spin->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    EXPECT_EQ(dialog.GetDlgItemText(Port), "9001");
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    EXPECT_EQ(dialog.GetDlgItemText(Port), "8999");
    EXPECT_EQ(dialog.For(PortSpin).size(), 3u);
    EXPECT_EQ(dialog.lastDelta, -1);
}

TEST_F(QtPeersTest, FocusMovesAreToldToTheControls) {
    WidgetOf<QLineEdit>(Name)->setFocus();
    EXPECT_TRUE(dialog.GetDlgItem(Name)->HasFocus());
    WidgetOf<QLineEdit>(PasswordEdit)->setFocus();
    EXPECT_FALSE(dialog.GetDlgItem(Name)->HasFocus());
    EXPECT_TRUE(dialog.GetDlgItem(PasswordEdit)->HasFocus());
    EXPECT_EQ(dialog.For(Name), (Entries{"EN_SETFOCUS", "EN_KILLFOCUS"}));
    // Code moving the focus moves the widget's.
    dialog.GetDlgItem(Name)->SetFocus();
    EXPECT_TRUE(WidgetOf<QLineEdit>(Name)->hasFocus());
    EXPECT_EQ(dialog.For(Name).size(), 3u);
}

TEST_F(QtPeersTest, TextsSetThroughTheAccessibilityBusReachTheControlsAsTypingDoes) {
    QAccessibleInterface* name = Accessible(Name);
    name->editableTextInterface()->replaceText(0, name->textInterface()->characterCount(), "Box");
    EXPECT_EQ(dialog.GetDlgItemText(Name), "Box");
    SetValue(name, "Box-2");
    SetValue(Accessible(PasswordEdit), "hunter2");
    EXPECT_EQ(dialog.GetDlgItemText(PasswordEdit), "hunter2");
    // The widget of an edit with its own input rules hands it to the control's.
    SetValue(Accessible(BdAddr), "00:1A:7D:DA:71:99");
    EXPECT_EQ(dialog.GetDlgItemText(BdAddr), "00:1A:7D:DA:71:99");
    const QList<QLineEdit*> fields = Accessible(Address)->object()->findChildren<QLineEdit*>();
    SetValue(QAccessible::queryAccessibleInterface(fields[0]), "10");
    EXPECT_EQ(dialog.Item<CIpAddressCtrl>(Address).GetField(0), 10);
    SetValue(QAccessible::queryAccessibleInterface(WidgetOf<QComboBox>(HostCombo)->lineEdit()),
             "appliance.lan");
    EXPECT_EQ(dialog.Item<CComboBoxCtrl>(HostCombo).GetWindowText(), "appliance.lan");
    // Read-only fields refuse, and show what the control keeps.
    SetValue(Accessible(Status), "Hacked");
    EXPECT_EQ(dialog.GetDlgItemText(Status), "Connected");
    EXPECT_EQ(WidgetOf<QLineEdit>(Status)->text().toStdString(), "Connected");
    Accessible(Log)->editableTextInterface()->insertText(0, "x");
    EXPECT_EQ(dialog.GetDlgItemText(Log).substr(0, 3), "Ver");
    EXPECT_EQ(dialog.For(Name), (Entries{"EN_CHANGE", "EN_CHANGE"}));
    EXPECT_EQ(dialog.For(Address), Entries{"EN_CHANGE"});
    EXPECT_EQ(dialog.For(HostCombo), Entries{"CBN_EDITCHANGE"});
    EXPECT_TRUE(dialog.For(Log).empty());
}

TEST_F(QtPeersTest, NothingFromTheBusReachesADialogUnderAModalBox) {
    QTimer::singleShot(0, [&] {
        Accessible(IDOK)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        SetValue(Accessible(Name), "Behind");
        QTest::qWait(50); // a press taken would click from the event loop
        QApplication::activeModalWidget()->close();
    });
    dialog.MessageBox("Wait");
    EXPECT_TRUE(dialog.log.empty());
    EXPECT_EQ(WidgetOf<QLineEdit>(Name)->text().toStdString(), dialog.GetDlgItemText(Name));
}

TEST_F(QtPeersTest, ButtonsAnswerWithTheirKindAndTheirActionsClickAsAPersonDoes) {
    QAccessibleInterface* pairable = Accessible(Pairable);
    QAccessibleInterface* server = Accessible(Server);
    EXPECT_EQ(pairable->role(), QAccessible::CheckBox);
    EXPECT_EQ(server->role(), QAccessible::RadioButton);
    EXPECT_EQ(Accessible(IDOK)->role(), QAccessible::Button);
    EXPECT_TRUE(Accessible(IDOK)->state().defaultButton);
    EXPECT_TRUE(Accessible(Client)->state().checked);
    EXPECT_TRUE(pairable->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::toggleAction()));
    server->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    pairable->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(WaitFor([&] { return dialog.log.size() == 2; }));
    EXPECT_EQ(dialog.log, (Entries{std::to_string(Server) + " BN_CLICKED",
                                   std::to_string(Pairable) + " BN_CLICKED"}));
    EXPECT_EQ(dialog.Item<CButtonCtrl>(Client).GetCheck(), 0);
    EXPECT_EQ(dialog.Item<CButtonCtrl>(Pairable).GetCheck(), 0);
    EXPECT_FALSE(pairable->state().checked);
    // A spin button's arrows are pressed the same way.
    const QList<QToolButton*> arrows =
        CQtBackend::WidgetOf(*dialog.GetDlgItem(PortSpin))->findChildren<QToolButton*>();
    QAccessible::queryAccessibleInterface(arrows[0])->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(WaitFor([&] { return dialog.GetDlgItemText(Port) == "9001"; }));
    EXPECT_EQ(dialog.For(PortSpin).size(), 1u);
}

TEST_F(QtPeersTest, InputThatReachesAWindowWhileBlockedIsSwallowed) {
    auto* line = WidgetOf<QLineEdit>(Name);
    line->setFocus();
    dialog.log.clear();
    {
        CBlockingScope blocking;
        QTest::keyClicks(line, "zz");
        QTest::mouseClick(WidgetOf<QAbstractButton>(Pairable), Qt::LeftButton);
        // The accessibility bus is served while the UI paints; what it sets is undone.
        SetValue(Accessible(Name), "zz");
        EXPECT_EQ(WidgetOf<QLineEdit>(Name)->text().toStdString(), "Velmora42-0815");
    }
    EXPECT_EQ(dialog.GetDlgItemText(Name), "Velmora42-0815");
    EXPECT_EQ(dialog.Item<CButtonCtrl>(Pairable).GetCheck(), 1);
    EXPECT_TRUE(dialog.log.empty());
}

TEST_F(QtPeersTest, DisabledAndHiddenControlsAreDisabledAndHiddenWidgets) {
    dialog.GetDlgItem(Pairable)->EnableWindow(false);
    EXPECT_FALSE(WidgetOf<QAbstractButton>(Pairable)->isEnabled());
    dialog.GetDlgItem(Mode)->ShowWindow(false);
    EXPECT_FALSE(WidgetOf<QComboBox>(Mode)->isVisible());
    dialog.GetDlgItem(Mode)->ShowWindow(true);
    EXPECT_TRUE(WidgetOf<QComboBox>(Mode)->isVisible());
}

} // namespace
