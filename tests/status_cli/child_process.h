#pragma once
// Runs orvan-status and the checking tools as child processes, with an
// environment of the test's own: its runtime directory, its simulator
// control file and call log, the stand-in libraries of this build.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "profile/scratch_dir.h"

extern char** environ;

namespace orvan::testing {

struct Finished {
    int exitCode = -1;
    std::string out, err;
};

class ChildProcess {
  public:
    // Starts argv with env added to this process's environment. Standard
    // output comes through a pipe, standard error goes to errFile.
    ChildProcess(const std::vector<std::string>& argv,
                 const std::map<std::string, std::string>& env, const std::string& errFile) {
        std::vector<std::string> envText;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (!env.count(entry.substr(0, entry.find('=')))) envText.push_back(entry);
        }
        for (const auto& [k, v] : env) envText.push_back(k + "=" + v);
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        std::vector<char*> args, envp;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        for (const auto& e : envText) envp.push_back(const_cast<char*>(e.c_str()));
        args.push_back(nullptr);
        envp.push_back(nullptr);
        if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        out_ = fds[0];
        errFile_ = errFile;
    }
    ~ChildProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) ::close(out_);
    }

    // One line of standard output (blocks until it comes or the pipe closes).
    std::string readLine() {
        std::string line;
        char c;
        while (::read(out_, &c, 1) == 1 && c != '\n') line += c;
        return line;
    }
    void signal(int sig) { ::kill(pid_, sig); }
    Finished wait() {
        Finished f;
        char buffer[4096];
        for (ssize_t n; (n = ::read(out_, buffer, sizeof buffer)) > 0;) f.out.append(buffer, n);
        int status = 0;
        if (pid_ > 0 && ::waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status))
            f.exitCode = WEXITSTATUS(status);
        pid_ = -1;
        f.err = ScratchDir::read(errFile_);
        return f;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string errFile_;
};

}  // namespace orvan::testing
