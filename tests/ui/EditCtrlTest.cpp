#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/Dialog.h"
#include "ui/EditCtrl.h"
#include "ui/testing/TestBackend.h"

namespace {

const CDialogResource& EditResource() {
    static const CDialogResource resource{
        600,
        "Edit",
        {100, 40},
        "Arial",
        9,
        {{1, ControlKind::Edit, "", DlgRect(0, 0, 80, 12)},
         {2, ControlKind::Edit, "", DlgRect(0, 14, 80, 12), ControlStyle::Number, 4}}};
    return resource;
}

class EditCtrlTest : public ::testing::Test {
protected:
    CTestBackend backend;
    CApplication app{backend};
    CDialog dialog{EditResource()};
    CEditCtrl& edit = dialog.Item<CEditCtrl>(1);
    CEditCtrl& number = dialog.Item<CEditCtrl>(2);
};

TEST_F(EditCtrlTest, TypingBackspaceAndDeleteEditAroundTheCaret) {
    for (char c : std::string("abcd"))
        edit.OnChar(c);
    edit.OnKeyDown(VirtualKey::Left, false);
    edit.OnChar(8);
    EXPECT_EQ(edit.GetWindowText(), "abd");
    edit.OnKeyDown(VirtualKey::Delete, false);
    EXPECT_EQ(edit.GetWindowText(), "ab");
    edit.OnKeyDown(VirtualKey::Home, false);
    edit.OnKeyDown(VirtualKey::End, true);
    edit.OnChar('z');
    EXPECT_EQ(edit.GetWindowText(), "z");
}

TEST_F(EditCtrlTest, ClipboardCutCopyAndPasteWorkOnTheSelection) {
    edit.SetWindowText("hello world");
    edit.SetSel(0, 5);
    edit.OnCut();
    EXPECT_EQ(backend.GetClipboardText(), "hello");
    EXPECT_EQ(edit.GetWindowText(), " world");
    backend.SetClipboardText("say\r\nmore");
    edit.OnPaste();
    EXPECT_EQ(edit.GetWindowText(), "say world");
}

TEST_F(EditCtrlTest, NumberStyleAndLimitRefuseWithABeep) {
    for (char c : std::string("12a345"))
        number.OnChar(c);
    EXPECT_EQ(number.GetWindowText(), "1234");
    EXPECT_EQ(backend.BeepCount(), 2);
}

} // namespace
