#include "ui/qt/QtGroupBoxPeer.h"

#include <QGroupBox>

#include "ui/Control.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace {

QGroupBox* MakeGroupBox(const CControl& control, QWidget* window) {
    auto* group = new QGroupBox(window);
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    group->setFocusPolicy(Qt::NoFocus);
    if (control.HasStyle(ControlStyle::LargeFont))
        group->setFont(LargeCaptionFont(window->font()));
    return group;
}

} // namespace

CQtGroupBoxPeer::CQtGroupBoxPeer(CControl& control, QWidget* window)
    : CQtPeer(control, MakeGroupBox(control, window)) {}

QGroupBox* CQtGroupBoxPeer::GroupBox() const {
    return static_cast<QGroupBox*>(Widget());
}

void CQtGroupBoxPeer::Place(const QRect& rect) {
    CQtPeer::Place(rect);
    // Resources list group boxes before or after their contents; they always lie beneath.
    Widget()->lower();
}

void CQtGroupBoxPeer::RefreshWidget() {
    const QString title = DisplayText(Control()->GetWindowText());
    if (GroupBox()->title() != title)
        GroupBox()->setTitle(title);
    GroupBox()->setAccessibleName(WithoutMnemonics(title));
}
