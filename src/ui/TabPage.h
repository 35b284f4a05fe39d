#pragma once

#include "ui/Dialog.h"

// A page of a tab strip: a modeless child dialog that loads its values when asked.
class CTabPage : public CDialog {
public:
    using CDialog::CDialog;

    // Loads the page's values from wherever they live; the owner calls it when the operator
    // clicks the page's tab. Blocks for as long as the loading takes.
    virtual void RefreshPage() = 0;
    // Loads the values again after they changed behind the page (a load of settings); starts
    // no poll that the page, where it stands, would not run.
    virtual void ReloadValues() { RefreshPage(); }
    // Pages live inside the tab strip: Enter and Escape do not end them.
    void OnEnterKey() override {}
    void OnEscapeKey() override {}
};
