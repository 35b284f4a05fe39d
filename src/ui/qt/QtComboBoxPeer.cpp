#include "ui/qt/QtComboBoxPeer.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
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
    QAbstractItemView* list = ComboBox()->view();
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CQtComboBoxPeer::OnListSelection);
    // The list's window: after it closes, the highlight goes back to the control's entry.
    list->window()->installEventFilter(this);
}

void CQtComboBoxPeer::OnListSelection() {
    if (!TakeNativeChange())
        return;
    QAbstractItemView* list = ComboBox()->view();
    CComboBoxCtrl& combo = ControlAs<CComboBoxCtrl>();
    int row = -1;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
        if (row < 0 || index.row() != combo.GetCurSel())
            row = index.row();
    if (Dropped()) {
        // The dropped list: what the pointer or the arrows highlight is picked by a click or
        // Enter, as Qt does; an entry selected there through the bus becomes the one they pick.
        const QModelIndex entry = ComboBox()->model()->index(row, ComboBox()->modelColumn());
        if (entry.isValid() && list->currentIndex() != entry)
            list->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::NoUpdate);
        return;
    }
    // Closed, only an assistive technology selects in the list: its pick is the operator's.
    if (row >= 0 && row != combo.GetCurSel())
        combo.SelectByUser(row);
    Refresh();
}

// Once the list has closed, and the pick that closed it (which Qt reports right after it
// closes the list) has reached the control.
bool CQtComboBoxPeer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == ComboBox()->view()->window())
        QMetaObject::invokeMethod(this, &CQtComboBoxPeer::Refresh, Qt::QueuedConnection);
    return false;
}

QComboBox* CQtComboBoxPeer::ComboBox() const {
    return static_cast<QComboBox*>(Widget());
}

// The list's window, not the list: the list is still visible while its window hides.
bool CQtComboBoxPeer::Dropped() const {
    return ComboBox()->view()->window()->isVisible();
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
    if (!Dropped())
        ShowEntryInList();
}

// Screen readers read a combo box's entry as the selected item of its list: the closed list
// holds the control's entry selected and current (none without one).
void CQtComboBoxPeer::ShowEntryInList() {
    QComboBox* box = ComboBox();
    QItemSelectionModel* selection = box->view()->selectionModel();
    const QModelIndex entry =
        box->model()->index(ControlAs<CComboBoxCtrl>().GetCurSel(), box->modelColumn());
    if (!entry.isValid()) {
        if (selection->hasSelection() || selection->currentIndex().isValid())
            selection->clear();
        return;
    }
    if (selection->currentIndex() != entry ||
        selection->selectedIndexes() != QModelIndexList{entry})
        selection->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
}
