// The manual page and the bash completion are written by hand: every command and option the
// program's help names must be in both.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "CtlProcess.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The long options and the command names the whole help shows.
std::set<std::string> HelpWords() {
    const std::string help = RunCtl({"--help-all"}).out;
    std::set<std::string> words;
    const std::regex option("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
         it != std::sregex_iterator(); ++it)
        words.insert(it->str());
    const std::regex command("\n([a-z]+)\n");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), command);
         it != std::sregex_iterator(); ++it)
        words.insert((*it)[1].str());
    return words;
}

TEST(ManualPageTest, NamesEveryCommandAndOptionOfTheHelp) {
    std::string page = ReadFile(VELMORA_PACKAGING "/velmora42-ctl.1");
    page = std::regex_replace(page, std::regex(R"(\\-)"), "-");
    const std::string completion = ReadFile(VELMORA_PACKAGING "/velmora42-ctl.bash-completion");
    const std::set<std::string> words = HelpWords();
    ASSERT_TRUE(words.count("show") && words.count("--user")) << "help not read";
    for (const std::string& word : words) {
        EXPECT_NE(page.find(word), std::string::npos) << word << " is not in the manual page";
        EXPECT_NE(completion.find(word), std::string::npos) << word << " is not completed";
    }
}

} // namespace
