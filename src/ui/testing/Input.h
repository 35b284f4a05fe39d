#pragma once

#include <string_view>

class CDialog;

// The operator's actions on a dialog, as the scripts of the tests perform them. Each fails
// the test when the control is missing, disabled or hidden, as a person could not do it.
void ClickButton(CDialog& dialog, int id);
// Replaces the text of edit `id` as if typed (EN_UPDATE, EN_CHANGE).
void TypeText(CDialog& dialog, int id, std::string_view text);
// Types `text` character by character through the control's own input rules.
void TypeChars(CDialog& dialog, int id, std::string_view text);
// Selects row `row` of list view `id` with the mouse.
void SelectRow(CDialog& dialog, int id, int row);
// Picks entry `index` of combo box `id`.
void PickComboEntry(CDialog& dialog, int id, int index);
// Clicks tab `index` of tab control `id`.
void ClickTab(CDialog& dialog, int id, int index);
