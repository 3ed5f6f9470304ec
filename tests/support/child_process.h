// Forked bodies that start together, and programs run under a time limit.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace solvane::testing {

// Holds forked children until release(), so they start at once, not in fork order.
class StartGate {
  public:
    StartGate();
    ~StartGate();
    StartGate(const StartGate&) = delete;
    StartGate& operator=(const StartGate&) = delete;

    void wait();     // in a child
    void release();  // in the parent

  private:
    int fds_[2] = {-1, -1};
};

// Forks a child that waits at `gate`, runs `body` and leaves with _exit, so
// nothing of the parent's is torn down twice. -1 when the fork fails.
template <class Body>
pid_t spawn(StartGate& gate, Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        gate.wait();
        ::_exit(body());
    }
    return pid;
}

// A waited-for status as one number: the exit status, or 128 + the signal.
int exitCode(int status);

struct Finished {
    int code = -1;          // the exit status, or 128 + the signal that ended it
    bool timedOut = false;  // killed for running past its limit
    long maxRssKiB = 0;
};

// Waits for `pid`, killing it once `limit` has passed.
Finished waitFor(pid_t pid, std::chrono::milliseconds limit);

// Starts `argv` in `cwd` with exactly `environment` (NAME=VALUE), output to
// `out` and `err`, once `gate` (if any) lets go. -1 when the fork fails.
pid_t startProgram(const std::vector<std::string>& argv,
                   const std::vector<std::string>& environment, const std::filesystem::path& cwd,
                   const std::filesystem::path& out, const std::filesystem::path& err,
                   StartGate* gate = nullptr);

// startProgram, waited for.
Finished runProgram(const std::vector<std::string>& argv,
                    const std::vector<std::string>& environment, const std::filesystem::path& cwd,
                    const std::filesystem::path& out, const std::filesystem::path& err,
                    std::chrono::milliseconds limit);

// A child's report to its parent: one "name=number" per line.
void writeCounts(const std::filesystem::path& file, const std::map<std::string, long>& counts);
std::map<std::string, long> readCounts(const std::filesystem::path& file);

}  // namespace solvane::testing
