// The address field in the Qt renderer's real widget, on the offscreen platform: the operator's
// clicks and keystrokes reach the masked edit, and the widget shows what the control keeps.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "MaskedEditFixture.h"
#include "ui/qt/QtBackend.h"

namespace {

class MaskedEditQtTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Create();
        QWidget* window = backend.WindowOf(dialog);
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        widget = qobject_cast<QLineEdit*>(CQtBackend::WidgetOf(dialog.m_editBdaddr));
        ASSERT_NE(widget, nullptr);
    }
    void TearDown() override { dialog.DestroyWindow(); }

    std::string Shown() const { return widget->text().toStdString(); }

    CLocaleFixedToC locale;
    CQtBackend backend;
    CApplication app{backend};
    CAddressTestDlg dialog;
    QLineEdit* widget = nullptr;
};

TEST_F(MaskedEditQtTest, TypingAnAddressFillsThePairsAroundTheSeparators) {
    EXPECT_EQ(Shown(), "__:__:__:__:__:__");
    // Activating the window focused the field; the focus goes to the other edit first, so the
    // click finds the field empty and unfocused and puts the caret on the first pair.
    dialog.GetDlgItem(CAddressTestDlg::IDC_OTHER)->SetFocus();
    ASSERT_FALSE(widget->hasFocus());
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      QPoint(widget->width() - 4, widget->height() / 2));
    EXPECT_TRUE(widget->hasFocus());
    EXPECT_EQ(widget->cursorPosition(), 0);

    QTest::keyClicks(widget, "0011aabbccdd");
    EXPECT_EQ(Shown(), "00:11:aa:bb:cc:dd");
    EXPECT_EQ(widget->cursorPosition(), 17);
    EXPECT_EQ(dialog.m_editBdaddr.FindFirstBlank(0), 17);

    QTest::keyClick(widget, Qt::Key_Home);
    QTest::keyClick(widget, Qt::Key_Insert);
    QTest::keyClicks(widget, "ff");
    EXPECT_EQ(Shown(), "ff:11:aa:bb:cc:dd");
    EXPECT_EQ(widget->cursorPosition(), 3);
    QTest::keyClick(widget, Qt::Key_Backspace);
    EXPECT_EQ(Shown(), "f1:1a:ab:bc:cd:d_");
    EXPECT_EQ(widget->cursorPosition(), 1);
}

TEST_F(MaskedEditQtTest, PastedAddressGoesThroughTheMask) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
    QGuiApplication::clipboard()->setText(QStringLiteral("0a1b2c3d4e5f"));
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Shown(), "0a:1b:2c:3d:4e:5f");
    EXPECT_EQ(widget->cursorPosition(), 17);
    EXPECT_EQ(dialog.m_editBdaddr.GetWindowText(), Shown());

    // A text another route puts in the widget is taken through the mask as well.
    widget->setText(QStringLiteral("00:11:22"));
    EXPECT_EQ(Shown(), "00:11:22:__:__:__");
    EXPECT_EQ(dialog.m_editBdaddr.GetWindowText(), Shown());
}

} // namespace
