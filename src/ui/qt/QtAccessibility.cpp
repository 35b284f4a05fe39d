#include "ui/qt/QtAccessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Control.h"
#include "ui/Dialog.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/QtPeer.h"

namespace {

// The control whose widget is exactly `widget`, or null.
const CControl* ControlShownBy(const QWidget* widget) {
    const CQtPeer* peer = CQtPeer::ForWidget(widget);
    return peer && peer->Widget() == widget ? peer->Control() : nullptr;
}

// An action on a control behind a modal window does nothing, as a click there would not.
bool TakesActions(const QWidget* widget) {
    const CControl* control = ControlShownBy(widget);
    return widget->isEnabled() && (!control || !control->Owner().IsBehindModalWindow());
}

class CAccessibleButton final : public QAccessibleWidget {
public:
    CAccessibleButton(QAbstractButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const auto* button = static_cast<const QAbstractButton*>(widget());
        if (role() == QAccessible::Button) {
            const auto* push = qobject_cast<const QPushButton*>(button);
            state.defaultButton = push && push->isDefault();
        } else {
            state.checkable = true;
            state.checked = button->isChecked();
        }
        if (button->isDown())
            state.pressed = true;
        return state;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) {
            if (role() != QAccessible::Button)
                names << toggleAction();
            names << pressAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        // As Qt does for its buttons: the click comes from the event loop, after the caller
        // has its answer, and goes the way of a person's click.
        if (name != pressAction() && name != toggleAction())
            QAccessibleWidget::doAction(name);
        else if (TakesActions(widget()))
            static_cast<QAbstractButton*>(widget())->animateClick();
    }
};

// A combo box reads as its entry: the value, the text of a drop-down list (an editable box
// has its field for that) and the selected item of its list, which the renderer keeps in step.
class CAccessibleComboBox final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CAccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && !Box()->lineEdit())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Value)
            return QAccessibleWidget::text(type);
        return Box()->lineEdit() ? Box()->lineEdit()->text() : Box()->currentText();
    }

    // The entry as read-only text: no caret, nothing to select, no attributes.
    QString text(int startOffset, int endOffset) const override {
        return Box()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Box()->currentText().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

    // The list that drops down first, then the field of an editable box.
    int childCount() const override { return Box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && Box()->lineEdit())
            return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object() == Box()->view())
            return 0;
        return Box()->lineEdit() && child->object() == Box()->lineEdit() ? 1 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // The list opens or closes; a pick in it goes to the control as a person's does.
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else if (TakesActions(Box()))
            Box()->showPopup();
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessible::Role ButtonRole(ControlKind kind) {
    switch (kind) {
    case ControlKind::CheckBox:
        return QAccessible::CheckBox;
    case ControlKind::RadioButton:
        return QAccessible::RadioButton;
    default:
        return QAccessible::Button;
    }
}

// Called with the most derived class name first, before Qt's own factory.
QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* window = dynamic_cast<CQtDialogWindow*>(widget)) {
        const bool page = window->WindowRole() == CQtDialogWindow::Role::Child;
        return new QAccessibleWidget(window, page ? QAccessible::Pane : QAccessible::Dialog);
    }
    const CControl* control = ControlShownBy(widget);
    if (!control)
        return nullptr;
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return new CAccessibleButton(button, ButtonRole(control->Kind()));
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return new CAccessibleComboBox(box);
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}
