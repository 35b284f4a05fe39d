#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

enum class ColumnAlign { Left, Right, Center };

// How the operator's pick changes the selection, as the keys held with a click or an arrow
// key: Replace (no key) selects the row alone, Toggle (Ctrl) flips the row and keeps the
// others, Extend (Shift) selects the rows from the anchor (the row last picked without Shift)
// to it and no others. A list with single selection replaces whatever the keys.
enum class SelectMode { Replace, Toggle, Extend };

// A report-style list view: columns with header text, width in pixels and alignment; rows of
// texts, each with an image index into the small image list (resource ids of images).
class CListViewCtrl : public CControl {
public:
    struct Column {
        std::string header;
        int width = 0;
        ColumnAlign align = ColumnAlign::Left;
    };
    struct Row {
        std::vector<std::string> texts;
        int image = -1;
        bool selected = false;
    };

    using CControl::CControl;

    int InsertColumn(int index, std::string_view header, ColumnAlign align, int width);
    bool DeleteColumn(int index);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const std::vector<Column>& Columns() const { return m_columns; }

    // Inserts a row at `index` (clamped to the row count); returns its index.
    int InsertItem(int index, std::string_view text, int image = -1);
    bool SetItemText(int item, int subItem, std::string_view text);
    std::string GetItemText(int item, int subItem) const;
    bool SetItemImage(int item, int image);
    bool DeleteItem(int item);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    const std::vector<Row>& Rows() const { return m_rows; }

    // Selection by code; no notification, as on the platform when the program sets it. In a
    // list that allows several selected rows the others keep theirs; with single selection
    // selecting a row clears the others.
    void SetItemSelected(int item, bool selected);
    // Selects row `item` alone (none for an index that is no row), the anchor and focus with
    // it, so that the keyboard and Shift go on from there; no notification.
    void SetSelectedItem(int item);
    // The first selected row, or -1.
    int GetSelectedItem() const;
    // The row the operator picked last (the keyboard's position), or -1.
    int GetFocusedItem() const { return m_nFocusItem; }

    // A text the list shows, and tells assistive tools, while it has no rows; empty for none.
    // `description`, when not empty, is what the tools are told instead: the whole of a text
    // cut to fit the list.
    void SetEmptyText(std::string_view text, std::string_view description = {});
    const std::string& GetEmptyText() const { return m_strEmptyText; }
    const std::string& GetEmptyDescription() const {
        return m_strEmptyDescription.empty() ? m_strEmptyText : m_strEmptyDescription;
    }

    void SetImageList(std::vector<int> imageResourceIds);
    const std::vector<int>& ImageList() const { return m_images; }

    // The operator's input. A pick sends LVN_ITEMCHANGED for every row that loses the
    // selection, then for every row that gains it, the picked row last, whether its selection
    // changed or not (it takes the focus), so that a handler recording the row that changed
    // last records the pick. Clicks pick the row under the pointer and send NM_CLICK or
    // NM_RCLICK with it (-1 for none, which changes no selection); a double click on the
    // header sends HDN_ITEMDBLCLICK.
    void SelectByUser(int item, SelectMode mode = SelectMode::Replace);
    void ClickByUser(int item, CPoint point, SelectMode mode = SelectMode::Replace);
    void RightClickByUser(int item, CPoint point);
    void HeaderDoubleClickByUser(int column);

    void Reset() override;

private:
    // The rows selected once the pick of `item` is applied.
    std::vector<bool> SelectionAfter(int item, SelectMode mode) const;
    // Gives row `item` the selection `selected` and notifies, unless the handler of an earlier
    // notification rebuilt the list (its row count is no longer `count`); false then.
    bool ChangeByUser(int item, bool selected, int count);

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    std::vector<int> m_images;
    std::string m_strEmptyText;
    std::string m_strEmptyDescription;
    int m_nFocusItem = -1;
    int m_nAnchorItem = -1;
};
