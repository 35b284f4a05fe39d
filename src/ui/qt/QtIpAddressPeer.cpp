#include "ui/qt/QtIpAddressPeer.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "ui/IpAddressCtrl.h"

namespace {

QFrame* MakeFrame(QWidget* window) {
    auto* frame = new QFrame(window);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setBackgroundRole(QPalette::Base);
    frame->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    return frame;
}

} // namespace

CQtIpAddressPeer::CQtIpAddressPeer(CIpAddressCtrl& ip, QWidget* window)
    : CQtPeer(ip, MakeFrame(window)) {
    auto* layout = static_cast<QHBoxLayout*>(Widget()->layout());
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), Widget());
            dot->setBackgroundRole(QPalette::Base);
            layout->addWidget(dot);
        }
        auto* field = new QLineEdit(Widget());
        field->setFrame(false);
        field->setAlignment(Qt::AlignHCenter);
        field->setMaxLength(3);
        field->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,3}")), field));
        field->installEventFilter(this);
        // A text set through the accessibility bus is no edit to Qt: every change counts.
        connect(field, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { OnFieldEdited(i, text); });
        layout->addWidget(field, 1);
        m_fields[static_cast<size_t>(i)] = field;
    }
    Widget()->setFocusProxy(m_fields[0]);
}

void CQtIpAddressPeer::SetAccessibleLabel(const QString& label) {
    Widget()->setAccessibleName(label);
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setAccessibleName(QStringLiteral("%1 part %2").arg(label).arg(i + 1));
}

void CQtIpAddressPeer::SetFocus() {
    FocusField(0);
}

void CQtIpAddressPeer::FocusField(int index) {
    QLineEdit* field = m_fields[static_cast<size_t>(index)];
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void CQtIpAddressPeer::OnFieldEdited(int index, const QString& text) {
    if (!TakeNativeChange())
        return;
    const int typed = text.isEmpty() ? -1 : text.toInt();
    ControlAs<CIpAddressCtrl>().SetFieldByUser(index, typed);
    if (!Control())
        return;
    Refresh();
    // The control holds a field to 255, as the platform corrects an entry out of range.
    if (typed > 255)
        QApplication::beep();
    const bool full = text.size() == 3 && typed <= 255;
    if (full && index < 3 && m_fields[static_cast<size_t>(index)]->cursorPosition() == 3)
        FocusField(index + 1);
}

bool CQtIpAddressPeer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !FromOperator())
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    for (int i = 0; i < 3; ++i) {
        const bool dot = key->text() == QStringLiteral(".") || key->key() == Qt::Key_Space;
        if (watched == m_fields[static_cast<size_t>(i)] && dot) {
            FocusField(i + 1);
            return true;
        }
    }
    return false;
}

void CQtIpAddressPeer::RefreshWidget() {
    const CIpAddressCtrl& ip = ControlAs<CIpAddressCtrl>();
    for (int i = 0; i < 4; ++i) {
        const int value = ip.GetField(i);
        const QString text = value < 0 ? QString() : QString::number(value);
        QLineEdit* field = m_fields[static_cast<size_t>(i)];
        if (field->text() != text)
            field->setText(text);
    }
}
