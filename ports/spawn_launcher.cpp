// The real launcher: posix_spawnp, the lookup beside the own executable, waiting and reaping.
#include "ports/spawn_launcher.hpp"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

extern char** environ;

namespace ports {

namespace {

/// Closes the file actions however the start ends.
struct FileActions {
    posix_spawn_file_actions_t actions;
    FileActions() { posix_spawn_file_actions_init(&actions); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
};

void waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

SpawnLauncher::SpawnLauncher(std::string workDirectory)
    : workDirectory_(std::move(workDirectory)) {}

SpawnLauncher::~SpawnLauncher() {
    reapFinished();
}

std::string SpawnLauncher::locate(const std::string& program) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && program.find('/') == std::string::npos) {
        const std::string beside = (self.parent_path() / program).string();
        if (::access(beside.c_str(), X_OK) == 0 && !std::filesystem::is_directory(beside, ec))
            return beside;
    }
    return program;
}

std::string SpawnLauncher::searchedPlaces() const {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return Launcher::searchedPlaces();
    return "neben dem Programm in " + self.parent_path().string() + " und im Suchpfad PATH";
}

void SpawnLauncher::reapFinished() {
    std::erase_if(running_, [](pid_t pid) {
        int status = 0;
        pid_t done = ::waitpid(pid, &status, WNOHANG);
        return done == pid || (done < 0 && errno == ECHILD);
    });
}

LaunchResult SpawnLauncher::start(const std::string& program,
                                  const std::vector<std::string>& arguments, Wait wait) {
    reapFinished();
    const std::string file = locate(program);
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (auto& a : argv)
        pointers.push_back(a.data());
    pointers.push_back(nullptr);

    FileActions fa;
    // The programs find the settings files in the manager's working directory.
    if (!workDirectory_.empty() &&
        posix_spawn_file_actions_addchdir_np(&fa.actions, workDirectory_.c_str()) != 0)
        return LaunchResult::Failed;
    pid_t pid = 0;
    const int error =
        posix_spawnp(&pid, file.c_str(), &fa.actions, nullptr, pointers.data(), environ);
    if (error == ENOENT) return LaunchResult::NotFound;
    if (error != 0) return LaunchResult::Failed;
    if (wait == Wait::Yes)
        waitFor(pid);
    else
        running_.push_back(pid);
    return LaunchResult::Started;
}

} // namespace ports
