// The keyboard alone: Tab walks the controls in the order of the dialog's resource, skipping
// what cannot take the focus, and comes round again; Enter presses the default button where
// the dialog has one, Escape cancels.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <QWidget>

#include "QtFixture.h"
#include "session/LoginDlg.h"
#include "session/SearchDlg.h"

namespace {

class KeyboardTest : public QtFixture {
protected:
    // The ids of the controls the focus visits from the first one on, `steps` Tab presses.
    std::vector<int> TabOrder(CDialog& dialog, int first, int steps) {
        QWidget* window = backend.WindowOf(dialog);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        CQtBackend::WidgetOf(*dialog.GetDlgItem(first))->setFocus();
        std::vector<int> visited;
        for (int i = 0; i <= steps; ++i) {
            visited.push_back(FocusedId(dialog));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return visited;
    }

    static int FocusedId(const CDialog& dialog) {
        for (const CControl* control : dialog.Controls()) {
            const QWidget* widget = CQtBackend::WidgetOf(*control);
            if (widget && (widget == QApplication::focusWidget() ||
                           widget->isAncestorOf(QApplication::focusWidget())))
                return control->GetDlgCtrlID();
        }
        return 0;
    }
};

TEST_F(KeyboardTest, SearchAndLoginDialogsTakeTheFocusInResourceOrder) {
    CSearchDlg search(CDiscoveryTarget{"127.0.0.1", 9, {}});
    search.Create();
    // Connect is disabled until an address is there.
    EXPECT_EQ(TabOrder(search, IDC_DEVICE_LIST, 5),
              (std::vector<int>{IDC_DEVICE_LIST, IDC_SEARCH, IDC_SEARCH_CANCEL, IDC_IP_ADDRESS,
                                IDC_CONTROL_PORT, IDC_DEVICE_LIST}));
    search.DestroyWindow();

    CLoginDlg login;
    login.Create();
    EXPECT_EQ(
        TabOrder(login, IDC_USER_ID, 4),
        (std::vector<int>{IDC_USER_ID, IDC_PASSWORD, IDC_LOGIN_OK, IDC_LOGIN_CANCEL, IDC_USER_ID}));
    login.DestroyWindow();
}

TEST_F(KeyboardTest, EnterLogsInWithWhatWasTypedAndEscapeCancels) {
    CLoginDlg login;
    backend.OnModalShown([&](CDialog& shown) {
        QWidget* password = CQtBackend::WidgetOf(*shown.GetDlgItem(IDC_PASSWORD));
        QTest::keyClicks(password, "velmora");
        QTest::keyClick(password, Qt::Key_Return);
    });
    EXPECT_EQ(login.DoModal(), IDOK);
    EXPECT_EQ(login.m_strEnteredUserID, "admin");
    EXPECT_EQ(login.m_strEnteredPassword, "velmora");

    CLoginDlg cancelled;
    backend.OnModalShown([&](CDialog& shown) {
        QTest::keyClick(CQtBackend::WidgetOf(*shown.GetDlgItem(IDC_USER_ID)), Qt::Key_Escape);
    });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
}

TEST_F(KeyboardTest, EnterPressesNoButtonOfTheSearchDialogAndEscapeCancelsIt) {
    CSearchDlg search(CDiscoveryTarget{"127.0.0.1", 9, {}});
    bool stayed = false;
    backend.OnModalShown([&](CDialog& shown) {
        QWidget* port = CQtBackend::WidgetOf(*shown.GetDlgItem(IDC_CONTROL_PORT));
        QTest::keyClicks(CQtBackend::WidgetOf(*shown.GetDlgItem(IDC_IP_ADDRESS)), "127.0.0.2");
        QTest::keyClicks(port, "9097");
        QTest::keyClick(port, Qt::Key_Return);
        QWidget* connect = CQtBackend::WidgetOf(*shown.GetDlgItem(IDC_CONNECT));
        connect->setFocus();
        QTest::keyClick(connect, Qt::Key_Return);
        stayed = !shown.IsEnded() && shown.GetDlgItem(IDC_CONNECT)->IsWindowEnabled();
        QTest::keyClick(port, Qt::Key_Escape);
    });
    EXPECT_EQ(search.DoModal(), IDCANCEL);
    EXPECT_TRUE(stayed);
}

} // namespace

namespace {

// A window with a system menu whose entries carry shortcuts, recording what is chosen.
class CShortcutDlg : public CDialog {
public:
    CShortcutDlg() : CDialog(Resource()) {
        AppendSystemMenuItem(0x10, "About...");
        AppendSystemMenuItem(0x20, "Save Settings...\tCtrl+S");
        AppendSystemMenuItem(0x30, "Load Settings...\tCtrl+O");
        MessageMap().SysCommand(&CShortcutDlg::OnSysCommand);
    }
    std::vector<UINT> m_chosen;

private:
    static const CDialogResource& Resource() {
        static const CDialogResource resource{
            900,     "Shortcuts", {120, 40},
            "Arial", 9,           {{1001, ControlKind::Edit, "", DlgRect(7, 7, 100, 12)}}};
        return resource;
    }
    void OnSysCommand(UINT id) { m_chosen.push_back(id); }
};

class ShortcutTest : public QtFixture {};

TEST_F(ShortcutTest, CtrlAndALetterChooseTheSystemMenuEntryShowingThatShortcut) {
    CShortcutDlg dialog;
    dialog.Create();
    QWidget* edit = CQtBackend::WidgetOf(*dialog.GetDlgItem(1001));
    backend.WindowOf(dialog)->activateWindow();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
    // No entry shows Ctrl+A, and a letter without Ctrl is typed.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_S);
    EXPECT_EQ(dialog.m_chosen, (std::vector<UINT>{0x20, 0x30}));
    EXPECT_EQ(dialog.GetDlgItemText(1001), "s");
    dialog.DestroyWindow();
}

TEST_F(ShortcutTest, TheFileChooserReturnsThePathTheOperatorPicked) {
    const QString path = QDir::temp().filePath("velmora42-chooser.txt");
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->windowTitle(), "Save Settings");
        chooser->selectFile(path);
        QMetaObject::invokeMethod(chooser, "accept");
    });
    EXPECT_EQ(backend.ChooseFile(nullptr, FileChoice::Save, "Save Settings", "Gateway-1.txt",
                                 "Settings files (*.txt)"),
              path.toStdString());
    QTimer::singleShot(0, [&] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(backend.ChooseFile(nullptr, FileChoice::Open, "Load Settings", "",
                                 "Settings files (*.txt)"),
              "");
}

} // namespace
