// The text an empty list shows: on screen over the rows area while the list has no rows, on
// the accessibility bus as a label of the window and as the list's description, and never in
// the way of a click on the list.
#include <QAccessible>
#include <QLabel>
#include <QTableWidget>

#include "QtFixture.h"
#include "SampleDialogs.h"
#include "ui/ListViewCtrl.h"

namespace {

// The showing accessible object under `root` named `text`, or null.
QAccessibleInterface* AccessibleNamed(QAccessibleInterface* root, const QString& text) {
    for (int i = 0; root && i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child || child->state().invisible)
            continue;
        if (child->text(QAccessible::Name) == text)
            return child;
        if (QAccessibleInterface* found = AccessibleNamed(child, text))
            return found;
    }
    return nullptr;
}

class QtListEmptyTextTest : public QtFixture {};

TEST_F(QtListEmptyTextTest, ShownAndToldWhileTheListHasNoRows) {
    CSampleListsDlg dialog;
    dialog.Create();
    QWidget* window = backend.WindowOf(dialog);
    ASSERT_NE(window, nullptr);
    window->show();
    auto& list = dialog.Item<CListViewCtrl>(SampleId::Connections);
    auto* table = qobject_cast<QTableWidget*>(CQtBackend::WidgetOf(list));
    ASSERT_NE(table, nullptr);
    const QString text = "No appliance answered on lan-a 10.42.1.1";
    auto label = [&] {
        return AccessibleNamed(QAccessible::queryAccessibleInterface(window), text);
    };

    list.SetEmptyText(text.toStdString());
    EXPECT_EQ(label(), nullptr) << "the list has rows";
    EXPECT_EQ(table->accessibleDescription(), QString());

    list.DeleteAllItems();
    ASSERT_NE(label(), nullptr);
    EXPECT_EQ(label()->role(), QAccessible::StaticText);
    EXPECT_EQ(table->accessibleDescription(), text);
    const QRect rows(table->viewport()->mapTo(window, QPoint(0, 0)), table->viewport()->size());
    EXPECT_EQ(label()->rect(), QRect(window->mapToGlobal(rows.topLeft()), rows.size()));
    EXPECT_EQ(window->childAt(rows.center()), table->viewport()) << "clicks reach the list";

    list.InsertItem(0, "Idle");
    EXPECT_EQ(label(), nullptr);
    EXPECT_EQ(table->accessibleDescription(), QString());
    dialog.DestroyWindow();
}

} // namespace
