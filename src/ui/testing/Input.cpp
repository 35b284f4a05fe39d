#include "ui/testing/Input.h"

#include <gtest/gtest.h>

#include "ui/ButtonCtrl.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/Dialog.h"
#include "ui/EditCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/TabCtrl.h"

namespace {

template <class T> T* Usable(CDialog& dialog, int id) {
    auto* control = dynamic_cast<T*>(dialog.GetDlgItem(id));
    if (!control) {
        ADD_FAILURE() << "dialog " << dialog.Resource().id << " has no control " << id
                      << " of that kind";
        return nullptr;
    }
    if (!control->IsWindowEnabled() || !control->IsWindowVisible()) {
        ADD_FAILURE() << "control " << id << " of dialog " << dialog.Resource().id
                      << " is disabled or hidden";
        return nullptr;
    }
    return control;
}

} // namespace

void ClickButton(CDialog& dialog, int id) {
    if (auto* button = Usable<CButtonCtrl>(dialog, id))
        button->Click();
}

void TypeText(CDialog& dialog, int id, std::string_view text) {
    if (auto* edit = Usable<CEditCtrl>(dialog, id)) {
        edit->SetFocus();
        edit->OnTextEdited(text);
    }
}

void TypeChars(CDialog& dialog, int id, std::string_view text) {
    if (auto* edit = Usable<CEditCtrl>(dialog, id)) {
        edit->SetFocus();
        for (char c : text)
            edit->OnChar(static_cast<unsigned char>(c));
    }
}

void SelectRow(CDialog& dialog, int id, int row) {
    if (auto* list = Usable<CListViewCtrl>(dialog, id))
        list->ClickByUser(row, CPoint{10, 10});
}

void PickComboEntry(CDialog& dialog, int id, int index) {
    if (auto* combo = Usable<CComboBoxCtrl>(dialog, id))
        combo->SelectByUser(index);
}

void ClickTab(CDialog& dialog, int id, int index) {
    if (auto* tab = Usable<CTabCtrl>(dialog, id))
        tab->ClickByUser(index);
}
