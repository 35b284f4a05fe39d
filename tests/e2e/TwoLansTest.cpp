// The search dialog's broadcast on a machine with two LANs (tests/e2e/two-lans): the
// manager's namespace is joined by veth links to two others, each with a velmora42-sim on its
// own subnet, and holds its default route on the first. One search has to find both.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "PrivateNetwork.h"
#include "session/SearchDlg.h"
#include "ui/Application.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"
#include "ui/testing/TestBackend.h"

namespace {

using Strings = std::vector<std::string>;

// One velmora42-sim with appliance `number` at `address`, in the namespace the variable
// `lan` names; ready once it has said where it listens, stopped by its process id.
class CApplianceOnLan {
public:
    CApplianceOnLan(const char* lan, const std::string& address, int number) {
        const char* name = std::getenv(lan);
        int output[2];
        if (name == nullptr || pipe(output) != 0) {
            ADD_FAILURE() << "no namespace in " << lan;
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, output[0]);
        // ip netns exec runs the simulator in its own process, so the id is the simulator's.
        std::vector<std::string> words{"ip",     "netns",          "exec",
                                       name,     VELMORA_SIM,      "--devices",
                                       "1",      "--first-number", std::to_string(number),
                                       "--bind", address};
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&m_pid, "ip", &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(output[1]);
        EXPECT_TRUE(m_pid > 0 && WaitForLogin(output[0])) << "the simulator on " << address;
        close(output[0]);
    }
    ~CApplianceOnLan() {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    CApplianceOnLan(const CApplianceOnLan&) = delete;
    CApplianceOnLan& operator=(const CApplianceOnLan&) = delete;

private:
    // The last line the simulator prints once its listeners are up.
    static bool WaitForLogin(int fd) {
        std::string printed;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (printed.find("login ") == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd entry{fd, POLLIN, 0};
            char chunk[256];
            if (left.count() <= 0 || poll(&entry, 1, static_cast<int>(left.count())) <= 0)
                return false;
            const ssize_t count = read(fd, chunk, sizeof chunk);
            if (count <= 0)
                return false;
            printed.append(chunk, static_cast<std::size_t>(count));
        }
        return true;
    }

    pid_t m_pid = -1;
};

class TwoLans : public ::testing::Test {
protected:
    TwoLans() { backend.SetRealTimeScale(1.0); }

    // One search with the program's own destination, 255.255.255.255:9097: the IP address
    // of every row, sorted, and what the empty list says.
    void Search() {
        CSearchDlg dialog;
        backend.OnNextModal(IDD_SEARCH, [&](CDialog& shown) {
            ClickButton(shown, IDC_SEARCH);
            const auto& list = shown.Item<CListViewCtrl>(IDC_DEVICE_LIST);
            for (int row = 0; row < list.GetItemCount(); ++row)
                found.push_back(list.GetItemText(row, 3));
            std::sort(found.begin(), found.end());
            emptyText = list.GetEmptyText();
            ClickButton(shown, IDC_SEARCH_CANCEL);
        });
        dialog.DoModal();
    }

    static void SetLinkDown(const char* link) {
        ASSERT_EQ(std::system((std::string("ip link set ") + link + " down").c_str()), 0);
    }

    CTestBackend backend;
    CApplication app{backend};
    Strings found;
    std::string emptyText;
};

TEST_F(TwoLans, OneSearchListsTheAppliancesOfBothLans) {
    RUN_IN_PRIVATE_NETWORK_MADE_BY(VELMORA_TWO_LANS);
    CApplianceOnLan first("VELMORA_LAN_A", "10.42.1.2", 1);
    CApplianceOnLan second("VELMORA_LAN_B", "10.42.2.2", 2);
    Search();
    EXPECT_EQ(found, (Strings{"10.42.1.2", "10.42.2.2"}));
    EXPECT_EQ(emptyText, "");
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

struct LinkDown {
    const char* link;
    Strings found;
};

void PrintTo(const LinkDown& c, std::ostream* out) {
    *out << c.link << " down";
}

class TwoLansOneDown : public TwoLans, public ::testing::WithParamInterface<LinkDown> {};

// lan-a carries the default route: with it down no route is left for the broadcast, and the
// other LAN is still searched.
TEST_P(TwoLansOneDown, TheOtherLansApplianceIsListedWithoutAnError) {
    RUN_IN_PRIVATE_NETWORK_MADE_BY(VELMORA_TWO_LANS);
    CApplianceOnLan first("VELMORA_LAN_A", "10.42.1.2", 1);
    CApplianceOnLan second("VELMORA_LAN_B", "10.42.2.2", 2);
    SetLinkDown(GetParam().link);
    Search();
    EXPECT_EQ(found, GetParam().found);
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Links, TwoLansOneDown,
                         ::testing::Values(LinkDown{"lan-a", {"10.42.2.2"}},
                                           LinkDown{"lan-b", {"10.42.1.2"}}));

TEST_F(TwoLans, ASearchThatNobodyAnswersShowsTheInterfacesItSearched) {
    RUN_IN_PRIVATE_NETWORK_MADE_BY(VELMORA_TWO_LANS);
    Search();
    EXPECT_TRUE(found.empty());
    EXPECT_EQ(emptyText, "No appliance answered on lan-a 10.42.1.1, lan-b 10.42.2.1");
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

} // namespace
