// List view, tree view and tab control: rows, images and selection in step with the control;
// clicks, keys and header double-clicks reported in the framework's order.
#include <QAccessible>
#include <QHeaderView>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <functional>

#include "QtFixture.h"
#include "Recording.h"
#include "SampleDialogs.h"
#include "ui/ListViewCtrl.h"
#include "ui/TabCtrl.h"
#include "ui/TreeViewCtrl.h"

namespace {

using namespace SampleId;
using Entries = std::vector<std::string>;

class CListsRecorder : public CRecording<CSampleListsDlg> {
public:
    CListsRecorder() {
        using Self = CListsRecorder;
        MessageMap()
            .Notify(Connections, LVN_ITEMCHANGED, &Self::Notify<Connections, LVN_ITEMCHANGED>)
            .Notify(Connections, NM_CLICK, &Self::Notify<Connections, NM_CLICK>)
            .Notify(Connections, NM_RCLICK, &Self::Notify<Connections, NM_RCLICK>)
            .Notify(Connections, HDN_ITEMDBLCLICK, &Self::Notify<Connections, HDN_ITEMDBLCLICK>)
            .Notify(Servers, LVN_ITEMCHANGED, &Self::Notify<Servers, LVN_ITEMCHANGED>)
            .Notify(Servers, NM_CLICK, &Self::Notify<Servers, NM_CLICK>)
            .Notify(Repeaters, TVN_SELCHANGED, &Self::Notify<Repeaters, TVN_SELCHANGED>)
            .Notify(Repeaters, TVN_ITEMEXPANDED, &Self::Notify<Repeaters, TVN_ITEMEXPANDED>);
    }
};

class CTabsRecorder : public CRecording<CSampleTabsDlg> {
public:
    CTabsRecorder() {
        using Self = CTabsRecorder;
        MessageMap()
            .Notify(Tabs, NM_CLICK, &Self::Notify<Tabs, NM_CLICK>)
            .Clicked(IDOK, &Self::Command<IDOK, BN_CLICKED>);
    }
};

template <class Dialog> class QtListTest : public QtFixture {
protected:
    void SetUp() override {
        dialog.Create();
        window = backend.WindowOf(dialog);
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        dialog.log.clear();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    Dialog dialog;
    QWidget* window = nullptr;
};

using QtListViewTest = QtListTest<CListsRecorder>;
using QtTabTest = QtListTest<CTabsRecorder>;

QPoint CellCentre(QTableWidget* table, int row) {
    return table->visualItemRect(table->item(row, 0)).center();
}

std::vector<int> ShownRows(const QTableWidget* table) {
    std::vector<int> rows;
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->selectionModel()->isRowSelected(r, QModelIndex()))
            rows.push_back(r);
    return rows;
}

TEST_F(QtListViewTest, RowsColumnsAndImagesMirrorTheControl) {
    auto* table =
        qobject_cast<QTableWidget*>(CQtBackend::WidgetOf(*dialog.GetDlgItem(Connections)));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->columnCount(), 4);
    EXPECT_EQ(table->horizontalHeaderItem(1)->text().toStdString(), "BD Address");
    EXPECT_TRUE(table->isColumnHidden(2));
    EXPECT_EQ(table->columnWidth(1), 120);
    EXPECT_TRUE(table->item(3 - 1, 3)->textAlignment() & Qt::AlignRight);
    EXPECT_FALSE(table->item(0, 0)->icon().isNull());
    EXPECT_TRUE(table->showGrid());
    EXPECT_EQ(table->item(1, 1)->text().toStdString(), "00:1A:7D:DA:71:14");
    EXPECT_TRUE(table->selectionModel()->isRowSelected(1, QModelIndex()));

    auto& list = dialog.Item<CListViewCtrl>(Connections);
    list.SetItemSelected(2, true);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(2, QModelIndex()));
    EXPECT_FALSE(table->selectionModel()->isRowSelected(1, QModelIndex()));
    list.SetItemText(0, 3, "2048");
    EXPECT_EQ(table->item(0, 3)->text().toStdString(), "2048");
    list.DeleteItem(0);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 0)->text().toStdString(), "Idle");
    EXPECT_TRUE(dialog.log.empty()) << "code's changes notify nothing";
}

TEST_F(QtListViewTest, WithRedrawOffTheTableCatchesUpWhenItIsOnAgain) {
    auto* table =
        qobject_cast<QTableWidget*>(CQtBackend::WidgetOf(*dialog.GetDlgItem(Connections)));
    auto& list = dialog.Item<CListViewCtrl>(Connections);
    list.SetRedraw(false);
    list.InsertItem(0, "New");
    EXPECT_EQ(table->rowCount(), 3);
    list.SetRedraw(true);
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(0, 0)->text().toStdString(), "New");
}

TEST_F(QtListViewTest, ClicksKeysAndHeaderDoubleClicksGoThroughTheControl) {
    auto* table =
        qobject_cast<QTableWidget*>(CQtBackend::WidgetOf(*dialog.GetDlgItem(Connections)));
    auto& list = dialog.Item<CListViewCtrl>(Connections);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, CellCentre(table, 0));
    EXPECT_EQ(dialog.For(Connections),
              (Entries{"LVN_ITEMCHANGED 1", "LVN_ITEMCHANGED 0", "NM_CLICK 0"}));
    EXPECT_EQ(list.GetSelectedItem(), 0);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(0, QModelIndex()));
    // The click's point is in the list's client area, under the header.
    EXPECT_GT(dialog.lastPoint.y, table->horizontalHeader()->height());

    dialog.log.clear();
    QTest::mouseClick(table->viewport(), Qt::RightButton, {}, CellCentre(table, 2));
    EXPECT_EQ(dialog.For(Connections),
              (Entries{"LVN_ITEMCHANGED 0", "LVN_ITEMCHANGED 2", "NM_RCLICK 2"}));

    dialog.log.clear();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      QPoint(5, table->viewport()->height() - 2));
    EXPECT_EQ(dialog.For(Connections), Entries{"NM_CLICK -1"});

    dialog.log.clear();
    QTest::keyClick(table, Qt::Key_Up);
    EXPECT_EQ(dialog.For(Connections), (Entries{"LVN_ITEMCHANGED 2", "LVN_ITEMCHANGED 1"}));
    EXPECT_TRUE(table->selectionModel()->isRowSelected(1, QModelIndex()));
    // Space is the keyboard's click on the selected row, which reports the row again.
    dialog.log.clear();
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ(dialog.For(Connections), (Entries{"LVN_ITEMCHANGED 1", "NM_CLICK 1"}));

    dialog.log.clear();
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {},
                       QPoint(header->sectionViewportPosition(1) + 20, header->height() / 2));
    EXPECT_EQ(dialog.For(Connections), Entries{"HDN_ITEMDBLCLICK 1"});
    EXPECT_EQ(list.GetSelectedItem(), 1);
}

TEST_F(QtListViewTest, RowsSelectedThroughTheAccessibilityBusAreSelectedByTheControl) {
    auto& list = dialog.Item<CListViewCtrl>(Connections);
    auto* table = qobject_cast<QTableWidget*>(CQtBackend::WidgetOf(list));
    QAccessibleTableInterface* rows =
        QAccessible::queryAccessibleInterface(table)->tableInterface();
    ASSERT_TRUE(rows->selectRow(0));
    EXPECT_EQ(list.GetSelectedItem(), 0);
    EXPECT_TRUE(list.HasFocus());
    // The cell's toggle action, as a screen reader's "select" does.
    rows->cellAt(2, 0)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(list.GetSelectedItem(), 2);
    EXPECT_EQ(dialog.For(Connections), (Entries{"LVN_ITEMCHANGED 1", "LVN_ITEMCHANGED 0",
                                                "LVN_ITEMCHANGED 0", "LVN_ITEMCHANGED 2"}));
    // The operator cannot drop a row from the selection: the list keeps showing it.
    rows->unselectRow(2);
    EXPECT_EQ(list.GetSelectedItem(), 2);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(2));
    EXPECT_EQ(dialog.For(Connections).size(), 4u);
}

// In a list that allows several selected rows the keys held with a click or an arrow key go
// to the control (plain, Ctrl, Shift); what the list shows is what the control holds.
TEST_F(QtListViewTest, ClicksAndKeysWithCtrlOrShiftPickRowsOfAListWithSeveral) {
    auto& list = dialog.Item<CListViewCtrl>(Servers);
    auto* table = qobject_cast<QTableWidget*>(CQtBackend::WidgetOf(list));
    const auto click = [&](int row, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, keys, CellCentre(table, row));
    };
    click(0);
    click(2);
    dialog.log.clear();
    click(2); // reported again, for the handlers that record the row that changed last
    EXPECT_EQ(dialog.For(Servers), (Entries{"LVN_ITEMCHANGED 2", "NM_CLICK 2"}));
    const std::pair<std::function<void()>, std::vector<int>> steps[] = {
        {[&] { click(0, Qt::ControlModifier); }, {0, 2}},
        {[&] { QTest::keyClick(table, Qt::Key_Down); }, {1}},
        {[&] { QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier); }, {1, 2}},
        {[&] { click(0, Qt::ShiftModifier); }, {0, 1}},
        {[&] { QTest::keyClick(table, Qt::Key_Space, Qt::ControlModifier); }, {1}},
        {[&] { QTest::keyClick(table, Qt::Key_Space); }, {0}},
    };
    for (const auto& [input, selected] : steps) {
        input();
        EXPECT_EQ(ShownRows(table), selected) << "after " << dialog.log.back();
    }
    // Code selecting one row alone is shown so, and the keyboard goes on from it.
    list.SetSelectedItem(2);
    EXPECT_EQ(table->currentIndex().row(), 2);
    QTest::keyClick(table, Qt::Key_Up);
    EXPECT_EQ(ShownRows(table), std::vector<int>{1});
}

// Through the bus a row is added to the selection or taken out of it, as a Ctrl click does,
// and type-ahead picks the row it finds alone.
TEST_F(QtListViewTest, RowsAddedAndDroppedThroughTheBusAreTheOperatorsInAListWithSeveral) {
    auto& list = dialog.Item<CListViewCtrl>(Servers);
    auto* table = qobject_cast<QTableWidget*>(CQtBackend::WidgetOf(list));
    QAccessibleTableInterface* rows =
        QAccessible::queryAccessibleInterface(table)->tableInterface();
    ASSERT_TRUE(rows->selectRow(0));
    ASSERT_TRUE(rows->selectRow(2));
    EXPECT_EQ(ShownRows(table), (std::vector<int>{0, 2}));
    ASSERT_TRUE(rows->unselectRow(0));
    EXPECT_EQ(ShownRows(table), std::vector<int>{2});
    EXPECT_EQ(rows->selectedRows(), QList<int>{2});
    EXPECT_EQ(dialog.For(Servers),
              (Entries{"LVN_ITEMCHANGED 0", "LVN_ITEMCHANGED 2", "LVN_ITEMCHANGED 0"}));
    EXPECT_EQ(list.GetFocusedItem(), 0);

    dialog.log.clear();
    QTest::keyClicks(table, "Sc");
    EXPECT_EQ(list.GetSelectedItem(), 1);
    EXPECT_EQ(dialog.For(Servers), (Entries{"LVN_ITEMCHANGED 2", "LVN_ITEMCHANGED 1"}));
}

TEST_F(QtListViewTest, TreeShowsItemsInOrderWithImagesAndExpansion) {
    auto* tree = qobject_cast<QTreeWidget*>(CQtBackend::WidgetOf(*dialog.GetDlgItem(Repeaters)));
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(0)->text(0).toStdString(), "Station 1");
    EXPECT_EQ(root->child(1)->child(0)->text(0).toStdString(), "Serial device");
    EXPECT_FALSE(root->child(1)->child(0)->icon(0).isNull());

    // Collapsing and selecting, however they come, go through the control.
    auto& control = dialog.Item<CTreeViewCtrl>(Repeaters);
    const HTREEITEM rootHandle = control.GetChildren(TVI_ROOT).front();
    tree->collapseItem(root);
    EXPECT_FALSE(control.GetItem(rootHandle)->expanded);
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(tree);
    ASSERT_TRUE(rows->tableInterface()->selectRow(0));
    EXPECT_EQ(control.GetSelectedItem(), rootHandle);
    const std::string item = " " + std::to_string(rootHandle);
    EXPECT_EQ(dialog.For(Repeaters), (Entries{"TVN_ITEMEXPANDED" + item, "TVN_SELCHANGED" + item}));
    // Code expanding it again notifies nothing.
    control.Expand(rootHandle);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(dialog.For(Repeaters).size(), 2u);
}

TEST_F(QtTabTest, MouseClickSelectsAndClicksKeyboardOnlySelects) {
    auto& tabs = dialog.Item<CTabCtrl>(Tabs);
    auto* bar = CQtBackend::WidgetOf(tabs)->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->count(), 2);
    EXPECT_EQ(bar->tabText(1).toStdString(), "  Second  ");
    QWidget* second = backend.WindowOf(dialog.Page(1));

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(bar->currentIndex(), 1);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(dialog.For(Tabs), Entries{"NM_CLICK -1"});
    // A click on the selected tab is a click all the same.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(dialog.For(Tabs).size(), 2u);

    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(bar->currentIndex(), 0);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(dialog.For(Tabs).size(), 2u);

    // Selecting by code moves the bar and notifies nothing.
    tabs.SetCurSel(1);
    EXPECT_EQ(bar->currentIndex(), 1);
    EXPECT_EQ(dialog.For(Tabs).size(), 2u);
}

TEST_F(QtTabTest, PressActionOfATabClicksIt) {
    auto& tabs = dialog.Item<CTabCtrl>(Tabs);
    auto* bar = CQtBackend::WidgetOf(tabs)->findChild<QTabBar*>();
    QAccessibleInterface* second = QAccessible::queryAccessibleInterface(bar)->child(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->role(), QAccessible::PageTab);
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(WaitFor([&] { return !dialog.For(Tabs).empty(); }));
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_TRUE(backend.WindowOf(dialog.Page(1))->isVisible());
    EXPECT_EQ(dialog.For(Tabs), Entries{"NM_CLICK -1"});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(backend.WindowOf(dialog.Page(1)))->role(),
              QAccessible::Pane);
}

TEST_F(QtTabTest, EnterInAPageGoesToTheWindowAroundIt) {
    QWidget* edit = CQtBackend::WidgetOf(*dialog.Page(0).GetDlgItem(PageName));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.For(IDOK), Entries{"BN_CLICKED"});
}

} // namespace
