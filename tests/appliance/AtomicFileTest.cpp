#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "appliance/AtomicFile.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

class Folder : public ::testing::Test {
protected:
    Folder() : folder(mkdtemp(pattern.data())) {}
    ~Folder() override { std::filesystem::remove_all(folder); }
    std::string pattern = ::testing::TempDir() + "velmora42-files-XXXXXX";
    std::filesystem::path folder;
};

// A disk that fills up while the file is written: in a child process whose files may not
// grow past 100 bytes, the write fails and the good file stays byte for byte.
TEST_F(Folder, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    const std::string path = (folder / "settings.txt").string();
    const std::string good(373, 'g');
    ASSERT_EQ(WriteFileAtomically(path, good), "");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WriteFileAtomically(path, std::string(400, 'n')).empty() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write did not fail";
    EXPECT_EQ(ReadFile(path), good);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

} // namespace
