#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

using HTREEITEM = int;
constexpr HTREEITEM TVI_ROOT = 0;

enum class TreeInsert { First, Last };

// A tree view: items under parents, each with a text and an image index.
class CTreeViewCtrl : public CControl {
public:
    struct Item {
        HTREEITEM handle = 0;
        HTREEITEM parent = TVI_ROOT;
        std::string text;
        int image = 0;
        bool expanded = false;
    };

    using CControl::CControl;

    // Inserts an item first or last among the children of `parent`; returns its handle, or 0
    // when `parent` does not exist.
    HTREEITEM InsertItem(std::string_view text, int image, HTREEITEM parent = TVI_ROOT,
                         TreeInsert where = TreeInsert::Last);
    bool DeleteAllItems();
    bool Expand(HTREEITEM item);
    int GetCount() const { return static_cast<int>(m_items.size()); }
    // The selected item, 0 for none.
    HTREEITEM GetSelectedItem() const { return m_hSelected; }

    // Children of `parent` in display order.
    std::vector<HTREEITEM> GetChildren(HTREEITEM parent) const;
    const Item* GetItem(HTREEITEM item) const;
    std::string GetItemText(HTREEITEM item) const;

    void SetImageList(std::vector<int> imageResourceIds);
    const std::vector<int>& ImageList() const { return m_images; }

    void Reset() override;

    // The operator's input, reported by a renderer or the scripted backend: the state changes
    // and the owner gets the notification the platform sends (TVN_SELCHANGED,
    // TVN_ITEMEXPANDED, with the item). An item that does not exist is ignored.
    void SelectByUser(HTREEITEM item);
    void ExpandByUser(HTREEITEM item, bool expand);

private:
    Item* FindItem(HTREEITEM handle);

    std::vector<Item> m_items; // in display order among siblings
    std::vector<int> m_images;
    HTREEITEM m_nextHandle = 1;
    HTREEITEM m_hSelected = 0;
};
