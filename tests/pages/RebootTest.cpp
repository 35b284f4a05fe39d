#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <thread>

#include "ApplianceFixtures.h"
#include "modes/ModePage.h"
#include "pages/InformationPage.h"
#include "pages/RebootDlg.h"
#include "protocol/testing/Loopback.h"
#include "ui/AnimationCtrl.h"
#include "ui/EditCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

// A loopback port nothing listens on: bound by the system, then released.
int ClosedLoopbackPort() {
    int port = 0;
    const int fd = BindLoopback(SOCK_STREAM, port);
    if (fd < 0) {
        ADD_FAILURE() << "no loopback port";
        return 0;
    }
    ::close(fd);
    return port;
}

TEST(RebootDlgTest, AnimatesWhileItsWindowIsOpen) {
    CTestBackend backend;
    CApplication app{backend};
    CRebootDlg progress;
    ASSERT_TRUE(progress.Create());
    EXPECT_TRUE(progress.IsWindowVisible());
    EXPECT_EQ(progress.Host(), nullptr);
    auto& animation = progress.Item<CAnimationCtrl>(IDC_REBOOT_ANIMATION);
    EXPECT_EQ(animation.Clip(), IDR_REBOOT_CLIP);
    EXPECT_TRUE(animation.IsPlaying());
    progress.DestroyWindow();
    EXPECT_FALSE(animation.IsPlaying());
}

// Notes whether the progress window's animation still plays as its window is taken away.
class CDestroyWatchingBackend : public CTestBackend {
public:
    void DestroyModeless(CDialog& dialog) override {
        CTestBackend::DestroyModeless(dialog);
        if (dialog.Resource().id == IDD_REBOOT)
            playingAtDestroy = dialog.Item<CAnimationCtrl>(IDC_REBOOT_ANIMATION).IsPlaying();
    }
    std::optional<bool> playingAtDestroy;
};

TEST(RebootDlgTest, AWindowGoingWithItsObjectStopsTheAnimation) {
    CDestroyWatchingBackend backend;
    CApplication app{backend};
    {
        CRebootDlg progress;
        ASSERT_TRUE(progress.Create());
    }
    ASSERT_TRUE(backend.playingAtDestroy.has_value());
    EXPECT_FALSE(*backend.playingAtDestroy);
}

class RebootTest : public CScriptedApplianceTest {
protected:
    static void ClickReboot(CManagerDlg& dlg) {
        ClickTab(dlg, IDC_PAGE_TAB, 5);
        ClickButton(dlg.m_tabCtrl.InformationPage(), IDC_INFO_REBOOT);
    }
};

TEST_F(RebootTest, ARefusedRebootKeepsTheConnection) {
    replies["Reboot\r\n"] = "-ERR\r\n";
    Run([&](CManagerDlg& dlg) {
        ClickReboot(dlg);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Reboot is Failed. Try again"});
        EXPECT_NE(dlg.m_pSocket, nullptr);
        EXPECT_EQ(backend.GetTickCount(), 0u);
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 1);
    });
}

TEST_F(RebootTest, AnUnansweredRebootSearchesAgain) {
    replies["Reboot\r\n"] = "";
    Run([&](CManagerDlg& dlg) {
        ClickReboot(dlg);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Reboot is timeout. Check Velmora42 and Try again."});
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2);
    });
}

TEST_F(RebootTest, AnApplianceThatStaysAwayLeadsToTheSearchDialog) {
    const int port = ClosedLoopbackPort();
    fillRecord = [port](CSearchDlg& search) {
        search.m_strIP = "127.0.0.1";
        search.m_nPort = port;
    };
    int pauses = 0;
    bool blockedThroughout = true;
    Run([&](CManagerDlg& dlg) {
        backend.OnRepaint([&] {
            ++pauses;
            blockedThroughout = blockedThroughout && backend.IsBlocked();
        });
        const std::uint64_t before = backend.GetTickCount();
        ClickReboot(dlg);
        backend.OnRepaint({});
        const std::uint64_t elapsed = backend.GetTickCount() - before;
        // 15 s of downtime, then attempts 200 ms apart until 15 s more have passed.
        EXPECT_GE(elapsed, 30000u);
        EXPECT_LE(elapsed, 30000u + CInformationPage::kReconnectPauseMs);
        EXPECT_GE(pauses, 1 + 75);
        EXPECT_TRUE(blockedThroughout);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Reboot is failed"});
        TakeSent();
        backend.Pump();
        EXPECT_EQ(SearchRuns(), 2);
        EXPECT_EQ(dlg.m_tabCtrl.GetCurSel(), 0);
        EXPECT_EQ(TakeSent(), Lines{"Mode\r\n"});
    });
}

class RebootOnSimulatorTest : public CSimulatedApplianceTest {
protected:
    // The rebooting appliance stays away until the clock reaches `backAfterMs` after the
    // click, then takes connections again.
    void RebootAndComeBackAfter(CManagerDlg& dlg, std::uint64_t backAfterMs) {
        simulator.setRebootDowntimeMs(0, 600000);
        ClickTab(dlg, IDC_PAGE_TAB, 5);
        const std::uint64_t start = backend.GetTickCount();
        bool back = false;
        bool down = false;
        backend.OnRepaint([&, start] {
            // The virtual wait passes at once: once the reboot was accepted (the clock moved),
            // let the simulator's thread take the appliance down before the manager tries to
            // reach it again.
            if (backend.GetTickCount() == start)
                return;
            for (int i = 0; !down && i < 2000 && simulator.isUp(0); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            down = true;
            if (back || backend.GetTickCount() - start < backAfterMs)
                return;
            simulator.stop();
            ASSERT_TRUE(simulator.start());
            back = true;
        });
        TakeTranscript();
        ClickButton(dlg.m_tabCtrl.InformationPage(), IDC_INFO_REBOOT);
        backend.OnRepaint({});
        EXPECT_TRUE(back);
        elapsed = backend.GetTickCount() - start;
    }

    std::uint64_t elapsed = 0;
};

TEST_F(RebootOnSimulatorTest, BackAfterTheWaitTheApplianceIsLoggedInAgain) {
    Run([&](CManagerDlg& dlg) {
        RebootAndComeBackAfter(dlg, 15000);
        EXPECT_EQ(elapsed, 15000u); // the first attempt connects
        EXPECT_TRUE(backend.MessageBoxes().empty());
        EXPECT_EQ(TakeTranscript(), Lines{"Reboot"});
        backend.Pump();
        // WM_RELOGIN: a fresh log, the login again, then the first tab is read.
        EXPECT_EQ(TakeTranscript(), (Lines{"User admin", "Pass velmora", "Mode"}));
        EXPECT_EQ(dlg.m_tabCtrl.GetCurSel(), 0);
        EXPECT_TRUE(dlg.m_tabCtrl.ModePage().IsWindowVisible());
        EXPECT_EQ(dlg.GetDlgItemText(IDC_LOG).rfind("User admin\r\n", 0), 0u);
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(RebootOnSimulatorTest, BackDuringTheAttemptsTheApplianceIsLoggedInAgain) {
    Run([&](CManagerDlg& dlg) {
        RebootAndComeBackAfter(dlg, 20000);
        EXPECT_GE(elapsed, 20000u);
        EXPECT_LE(elapsed, 20000u + CInformationPage::kReconnectPauseMs);
        backend.Pump();
        EXPECT_EQ(TakeTranscript(), (Lines{"Reboot", "User admin", "Pass velmora", "Mode"}));
        EXPECT_EQ(dlg.m_tabCtrl.ModePage().m_strMode, "Server");
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

} // namespace
