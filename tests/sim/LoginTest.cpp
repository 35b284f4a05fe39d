#include "ManagerCuts.h"
#include "SimFixture.h"

class LoginTest : public SimFixture {};

TEST_F(LoginTest, GreetingThenTheTwoAcceptedReplies) {
    SimClient client = connect();
    const std::string greeting = client.readGreeting();
    EXPECT_FALSE(greeting.empty());
    EXPECT_LT(greeting.size(), 100u);
    EXPECT_EQ(greeting.find("+OK"), std::string::npos);
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("User admin")), "+OK Password required");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Pass velmora")), "+OK User Authenticated");
    EXPECT_EQ(client.exchangeOnce("Ver"), "+OK Ver 1.7.3\r\n");
}

TEST_F(LoginTest, WrongCredentialsAreRefusedAndCommandsStayLocked) {
    SimClient client = connect();
    client.readGreeting();
    EXPECT_EQ(client.exchangeOnce("Mode").substr(0, 4), "-ERR");
    EXPECT_EQ(client.exchangeOnce("help").substr(0, 4), "-ERR");
    // The user name is not judged on its own: the password step fails for either mistake.
    EXPECT_EQ(client.exchangeOnce("User root"), "+OK Password required\r\n");
    EXPECT_EQ(client.exchangeOnce("Pass velmora").substr(0, 4), "-ERR");
    EXPECT_EQ(client.exchangeOnce("User admin"), "+OK Password required\r\n");
    EXPECT_EQ(client.exchangeOnce("Pass wrong").substr(0, 4), "-ERR");
    EXPECT_EQ(client.exchangeOnce("Pass velmora").substr(0, 4), "-ERR"); // needs User again
    EXPECT_EQ(client.exchangeOnce("Mode").substr(0, 4), "-ERR");
    EXPECT_TRUE(client.exchangeOnce("User admin").find("+OK") == 0);
    EXPECT_EQ(client.exchangeOnce("Pass velmora"), "+OK User Authenticated\r\n");
}

TEST_F(LoginTest, CredentialsComeFromTheState) {
    simulator->updateState(0, [](sim::ApplianceState& state) {
        state.user = "operator";
        state.password = "";
    });
    SimClient client = connect();
    EXPECT_TRUE(client.login("operator", ""));
    SimClient other = connect();
    EXPECT_FALSE(other.login("admin", "velmora"));
}

TEST_F(LoginTest, EachConnectionLogsInOnItsOwn) {
    SimClient first = loggedIn();
    SimClient second = connect();
    second.readGreeting();
    EXPECT_EQ(second.exchangeOnce("Mode").substr(0, 4), "-ERR");
    EXPECT_EQ(first.exchangeOnce("Mode"), "+OK Server Mode\r\n");
}
