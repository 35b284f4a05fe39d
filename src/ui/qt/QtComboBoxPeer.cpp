#include "ui/qt/QtComboBoxPeer.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/ComboBoxCtrl.h"
#include "ui/qt/QtText.h"

namespace {

QComboBox* MakeComboBox(const CComboBoxCtrl& combo, QWidget* window) {
    auto* box = new QComboBox(window);
    box->setEditable(combo.IsEditable());
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    if (combo.IsEditable())
        box->setCompleter(nullptr);
    return box;
}

} // namespace

CQtComboBoxPeer::CQtComboBoxPeer(CComboBoxCtrl& combo, QWidget* window)
    : CQtPeer(combo, MakeComboBox(combo, window)) {
    connect(ComboBox(), &QComboBox::currentIndexChanged, this, [this](int index) {
        if (TakeNativeChange())
            ControlAs<CComboBoxCtrl>().SelectByUser(index);
    });
    // Not only textEdited: a text set through the accessibility bus is no edit to Qt.
    if (QLineEdit* field = ComboBox()->lineEdit())
        connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (!TakeNativeChange())
                return;
            CComboBoxCtrl& combo = ControlAs<CComboBoxCtrl>();
            // A pick in the list shows its entry first and reports the pick right after.
            const int index = ComboBox()->currentIndex();
            if (index != combo.GetCurSel() && text == ComboBox()->itemText(index))
                return;
            const std::string typed = ToLatin1(text);
            if (typed != combo.GetWindowText())
                combo.EditByUser(typed);
        });
}

QComboBox* CQtComboBoxPeer::ComboBox() const {
    return static_cast<QComboBox*>(Widget());
}

void CQtComboBoxPeer::Place(const QRect& rect) {
    CQtPeer::Place(QRect(rect.topLeft(), QSize(rect.width(), ComboBox()->sizeHint().height())));
}

void CQtComboBoxPeer::SetAccessibleLabel(const QString& label) {
    ComboBox()->setAccessibleName(label);
    if (QLineEdit* field = ComboBox()->lineEdit())
        field->setAccessibleName(label);
}

void CQtComboBoxPeer::RefreshWidget() {
    const CComboBoxCtrl& combo = ControlAs<CComboBoxCtrl>();
    QComboBox* box = ComboBox();
    bool same = box->count() == combo.GetCount();
    for (int i = 0; same && i < combo.GetCount(); ++i)
        same = box->itemText(i) == FromLatin1(combo.GetLBText(i));
    if (!same) {
        box->clear();
        for (int i = 0; i < combo.GetCount(); ++i)
            box->addItem(FromLatin1(combo.GetLBText(i)));
    }
    QLineEdit* field = box->lineEdit();
    const QString typed = field ? field->text() : QString();
    const int caret = field ? field->cursorPosition() : 0;
    if (box->currentIndex() != combo.GetCurSel())
        box->setCurrentIndex(combo.GetCurSel());
    if (field) {
        // Selecting no entry empties Qt's field; the control's text stays, and while the
        // operator types, so does the caret.
        const QString text = FromLatin1(combo.GetWindowText());
        if (field->text() != text) {
            field->setText(text);
            if (text == typed)
                field->setCursorPosition(caret);
        }
    }
}
