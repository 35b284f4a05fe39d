#include "ui/qt/QtBackend.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <thread>

#include "ui/Dialog.h"
#include "ui/qt/QtAccessibility.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtImages.h"
#include "ui/qt/QtPeer.h"
#include "ui/qt/QtText.h"

namespace {

// How long a wait without input sleeps between two rounds of painting.
constexpr std::chrono::milliseconds kWaitSlice{10};

QMessageBox::Icon IconFor(UINT type) {
    switch (type & 0xF0) {
    case 0x10:
        return QMessageBox::Critical;
    case 0x20:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int ResultOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

} // namespace

CQtBackend::CQtBackend() : m_router(m_queue) {
    // The program ends when its main dialog returns, not when Qt sees no window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setWindowIcon(ApplicationIcon());
    InstallAccessibleInterfaces();
}

CQtBackend::~CQtBackend() {
    for (auto& [hwnd, window] : m_windows)
        if (window) {
            window->Detach();
            delete window;
        }
    m_windows.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

CQtDialogWindow* CQtBackend::Window(int hwnd) const {
    const auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : it->second.data();
}

QWidget* CQtBackend::WindowOf(const CDialog& dialog) const {
    return Window(dialog.GetSafeHwnd());
}

QWidget* CQtBackend::WidgetOf(const CControl& control) {
    const CQtPeer* peer = CQtPeer::Of(control);
    return peer ? peer->Widget() : nullptr;
}

bool CQtBackend::HasTimer(const CDialog& dialog, UINT id) const {
    return m_queue.HasTimer(dialog.GetSafeHwnd(), id);
}

QWidget* CQtBackend::TopModalWindow() const {
    for (auto it = m_modalStack.rbegin(); it != m_modalStack.rend(); ++it)
        if (*it && (*it)->isVisible())
            return *it;
    return nullptr;
}

void CQtBackend::RunModal(CDialog& dialog) {
    const int hwnd = dialog.GetSafeHwnd();
    QPointer<CQtDialogWindow> window =
        new CQtDialogWindow(dialog, CQtDialogWindow::Role::Modal, TopModalWindow());
    m_windows[hwnd] = window;
    QEventLoop loop;
    window->SetModalLoop(&loop);
    dialog.WindowCreated();
    if (window && !dialog.IsEnded()) {
        window->ApplyDialogState(true);
        window->raise();
        window->activateWindow();
        m_modalStack.push_back(window);
        if (m_modalShown)
            QTimer::singleShot(0, window, [this, &dialog] {
                // A copy: the hook may set another hook while it runs.
                const std::function<void(CDialog&)> hook = m_modalShown;
                if (hook && !dialog.IsEnded())
                    hook(dialog);
            });
        while (!dialog.IsEnded()) {
            loop.exec(QEventLoop::DialogExec);
            // Only the whole application quitting ends the loop otherwise.
            if (!dialog.IsEnded())
                dialog.EndDialog(IDCANCEL);
        }
        m_modalStack.erase(std::remove(m_modalStack.begin(), m_modalStack.end(), window),
                           m_modalStack.end());
    }
    if (window)
        window->SetModalLoop(nullptr);
    dialog.WindowDestroying();
    m_queue.DropTimers(hwnd);
    m_windows.erase(hwnd);
    // No handler of this window runs any more: its event loop has returned.
    if (window) {
        window->Detach();
        delete window.data();
    }
}

void CQtBackend::CreateModeless(CDialog& dialog, CControl* host) {
    QWidget* hostWidget = host ? WidgetOf(*host) : nullptr;
    const auto role = hostWidget ? CQtDialogWindow::Role::Child : CQtDialogWindow::Role::Popup;
    const int hwnd = dialog.GetSafeHwnd();
    QPointer<CQtDialogWindow> window = new CQtDialogWindow(dialog, role, hostWidget);
    m_windows[hwnd] = window;
    dialog.WindowCreated();
    if (window && dialog.GetSafeHwnd() == hwnd)
        window->ApplyDialogState(true);
}

void CQtBackend::DestroyModeless(CDialog& dialog) {
    const int hwnd = dialog.GetSafeHwnd();
    dialog.WindowDestroying();
    m_queue.DropTimers(hwnd);
    const auto it = m_windows.find(hwnd);
    if (it == m_windows.end())
        return;
    const QPointer<CQtDialogWindow> window = it->second;
    m_windows.erase(it);
    // Gone already when the window it lived in was destroyed first.
    if (!window)
        return;
    window->Detach();
    window->hide();
    // A handler of one of its own controls may be running (a page re-created by a click).
    window->deleteLater();
}

void CQtBackend::WindowChanged(CDialog& dialog) {
    CQtDialogWindow* window = Window(dialog.GetSafeHwnd());
    if (!window)
        return;
    if (dialog.IsEnded() && window->ModalLoop()) {
        window->ModalLoop()->exit();
        return;
    }
    window->ApplyDialogState();
}

int CQtBackend::MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                           UINT type) {
    QWidget* parent = owner ? Window(owner->GetSafeHwnd()) : nullptr;
    if (parent)
        parent = parent->window();
    if (!parent || !parent->isVisible())
        parent = TopModalWindow();
    QMessageBox box(parent);
    box.setWindowIcon(ApplicationIcon());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(DisplayText(caption));
    // Appliance texts may end up here: plain text only.
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(text));
    box.setIcon(IconFor(type));
    switch (type & 0x0F) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    }
    return ResultOf(box.exec());
}

std::string CQtBackend::ChooseFile(CDialog* owner, FileChoice kind, std::string_view caption,
                                   std::string_view defaultName, std::string_view filter) {
    QWidget* parent = owner ? Window(owner->GetSafeHwnd()) : nullptr;
    if (parent)
        parent = parent->window();
    if (!parent || !parent->isVisible())
        parent = TopModalWindow();
    // Qt's own dialog rather than a desktop portal: it is a window of this process, held
    // modal like the message boxes and reachable through the accessibility bus.
    const QFileDialog::Options options = QFileDialog::DontUseNativeDialog;
    const CModalWindowScope modal;
    const QString path =
        kind == FileChoice::Save
            ? QFileDialog::getSaveFileName(parent, DisplayText(caption), DisplayText(defaultName),
                                           DisplayText(filter), nullptr, options)
            : QFileDialog::getOpenFileName(parent, DisplayText(caption), QString(),
                                           DisplayText(filter), nullptr, options);
    return QFile::encodeName(path).toStdString();
}

UINT CQtBackend::TrackPopupMenu(CDialog& owner, const std::vector<CMenuItem>& items, CPoint point) {
    QWidget* window = Window(owner.GetSafeHwnd());
    const QPoint at(point.x, point.y);
    QMenu menu(window);
    for (const CMenuItem& item : items) {
        if (item.text.empty())
            menu.addSeparator();
        else
            menu.addAction(DisplayText(item.text))->setData(item.id);
    }
    const QAction* chosen = menu.exec(window ? window->mapToGlobal(at) : at);
    return chosen ? chosen->data().toUInt() : 0;
}

void CQtBackend::SetTimer(CDialog& dialog, UINT id, UINT elapse) {
    m_queue.SetTimer(dialog.GetSafeHwnd(), id, elapse);
}

void CQtBackend::KillTimer(CDialog& dialog, UINT id) {
    m_queue.KillTimer(dialog.GetSafeHwnd(), id);
}

void CQtBackend::PostMessage(int hwnd, const CMessage& message) {
    m_queue.Post(hwnd, message);
}

std::uint64_t CQtBackend::GetTickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void CQtBackend::WaitWithoutInput(int ms) {
    if (ms <= 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    m_queue.Hold();
    for (;;) {
        // Paint and animate; input stays queued for later, and our own dispatching is held.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const auto remaining = deadline - std::chrono::steady_clock::now();
        if (remaining <= std::chrono::steady_clock::duration::zero())
            break;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(remaining, kWaitSlice));
    }
    m_queue.Release();
}

void CQtBackend::RepaintNow() {
    m_queue.Hold();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_queue.Release();
}

void CQtBackend::BlockingChanged(bool blocked) {
    if (blocked) {
        m_queue.Hold();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    m_queue.Release();
    // Focus changes made meanwhile are told from the event loop, not inside the caller.
    QTimer::singleShot(0, &m_router, [this] {
        if (!m_queue.IsHeld())
            m_router.SyncFocus();
    });
}

std::unique_ptr<IReadWatch> CQtBackend::WatchReadable(int fd, std::function<void()> onReadable) {
    return m_queue.WatchReadable(fd, std::move(onReadable));
}

void CQtBackend::Beep() {
    QApplication::beep();
}

std::string CQtBackend::GetClipboardText() {
    // Characters the controls' 8-bit text cannot hold are left out rather than turned into
    // "?", which an input position would take.
    std::string text;
    for (const QChar c : QGuiApplication::clipboard()->text())
        if (c.unicode() <= 0xFF)
            text += static_cast<char>(c.unicode());
    return text;
}

void CQtBackend::SetClipboardText(std::string_view text) {
    QGuiApplication::clipboard()->setText(FromLatin1(text));
}

CSize CQtBackend::DialogBaseUnits(const CDialogResource& resource) {
    const auto key = std::make_pair(resource.fontFace, resource.fontSize);
    const auto it = m_baseUnits.find(key);
    if (it != m_baseUnits.end())
        return it->second;
    const CSize units = BaseUnits(DialogFont(resource));
    m_baseUnits.emplace(key, units);
    return units;
}
