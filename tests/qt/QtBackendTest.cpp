// The Qt backend's runs and dispatching: modal loops, the close box and keys, blocking,
// timers, posted messages, socket watches, message boxes and menus, fonts and pages.
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "QtFixture.h"
#include "SampleDialogs.h"
#include "ui/EditCtrl.h"
#include "ui/TabCtrl.h"
#include "ui/qt/QtFonts.h"

namespace {

constexpr UINT WM_FINISH = WM_USER + 5;
constexpr UINT WM_NOTE = WM_USER + 6;
constexpr int IDC_EDIT = 1001;
constexpr int IDC_APPLY = 1002;

const CDialogResource& SmallResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        3001,
        "Small",
        {160, 60},
        "Arial",
        9,
        {
            {-1, ControlKind::Static, "Value", DlgRect(7, 9, 30, 8)},
            {IDC_EDIT, ControlKind::Edit, "", DlgRect(40, 7, 100, 12)},
            {IDC_APPLY, ControlKind::PushButton, "Apply", DlgRect(7, 40, 40, 14), DefaultButton},
            {IDOK, ControlKind::PushButton, "OK", DlgRect(52, 40, 40, 14)},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(97, 40, 40, 14)},
        },
    };
    return resource;
}

// Records what reaches it, in order.
class CRecordingDlg : public CDialog {
public:
    CRecordingDlg() : CDialog(SmallResource()) {
        MessageMap()
            .Message(WM_FINISH, &CRecordingDlg::OnFinish)
            .Message(WM_NOTE, &CRecordingDlg::OnNote)
            .Clicked(IDC_APPLY, &CRecordingDlg::OnApply)
            .Timer(&CRecordingDlg::OnTimer)
            .SysCommand(&CRecordingDlg::OnSysCommand);
    }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        if (postFinishOnInit)
            PostMessage(WM_FINISH);
        return true;
    }
    void OnPaint() override {
        ++paints;
        SetWindowText("Painted " + std::to_string(GetDlgItemText(IDC_EDIT).size()));
    }

    bool postFinishOnInit = false;
    bool stopTimerOnTick = false;
    bool wasVisible = false;
    int paints = 0;
    std::vector<std::string> events;
    CQtBackend* backend = nullptr;

private:
    void OnFinish() {
        wasVisible = backend && backend->WindowOf(*this) && backend->WindowOf(*this)->isVisible();
        events.push_back("finish");
        EndDialog(IDOK);
    }
    void OnNote() { events.push_back("note"); }
    void OnApply() {
        events.push_back("apply");
        EndDialog(IDC_APPLY);
    }
    void OnTimer(UINT id) {
        events.push_back("timer " + std::to_string(id));
        if (stopTimerOnTick)
            KillTimer(id);
    }
    void OnSysCommand(UINT id) {
        events.push_back("syscommand " + std::to_string(id));
        EndDialog(IDCANCEL);
    }
};

using Clock = std::chrono::steady_clock;

// Once the next popup menu opens, picks its entry `text` as the operator would (Enter on it),
// or closes it when there is none.
void ChooseFromNextMenu(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == text) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        menu->close();
    });
}

class QtBackendTest : public QtFixture {};

TEST_F(QtBackendTest, ModalDialogShowsAndEndsFromAPostedMessage) {
    CRecordingDlg dialog;
    dialog.backend = &backend;
    dialog.postFinishOnInit = true;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.wasVisible);
    EXPECT_EQ(dialog.events, std::vector<std::string>{"finish"});
    EXPECT_EQ(backend.WindowOf(dialog), nullptr);
}

TEST_F(QtBackendTest, CloseBoxAsksTheDialogWithWmClose) {
    CRecordingDlg dialog;
    backend.OnModalShown([&](CDialog& shown) { backend.WindowOf(shown)->close(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(QtBackendTest, EnterGoesToTheDialogsDefaultButtonAndEscapeCancels) {
    CRecordingDlg dialog;
    backend.OnModalShown([&](CDialog& shown) {
        // Qt's own default-button logic would click the focused OK button.
        QWidget* ok = CQtBackend::WidgetOf(*shown.GetDlgItem(IDOK));
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.DoModal(), IDC_APPLY);
    EXPECT_EQ(dialog.events, std::vector<std::string>{"apply"});

    CRecordingDlg second;
    backend.OnModalShown([&](CDialog& shown) {
        QTest::keyClick(CQtBackend::WidgetOf(*shown.GetDlgItem(IDC_EDIT)), Qt::Key_Escape);
    });
    EXPECT_EQ(second.DoModal(), IDCANCEL);
}

TEST_F(QtBackendTest, PaintCallsOnPaintWhichMaySetTheCaption) {
    CRecordingDlg dialog;
    QString title;
    backend.OnModalShown([&](CDialog& shown) {
        QWidget* window = backend.WindowOf(shown);
        dialog.SetDlgItemText(IDC_EDIT, "abc");
        window->update();
        WaitFor([&] { return window->windowTitle() == QStringLiteral("Painted 3"); });
        title = window->windowTitle();
        shown.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_GT(dialog.paints, 0);
    EXPECT_EQ(title.toStdString(), "Painted 3");
}

TEST_F(QtBackendTest, BlockingHoldsBackPostedMessagesAndTimersThenDeliversThemInOrder) {
    CRecordingDlg dialog;
    dialog.stopTimerOnTick = true;
    dialog.Create();
    {
        CBlockingScope blocking;
        dialog.SetTimer(7, 10);
        dialog.PostMessage(WM_NOTE);
        // Painting goes on meanwhile, through both kinds of wait, and nothing else runs.
        backend.RepaintNow();
        backend.WaitWithoutInput(120);
        QTest::qWait(30);
        EXPECT_TRUE(dialog.events.empty());
    }
    EXPECT_TRUE(dialog.events.empty()) << "delivered inside the scope's end";
    ASSERT_TRUE(WaitFor([&] { return dialog.events.size() >= 2; }));
    QTest::qWait(50);
    // Posted messages go before the timer, and the many missed ticks make one.
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"note", "timer 7"}));
    dialog.DestroyWindow();
}

TEST_F(QtBackendTest, WaitWithoutInputTakesItsTimeAndDispatchesNothingOfOurs) {
    CRecordingDlg dialog;
    dialog.Create();
    dialog.SetTimer(1, 10);
    dialog.PostMessage(WM_NOTE);
    const auto start = Clock::now();
    backend.WaitWithoutInput(80);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(80));
    EXPECT_TRUE(dialog.events.empty());
    ASSERT_TRUE(WaitFor([&] { return dialog.events.size() >= 3; }));
    EXPECT_EQ(dialog.events[0], "note");
    EXPECT_EQ(dialog.events[1], "timer 1");
    dialog.DestroyWindow();
}

TEST_F(QtBackendTest, TimersAndPostedMessagesDieWithTheirWindow) {
    CRecordingDlg dialog;
    dialog.Create();
    dialog.SetTimer(3, 10);
    EXPECT_TRUE(backend.HasTimer(dialog, 3));
    dialog.PostMessage(WM_NOTE);
    const int hwnd = dialog.GetSafeHwnd();
    dialog.DestroyWindow();
    CMessage late;
    late.message = WM_NOTE;
    backend.PostMessage(hwnd, late);
    QTest::qWait(60);
    EXPECT_TRUE(dialog.events.empty());
    dialog.Create();
    EXPECT_FALSE(backend.HasTimer(dialog, 3));
    dialog.DestroyWindow();
}

TEST_F(QtBackendTest, SocketWatchWaitsWhileBlockedAndWhileDisabled) {
    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    int calls = 0;
    auto watch = backend.WatchReadable(fds[0], [&] {
        ++calls;
        char buffer[16];
        (void)::read(fds[0], buffer, sizeof buffer);
    });
    ASSERT_EQ(::write(fds[1], "x", 1), 1);
    {
        CBlockingScope blocking;
        backend.WaitWithoutInput(40);
        EXPECT_EQ(calls, 0);
    }
    ASSERT_TRUE(WaitFor([&] { return calls == 1; }));
    watch->SetEnabled(false);
    ASSERT_EQ(::write(fds[1], "y", 1), 1);
    QTest::qWait(40);
    EXPECT_EQ(calls, 1);
    watch->SetEnabled(true);
    ASSERT_TRUE(WaitFor([&] { return calls == 2; }));
    watch.reset();
    ::close(fds[0]);
    ::close(fds[1]);
}

TEST_F(QtBackendTest, SocketWatchMayBeDroppedFromItsOwnCallback) {
    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    std::unique_ptr<IReadWatch> watch;
    int calls = 0;
    watch = backend.WatchReadable(fds[0], [&] {
        ++calls;
        watch.reset();
    });
    ASSERT_EQ(::write(fds[1], "x", 1), 1);
    ASSERT_TRUE(WaitFor([&] { return calls == 1; }));
    QTest::qWait(30);
    EXPECT_EQ(calls, 1);
    ::close(fds[0]);
    ::close(fds[1]);
}

TEST_F(QtBackendTest, MessageBoxIsAStandardBoxWithPlainTextAndTheGivenCaption) {
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(AfxMessageBox("<b>Get Maxdt</b> is timeout.", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(title.toStdString(), "Velmora42 Manager");
    EXPECT_EQ(text.toStdString(), "<b>Get Maxdt</b> is timeout.");

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(AfxMessageBox("Reboot?", MB_YESNO), IDYES);
}

TEST_F(QtBackendTest, PopupMenuReturnsTheChosenIdOrZero) {
    CRecordingDlg dialog;
    dialog.Create();
    const std::vector<CMenuItem> items{{7, "Detail Information"}, {0, ""}, {9, "Other"}};
    ChooseFromNextMenu(QStringLiteral("Detail Information"));
    EXPECT_EQ(dialog.TrackPopupMenu(items, CPoint{10, 10}), 7u);
    ChooseFromNextMenu(QStringLiteral("nothing of that name"));
    EXPECT_EQ(dialog.TrackPopupMenu(items, CPoint{10, 10}), 0u);
    dialog.DestroyWindow();
}

TEST_F(QtBackendTest, SystemMenuEntriesComeOnF1AndInTheContextMenu) {
    CRecordingDlg dialog;
    dialog.AppendSystemMenuItem(0, "");
    dialog.AppendSystemMenuItem(16, "Velmora42 Manager Info(&A)...");
    backend.OnModalShown([&](CDialog& shown) {
        QTest::keyClick(CQtBackend::WidgetOf(*shown.GetDlgItem(IDC_EDIT)), Qt::Key_F1);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.events, std::vector<std::string>{"syscommand 16"});

    CRecordingDlg second;
    second.AppendSystemMenuItem(16, "Velmora42 Manager Info(&A)...");
    backend.OnModalShown([&](CDialog& shown) {
        QWidget* window = backend.WindowOf(shown);
        // Not on a control: a button lets the right-click through, but it is no background.
        bool menuOverButton = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menuOverButton = true;
                menu->close();
            }
        });
        const QPoint button = CQtBackend::WidgetOf(*shown.GetDlgItem(IDOK))->geometry().center();
        QContextMenuEvent onButton(QContextMenuEvent::Mouse, button, window->mapToGlobal(button));
        QApplication::sendEvent(window, &onButton);
        QTest::qWait(10);
        EXPECT_FALSE(menuOverButton);
        ChooseFromNextMenu(QStringLiteral("Velmora42 Manager Info(&A)..."));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                window->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(window, &event);
    });
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_EQ(second.events, std::vector<std::string>{"syscommand 16"});
}

TEST_F(QtBackendTest, DialogFontsResolveAndGiveTheBaseUnits) {
    CDialogResource arial;
    arial.fontFace = "Arial";
    arial.fontSize = 9;
    EXPECT_EQ(QFontInfo(DialogFont(arial)).family().toStdString(), "Liberation Sans");
    const CSize units = backend.DialogBaseUnits(arial);
    EXPECT_EQ(units, BaseUnits(DialogFont(arial)));
    EXPECT_GT(units.cx, 3);
    EXPECT_GT(units.cy, units.cx);
    CDialogResource system;
    system.fontFace = "System";
    system.fontSize = 10;
    EXPECT_EQ(DialogFont(system).family(), QApplication::font().family());
    EXPECT_EQ(DialogFont(system).pointSize(), 10);
    // Dialog units become pixels with them.
    CRecordingDlg dialog;
    const CRect mapped = dialog.MapDialogRect(CRect{0, 0, 160, 60});
    EXPECT_EQ(mapped.right, 160 * units.cx / 4);
    EXPECT_EQ(mapped.bottom, 60 * units.cy / 8);
}

TEST_F(QtBackendTest, PagesLiveInTheTabControlAtTheirPlaceAndFollowShowWindow) {
    CSampleTabsDlg dialog;
    backend.OnModalShown([&](CDialog& shown) {
        auto& tabs = shown.Item<CTabCtrl>(SampleId::Tabs);
        QWidget* tabWidget = CQtBackend::WidgetOf(tabs);
        QWidget* first = backend.WindowOf(dialog.Page(0));
        QWidget* second = backend.WindowOf(dialog.Page(1));
        ASSERT_TRUE(first && second);
        EXPECT_EQ(first->parentWidget(), tabWidget);
        const CRect item = tabs.GetItemRect(0);
        EXPECT_GT(item.Width(), 10);
        EXPECT_GT(item.Height(), 10);
        EXPECT_EQ(first->geometry().top(), item.bottom + 1);
        EXPECT_EQ(first->geometry().right() + 1, tabs.GetClientRect().right - 1);
        EXPECT_TRUE(first->isVisible());
        EXPECT_FALSE(second->isVisible());
        // A keyboard change of tab shows the other page (the dialog's selection handler).
        tabs.SelectByKeyboard(1);
        EXPECT_FALSE(first->isVisible());
        EXPECT_TRUE(second->isVisible());
        shown.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(QtBackendTest, PagesOutliveTheWindowTheyWereShownIn) {
    // The pages' windows go with the dialog's window; the page objects stay and can be
    // destroyed (and their controls used) afterwards without their widgets.
    auto dialog = std::make_unique<CSampleTabsDlg>();
    backend.OnModalShown([&](CDialog& shown) { shown.EndDialog(IDOK); });
    dialog->DoModal();
    EXPECT_EQ(dialog->Page(0).GetDlgItem(SampleId::PageName)->Peer(), nullptr);
    dialog->Page(0).SetDlgItemText(SampleId::PageName, "still fine");
    dialog.reset();
}

TEST_F(QtBackendTest, ProgressPopupHasNoHostAndStaysUntilDestroyed) {
    CSampleProgressDlg progress;
    progress.Create();
    QWidget* window = backend.WindowOf(progress);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->isVisible());
    backend.WaitWithoutInput(30);
    progress.DestroyWindow();
    EXPECT_EQ(backend.WindowOf(progress), nullptr);
}

} // namespace
