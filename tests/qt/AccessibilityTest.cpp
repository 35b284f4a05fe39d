// Every control carries the name a person sees for it, as screen readers and UI automation
// read it through Qt's accessibility interfaces.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include "QtFixture.h"
#include "SampleDialogs.h"
#include "ui/qt/AccessibleLabels.h"

namespace {

using namespace SampleId;

CControlTemplate At(ControlKind kind, const char* label, CRect rect, int id = -1) {
    return CControlTemplate{id, kind, label, rect};
}

TEST(AccessibleLabelsTest, InputsTakeTheTextThatLabelsThemOnScreen) {
    const std::vector<CControlTemplate> controls{
        At(ControlKind::GroupBox, "Server Table", DlgRect(5, 60, 200, 80)),
        At(ControlKind::Static, "IP Address", DlgRect(10, 10, 40, 8)),
        At(ControlKind::IpAddress, "", DlgRect(55, 8, 80, 12), 1018),
        At(ControlKind::Static, "Port", DlgRect(140, 10, 20, 8)),
        At(ControlKind::Edit, "8080", DlgRect(162, 8, 30, 12), 1023),
        At(ControlKind::Spin, "", DlgRect(192, 8, 10, 12), 1040),
        At(ControlKind::Static, "HOST Port Number", DlgRect(10, 26, 80, 8)),
        At(ControlKind::Edit, "", DlgRect(10, 36, 80, 12), 1074),
        At(ControlKind::ListView, "", DlgRect(10, 70, 180, 60), 1007),
        At(ControlKind::RadioButton, "BDAddr", DlgRect(10, 150, 40, 10), 1049),
        At(ControlKind::Edit, "", DlgRect(55, 149, 80, 12), 1030),
        At(ControlKind::PushButton, "&Apply", DlgRect(150, 150, 40, 14), 1037),
        At(ControlKind::Edit, "", DlgRect(10, 200, 180, 40), 1036),
        At(ControlKind::Animation, "", DlgRect(200, 200, 16, 16), 1078),
        At(ControlKind::Static, "Code", DlgRect(10, 250, 30, 8)),
        At(ControlKind::ComboBox, "", DlgRect(45, 248, 40, 40), 1103),
        At(ControlKind::ListView, "", DlgRect(10, 262, 180, 40), 1104),
    };
    const std::vector<CAccessibleLabel> labels = AccessibleLabels(controls);
    ASSERT_EQ(labels.size(), controls.size());
    EXPECT_EQ(labels[2].text, "IP Address"); // left on the same row
    EXPECT_EQ(labels[2].source, 1);
    EXPECT_EQ(labels[4].text, "Port");             // the nearest on the left, not the first
    EXPECT_EQ(labels[5].text, "Port");             // a spin button past its buddy
    EXPECT_EQ(labels[7].text, "HOST Port Number"); // above
    EXPECT_EQ(labels[7].source, 6);
    EXPECT_EQ(labels[8].text, "Server Table"); // the group box around it
    EXPECT_EQ(labels[8].source, -1);
    EXPECT_EQ(labels[10].text, "BDAddr"); // the radio button that goes with it
    EXPECT_EQ(labels[11].text, "&Apply"); // its own label
    EXPECT_EQ(labels[11].source, -1);
    EXPECT_EQ(labels[12].text, "Edit"); // nothing labels it: its kind
    EXPECT_EQ(labels[13].text, "Animation");
    // A label that names the control to its right is not also the label of one below it.
    EXPECT_EQ(labels[15].text, "Code");
    EXPECT_EQ(labels[16].text, "List");
}

class AccessibilityTest : public QtFixture {};

std::string NameOf(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name).toStdString() : std::string();
}

// The name of what labels `widget` (the relation Linux screen readers follow).
std::string LabelledBy(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    const auto relations = accessible->relations(QAccessible::Label);
    return relations.isEmpty() ? std::string()
                               : relations.front().first->text(QAccessible::Name).toStdString();
}

TEST_F(AccessibilityTest, WidgetsAnswerWithTheirLabels) {
    CSampleControlsDlg dialog;
    dialog.Create();
    auto widget = [&](int id) { return CQtBackend::WidgetOf(*dialog.GetDlgItem(id)); };
    EXPECT_EQ(NameOf(widget(Name)), "Name");
    EXPECT_EQ(NameOf(widget(PasswordEdit)), "Password");
    EXPECT_EQ(NameOf(widget(Address)), "IP Address");
    EXPECT_EQ(NameOf(widget(Address)->findChildren<QLineEdit*>().at(3)), "IP Address part 4");
    EXPECT_EQ(NameOf(widget(PortSpin)), "Port");
    EXPECT_EQ(NameOf(widget(PortSpin)->findChildren<QToolButton*>().at(0)), "Port up");
    // A combo box answers with its label, its entry is its value.
    EXPECT_EQ(NameOf(widget(Mode)), "Mode");
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(widget(Mode))->text(QAccessible::Value).toStdString(),
        "Client");
    EXPECT_EQ(LabelledBy(widget(Mode)), "Mode");
    EXPECT_EQ(LabelledBy(widget(Name)), "Name");
    EXPECT_EQ(LabelledBy(widget(Address)), "IP Address");
    EXPECT_EQ(NameOf(qobject_cast<QComboBox*>(widget(HostCombo))->lineEdit()), "Host");
    EXPECT_EQ(NameOf(widget(BdAddr)), "BD Address");
    EXPECT_EQ(NameOf(widget(Pairable)), "Pairable");
    EXPECT_EQ(NameOf(widget(IDOK)), "OK");
    EXPECT_EQ(NameOf(widget(Log)), "Log");
    EXPECT_EQ(NameOf(backend.WindowOf(dialog)), "Sample Controls");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(backend.WindowOf(dialog))->role(),
              QAccessible::Dialog);
    // A static follows its text.
    CSampleListsDlg lists;
    lists.Create();
    EXPECT_EQ(NameOf(CQtBackend::WidgetOf(*lists.GetDlgItem(Connections))), "Connections");
    EXPECT_EQ(NameOf(CQtBackend::WidgetOf(*lists.GetDlgItem(Repeaters))), "Repeaters");
    lists.DestroyWindow();
    dialog.DestroyWindow();
}

} // namespace
