#pragma once

#include <string>

class CDialog;

// One data exchange between a dialog's members and its controls (CDialog::UpdateData).
// On saving, a value the controls cannot give (a non-number in an integer field, a text over
// its limit) is reported in a message box, the focus goes to that control and the exchange
// fails; the members exchanged before it keep their new values, as on the platform.
class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool saveAndValidate)
        : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog& Dialog() const { return m_dialog; }
    bool IsSaving() const { return m_bSaveAndValidate; }
    bool Failed() const { return m_bFailed; }
    // Records the control being exchanged, for a validation failure right after it.
    void PrepareControl(int id) { m_nLastControl = id; }
    int LastControl() const { return m_nLastControl; }
    // Reports `message`, focuses the last control and marks the exchange failed.
    void Fail(const std::string& message);

private:
    CDialog& m_dialog;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
    int m_nLastControl = 0;
};

// Exchange helpers; each does nothing once the exchange has failed.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_Check(CDataExchange& dx, int id, int& value);
void DDX_Check(CDataExchange& dx, int id, bool& value);
// The index of the checked button of the radio group starting at `firstId`, -1 for none.
void DDX_Radio(CDataExchange& dx, int firstId, int& value);
// Combo box text: shown by selecting the first entry the text begins, else put into the
// editable field; read as the field's text.
void DDX_CBString(CDataExchange& dx, int id, std::string& value);
// Combo box selection index, -1 for none.
void DDX_CBIndex(CDataExchange& dx, int id, int& value);
// Limits the last exchanged edit to `count` characters; refuses a longer text on saving.
void DDV_MaxChars(CDataExchange& dx, const std::string& value, int count);
