#include "ui/qt/QtButtonPeer.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/ButtonCtrl.h"
#include "ui/qt/QtText.h"

namespace {

QAbstractButton* MakeButton(const CButtonCtrl& button, QWidget* window) {
    switch (button.Kind()) {
    case ControlKind::CheckBox:
        return new QCheckBox(window);
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(window);
        radio->setAutoExclusive(false);
        return radio;
    }
    default:
        break;
    }
    auto* push = new QPushButton(window);
    // The default ring is drawn, but Enter is routed to the dialog before any button sees it.
    push->setAutoDefault(false);
    push->setDefault(button.HasStyle(ControlStyle::DefaultButton));
    return push;
}

} // namespace

CQtButtonPeer::CQtButtonPeer(CButtonCtrl& button, QWidget* window)
    : CQtPeer(button, MakeButton(button, window)) {
    connect(Button(), &QAbstractButton::clicked, this, [this] {
        if (!TakeNativeChange())
            return;
        ControlAs<CButtonCtrl>().Click();
        // Qt toggled the widget itself; show the state the control decided on.
        Refresh();
    });
}

QAbstractButton* CQtButtonPeer::Button() const {
    return static_cast<QAbstractButton*>(Widget());
}

void CQtButtonPeer::SetAccessibleLabel(const QString& label) {
    m_fallbackName = label;
    Refresh();
}

void CQtButtonPeer::RefreshWidget() {
    const CButtonCtrl& button = ControlAs<CButtonCtrl>();
    const QString text = DisplayText(button.GetWindowText());
    if (Button()->text() != text)
        Button()->setText(text);
    if (button.Kind() != ControlKind::PushButton) {
        Button()->setCheckable(true);
        Button()->setChecked(button.GetCheck() != 0);
    }
    const QString name = WithoutMnemonics(text);
    Button()->setAccessibleName(name.isEmpty() ? m_fallbackName : name);
}
