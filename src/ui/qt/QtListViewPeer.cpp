#include "ui/qt/QtListViewPeer.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableWidget>
#include <algorithm>
#include <set>

#include "ui/qt/QtFonts.h"
#include "ui/qt/QtImages.h"
#include "ui/qt/QtText.h"

namespace {

Qt::Alignment ToQt(ColumnAlign align) {
    switch (align) {
    case ColumnAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlign::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case ColumnAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool SameColumns(const std::vector<CListViewCtrl::Column>& a,
                 const std::vector<CListViewCtrl::Column>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.header == y.header && x.width == y.width && x.align == y.align;
    });
}

bool Shows(const QTableWidgetItem& item, const std::string& text) {
    return item.text() == QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

QTableWidget* MakeTable(const CListViewCtrl& list, QWidget* window) {
    auto* table = new QTableWidget(window);
    if (list.HasStyle(ControlStyle::FixedFont))
        table->setFont(FixedFont(window->font()));
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(std::max(18, table->fontMetrics().height() + 4));
    QHeaderView* header = table->horizontalHeader();
    header->setHighlightSections(false);
    // A click on a header would select a column behind the control's back.
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The control decides the selection and Qt shows it. Qt selects by itself only for what
    // the peer does not filter (type-ahead, the accessibility bus), reported to the control.
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(list.HasStyle(ControlStyle::FullRowSelect)
                                    ? QAbstractItemView::SelectRows
                                    : QAbstractItemView::SelectItems);
    table->setShowGrid(list.HasStyle(ControlStyle::GridLines));
    table->setWordWrap(false);
    table->setIconSize(QSize(16, 16));
    table->setTabKeyNavigation(false);
    table->setCornerButtonEnabled(false);
    table->setSortingEnabled(false);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->setContextMenuPolicy(Qt::PreventContextMenu);
    table->setFocusPolicy(Qt::StrongFocus);
    return table;
}

} // namespace

CQtListViewPeer::CQtListViewPeer(CListViewCtrl& list, QWidget* window)
    : CQtPeer(list, MakeTable(list, window)), m_pEmptyText(new CQtListEmptyText(Table())) {
    Table()->viewport()->installEventFilter(this);
    Table()->installEventFilter(this);
    connect(Table()->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) {
                if (FromOperator())
                    ControlAs<CListViewCtrl>().HeaderDoubleClickByUser(column);
            });
    connect(Table()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CQtListViewPeer::OnNativeSelection);
}

void CQtListViewPeer::OnNativeSelection() {
    if (!TakeNativeChange())
        return;
    std::set<int> shown;
    for (const QModelIndex& index : Table()->selectionModel()->selectedIndexes())
        shown.insert(index.row());
    SelectShownRows(shown);
    // A row picked through the bus takes the focus with it, as the platform's take-focus
    // selection does, so that the keys for the list (Space, the arrows) act on it next.
    if (Control() && !shown.empty())
        Table()->setFocus(Qt::OtherFocusReason);
    Refresh();
}

// What Qt selected by itself becomes the operator's picks, in the control's terms: one row
// selected alone in place of others (type-ahead) is a plain pick; otherwise each row Qt added
// or let go is a Ctrl pick, the rows let go first. A list with single selection keeps its row
// when Qt lets go of it: the operator cannot have none there.
void CQtListViewPeer::SelectShownRows(const std::set<int>& shown) {
    CListViewCtrl& list = ControlAs<CListViewCtrl>();
    const int count = list.GetItemCount();
    std::vector<int> gained;
    std::vector<int> lost;
    for (int row = 0; row < count; ++row) {
        const bool selected = list.Rows()[static_cast<size_t>(row)].selected;
        if (shown.contains(row) && !selected)
            gained.push_back(row);
        else if (!shown.contains(row) && selected)
            lost.push_back(row);
    }
    if (gained.size() == 1 && shown.size() == 1) {
        list.SelectByUser(gained.front());
        return;
    }
    if (list.HasStyle(ControlStyle::SingleSelection)) {
        if (!gained.empty())
            list.SelectByUser(gained.front());
        return;
    }
    lost.insert(lost.end(), gained.begin(), gained.end());
    for (const int row : lost) {
        // A handler that went away with its dialog or rebuilt the list ends the picks.
        if (!Control() || ControlAs<CListViewCtrl>().GetItemCount() != count)
            return;
        list.SelectByUser(row, SelectMode::Toggle);
    }
}

QTableWidget* CQtListViewPeer::Table() const {
    return static_cast<QTableWidget*>(Widget());
}

void CQtListViewPeer::RefreshWidget() {
    RefreshColumns();
    RefreshRows();
    RefreshSelection();
    const CListViewCtrl& list = ControlAs<CListViewCtrl>();
    m_pEmptyText->Show(list.GetEmptyText(), list.GetEmptyDescription(), list.GetItemCount() == 0);
}

void CQtListViewPeer::RefreshColumns() {
    const auto& columns = ControlAs<CListViewCtrl>().Columns();
    // Widths are applied only when the columns change, so the operator's resizing stays.
    if (SameColumns(columns, m_shownColumns) &&
        Table()->columnCount() == static_cast<int>(columns.size()))
        return;
    QTableWidget* table = Table();
    table->setColumnCount(static_cast<int>(columns.size()));
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const CListViewCtrl::Column& column = columns[static_cast<size_t>(i)];
        auto* header = new QTableWidgetItem(FromLatin1(column.header));
        header->setTextAlignment(ToQt(column.align));
        table->setHorizontalHeaderItem(i, header);
        table->setColumnHidden(i, column.width <= 0);
        if (column.width > 0)
            table->setColumnWidth(i, column.width);
    }
    m_shownColumns = columns;
}

void CQtListViewPeer::RefreshRows() {
    const CListViewCtrl& list = ControlAs<CListViewCtrl>();
    QTableWidget* table = Table();
    const auto& rows = list.Rows();
    const auto& images = list.ImageList();
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const CListViewCtrl::Row& row = rows[static_cast<size_t>(r)];
        for (int c = 0; c < table->columnCount(); ++c) {
            QTableWidgetItem* item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                table->setItem(r, c, item);
            }
            const std::string text = list.GetItemText(r, c);
            if (!Shows(*item, text))
                item->setText(FromLatin1(text));
            const Qt::Alignment align = ToQt(m_shownColumns[static_cast<size_t>(c)].align);
            if (item->textAlignment() != static_cast<int>(align))
                item->setTextAlignment(align);
            if (c != 0)
                continue;
            const bool hasImage = row.image >= 0 && row.image < static_cast<int>(images.size());
            const int imageId = hasImage ? images[static_cast<size_t>(row.image)] : 0;
            if (item->data(Qt::UserRole).toInt() != imageId) {
                item->setData(Qt::UserRole, imageId);
                item->setIcon(imageId ? QIcon(ResourceImage(imageId)) : QIcon());
            }
        }
    }
}

void CQtListViewPeer::RefreshSelection() {
    const CListViewCtrl& list = ControlAs<CListViewCtrl>();
    const auto& rows = list.Rows();
    QTableWidget* table = Table();
    if (table->columnCount() == 0)
        return;
    std::set<int> wanted;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        if (rows[static_cast<size_t>(r)].selected)
            wanted.insert(r);
    std::set<int> shown;
    for (const QModelIndex& index : table->selectionModel()->selectedIndexes())
        shown.insert(index.row());
    const int focus = list.GetFocusedItem() >= 0 ? list.GetFocusedItem() : list.GetSelectedItem();
    const QModelIndex current = table->model()->index(focus, 0);
    if (wanted == shown && (!current.isValid() || table->currentIndex() == current))
        return;
    const bool fullRow = table->selectionBehavior() == QAbstractItemView::SelectRows;
    const int lastColumn = fullRow ? table->columnCount() - 1 : 0;
    QItemSelection selection;
    for (int r : wanted)
        selection.select(table->model()->index(r, 0), table->model()->index(r, lastColumn));
    table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (current.isValid())
        table->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

CPoint CQtListViewPeer::ClientPoint(const QPoint& viewportPosition) const {
    const QPoint inTable = Table()->viewport()->mapTo(Table(), viewportPosition);
    return CPoint{inTable.x() - Table()->frameWidth(), inTable.y() - Table()->frameWidth()};
}

bool CQtListViewPeer::eventFilter(QObject* watched, QEvent* event) {
    if (!FromOperator())
        return false;
    if (watched == Table()->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            return OnMouse(static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            // Qt would select by itself; the press has told the control already.
            return true;
        default:
            return false;
        }
    }
    if (watched == Table() && event->type() == QEvent::KeyPress)
        return OnKey(static_cast<const QKeyEvent*>(event));
    return false;
}

namespace {

// The keys held with a click: Ctrl toggles the row, Shift extends from the anchor.
SelectMode ModeOf(Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier)
        return SelectMode::Extend;
    return modifiers & Qt::ControlModifier ? SelectMode::Toggle : SelectMode::Replace;
}

} // namespace

bool CQtListViewPeer::OnMouse(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const int row = Table()->rowAt(position.y());
    const CPoint point = ClientPoint(position);
    Table()->setFocus(Qt::MouseFocusReason);
    if (!Control())
        return true;
    CListViewCtrl& list = ControlAs<CListViewCtrl>();
    if (event->button() == Qt::LeftButton)
        list.ClickByUser(row, point, ModeOf(event->modifiers()));
    else if (event->button() == Qt::RightButton)
        list.RightClickByUser(row, point);
    return true;
}

bool CQtListViewPeer::OnKey(const QKeyEvent* event) {
    CListViewCtrl& list = ControlAs<CListViewCtrl>();
    const int count = list.GetItemCount();
    const int current = list.GetFocusedItem() >= 0 ? list.GetFocusedItem() : list.GetSelectedItem();
    // Space clicks the focused row (the list itself when there is none), Ctrl+Space as a Ctrl
    // click, so that what a click does, such as taking a row off the selection, is there for
    // the keyboard, and for a screen reader that types it, too.
    if (event->key() == Qt::Key_Space) {
        CPoint point;
        if (current >= 0 && current < Table()->rowCount() && Table()->columnCount() > 0)
            point = ClientPoint(Table()->visualItemRect(Table()->item(current, 0)).center());
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        list.ClickByUser(current, point, ctrl ? SelectMode::Toggle : SelectMode::Replace);
        return true;
    }
    if (count == 0)
        return false;
    const int rowHeight = std::max(1, Table()->verticalHeader()->defaultSectionSize());
    const int page = std::max(1, Table()->viewport()->height() / rowHeight - 1);
    int target = current;
    switch (event->key()) {
    case Qt::Key_Up:
        target = current < 0 ? 0 : current - 1;
        break;
    case Qt::Key_Down:
        target = current < 0 ? 0 : current + 1;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count - 1;
        break;
    case Qt::Key_PageUp:
        target = current - page;
        break;
    case Qt::Key_PageDown:
        target = current + page;
        break;
    default:
        return false;
    }
    target = std::clamp(target, 0, count - 1);
    // Shift extends the selection from the anchor; otherwise the row is selected alone.
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (target != current)
        list.SelectByUser(target, shift ? SelectMode::Extend : SelectMode::Replace);
    if (Control() && target < Table()->rowCount() && Table()->columnCount() > 0)
        Table()->scrollToItem(Table()->item(target, 0));
    return true;
}
