#include "ui/qt/QtLabelPeer.h"

#include <QLabel>

#include "ui/Control.h"
#include "ui/Text.h"
#include "ui/qt/QtImages.h"
#include "ui/qt/QtText.h"

namespace {

QLabel* MakeLabel(const CControl& control, QWidget* window) {
    auto* label = new QLabel(window);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (control.Kind() == ControlKind::Icon) {
        // An icon control names its icon resource by number; the application icon otherwise.
        const int id = LeadingInt(control.Template().label);
        // Drawn for the screen's pixel ratio, so it stays sharp on a high-resolution screen.
        const qreal ratio = label->devicePixelRatioF();
        QPixmap pixmap = ResourceImage(id > 0 ? id : ImageId::AppIcon, qRound(32 * ratio));
        pixmap.setDevicePixelRatio(ratio);
        label->setPixmap(pixmap);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    // Texts from the appliance end up here: never let them be read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (control.HasStyle(ControlStyle::CenterText))
        horizontal = Qt::AlignHCenter;
    else if (control.HasStyle(ControlStyle::RightText))
        horizontal = Qt::AlignRight;
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

} // namespace

CQtLabelPeer::CQtLabelPeer(CControl& control, QWidget* window)
    : CQtPeer(control, MakeLabel(control, window)) {}

QLabel* CQtLabelPeer::Label() const {
    return static_cast<QLabel*>(Widget());
}

void CQtLabelPeer::SetAccessibleLabel(const QString& label) {
    m_fallbackName = label;
    if (Control() && Control()->Kind() == ControlKind::Icon)
        Label()->setAccessibleName(QStringLiteral("Icon"));
    else
        Refresh();
}

void CQtLabelPeer::RefreshWidget() {
    if (!Control() || Control()->Kind() == ControlKind::Icon)
        return;
    // "&&" is an ampersand and "&" marks a mnemonic, which a label with a buddy (the control
    // it labels) keeps for Qt to underline and act on.
    const QString label = DisplayText(Control()->GetWindowText());
    const QString plain = WithoutMnemonics(label);
    const QString text = Label()->buddy() ? label : plain;
    if (Label()->text() != text)
        Label()->setText(text);
    Label()->setAccessibleName(plain.isEmpty() ? m_fallbackName : plain);
}
