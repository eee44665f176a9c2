// A whole-file rewrite under faults: a disk that takes no more bytes (the file-size limit) and a
// temporary file that cannot be made keep the old file whole and leave no temporary file.
#include "common/file_io.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

/// The names in the folder.
std::vector<std::string> entries(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

/// Runs f in a child process under a file-size limit of `limit` bytes, with the signal of an
/// exceeded limit ignored as the programs ignore it; the child's exit status.
template <class F> int underFileSizeLimit(rlim_t limit, F f) {
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        _exit(f());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(SavingUnderFaults, AFullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
    testsupport::TempDir dir;
    const std::string path = dir.str() + "KNOTEN1";
    const std::string old(300, 'a');
    ASSERT_TRUE(slab::writeFileAtomic(path, old));
    // 1000 bytes do not fit under a limit of 512: the write fails half way.
    const int status = underFileSizeLimit(512, [&] {
        return slab::writeFileAtomic(path, std::string(1000, 'b')) ? 0 : 7;
    });
    EXPECT_EQ(status, 7);
    EXPECT_EQ(slab::readFileText(path), old);
    EXPECT_EQ(entries(dir.str()), std::vector<std::string>{"KNOTEN1"});
    // Through a chosen temporary name the outcome says where it failed.
    const int through = underFileSizeLimit(512, [&] {
        return static_cast<int>(
            slab::writeFileThrough(path, std::string(1000, 'c'), dir.str() + "ENEU"));
    });
    EXPECT_EQ(through, static_cast<int>(slab::WriteResult::WriteFailed));
    EXPECT_EQ(slab::readFileText(path), old);
    EXPECT_EQ(entries(dir.str()), std::vector<std::string>{"KNOTEN1"});
}

TEST(SavingUnderFaults, ATemporaryFileThatCannotBeMadeKeepsTheOldFile) {
    testsupport::TempDir dir;
    const std::string path = dir.str() + "ECHO_L.P1";
    ASSERT_TRUE(slab::writeFileAtomic(path, std::string("alt\n")));
    // A folder in the place of the temporary file: it cannot be opened for writing, as a
    // read-only folder refuses it (which the super-user running the tests would not notice).
    std::filesystem::create_directory(dir.str() + "ENEU");
    EXPECT_EQ(slab::writeFileThrough(path, "neu\n", dir.str() + "ENEU"),
              slab::WriteResult::OpenFailed);
    EXPECT_EQ(slab::readFileText(path), "alt\n");
    std::filesystem::create_directory(path + ".tmp" + std::to_string(::getpid()));
    EXPECT_FALSE(slab::writeFileAtomic(path, std::string("neu\n")));
    EXPECT_EQ(slab::readFileText(path), "alt\n");
}
