#include "ApplianceFixtures.h"

#include "appliance/TableEntry.h"
#include "session/ManagerWindow.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace {

CDiscoveryTarget LoopbackDiscovery() {
    CDiscoveryTarget target;
    target.address = "127.0.0.1";
    target.port = 9; // discard: nothing answers
    return target;
}

// Keeps the main dialog open for `whileOpen`, then closes it.
void RunMainDialog(CTestBackend& backend, CManagerApp& app,
                   const std::function<void(CManagerDlg&)>& whileOpen) {
    bool opened = false;
    backend.OnModal(IDD_MANAGER_DIALOG, [&](CDialog& dialog) {
        backend.Pump();
        opened = !dialog.IsEnded();
        if (opened)
            whileOpen(static_cast<CManagerDlg&>(dialog));
        dialog.PostMessage(WM_CLOSE);
        backend.Pump();
    });
    app.InitInstance(LoopbackDiscovery());
    EXPECT_TRUE(opened) << "the main window closed before the test could act on it";
}

// The scripted appliance's tables, kept in the replies to "Bind" and "Serv" and changed by
// their set commands as the simulator changes its own: an entry whose device (a registration:
// or port) is held is refused, and so is the release of one not held. Nothing for other lines.
std::optional<std::string> TableCommandReply(std::map<std::string, std::string>& replies,
                                             std::string_view line) {
    const std::string text(line.substr(0, line.size() - 2));
    const std::string word = text.substr(0, text.find(' '));
    const std::string args = text.substr(std::min(text.size(), word.size() + 1));
    const bool bind = word == "Bind" || word == "Rele";
    const bool release = word == "Rele" || word == "DelServ";
    if (!bind && !release && (word != "Serv" || args.find(' ') == std::string::npos))
        return std::nullopt;
    std::string& listing =
        replies.try_emplace(bind ? "Bind\r\n" : "Serv\r\n", "+OK\r\n").first->second;
    const size_t tail = listing.find("+OK");
    std::vector<CTableEntry> rows;
    for (size_t start = 0, end; start < tail && (end = listing.find("\r\n", start)) < tail;
         start = end + 2)
        rows.push_back(SplitTableLine(listing.substr(start, end - start)));
    const size_t cut = word == "Bind" ? args.rfind(' ') : args.find(' ');
    const CTableEntry entry = word == "Rele"      ? CTableEntry{"", "", args}
                              : word == "DelServ" ? CTableEntry{"", args, ""}
                              : word == "Bind"
                                  ? CTableEntry{"", args.substr(0, cut), args.substr(cut + 1)}
                                  : CTableEntry{"", args.substr(cut + 1), args.substr(0, cut)};
    const auto held = std::find_if(rows.begin(), rows.end(), [&](const CTableEntry& row) {
        return (!entry.name.empty() && row.name == entry.name) ||
               (bind && row.value == entry.value);
    });
    if (tail == std::string::npos || release == (held == rows.end()))
        return release ? "-ERR No such entry\r\n" : "-ERR Device or port already registered\r\n";
    if (release)
        rows.erase(held);
    else
        rows.push_back(entry);
    std::string rebuilt;
    for (size_t i = 0; i < rows.size(); ++i)
        rebuilt += std::to_string(i) + "||" + rows[i].name + "|" + rows[i].value + "\r\n";
    listing = rebuilt + listing.substr(tail);
    return "+OK\r\n";
}

} // namespace

CScriptedApplianceTest::CScriptedApplianceTest()
    : replies{
          {"Ver\r\n", "+OK Ver 1.7.3\r\n"},
          {"Mode\r\n", "+OK Server Mode\r\n"},
          {"help\r\n", "+OK BTNAME MAXDT LINKTO SCAN SECU PAIR PIN STAT VER MODE REBOOT\r\n"},
          {"BTName\r\n", "+OK Velmora42-1\r\n"},
          {"Maxdt\r\n", "+OK MAX 7\r\n"},
          {"Linkto\r\n", "+OK LinkTimeout: 25 sec\r\n"},
          {"Scan\r\n", "+OK inquiry page\r\n"},
          {"Secu\r\n", "+OK low\r\n"},
          {"Pair\r\n", "+OK on\r\n"},
          {"Stat\r\n", "0|00:0B:CE:20:00:01|10|20|0|0\r\n+OK\r\n"},
      } {
    channel.SetResponder([this](std::string_view line) {
        const auto it = replies.find(std::string(line));
        const std::optional<std::string> table =
            it == replies.end() ? TableCommandReply(replies, line) : std::nullopt;
        const std::string reply = it != replies.end() ? it->second : table.value_or("+OK\r\n");
        const auto delay = delaysMs.find(std::string(line));
        const int afterMs = delay == delaysMs.end() ? 0 : delay->second;
        const auto cut = m_cuts.find(std::string(line));
        const size_t at = cut == m_cuts.end() ? reply.size() : cut->second;
        return reply.empty() ? CScriptedChannel::Pieces{}
                             : CScriptedChannel::Pieces{{afterMs, reply.substr(0, at)},
                                                        {1, reply.substr(at)}};
    });
    channel.OnTimePassed([this](long long ms) { backend.PassBlockedTime(ms); });
    backend.OnModal(IDD_SEARCH, [this](CDialog& search) {
        CManagerWindow& main = GetManagerWindow();
        main.AttachChannel(&channel);
        if (fillRecord)
            fillRecord(main.m_searchDlg);
        search.EndDialog(IDOK);
    });
}

void CScriptedApplianceTest::Run(const std::function<void(CManagerDlg&)>& whileOpen) {
    RunMainDialog(backend, app, whileOpen);
}

std::vector<std::string> CScriptedApplianceTest::TakeSent() {
    const auto& sent = channel.Sent();
    std::vector<std::string> lines(sent.begin() + static_cast<std::ptrdiff_t>(m_nSentTaken),
                                   sent.end());
    m_nSentTaken = sent.size();
    return lines;
}

std::vector<std::string> CScriptedApplianceTest::TakeMessageBoxes() {
    const auto& boxes = backend.MessageBoxes();
    std::vector<std::string> texts(boxes.begin() + static_cast<std::ptrdiff_t>(m_nBoxesTaken),
                                   boxes.end());
    m_nBoxesTaken = boxes.size();
    return texts;
}

int CScriptedApplianceTest::SearchRuns() const {
    const auto& history = backend.ModalHistory();
    return static_cast<int>(std::count(history.begin(), history.end(), IDD_SEARCH));
}

void CScriptedApplianceTest::ExpectTimeouts(CManagerDlg& dlg,
                                            const std::vector<CTimeoutRow>& rows) {
    // Every run meets the appliance as it was: the tables the ones before changed go back.
    const std::map<std::string, std::string> before = replies;
    for (const CTimeoutRow& row : rows) {
        const auto it = replies.find(row.line);
        const std::string reply = it == replies.end() ? "+OK\r\n" : it->second;
        ASSERT_FALSE(reply.empty()) << row.line;
        const int waitMs =
            1000 * (row.seconds > 0 ? row.seconds : CCommandEngine::kFirstByteLimitSeconds);
        for (const bool late : {false, true}) {
            SCOPED_TRACE(row.line + (late ? " answered late" : " answered in time"));
            replies = before;
            GetManagerWindow().ClearLog();
            TakeMessageBoxes();
            delaysMs[row.line] = late ? waitMs + 1 : waitMs - 1;
            if (!late) // cut inside the end mark: a time-out of 0 reads only the first piece
                m_cuts[row.line] =
                    std::min({reply.find("+OK"), reply.find("-ERR"), reply.size() / 2}) + 1;
            row.send(dlg);
            delaysMs.erase(row.line);
            m_cuts.clear();
            const std::vector<std::string> sent = TakeSent();
            EXPECT_NE(std::find(sent.begin(), sent.end(), row.line), sent.end()) << "not sent";
            const std::string log = dlg.GetDlgItemText(IDC_LOG);
            EXPECT_NE(log.find(row.line), std::string::npos) << log;
            EXPECT_EQ(log.find(row.line + reply) != std::string::npos, !late && row.seconds > 0)
                << log;
            if (!row.timeoutBox.empty()) {
                const std::vector<std::string> boxes = TakeMessageBoxes();
                EXPECT_EQ(std::find(boxes.begin(), boxes.end(), row.timeoutBox) != boxes.end(),
                          late)
                    << testing::PrintToString(boxes);
            }
            channel.Advance(waitMs);
            backend.Pump();
        }
    }
}

CSimulatedApplianceTest::CSimulatedApplianceTest(sim::SimulatorOptions options)
    : simulator(std::move(options)) {
    backend.OnModal(IDD_SEARCH, [this](CDialog& search) {
        CManagerWindow& main = GetManagerWindow();
        CSearchDlg& record = main.m_searchDlg;
        FillRecordFrom(simulator.state(target), record);
        record.m_strIP = simulator.controlAddress(target);
        record.m_nPort = simulator.controlPort(target);
        record.m_strPort = std::to_string(record.m_nPort);
        record.m_strIPAddress = record.m_strIP;
        record.m_strControlPort = record.m_strPort;
        main.m_strUserID = "admin";
        main.m_strPassword = "velmora";
        CControlSocket* socket = main.CreateControlSocket();
        ASSERT_NE(socket, nullptr);
        ASSERT_TRUE(socket->Connect(record.m_strIP, record.m_nPort));
        ASSERT_TRUE(main.Login());
        search.EndDialog(IDOK);
    });
}

void CSimulatedApplianceTest::SetUp() {
    std::string error;
    ASSERT_TRUE(simulator.start(&error)) << error;
}

void CSimulatedApplianceTest::Run(const std::function<void(CManagerDlg&)>& whileOpen) {
    RunMainDialog(backend, app, whileOpen);
}

std::vector<std::string> CSimulatedApplianceTest::TakeTranscript() {
    std::vector<std::string> lines = simulator.transcript(0);
    simulator.clearTranscript(0);
    return lines;
}

void FillRecordFrom(const sim::ApplianceState& state, CSearchDlg& search) {
    search.m_strBtName = state.btName;
    search.m_strModelCode = state.modelCode;
    search.m_strSerialNumber = state.serialNumber;
    search.m_strMACAddress = state.macAddress;
    search.m_strProductName = state.productName;
    search.m_strBdAddr = state.bdAddress;
}

CTemporaryDataHome::CTemporaryDataHome()
    : m_strPath(::testing::TempDir() + "velmora42-data-XXXXXX") {
    EXPECT_NE(mkdtemp(m_strPath.data()), nullptr);
    setenv("XDG_DATA_HOME", m_strPath.c_str(), 1);
}

CTemporaryDataHome::~CTemporaryDataHome() {
    std::filesystem::remove_all(m_strPath);
}
