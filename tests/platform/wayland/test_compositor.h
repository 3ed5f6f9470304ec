// A real headless compositor with the layer shell, started per test in a
// private runtime folder (as user 65534 under root, where it refuses to run)
// and stopped, its whole process group, at the end.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace solvane::testing {

class TestCompositor {
  public:
    TestCompositor() = default;
    ~TestCompositor() { stop(); }
    TestCompositor(const TestCompositor&) = delete;
    TestCompositor& operator=(const TestCompositor&) = delete;

    // Why the compositor cannot run here, or nothing when it can.
    static std::optional<std::string> unavailable() {
        if (!findProgram("sway")) {
            return "the headless test compositor (sway) is not installed";
        }
        if (::geteuid() == 0 && !findProgram("setpriv")) {
            return "setpriv is missing, and the compositor will not run as root";
        }
        return std::nullopt;
    }

    // Starts it and waits for its sockets; false with log() telling why.
    bool start(const std::vector<std::string>& configLines, int outputCount = 1) {
        char pattern[] = "/tmp/solvane-compositor-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) {
            return false;
        }
        dir_ = pattern;
        const bool asRoot = ::geteuid() == 0;
        if (asRoot &&
            (::chown(dir_.c_str(), kNobody, kNobody) != 0 || ::chmod(dir_.c_str(), 0700) != 0)) {
            return false;
        }
        {
            std::ofstream config(dir_ / "config");
            for (const std::string& line : configLines) {
                config << line << '\n';
            }
            config << "xwayland disable\n";
        }

        const std::string runtime = "XDG_RUNTIME_DIR=" + dir_.string();
        const std::string home = "HOME=" + dir_.string();
        const std::string outputs = "WLR_HEADLESS_OUTPUTS=" + std::to_string(outputCount);
        const std::string config = (dir_ / "config").string();
        std::vector<std::string> args = {"env",
                                         runtime,
                                         home,
                                         "WLR_BACKENDS=headless",
                                         "WLR_LIBINPUT_NO_DEVICES=1",
                                         "WLR_RENDERER=pixman",
                                         outputs};
        if (asRoot) {
            args.insert(args.end(),
                        {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
        }
        args.insert(args.end(), {"sway", "-c", config});
        const std::string logPath = (dir_ / "compositor.log").string();

        pid_ = ::fork();
        if (pid_ < 0) {
            return false;
        }
        if (pid_ == 0) {
            ::setpgid(0, 0);
            const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (log >= 0) {
                ::dup2(log, STDOUT_FILENO);
                ::dup2(log, STDERR_FILENO);
            }
            std::vector<char*> argv;
            for (std::string& arg : args) {
                argv.push_back(arg.data());
            }
            argv.push_back(nullptr);
            // Nothing of the test's display: the compositor would try to nest in it.
            char path[] = "PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin";
            char* environment[] = {path, nullptr};
            ::execve("/usr/bin/env", argv.data(), environment);
            ::_exit(127);
        }
        ::setpgid(pid_, pid_);

        const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return false;
            }
            std::error_code error;
            for (const auto& entry : std::filesystem::directory_iterator(dir_, error)) {
                const std::string name = entry.path().filename().string();
                if (name.rfind("wayland-", 0) == 0 && name.find('.') == std::string::npos) {
                    socket_ = name;
                } else if (name.rfind("sway-ipc.", 0) == 0) {
                    ipcSocket_ = entry.path();
                }
            }
            if (!socket_.empty() && !ipcSocket_.empty()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    // Ends the process group: politely unless `crash`.
    void stop(bool crash = false) {
        if (pid_ > 0) {
            ::kill(-pid_, crash ? SIGKILL : SIGTERM);
            if (!reap(pid_, std::chrono::seconds(5))) {
                ::kill(-pid_, SIGKILL);
                reap(pid_, std::chrono::seconds(5));
            }
            pid_ = -1;
        }
        if (!crash && !dir_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(dir_, ignored);
            dir_.clear();
        }
    }

    // The socket's path is the test's own and `text` a test's literal command.
    bool command(const std::string& text) {
        return !ipcSocket_.empty() &&
               std::system(("swaymsg -s '" + ipcSocket_.string() + "' '" + text + "' >/dev/null")
                               .c_str()) == 0;
    }

    const std::filesystem::path& runtimeDir() const { return dir_; }
    const std::string& socketName() const { return socket_; }
    std::string log() const {
        std::ifstream in(dir_ / "compositor.log");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

  private:
    static constexpr uid_t kNobody = 65534;
    static constexpr auto kStartLimit = std::chrono::seconds(15);

    static std::optional<std::filesystem::path> findProgram(const std::string& name) {
        const char* path = std::getenv("PATH");
        std::stringstream dirs(path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin");
        std::string dir;
        while (std::getline(dirs, dir, ':')) {
            const std::filesystem::path candidate = std::filesystem::path(dir) / name;
            if (::access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        return std::nullopt;
    }

    static bool reap(pid_t pid, std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            const pid_t done = ::waitpid(pid, &status, WNOHANG);
            if (done == pid || (done < 0 && errno == ECHILD)) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    std::filesystem::path dir_;
    std::string socket_;
    std::filesystem::path ipcSocket_;
    pid_t pid_ = -1;
};

}  // namespace solvane::testing
