#include <gtest/gtest.h>

#include "MaskedEditFixture.h"

namespace {

class MaskedEditTest : public ::testing::Test, public MaskedEditFixture {};

TEST_F(MaskedEditTest, EmptyFieldShowsPromptPairsAndTypingJumpsTheSeparator) {
    EXPECT_EQ(edit.GetWindowText(), "__:__:__:__:__:__");
    edit.SetFocus();
    EXPECT_EQ(Caret(), 0);
    Type("01");
    EXPECT_EQ(edit.GetWindowText(), "01:__:__:__:__:__");
    EXPECT_EQ(Caret(), 3);
    EXPECT_EQ(edit.GetInputChars(), "01__________");
}

TEST_F(MaskedEditTest, AddressIsCompleteOnlyWhenAllTwelveAreFilled) {
    edit.SetFocus();
    Type("0011223344_5");
    EXPECT_EQ(edit.GetWindowText(), "00:11:22:33:44:_5");
    EXPECT_EQ(edit.FindFirstBlank(0), 15); // the typed prompt counts as unfilled
    edit.SetSel(15, 16);
    Type("5");
    EXPECT_EQ(edit.FindFirstBlank(0), 17);
    EXPECT_EQ(edit.GetWindowText(), "00:11:22:33:44:55");
}

TEST_F(MaskedEditTest, BackspaceAfterSeparatorRemovesTheInputBeforeIt) {
    edit.SetWindowText("0123456789AB");
    edit.SetSel(3, 3);
    edit.OnChar(8);
    EXPECT_EQ(edit.GetWindowText(), "02:34:56:78:9A:B_");
    EXPECT_EQ(Caret(), 1);
    edit.SetSel(0, 0);
    edit.OnChar(8);
    EXPECT_EQ(edit.GetWindowText(), "02:34:56:78:9A:B_");
    edit.SetSel(1, 7);
    edit.OnChar(8);
    EXPECT_EQ(edit.GetWindowText(), "06:78:9A:B_:__:__");
    EXPECT_EQ(Caret(), 1);
}

TEST_F(MaskedEditTest, InsertModePushesTheLastOutAndOverwriteReplaces) {
    edit.SetWindowText("0123456789AB");
    edit.SetSel(3, 3);
    Type("x");
    EXPECT_EQ(edit.GetWindowText(), "01:x2:34:56:78:9A");
    EXPECT_EQ(Caret(), 4);
    EXPECT_TRUE(edit.IsInserting());
    edit.OnKeyDown(VirtualKey::Insert, false);
    EXPECT_FALSE(edit.IsInserting());
    Type("yz");
    EXPECT_EQ(edit.GetWindowText(), "01:xy:z4:56:78:9A");
    EXPECT_EQ(Caret(), 7);
    edit.SetSel(0, 4); // a selection inserts in either mode
    Type("q");
    EXPECT_EQ(edit.GetWindowText(), "qy:z4:56:78:9A:__");
    EXPECT_EQ(Caret(), 1);
}

TEST_F(MaskedEditTest, TextSetFromOutsideIsPouredWithUpdateButNoChange) {
    dialog.m_notifications.clear();
    edit.SetWindowText("00:11:22:33:44:55");
    EXPECT_EQ(edit.GetWindowText(), "00:11:22:33:44:55");
    EXPECT_EQ(dialog.m_notifications, std::vector<int>{EN_UPDATE});
    dialog.SetDlgItemText(CAddressTestDlg::IDC_BDADDR, "66778899aabb"); // data exchange
    EXPECT_EQ(edit.GetWindowText(), "66:77:88:99:aa:bb");
    edit.SetWindowText("00:11");
    EXPECT_EQ(edit.GetWindowText(), "00:11:__:__:__:__");
    EXPECT_EQ(edit.FindFirstBlank(0), 6);
    dialog.m_notifications.clear();
    Type("2"); // the insertion's pour and the caret's redraw
    EXPECT_EQ(dialog.m_notifications,
              (std::vector<int>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
}

TEST_F(MaskedEditTest, PastingAFormattedAddressFillsTheInputPositions) {
    // Pastes `text` over (start, end) of the emptied field from the clipboard or, as X11's
    // middle click does, from elsewhere; both take the same way.
    const auto paste = [&](std::string_view text, int start, int end, bool fromClipboard) {
        edit.SetWindowText("");
        edit.SetSel(start, end);
        backend.SetClipboardText(text);
        fromClipboard ? edit.OnPaste() : edit.OnPasteText(text);
    };
    paste("00:11:22:33:44:55", 0, 17, true);
    EXPECT_EQ(edit.GetWindowText(), "00:11:22:33:44:55");
    EXPECT_EQ(Caret(), 17);
    paste("aabbcc", 0, 0, true);
    EXPECT_EQ(edit.GetWindowText(), "aa:bb:cc:__:__:__");
    EXPECT_EQ(Caret(), 9);
    paste("0a1b2c3d4e5f", 0, 17, false);
    EXPECT_EQ(edit.GetWindowText(), "0a:1b:2c:3d:4e:5f");
    EXPECT_EQ(Caret(), 17);
}

TEST_F(MaskedEditTest, DeleteAtTheEndDoesNothingAndTypingThereBeeps) {
    edit.SetWindowText("0123456789AB");
    edit.SetSel(17, 17);
    dialog.m_notifications.clear();
    edit.OnKeyDown(VirtualKey::Delete, false);
    EXPECT_EQ(edit.GetWindowText(), "01:23:45:67:89:AB");
    EXPECT_EQ(Caret(), 17);
    EXPECT_TRUE(dialog.m_notifications.empty());
    Type("x");
    EXPECT_EQ(backend.BeepCount(), 1);
    EXPECT_EQ(edit.GetWindowText(), "01:23:45:67:89:AB");
    EXPECT_EQ(Caret(), 17);
}

TEST_F(MaskedEditTest, DeleteJumpsLiteralsToTheNextInput) {
    edit.SetWindowText("0123456789AB");
    edit.SetSel(2, 2);
    edit.OnKeyDown(VirtualKey::Delete, false);
    EXPECT_EQ(edit.GetWindowText(), "01:34:56:78:9A:B_");
    EXPECT_EQ(Caret(), 3);
    edit.SetSel(14, 17);
    edit.OnKeyDown(VirtualKey::Delete, false);
    EXPECT_EQ(edit.GetWindowText(), "01:34:56:78:9A:__");
}

TEST_F(MaskedEditTest, HighCodesAreStoredControlCharactersAndWideCodesNever) {
    edit.SetFocus();
    edit.OnChar(0xE9);
    edit.OnChar(0xFF);
    EXPECT_EQ(edit.GetInputChars(), "\xe9\xff__________");
    for (int code : {1, 9, 10, 13, 27, 31, 127, 256, 0x20AC, -1})
        edit.OnChar(code);
    EXPECT_EQ(edit.GetInputChars(), "\xe9\xff__________");
    EXPECT_EQ(backend.BeepCount(), 4); // DEL and the three codes outside 8 bits
    EXPECT_EQ(Caret(), 3);
}

TEST_F(MaskedEditTest, RefusedCharacterOverASelectionKeepsTheContent) {
    edit.SetWindowText("0123456789AB");
    edit.SetSel(3, 8);
    edit.OnChar(0x141);
    EXPECT_EQ(edit.GetWindowText(), "01:23:45:67:89:AB");
    EXPECT_EQ(Caret(), 3);
    edit.SetSel(2, 3); // only a literal selected
    Type("z");
    EXPECT_EQ(edit.GetWindowText(), "01:23:45:67:89:AB");
    EXPECT_EQ(Caret(), 3);
    EXPECT_EQ(backend.BeepCount(), 2);
}

TEST_F(MaskedEditTest, CaretKeysLandOnInputPositionsUnlessShiftIsHeld) {
    edit.SetWindowText("0123456789AB");
    edit.SetSel(1, 1);
    edit.OnKeyDown(VirtualKey::Right, false);
    EXPECT_EQ(Caret(), 3);
    edit.OnKeyDown(VirtualKey::Left, false);
    EXPECT_EQ(Caret(), 2);
    edit.OnKeyDown(VirtualKey::Down, false);
    EXPECT_EQ(Caret(), 3);
    edit.OnKeyDown(VirtualKey::Up, false);
    edit.OnKeyDown(VirtualKey::Up, false);
    EXPECT_EQ(Caret(), 1);
    edit.OnKeyDown(VirtualKey::Right, true);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 2);
    edit.OnKeyDown(VirtualKey::End, false);
    EXPECT_EQ(Caret(), 17);
    edit.OnKeyDown(VirtualKey::Home, false);
    EXPECT_EQ(Caret(), 0);
}

TEST_F(MaskedEditTest, CutRemovesTheInputButLeavesTheClipboard) {
    edit.SetWindowText("0123456789AB");
    backend.SetClipboardText("kept");
    edit.SetSel(3, 8);
    edit.OnCut();
    EXPECT_EQ(backend.GetClipboardText(), "kept");
    EXPECT_EQ(edit.GetWindowText(), "01:67:89:AB:__:__");
    EXPECT_EQ(Caret(), 3);
    edit.SetSel(0, 2);
    edit.OnClear();
    EXPECT_EQ(edit.GetWindowText(), "67:89:AB:__:__:__");
    edit.OnCopy();
    EXPECT_EQ(backend.GetClipboardText(), "kept"); // nothing selected
    edit.SetSel(0, 5);
    edit.OnCopy();
    EXPECT_EQ(backend.GetClipboardText(), "67:89");
}

TEST_F(MaskedEditTest, ClickOnAnEmptyUnfocusedFieldPutsTheCaretOnTheFirstPosition) {
    edit.OnLButtonDown(7);
    EXPECT_TRUE(edit.HasFocus());
    EXPECT_EQ(Caret(), 0);
    edit.OnLButtonDown(7);
    EXPECT_EQ(Caret(), 7);

    dialog.m_notifications.clear();
    dialog.GetDlgItem(CAddressTestDlg::IDC_OTHER)->SetFocus(); // leaving is accepted
    EXPECT_FALSE(edit.HasFocus());
    EXPECT_EQ(dialog.m_notifications, std::vector<int>{MEN_VALIDATE});
    edit.SetWindowText("0011");
    edit.OnLButtonDown(4);
    EXPECT_TRUE(edit.HasFocus());
    EXPECT_EQ(Caret(), 4);
}

class RefusingMaskedEdit : public CMaskedEdit {
public:
    using CMaskedEdit::CMaskedEdit;
    bool ValidateOnLeave() override { return false; }
};

class CRefusingDlg : public CDialog {
public:
    CRefusingDlg()
        : CDialog(CAddressTestDlg::AddressResource()),
          m_edit(*this, *Resource().Find(CAddressTestDlg::IDC_BDADDR), "##-##") {
        BindControl(m_edit);
    }
    RefusingMaskedEdit m_edit;
};

TEST(MaskedEditValidation, RefusedLeaveTakesTheFocusBackAndBeeps) {
    CLocaleFixedToC locale;
    CTestBackend backend;
    CApplication app{backend};
    CRefusingDlg dialog;
    CMaskedEdit& edit = dialog.m_edit;
    dialog.Create();
    edit.SetFocus();
    edit.SetSel(4, 4);
    dialog.GetDlgItem(CAddressTestDlg::IDC_OTHER)->SetFocus();
    EXPECT_TRUE(edit.HasFocus());
    EXPECT_EQ(dialog.GetFocus(), &edit);
    EXPECT_EQ(backend.BeepCount(), 1);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
}

TEST_F(MaskedEditTest, WithoutAMaskItIsAPlainEdit) {
    edit.ApplyMask("");
    EXPECT_EQ(edit.GetWindowText(), "");
    EXPECT_TRUE(edit.HasNoInput());
    edit.SetFocus();
    Type("a:b");
    edit.OnKeyDown(VirtualKey::Left, false);
    EXPECT_EQ(Caret(), 2);
    edit.OnChar(8);
    EXPECT_EQ(edit.GetWindowText(), "ab");
    EXPECT_EQ(edit.GetInputChars(), "ab");
    EXPECT_FALSE(edit.HasNoInput());
    EXPECT_TRUE(edit.IsEditableAt(-1));
    edit.SetWindowText("00:11");
    EXPECT_EQ(edit.GetWindowText(), "00:11");
}

TEST_F(MaskedEditTest, PromptChangeKeepsInputAndCaret) {
    edit.SetFocus();
    Type("01");
    edit.SetPromptChar(' ');
    EXPECT_EQ(edit.GetWindowText(), "01:  :  :  :  :  ");
    EXPECT_EQ(Caret(), 3);
    edit.SetPromptChar('\r');
    EXPECT_EQ(edit.GetWindowText(), "01:  :  :  :  :  ");
}

TEST_F(MaskedEditTest, ReadOnlyFieldTakesNoInput) {
    edit.SetWindowText("0011");
    edit.SetReadOnly(true);
    edit.SetSel(0, 5);
    Type("9");
    edit.OnChar(8);
    edit.OnKeyDown(VirtualKey::Delete, false);
    backend.SetClipboardText("77");
    edit.OnPaste();
    edit.OnPasteText("66");
    edit.OnCut();
    edit.OnClear();
    edit.OnTextEdited("5544");
    EXPECT_EQ(edit.GetWindowText(), "00:11:__:__:__:__");
}

TEST_F(MaskedEditTest, TextFromANativeWidgetIsTakenThroughTheMask) {
    dialog.m_notifications.clear();
    edit.OnTextEdited("00:11:22:33:44:55");
    EXPECT_EQ(edit.GetWindowText(), "00:11:22:33:44:55");
    EXPECT_EQ(Caret(), 17);
    EXPECT_EQ(dialog.m_notifications, (std::vector<int>{EN_UPDATE, EN_CHANGE}));
}

TEST(MaskedEditLifecycle, ValuesPouredBeforeTheWindowShowOnceItExists) {
    CLocaleFixedToC locale;
    CTestBackend backend;
    CApplication app{backend};
    CAddressTestDlg dialog;
    // What follows the last input position (here the line end of a reply) is ignored.
    EXPECT_TRUE(dialog.m_editBdaddr.PutInputChars("001122334455\r\n", 0, true));
    EXPECT_TRUE(dialog.m_notifications.empty());
    EXPECT_EQ(dialog.m_editBdaddr.GetInputChars(), "001122334455");
    dialog.Create();
    EXPECT_EQ(dialog.m_editBdaddr.GetWindowText(), "00:11:22:33:44:55");
    EXPECT_EQ(dialog.m_notifications, (std::vector<int>{EN_UPDATE, EN_CHANGE}));
}

// fi_FI, as_IN and ar_AE do not write times as "12:30:00"; a whole address fills the field.
TEST(MaskedEditLocales, AWholeAddressFillsTheFieldInEveryLocale) {
    // Their decimal and thousands separators and time and date formats; what the field shows.
    const char* kLocales[][5] = {
        {",", "\xe2\x80\xaf", "%H.%M.%S", "%d.%m.%Y", "00.0B.CE.01.02.03"},
        {".", ",", "%I.%M.%S %p", "%e-%m-%Y", "00.0B.CE.01.02.03"},
        {".", ",", "%Z %I:%M:%S %p", "%d %b, %Y", "00:0B:CE:01:02:03"}, // not the zone's blank
    };
    CTestBackend backend;
    CApplication app{backend};
    for (const auto& l : kLocales) {
        const CUserLocaleStandIn locale(l[0], l[1], l[2], l[3]);
        CAddressTestDlg dialog;
        dialog.Create();
        for (const char* given : {"00:0B:CE:01:02:03", l[4]}) // the colon form, the field's own
            for (const bool paste : {false, true}) {          // else through the bus
                dialog.m_editBdaddr.SetWindowText("");
                backend.SetClipboardText(given);
                paste ? dialog.m_editBdaddr.OnPaste() : dialog.m_editBdaddr.OnTextEdited(given);
                EXPECT_EQ(dialog.m_editBdaddr.GetWindowText(), l[4]) << given << paste;
            }
    }
}

} // namespace
