#include <gtest/gtest.h>

#include <cctype>

#include "appliance/SettingsFile.h"

namespace {

// A whole file as Save writes one, every setting present.
const char* const kWholeFile = "# Velmora42 Manager 1.2 settings\n"
                               "Port 9100\n"
                               "prsv on\n"
                               "kato 450 10 3\n"
                               "Bind 00:0B:CE:01:02:03 9101\n"
                               "Bind Printer A 9102\n"
                               "Serv 192.168.0.10:9200\n"
                               "Serv 192.168.0.20:9201 00:0B:CE:50:00:02\n"
                               "Rept 2500\n"
                               "Psist on\n"
                               "Vertex 9300 3\n"
                               "station 00:0B:CE:50:00:01\n"
                               "rs232 115200 8N1 hardware\n"
                               "BTName Gateway-1\n"
                               "Maxdt 3\n"
                               "Linkto 20\n"
                               "Secu high\n"
                               "Pair on\n"
                               "Scan Inquiry page\n"
                               "pinq on 10 5 0x9E8B33\n"
                               "mode server\n"
                               "# end\n";

const CSettingEntry& Entry(const CSettingValues& values, SettingId id) {
    return values[static_cast<size_t>(SettingIndex(id))];
}

TEST(SettingsFile, WholeFileGivesEverySettingInOrder) {
    const CSettingsFileResult result = ReadSettingsFile(kWholeFile);
    ASSERT_TRUE(result.ok()) << result.error;
    for (const CSettingInfo& info : SettingCatalogue())
        EXPECT_TRUE(Entry(result.values, info.id).present) << info.label;
    EXPECT_EQ(Entry(result.values, SettingId::Registrations).lines,
              (std::vector<std::string>{"Bind 00:0B:CE:01:02:03 9101", "Bind Printer A 9102"}));
    EXPECT_EQ(Entry(result.values, SettingId::Host).lines,
              std::vector<std::string>{"Serv 192.168.0.10:9200"});
    EXPECT_EQ(Entry(result.values, SettingId::Servers).lines,
              std::vector<std::string>{"Serv 192.168.0.20:9201 00:0B:CE:50:00:02"});
}

TEST(SettingsFile, WrittenFileReadsBackTheSameValues) {
    const CSettingsFileResult first = ReadSettingsFile(kWholeFile);
    ASSERT_TRUE(first.ok());
    CSettingValues values = first.values;
    // A setting the appliance does not announce is left out with a comment.
    values[static_cast<size_t>(SettingIndex(SettingId::KeepAlive))] = {};
    const std::string text =
        WriteSettingsFile({"1.2", "Gateway\x01", "10.0.0.2", "", "", "", ""}, values);
    EXPECT_NE(text.find("# Bluetooth name: Gateway?\n"), std::string::npos);
    EXPECT_NE(text.find("left out, the appliance does not announce \"kato\""), std::string::npos);
    const CSettingsFileResult second = ReadSettingsFile(text);
    ASSERT_TRUE(second.ok()) << second.error;
    EXPECT_EQ(second.values, values);
}

TEST(SettingsFile, CommentsBlankLinesAndCrLfAreAllowed) {
    const CSettingsFileResult result =
        ReadSettingsFile("\r\n  # a note: Bürogebäude\r\n\t\r\nPort 80\r\n   \n# end\r\n\n");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(Entry(result.values, SettingId::DataPort).lines, std::vector<std::string>{"Port 80"});
    EXPECT_FALSE(Entry(result.values, SettingId::Mode).present);
    // A table the file neither lists nor gives as empty is not in it: a load leaves it alone.
    EXPECT_FALSE(Entry(result.values, SettingId::Registrations).present);
}

TEST(SettingsFile, AnEmptyTableIsInTheFileOnlyByItsNoneLine) {
    CSettingValues values;
    values[static_cast<size_t>(SettingIndex(SettingId::Registrations))].present = true;
    const std::string text = WriteSettingsFile({}, values);
    EXPECT_NE(text.find("\n# Registered Bluetooth Devices: none\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n# Server Table: left out"), std::string::npos) << text;
    const CSettingsFileResult result = ReadSettingsFile(text);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.values, values);
}

struct EditorForm {
    const char* name;
    std::string text;
    SettingId id;
    std::vector<std::string> lines; // what the setting holds
};

class EditorForms : public ::testing::TestWithParam<EditorForm> {};

TEST_P(EditorForms, ReadAsTheLinesTheyStandFor) {
    const CSettingsFileResult result = ReadSettingsFile(GetParam().text);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(Entry(result.values, GetParam().id).lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Reader, EditorForms,
    ::testing::Values(
        EditorForm{"NoLineEndAfterEnd", "Port 80\n# end", SettingId::DataPort, {"Port 80"}},
        EditorForm{
            "ByteOrderMark", "\xEF\xBB\xBFPort 80\n# end\n", SettingId::DataPort, {"Port 80"}},
        EditorForm{"CrLf", "Port 80\r\n# end\r\n", SettingId::DataPort, {"Port 80"}},
        EditorForm{"BlanksAround", "  Port 80 \t\n\t# end  \n", SettingId::DataPort, {"Port 80"}},
        EditorForm{"BlankLines", "\n\nPort 80\n\n# end\n\n", SettingId::DataPort, {"Port 80"}},
        EditorForm{"QuotedDevice",
                   "Bind \"Printer \" 9101 \n# end\n",
                   SettingId::Registrations,
                   {"Bind Printer  9101"}},
        EditorForm{"QuotedServer",
                   "Serv 10.0.0.1:80 \" Scale\"\n# end\n",
                   SettingId::Servers,
                   {"Serv 10.0.0.1:80  Scale"}},
        EditorForm{"QuotedName",
                   "BTName \"Gateway 1 \"\n# end\n",
                   SettingId::BtName,
                   {"BTName Gateway 1 "}},
        EditorForm{
            "NameInQuotes", "BTName \"\"x\"\"\n# end\n", SettingId::BtName, {"BTName \"x\""}}),
    [](const auto& info) { return std::string(info.param.name); });

// Names with blanks at either end and a header beyond the line limit: every line written
// reads back, also after an editor strips the blanks at the ends of the lines.
TEST(SettingsFile, WrittenLinesSurviveAnEditorThatStripsTrailingBlanks) {
    CSettingValues values;
    auto set = [&](SettingId id, std::vector<std::string> lines) {
        values[static_cast<size_t>(SettingIndex(id))] = {true, std::move(lines)};
    };
    set(SettingId::Registrations, {"Bind Printer  9101", "Bind  Scale 9102", "Bind \"q 9103"});
    set(SettingId::Servers, {"Serv 10.0.0.1:80 Term "});
    set(SettingId::BtName, {"BTName Gateway 1 "});
    std::string text =
        WriteSettingsFile({"1.2", std::string(185, 'n'), "", "", "", "", ""}, values);
    for (size_t blank; (blank = text.find(" \n")) != std::string::npos;)
        text.erase(blank, 1);
    const CSettingsFileResult result = ReadSettingsFile(text);
    ASSERT_TRUE(result.ok()) << result.error << "\n" << text;
    EXPECT_EQ(result.values, values);
}

struct BadFile {
    const char* name;
    std::string text;
    const char* error;
};

class SettingsFileErrors : public ::testing::TestWithParam<BadFile> {};

TEST_P(SettingsFileErrors, NameTheLineAndKeepNothing) {
    const CSettingsFileResult result = ReadSettingsFile(GetParam().text);
    EXPECT_EQ(result.error, GetParam().error);
    for (const CSettingEntry& entry : result.values)
        EXPECT_FALSE(entry.present);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, SettingsFileErrors,
    ::testing::Values(
        BadFile{"LineTooLong", "# x\nBTName " + std::string(200, 'a') + "\n# end\n",
                "Line 2: the line is longer than 202 characters."},
        BadFile{"UnknownCommand", "Port 9100\nReboot now\n# end\n",
                "Line 2: \"Reboot\" is not a set command of a setting."},
        BadFile{"QueryIsNoSetting", "Port\n# end\n", "Line 1: \"Port\" without values is a query."},
        BadFile{"PinIsNotSaved", "Pin 1234\n# end\n",
                "Line 1: \"Pin\" is not a set command of a setting."},
        BadFile{"PortTooLong", "Port 91000\n# end\n",
                "Line 1: the values of \"Port\" are not ones the dialogs would send."},
        BadFile{"KatoOtherFixedArguments", "kato 450 5 3\n# end\n",
                "Line 1: the values of \"kato\" are not ones the dialogs would send."},
        BadFile{"AddressNotComplete", "station 00:0B:CE:50:00\n# end\n",
                "Line 1: the values of \"station\" are not ones the dialogs would send."},
        BadFile{"HostOutOfRange", "Serv 192.168.0.256:9200\n# end\n",
                "Line 1: the values of \"Serv\" are not ones the dialogs would send."},
        BadFile{"BaudNotOffered", "rs232 300 8N1 none\n# end\n",
                "Line 1: the values of \"rs232\" are not ones the dialogs would send."},
        BadFile{"SecondCommandOnTheLine", "Pair on|Reboot\n# end\n",
                "Line 1: the values of \"Pair\" are not ones the dialogs would send."},
        BadFile{"NameWithBar", "Bind a|b 9101\n# end\n",
                "Line 1: the values of \"Bind\" are not ones the dialogs would send."},
        BadFile{"QuoteLeftOpen", "BTName \"Gateway \n# end\n",
                "Line 1: a quoted value lacks its closing quote."},
        BadFile{"ControlCharacter", "BTName a\rb\n# end\n",
                "Line 1: the line holds a control character."},
        BadFile{"NotAscii", "BTName G\xC3\xA4te\n# end\n",
                "Line 1: the values of \"BTName\" are not ones the dialogs would send."},
        BadFile{"Twice", "Secu low\nSecu high\n# end\n", "Line 2: \"Security\" is given twice."},
        BadFile{"SameEntryTwice", "Bind x 1\nBind x 1\n# end\n",
                "Line 2: the same entry is given twice."},
        BadFile{"SameAddressTwice", "Bind 00:0B:CE:01:02:03 1\nBind 00:0B:CE:01:02:03 2\n# end\n",
                "Line 2: \"Registered Bluetooth Devices\": Same BDADDR is exist."},
        BadFile{"SameNameTwice", "Bind Printer A 1\nBind Printer A 2\n# end\n",
                "Line 2: \"Registered Bluetooth Devices\": Same Name is exist."},
        BadFile{"SamePortTwice", "Bind x 1\nBind y 1\n# end\n",
                "Line 2: \"Registered Bluetooth Devices\": Same Port Number is exist."},
        BadFile{"SameServerTwice", "Serv 10.0.0.1:1 x\nServ 10.0.0.2:1 x\n# end\n",
                "Line 2: \"Server Table\": Same Name is exist."},
        BadFile{"SameServerPortTwice", "Serv 10.0.0.1:1 x\nServ 10.0.0.1:1 y\n# end\n",
                "Line 2: \"Server Table\": Same Server Port Number is exist."},
        BadFile{"EmptyTableWithEntries", "# Registered Bluetooth Devices: none\nBind x 1\n# end\n",
                "Line 2: \"Registered Bluetooth Devices\" is given twice."},
        BadFile{"ModeNotLast", "mode server\nPort 9100\n# end\n",
                "Line 2: \"Default Data Port\" stands after a setting a load applies later."},
        BadFile{"TruncatedInsideALine", "Port 9100\nBind 00:0B:CE:01",
                "Line 2: the file ends inside this line: it is cut short."},
        BadFile{"TruncatedBetweenLines", "Port 9100\nprsv on\n",
                "Line 3: the \"# end\" line is missing: the file is cut short."},
        BadFile{"Empty", "", "Line 1: the \"# end\" line is missing: the file is cut short."},
        BadFile{"TextAfterEnd", "Port 9100\n# end\nmode server\n",
                "Line 3: text after the \"# end\" line."},
        BadFile{"TooLarge", std::string(64 * 1024 + 1, '\n'),
                "The file is larger than 64 KiB; a settings file is far smaller."}),
    [](const auto& info) { return std::string(info.param.name); });

// Each argument check, at the edge where the dialogs' input stops.
struct LineCase {
    const char* line;
    bool accepted;
};

class SetLineChecks : public ::testing::TestWithParam<LineCase> {};

TEST_P(SetLineChecks, FollowTheDialogs) {
    EXPECT_EQ(ClassifySetLine(GetParam().line).has_value(), GetParam().accepted) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SetLineChecks,
    ::testing::Values(
        LineCase{"Port 9999", true}, LineCase{"Port 9a", false}, LineCase{"Port ", false},
        LineCase{"prsv maybe", false}, LineCase{"Bind Printer 9101", true},
        LineCase{"Bind Printer 19101", false}, LineCase{"Serv 10.0.0.1:19200", true},
        LineCase{"Serv 10.0.0.1:19200 Scale", false}, LineCase{"Bind 9101", false},
        LineCase{"Bind  9101", false}, LineCase{"Serv 10.0.0.1:1 Scale", true},
        LineCase{"Serv 10.0.0.1 Scale", false}, LineCase{"Serv 10.0.0:1", false},
        LineCase{"Rept 100", true}, LineCase{"Vertex 9300 7", true},
        LineCase{"Vertex 9300 17", false}, LineCase{"Vertex 9300  7", false},
        LineCase{"rs232 9600 7E2 xonoff", true}, LineCase{"rs232 9600 7X2 xonoff", false},
        LineCase{"Scan Inquiry", true}, LineCase{"Scan inquiry", false}, LineCase{"pinq off", true},
        LineCase{"pinq on 10 5 0x9E8B00", true}, LineCase{"pinq on 10 5 0x123456", false},
        LineCase{"mode hub", true}, LineCase{"mode Server", false}, LineCase{"BTName  lead", true},
        LineCase{"Maxdt 1000", false}),
    [](const auto& info) {
        std::string name = std::to_string(info.index) + "_";
        for (char c : std::string(info.param.line))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

} // namespace
