#include "support/child_process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>
#include <fstream>
#include <thread>

namespace solvane::testing {

StartGate::StartGate() {
    if (::pipe2(fds_, O_CLOEXEC) != 0) {
        fds_[0] = fds_[1] = -1;
    }
}

StartGate::~StartGate() {
    release();
}

void StartGate::wait() {
    ::close(fds_[1]);
    // Returns at end of file: once the parent lets go, or dies.
    char byte;
    while (::read(fds_[0], &byte, 1) < 0) {
    }
    ::close(fds_[0]);
}

void StartGate::release() {
    for (int& fd : fds_) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

int exitCode(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Finished waitFor(pid_t pid, std::chrono::milliseconds limit) {
    Finished finished;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    rusage usage{};
    while (true) {
        const pid_t done = ::wait4(pid, &status, WNOHANG, &usage);
        if (done == pid) {
            break;
        }
        if (done < 0) {
            return finished;
        }
        if (!finished.timedOut && std::chrono::steady_clock::now() > deadline) {
            finished.timedOut = true;
            ::kill(pid, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    finished.code = exitCode(status);
    finished.maxRssKiB = usage.ru_maxrss;
    return finished;
}

pid_t startProgram(const std::vector<std::string>& argv,
                   const std::vector<std::string>& environment, const std::filesystem::path& cwd,
                   const std::filesystem::path& out, const std::filesystem::path& err,
                   StartGate* gate) {
    // Built before the fork: only async-signal-safe calls may follow it.
    std::vector<char*> args, env;
    for (const auto& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    for (const auto& e : environment) {
        env.push_back(const_cast<char*>(e.c_str()));
    }
    args.push_back(nullptr);
    env.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (gate != nullptr) {
            gate->wait();
        }
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = ::open("/dev/null", O_RDONLY);
        if (o < 0 || e < 0 || in < 0 || ::dup2(in, 0) < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0 ||
            ::chdir(cwd.c_str()) != 0) {
            ::_exit(127);
        }
        ::execve(args[0], args.data(), env.data());
        ::_exit(127);
    }
    return pid;
}

Finished runProgram(const std::vector<std::string>& argv,
                    const std::vector<std::string>& environment, const std::filesystem::path& cwd,
                    const std::filesystem::path& out, const std::filesystem::path& err,
                    std::chrono::milliseconds limit) {
    const pid_t pid = startProgram(argv, environment, cwd, out, err);
    return pid < 0 ? Finished{} : waitFor(pid, limit);
}

void writeCounts(const std::filesystem::path& file, const std::map<std::string, long>& counts) {
    std::ofstream stream(file);
    for (const auto& [name, count] : counts) {
        stream << name << '=' << count << '\n';
    }
}

std::map<std::string, long> readCounts(const std::filesystem::path& file) {
    std::map<std::string, long> counts;
    std::ifstream stream(file);
    for (std::string line; std::getline(stream, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            counts[line.substr(0, equals)] = std::stol(line.substr(equals + 1));
        }
    }
    return counts;
}

}  // namespace solvane::testing
