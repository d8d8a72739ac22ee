#include "run_cli.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace {

// A temporary file that the child writes one of its streams to.
class CaptureFile {
public:
    CaptureFile() {
        char pattern[] = "/tmp/quarvel-cli-test-XXXXXX";
        m_fd = mkstemp(pattern);
        if (m_fd < 0) throw std::runtime_error("cannot create a capture file");
        m_path = pattern;
    }
    ~CaptureFile() {
        close(m_fd);
        unlink(m_path.c_str());
    }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    int fd() const { return m_fd; }
    std::string Contents() const {
        std::ifstream in(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    int m_fd = -1;
    std::string m_path;
};

}  // namespace

CliRun RunCli(const std::vector<std::string>& arguments) {
    std::vector<std::string> words = {QUARVEL_CALC_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    CaptureFile out;
    CaptureFile err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out.fd(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.fd(), STDERR_FILENO);
    pid_t pid = 0;
    const int spawnError =
        posix_spawn(&pid, QUARVEL_CALC_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) throw std::runtime_error("cannot start " QUARVEL_CALC_PATH);

    int status = 0;
    waitpid(pid, &status, 0);
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = out.Contents();
    run.err = err.Contents();
    return run;
}

std::string CommandLine(const std::vector<std::string>& arguments) {
    std::ostringstream line;
    line << "quarvel-calc";
    for (const std::string& word : arguments) {
        if (word.empty() || word.find_first_of(" \t\"") != std::string::npos) {
            line << " \"" << word << '"';
        } else {
            line << ' ' << word;
        }
    }
    return line.str();
}
