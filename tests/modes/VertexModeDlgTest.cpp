#include <gtest/gtest.h>

#include "../pages/ApplianceFixtures.h"
#include "modes/VertexModeDlg.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

class VertexModeDlgTest : public CScriptedApplianceTest {
protected:
    // Opens `dialog` modally with `script` acting on it; returns how it closed.
    int Open(CVertexModeDlg& dialog, const CTestBackend::Script& script) {
        backend.OnNextModal(IDD_VERTEX_MODE, script);
        return dialog.DoModal();
    }
};

TEST_F(VertexModeDlgTest, ReadFillsTheEditsOnlyAndAnUnchangedPortSendsNothing) {
    replies["Vertex\r\n"] = "+OK PORT 9300 MAX 7\r\n";
    Run([&](CManagerDlg&) {
        CVertexModeDlg dialog;
        TakeSent();
        EXPECT_EQ(Open(dialog,
                       [&](CDialog& d) {
                           EXPECT_EQ(d.GetDlgItemText(IDC_VERTEX_PORT), "9300");
                           EXPECT_EQ(d.GetDlgItemText(IDC_VERTEX_MAX_CONNECTIONS), "7");
                           EXPECT_FALSE(
                               d.GetDlgItem(IDC_VERTEX_MAX_CONNECTIONS)->IsWindowEnabled());
                           EXPECT_EQ(dialog.m_strVertexPort, "");
                           EXPECT_EQ(dialog.m_strMaxConnections, "1");
                           ClickButton(d, IDC_VERTEX_APPLY);
                       }),
                  IDOK);
        EXPECT_EQ(TakeSent(), Lines{"Vertex\r\n"});

        // A short port goes out as typed and must come back so; the padded echo is refused.
        replies["Vertex 80 7\r\n"] = "+OK PORT 0080 MAX 7\r\n";
        EXPECT_EQ(Open(dialog,
                       [&](CDialog& d) {
                           TypeText(d, IDC_VERTEX_PORT, "80");
                           ClickButton(d, IDC_VERTEX_APPLY);
                           EXPECT_EQ(TakeMessageBoxes(),
                                     Lines{"Vertex Mode Setup Fail. Try again"});
                           replies["Vertex 80 7\r\n"] = "+OK PORT 80 MAX 7\r\n";
                           ClickButton(d, IDC_VERTEX_APPLY);
                       }),
                  IDOK);
        EXPECT_EQ(TakeSent(), (Lines{"Vertex\r\n", "Vertex 80 7\r\n", "Vertex 80 7\r\n"}));
        EXPECT_EQ(dialog.m_strVertexPort, "80");
        EXPECT_EQ(dialog.m_strMaxConnections, "7");
    });
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(VertexModeDlgTest, ShortRepliesFailuresRefreshAndKeys) {
    Run([&](CManagerDlg&) {
        CVertexModeDlg dialog;
        // Cut positions beyond the reply give short or empty texts.
        replies["Vertex\r\n"] = "+OK PORT 80\r\n";
        EXPECT_EQ(Open(dialog,
                       [&](CDialog& d) {
                           EXPECT_EQ(d.GetDlgItemText(IDC_VERTEX_PORT), "80");
                           EXPECT_EQ(d.GetDlgItemText(IDC_VERTEX_MAX_CONNECTIONS), "");
                           TypeText(d, IDC_VERTEX_PORT, "");
                           ClickButton(d, IDC_VERTEX_APPLY);
                           EXPECT_EQ(TakeMessageBoxes(), Lines{"Fill the Vertex Port"});
                           d.OnEscapeKey();
                       }),
                  IDCANCEL);
        EXPECT_EQ(dialog.m_strDevicePort, "80");

        // A failed read keeps the port of the earlier opening for Refresh.
        replies["Vertex\r\n"] = "+\r\n";
        EXPECT_EQ(Open(dialog,
                       [&](CDialog& d) {
                           EXPECT_EQ(TakeMessageBoxes(), Lines{"Get Vertex is Failed. Try again"});
                           TypeText(d, IDC_VERTEX_PORT, "9999");
                           ClickButton(d, IDC_VERTEX_REFRESH);
                           EXPECT_EQ(d.GetDlgItemText(IDC_VERTEX_PORT), "80");
                           EXPECT_EQ(d.GetDlgItemText(IDC_VERTEX_MAX_CONNECTIONS), "1");
                           TypeText(d, IDC_VERTEX_PORT, "81");
                           d.OnEnterKey();
                       }),
                  IDOK);
        EXPECT_EQ(dialog.m_strVertexPort, "81");

        // Time-outs are reported and search again; the dialog stays open meanwhile.
        replies["Vertex\r\n"] = "+OK PORT 9300 MAX 1\r\n";
        replies["Vertex 82 1\r\n"] = "";
        TakeSent();
        EXPECT_EQ(Open(dialog,
                       [&](CDialog& d) {
                           TypeText(d, IDC_VERTEX_PORT, "82");
                           ClickButton(d, IDC_VERTEX_APPLY);
                           ClickButton(d, IDC_VERTEX_APPLY);
                           EXPECT_FALSE(d.IsEnded());
                           ClickButton(d, IDC_VERTEX_CANCEL);
                       }),
                  IDCANCEL);
        // The reconnection the first time-out asked for runs inside the second box, as a
        // box's loop delivers what was posted; page 0 is then read again.
        EXPECT_EQ(TakeSent(),
                  (Lines{"Vertex\r\n", "Vertex 82 1\r\n", "Vertex 82 1\r\n", "Mode\r\n"}));
        EXPECT_EQ(TakeMessageBoxes(),
                  Lines(2, "Set Vertex Mode is timeout. Check Velmora42 and Try again."));
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2); // the one at the start and one reconnection
    });
}

} // namespace
