#include <gtest/gtest.h>

#include "ApplianceFixtures.h"
#include "pages/RepeaterPage.h"
#include "ui/TabCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int kRepeaterTab = 4;
const char* const kHelpWithRepeater = "+OK BTNAME MAXDT STAT VER MODE REPEATER REBOOT\r\n";
const char* const kFailed = "Loading repeater list failed.";

class RepeaterPageTest : public CScriptedApplianceTest {
protected:
    static CRepeaterPage& Page(CManagerDlg& dlg) { return dlg.m_tabCtrl.RepeaterPage(); }
    static bool RefreshEnabled(CManagerDlg& dlg) {
        return Page(dlg).GetDlgItem(IDC_REPEATER_REFRESH)->IsWindowEnabled();
    }
    // The tree as indented lines "text [image]", each parent marked "+" once expanded.
    static Lines Shown(CManagerDlg& dlg) {
        Lines lines;
        Describe(Page(dlg).Item<CTreeViewCtrl>(IDC_REPEATER_TREE), TVI_ROOT, "", lines);
        return lines;
    }

private:
    static void Describe(const CTreeViewCtrl& tree, HTREEITEM parent, const std::string& indent,
                         Lines& lines) {
        for (HTREEITEM handle : tree.GetChildren(parent)) {
            const CTreeViewCtrl::Item& item = *tree.GetItem(handle);
            lines.push_back(indent + item.text + " [" + std::to_string(item.image) + "]" +
                            (item.expanded ? "+" : ""));
            Describe(tree, handle, indent + "  ", lines);
        }
    }
};

TEST_F(RepeaterPageTest, ATabClickAsksForTheCommandWordRefreshDoesNot) {
    replies["repeater\r\n"] = "D A|dev|Printer\r\n+OK\r\n";
    Run([&](CManagerDlg& dlg) {
        // Shown by the keyboard: nothing loaded yet, Refresh still enabled and unchecked.
        dlg.m_tabCtrl.SelectByKeyboard(kRepeaterTab);
        TakeSent();
        ClickButton(Page(dlg), IDC_REPEATER_REFRESH);
        EXPECT_EQ(TakeSent(), Lines{"repeater\r\n"});
        EXPECT_EQ(Shown(dlg), (Lines{"A [0]+", "  dev ( Printer ) [1]"}));
        // "help" did not list REPEATER: the click sends nothing and keeps the tree.
        ClickTab(dlg, IDC_PAGE_TAB, kRepeaterTab);
        EXPECT_TRUE(TakeSent().empty());
        EXPECT_FALSE(RefreshEnabled(dlg));
        EXPECT_EQ(Shown(dlg), (Lines{"A [0]+", "  dev ( Printer ) [1]"}));
        // The command list of the next appliance has it; new pages start enabled.
        replies["help\r\n"] = kHelpWithRepeater;
        dlg.LoadCommandList();
        dlg.RecreatePages();
        EXPECT_TRUE(RefreshEnabled(dlg));
        ClickTab(dlg, IDC_PAGE_TAB, 0);
        TakeSent();
        ClickTab(dlg, IDC_PAGE_TAB, kRepeaterTab);
        EXPECT_EQ(TakeSent(), Lines{"repeater\r\n"});
        EXPECT_TRUE(RefreshEnabled(dlg));
    });
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(RepeaterPageTest, RepeatersGoFirstDevicesLastUnderExactKeys) {
    replies["help\r\n"] = kHelpWithRepeater;
    replies["repeater\r\n"] = "R A|B|1|Relay-1\r\n"
                              "D A|dev1|Printer\r\n"
                              "R A|C|1|Relay-2\r\n"
                              "R B|B1|2|Deep\r\n"
                              "D a|dev2|Lower case\r\n" // not "A"
                              "D X|dev3|Orphan\r\n"     // unseen: a root of its own
                              "R Z|X|1|Late\r\n"        // X as a child now: lines before stay
                              "D B1|dev4|Third level\r\n"
                              "+OK\r\n";
    const Lines tree{"A [0]+",
                     "  C ( Relay-2 ) [0]",
                     "  B ( Relay-1 ) [0]+",
                     "    B1 ( Deep ) [0]+",
                     "      dev4 ( Third level ) [1]",
                     "  dev1 ( Printer ) [1]",
                     "a [0]+",
                     "  dev2 ( Lower case ) [1]",
                     "X [0]+",
                     "  dev3 ( Orphan ) [1]",
                     "Z [0]+",
                     "  X ( Late ) [0]"};
    Run([&](CManagerDlg& dlg) {
        ClickTab(dlg, IDC_PAGE_TAB, kRepeaterTab);
        EXPECT_EQ(Shown(dlg), tree);
        EXPECT_TRUE(Page(dlg).m_listNodes.empty());
        // Nothing of the first load is looked up again: the same tree, not a second copy.
        ClickButton(Page(dlg), IDC_REPEATER_REFRESH);
        EXPECT_EQ(Shown(dlg), tree);
        EXPECT_TRUE(Page(dlg).m_listNodes.empty());
        // Enter does not close the page.
        Page(dlg).OnEnterKey();
        Page(dlg).SendNotification(MakeNotification(IDOK, BN_CLICKED));
        EXPECT_FALSE(Page(dlg).IsEnded());
        EXPECT_NE(Page(dlg).GetSafeHwnd(), 0);
    });
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(RepeaterPageTest, CutOffEmptyAndFailedRepliesLeaveWhatTheyShould) {
    replies["help\r\n"] = kHelpWithRepeater;
    Run([&](CManagerDlg& dlg) {
        auto load = [&](std::string reply) {
            replies["repeater\r\n"] = std::move(reply);
            ClickButton(Page(dlg), IDC_REPEATER_REFRESH);
        };
        // Cut off at the time-out: the whole lines are shown, the broken last one is not.
        load("R A|B|1|Relay\r\nD B|dev|Scale\r\nD A|dev2|Pri");
        EXPECT_EQ(Shown(dlg), (Lines{"A [0]+", "  B ( Relay ) [0]+", "    dev ( Scale ) [1]"}));
        // An empty line ends the list; a lone line feed ends a line as well.
        load("D A|dev|x\nR A|B|1|y\r\n\r\nD A|after|z\r\n+OK\r\n");
        EXPECT_EQ(Shown(dlg), (Lines{"A [0]+", "  B ( y ) [0]", "  dev ( x ) [1]"}));
        // Silence and "-ERR" are reported and keep the tree; no new connection is asked for.
        const Lines before = Shown(dlg);
        load("");
        load("D A|dev|x\r\n-ERR\r\n");
        EXPECT_EQ(Shown(dlg), before);
        EXPECT_EQ(TakeMessageBoxes(), (Lines{kFailed, kFailed}));
        // Only the "+OK" line: an empty tree.
        load("+OK\r\n");
        EXPECT_TRUE(Shown(dlg).empty());
    });
    EXPECT_EQ(SearchRuns(), 1);
}

} // namespace
