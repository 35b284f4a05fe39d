#include <gtest/gtest.h>

#include <algorithm>

#include "FakeAppliances.h"
#include "LoopbackListener.h"
#include "app/ManagerApp.h"
#include "app/ManagerDlg.h"
#include "protocol/testing/ScriptedChannel.h"
#include "session/LoginDlg.h"
#include "ui/EditCtrl.h"
#include "ui/testing/Input.h"
#include "ui/testing/TestBackend.h"

namespace {

using Strings = std::vector<std::string>;

// The whole application against a scripted appliance: discovery from fake appliances on
// loopback, the TCP connect to a loopback port that never answers, and every exchange on a
// scripted channel with the appliance's login rules.
class ConnectTest : public ::testing::Test {
protected:
    ConnectTest() {
        backend.OnRepaint([this] { appliances.Serve(); });
        CAnnouncement announced;
        announced.ip = {127, 0, 0, 1};
        announced.port = static_cast<std::uint16_t>(listener.Port());
        announced.btName = "Velmora42-7";
        appliances.Answer({BuildReply(announced)});
        channel.SetResponder([this](std::string_view line) { return Reply(line); });
    }

    CScriptedChannel::Pieces Reply(std::string_view line) {
        if (line.starts_with("User "))
            return {{0, userReply}};
        if (line.starts_with("Pass "))
            return {{0, line == "Pass " + password + "\r\n" ? passReply
                                                            : std::string("-ERR Wrong\r\n")}};
        return {{0, "+OK\r\n"}};
    }

    // Runs the application: `search` acts on the search dialog (Cancel ends it afterwards
    // unless it ended), `main` on the main window if it is reached, which then closes.
    void Run(
        const std::function<void(CSearchDlg&)>& search,
        const std::function<void(CManagerDlg&)>& main = [](CManagerDlg&) {}) {
        backend.OnNextModal(IDD_SEARCH, [&](CDialog& dialog) {
            GetManagerWindow().AttachChannel(&channel);
            search(static_cast<CSearchDlg&>(dialog));
            if (!dialog.IsEnded())
                ClickButton(dialog, IDC_SEARCH_CANCEL);
            searchMessages = backend.MessageBoxes();
        });
        backend.OnModal(IDD_MANAGER_DIALOG, [&](CDialog& dialog) {
            backend.Pump(); // a cancelled search has asked the main window to close
            if (dialog.IsEnded())
                return;
            mainReached = true;
            main(static_cast<CManagerDlg&>(dialog));
            dialog.EndDialog(IDOK);
        });
        app.InitInstance(appliances.Target());
    }

    // The next login dialog is answered with these values; the appliance greets as the
    // connection opens.
    void LogInAs(std::string user, std::string pass) {
        backend.OnNextModal(IDD_LOGIN, [this, user, pass](CDialog& login) {
            TypeText(login, IDC_USER_ID, user);
            TypeText(login, IDC_PASSWORD, pass);
            channel.Arrive("Velmora42 ready\r\n");
            ClickButton(login, IDC_LOGIN_OK);
        });
    }

    // Logs in, then lets `search` act on the search dialog of a reconnection; the main window
    // has closed by the time that ends.
    void ReconnectAfterLoggingIn(const std::function<void(CSearchDlg&)>& search) {
        LogInAs("admin", "secret");
        Run(
            [&](CSearchDlg& first) {
                ConnectTo(first, "127.0.0.1", std::to_string(listener.Port()));
            },
            [&](CManagerDlg& main) {
                backend.ClearMessageBoxes(); // what the pages said at start-up
                backend.OnNextModal(
                    IDD_SEARCH, [&](CDialog& dialog) { search(static_cast<CSearchDlg&>(dialog)); });
                main.PostMessage(WM_RECONNECT);
                backend.Pump();
                EXPECT_TRUE(main.IsEnded());
            });
    }

    static void ConnectTo(CSearchDlg& search, const std::string& ip, const std::string& port) {
        TypeText(search, IDC_IP_ADDRESS, ip);
        TypeText(search, IDC_CONTROL_PORT, port);
        ClickButton(search, IDC_CONNECT);
    }

    CTestBackend backend;
    CManagerApp app{backend};
    CFakeAppliances appliances;
    CLoopbackListener listener;
    CScriptedChannel channel;
    std::string password = "secret";
    std::string userReply = "+OK Password required\r\n";
    std::string passReply = "+OK User Authenticated\r\n";
    bool mainReached = false;
    // The message boxes shown until the search dialog ended; the pages that load once the
    // main window opens are not part of these tests.
    Strings searchMessages;
};

TEST_F(ConnectTest, TheRightPasswordOpensTheMainWindowWithTheChosenAppliance) {
    LogInAs("admin", "secret");
    Run(
        [&](CSearchDlg& search) {
            ClickButton(search, IDC_SEARCH);
            SelectRow(search, IDC_DEVICE_LIST, 0);
            ClickButton(search, IDC_CONNECT);
            EXPECT_TRUE(search.IsEnded());
        },
        [&](CManagerDlg& main) {
            ASSERT_TRUE(main.m_pSocket);
            EXPECT_TRUE(main.m_pSocket->IsConnected());
            EXPECT_EQ(main.m_strUserID, "admin");
            EXPECT_EQ(main.m_strPassword, "secret");
            EXPECT_EQ(main.m_searchDlg.m_strPassword, "secret");
            EXPECT_EQ(main.m_searchDlg.m_nPort, listener.Port());
            main.OnPaint();
            EXPECT_EQ(main.GetWindowText(), "Velmora42 Manager : Velmora42-7 - 127.0.0.1");
            // The password goes to the appliance but never into the log pane.
            const std::string log = main.GetDlgItemText(IDC_LOG);
            EXPECT_EQ(log.find("secret"), std::string::npos);
            EXPECT_NE(log.find("Pass ********\r\n+OK User Authenticated\r\n"), std::string::npos);
        });
    EXPECT_TRUE(mainReached);
    ASSERT_GE(channel.Sent().size(), 2u);
    EXPECT_EQ(channel.Sent()[0], "User admin\r\n");
    EXPECT_EQ(channel.Sent()[1], "Pass secret\r\n");
    EXPECT_TRUE(searchMessages.empty());
}

TEST_F(ConnectTest, TwoWrongPasswordsLeaveNoConnectionAndTheLoginDialogStartsOverEachTime) {
    LogInAs("bob", "guess");
    backend.OnNextModal(IDD_LOGIN, [&](CDialog& login) {
        EXPECT_EQ(login.GetDlgItemText(IDC_USER_ID), "admin");
        EXPECT_EQ(login.GetDlgItemText(IDC_PASSWORD), "");
        EXPECT_TRUE(login.GetDlgItem(IDC_PASSWORD)->HasStyle(ControlStyle::Password));
        TypeText(login, IDC_PASSWORD, "guess again");
        login.OnEnterKey(); // OK is the default button
    });
    Run([&](CSearchDlg& search) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            ConnectTo(search, "127.0.0.1", std::to_string(listener.Port()));
            EXPECT_FALSE(search.IsEnded());
            EXPECT_EQ(GetManagerWindow().m_pSocket, nullptr);
        }
    });
    EXPECT_FALSE(mainReached);
    EXPECT_EQ(backend.MessageBoxes(),
              (Strings{"Check User name and Password.", "Check User name and Password."}));
    EXPECT_EQ(channel.Sent(), (Strings{"User bob\r\n", "Pass guess\r\n", "User admin\r\n",
                                       "Pass guess again\r\n"}));
}

TEST_F(ConnectTest, OnlyTheExactLoginRepliesAreAccepted) {
    // A second line in the same read spoils the first reply; the password still goes out.
    userReply = "+OK Password required\r\n+OK\r\n";
    LogInAs("admin", "secret");
    userReply = "-ERR No such user\r\n";
    LogInAs("admin", "secret");
    Run([&](CSearchDlg& search) {
        ConnectTo(search, "127.0.0.1", std::to_string(listener.Port()));
        userReply = "-ERR No such user\r\n";
        ClickButton(search, IDC_CONNECT);
    });
    EXPECT_FALSE(mainReached);
    EXPECT_EQ(backend.MessageBoxes(),
              (Strings{"Check User name and Password.", "Check User name and Password."}));
    EXPECT_EQ(channel.Sent(),
              (Strings{"User admin\r\n", "Pass secret\r\n", "User admin\r\n", "Pass secret\r\n"}));
}

TEST_F(ConnectTest, ALoginTimeOutAsksForAReconnectThatTheOpenSearchDialogAbsorbs) {
    LogInAs("admin", "secret");
    LogInAs("admin", "secret");
    Run([&](CSearchDlg& search) {
        userReply = "";
        channel.SetResponder([&](std::string_view line) {
            return line.starts_with("User ") && userReply.empty() ? CScriptedChannel::Pieces{}
                                                                  : Reply(line);
        });
        ConnectTo(search, "127.0.0.1", std::to_string(listener.Port()));
        EXPECT_EQ(GetManagerWindow().m_pSocket, nullptr);
        backend.Pump(); // the modal loop delivers the posted WM_RECONNECT while this is open
        EXPECT_FALSE(search.IsEnded());

        userReply = "+OK Password required\r\n";
        password = "other";
        channel.SetResponder([&](std::string_view line) {
            return line.starts_with("Pass ") ? CScriptedChannel::Pieces{} : Reply(line);
        });
        ClickButton(search, IDC_CONNECT);
        backend.Pump();
    });
    EXPECT_EQ(backend.MessageBoxes(),
              (Strings{"Get UserID is timeout. Check Velmora42 and Try again.",
                       "Check User name and Password.",
                       "Get Password is timeout. Check Velmora42 and Try again.",
                       "Check User name and Password."}));
    EXPECT_EQ(std::count(backend.ModalHistory().begin(), backend.ModalHistory().end(), IDD_SEARCH),
              1);
    EXPECT_EQ(channel.Sent(), (Strings{"User admin\r\n", "User admin\r\n", "Pass secret\r\n"}));
}

TEST_F(ConnectTest, ThePortIsTheLeadingNumberOfItsText) {
    for (int login = 0; login < 3; ++login)
        LogInAs("admin", "secret");
    Run(
        [&](CSearchDlg& search) {
            // Nothing listens on this loopback address.
            ConnectTo(search, "127.45.67.89", "9097abc");
            EXPECT_EQ(search.m_nPort, 9097);
            ConnectTo(search, "127.0.0.1", "port");
            EXPECT_EQ(search.m_nPort, 0);
            ASSERT_TRUE(GetManagerWindow().m_pSocket); // created, not connected
            EXPECT_FALSE(GetManagerWindow().m_pSocket->IsConnected());
            ConnectTo(search, "127.0.0.1", std::to_string(listener.Port()) + "abc");
        },
        [&](CManagerDlg& main) {
            EXPECT_EQ(main.m_searchDlg.m_strPort, std::to_string(listener.Port()) + "abc");
            EXPECT_EQ(main.m_searchDlg.m_strControlPort, main.m_searchDlg.m_strPort);
            EXPECT_TRUE(main.m_pSocket->IsConnected());
        });
    EXPECT_TRUE(mainReached);
    EXPECT_EQ(searchMessages,
              (Strings{"Velmora42 Connection is failed", "Velmora42 Connection is failed"}));
}

TEST_F(ConnectTest, TheTypedAddressPicksTheRecordOfTheRowThatAnnouncedIt) {
    LogInAs("admin", "secret");
    Run(
        [&](CSearchDlg& search) {
            search.m_strBtName = "left from before";
            // Typed, not selected: the refreshed list has a row with this address.
            ConnectTo(search, "127.0.0.1", "1");
        },
        [&](CManagerDlg& main) {
            EXPECT_EQ(main.m_searchDlg.m_strBtName, "Velmora42-7");
            EXPECT_EQ(main.m_searchDlg.m_strIPAddress, "127.0.0.1");
            // The typed port wins over the announced one; it was wrong, so nothing connected.
            EXPECT_EQ(main.m_searchDlg.m_strControlPort, "1");
        });
    EXPECT_FALSE(mainReached);
    EXPECT_EQ(backend.MessageBoxes(), Strings{"Velmora42 Connection is failed"});
}

TEST_F(ConnectTest, AnAddressNobodyAnnouncedKeepsTheRecordAndMayBeAHostName) {
    LogInAs("admin", "secret");
    Run(
        [&](CSearchDlg& search) {
            search.m_strBtName = "chosen before";
            ConnectTo(search, "localhost", std::to_string(listener.Port()));
        },
        [&](CManagerDlg& main) {
            EXPECT_EQ(main.m_searchDlg.m_strBtName, "chosen before");
            EXPECT_EQ(main.m_searchDlg.m_strIPAddress, "localhost");
            EXPECT_EQ(main.m_searchDlg.m_strControlPort, std::to_string(listener.Port()));
            main.OnPaint();
            EXPECT_EQ(main.GetWindowText(), "Velmora42 Manager : chosen before - localhost");
        });
    EXPECT_TRUE(mainReached);
}

TEST_F(ConnectTest, ConnectStopsWhenTheSearchCannotBeSentOrTheLoginIsCancelled) {
    backend.OnNextModal(IDD_LOGIN, [](CDialog& login) { ClickButton(login, IDC_LOGIN_CANCEL); });
    CControlSocket* before = nullptr;
    Run([&](CSearchDlg& search) {
        before = GetManagerWindow().m_pSocket.get();
        ConnectTo(search, "127.0.0.1", std::to_string(listener.Port()));
        EXPECT_FALSE(search.IsEnded());
        // The login was cancelled before anything was replaced.
        EXPECT_EQ(GetManagerWindow().m_pSocket.get(), before);
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
    EXPECT_TRUE(channel.Sent().empty());

    // A request that cannot go out ends Connect before the login dialog.
    backend.OnModal(IDD_MANAGER_DIALOG, [](CDialog& dialog) { dialog.EndDialog(IDOK); });
    backend.OnNextModal(IDD_SEARCH, [&](CDialog& search) {
        ConnectTo(static_cast<CSearchDlg&>(search), "127.0.0.1", "9097");
        ClickButton(search, IDC_SEARCH_CANCEL);
    });
    CDiscoveryTarget unreachable = appliances.Target();
    unreachable.address = "not an address";
    app.InitInstance(unreachable);
    EXPECT_EQ(backend.MessageBoxes(), Strings{"Search Error. Check Velmora42 and Try again"});
    EXPECT_EQ(std::count(backend.ModalHistory().begin(), backend.ModalHistory().end(), IDD_LOGIN),
              1);
}

// The appliance drops the old connection while the operator is choosing a new one: the
// application ends as on any disconnect, at once rather than after another login.
TEST_F(ConnectTest, ADisconnectDuringAReconnectionEndsTheSearchAtOnce) {
    ReconnectAfterLoggingIn([&](CSearchDlg& search) {
        GetManagerWindow().SendMessage(WM_SOCKET_CLOSE);
        EXPECT_TRUE(search.IsEnded());
    });
    EXPECT_EQ(backend.MessageBoxes(), Strings{"Velmora42 has been disconnected."});
}

TEST_F(ConnectTest, ADisconnectWhileTheLoginDialogIsOpenLogsNothingIn) {
    ReconnectAfterLoggingIn([&](CSearchDlg& search) {
        backend.OnNextModal(IDD_LOGIN, [&](CDialog& login) {
            GetManagerWindow().SendMessage(WM_SOCKET_CLOSE);
            TypeText(login, IDC_PASSWORD, "secret");
            ClickButton(login, IDC_LOGIN_OK);
        });
        ConnectTo(search, "127.0.0.1", std::to_string(listener.Port()));
        EXPECT_TRUE(search.IsEnded());
    });
    EXPECT_EQ(std::count(channel.Sent().begin(), channel.Sent().end(), "User admin\r\n"), 1);
    EXPECT_EQ(backend.MessageBoxes(), Strings{"Velmora42 has been disconnected."});
}

TEST_F(ConnectTest, AReconnectStartsTheLogPaneAfresh) {
    LogInAs("admin", "secret");
    LogInAs("admin", "secret");
    Run(
        [&](CSearchDlg& search) {
            ConnectTo(search, "127.0.0.1", std::to_string(listener.Port()));
        },
        [&](CManagerDlg& main) {
            EXPECT_NE(main.GetDlgItemText(IDC_LOG).find("help\r\n"), std::string::npos);
            backend.OnNextModal(IDD_SEARCH, [&](CDialog& search) {
                // Every showing starts with empty edits.
                EXPECT_EQ(search.GetDlgItemText(IDC_IP_ADDRESS), "");
                ConnectTo(static_cast<CSearchDlg&>(search), "127.0.0.1",
                          std::to_string(listener.Port()));
                EXPECT_TRUE(search.IsEnded());
            });
            main.PostMessage(WM_RECONNECT);
            backend.Pump();
            EXPECT_EQ(main.GetDlgItemText(IDC_LOG).rfind("User admin\r\n+OK Password required\r\n"
                                                         "Pass ********\r\n",
                                                         0),
                      0u);
            EXPECT_EQ(main.GetDlgItemText(IDC_LOG).find("help"), std::string::npos);
        });
    EXPECT_TRUE(searchMessages.empty());
}

} // namespace
