#pragma once

#include <vector>

#include "ui/Dialog.h"

// Small dialogs with every kind of control, for the renderer's tests and screenshots.

namespace SampleId {
constexpr int Name = 1001;
constexpr int PasswordEdit = 1002;
constexpr int Port = 1003;
constexpr int PortSpin = 1004;
constexpr int Address = 1005;
constexpr int Status = 1006;
constexpr int Pairable = 1010;
constexpr int Server = 1011;
constexpr int Client = 1012;
constexpr int Vertex = 1013;
constexpr int Mode = 1020;
constexpr int HostCombo = 1021;
constexpr int BdAddr = 1022;
constexpr int Log = 1030;
constexpr int Animation = 1031;
constexpr int Connections = 1040;
constexpr int Repeaters = 1041;
constexpr int Servers = 1042;
constexpr int Tabs = 1050;
constexpr int TabsLog = 1051;
constexpr int PageName = 1060;
constexpr int PageEnabled = 1061;
constexpr int PageApply = 1062;
constexpr int ProgressAnimation = 1070;
} // namespace SampleId

// Statics, group boxes, edits of every style, a spin button with its buddy, an IP address
// control, check box, radio group, both kinds of combo box, an icon and an animation.
class CSampleControlsDlg : public CDialog {
public:
    CSampleControlsDlg();
    bool OnInitDialog() override;
};

// A report-style list view with images and a hidden column, one that allows several selected
// rows, and a tree view.
class CSampleListsDlg : public CDialog {
public:
    CSampleListsDlg();
    bool OnInitDialog() override;
};

// A child page as the tab control hosts it.
class CSamplePage : public CDialog {
public:
    CSamplePage();
};

// A tab control holding two pages laid out under its first tab, and a log pane.
class CSampleTabsDlg : public CDialog {
public:
    CSampleTabsDlg();
    bool OnInitDialog() override;
    CSamplePage& Page(int index) { return index == 0 ? m_first : m_second; }

private:
    void OnSelChange();

    CSamplePage m_first;
    CSamplePage m_second;
};

// A pop-up progress window with an animation, shown without a host.
class CSampleProgressDlg : public CDialog {
public:
    CSampleProgressDlg();
    bool OnInitDialog() override;
};
