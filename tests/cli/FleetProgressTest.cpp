#include <gtest/gtest.h>

#include <sstream>

#include "cli/FleetProgress.h"
#include "cli/FleetRunner.h"

namespace {

// What a terminal shows of `output`: text, line ends, and the two controls the display uses
// (ESC [ n F: n lines up to the first column; ESC [ J: erase to the end of the screen).
std::vector<std::string> Screen(const std::string& output) {
    std::vector<std::string> rows{""};
    size_t row = 0;
    for (size_t i = 0; i < output.size(); ++i) {
        if (output[i] == '\x1b') {
            const size_t end = output.find_first_of("FJ", i);
            if (output[end] == 'F')
                row -= std::min(row, std::stoul(output.substr(i + 2, end - i - 2)));
            else
                rows.resize(row + 1);
            rows[row].clear();
            i = end;
        } else if (output[i] == '\n') {
            if (++row == rows.size())
                rows.emplace_back();
        } else {
            rows[row] += output[i];
        }
    }
    rows.pop_back();
    return rows;
}

void RunTargets(CFleetProgress& progress, size_t count) {
    RunSideBySide(count, 3, [&](size_t index) {
        progress.Started(index, "t" + std::to_string(index));
        progress.Working(index, "Sending Maxdt 5");
        progress.Ended(index, "t" + std::to_string(index) + ": applied");
    });
}

TEST(FleetProgressTest, PipedOutputIsOnePlainLinePerEndedTarget) {
    std::ostringstream out;
    {
        CFleetProgress progress(out, false, 5);
        RunTargets(progress, 5);
        progress.Ended(9, "bad\x1b[2Jname");
    }
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
    EXPECT_NE(text.find("t4: applied\n"), std::string::npos);
}

TEST(FleetProgressTest, TerminalKeepsTheEndedLinesAndTakesTheBlockAway) {
    std::ostringstream out;
    CFleetProgress progress(out, true, 12, 40);
    RunTargets(progress, 12);
    progress.Finish();
    std::vector<std::string> screen = Screen(out.str());
    std::sort(screen.begin(), screen.end());
    std::vector<std::string> expected;
    for (int i = 0; i < 12; ++i)
        expected.push_back("t" + std::to_string(i) + ": applied");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(screen, expected);
}

} // namespace
