#include "cli/status_follow.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <QElapsedTimer>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <thread>

#include "core/util/private_files.h"
#include "platform/dbus/bus_names.h"

namespace solvane::cli {
namespace {

constexpr std::int64_t kMinuteMs = 60'000;
constexpr std::int64_t kMinSpacingMs = 1'000;

int gSignalPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char byte = 1;
    // Nothing but write is safe here; a full pipe already holds a wake-up.
    [[maybe_unused]] const auto n = ::write(gSignalPipe[1], &byte, 1);
}

// A pipe or socket whose reader has gone reports an error without our
// writing to it; files and terminals never do.
bool readerGone(int fd) {
    pollfd p{fd, 0, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLERR | POLLHUP)) != 0;
}

class Follower : public QObject {
    Q_OBJECT
  public:
    Follower(FollowSource source, int fd) : source_(std::move(source)), fd_(fd) {
        minute_.setSingleShot(true);
        connect(&minute_, &QTimer::timeout, this, &Follower::refresh);
        pending_.setSingleShot(true);
        connect(&pending_, &QTimer::timeout, this, &Follower::flush);
        // Changes that arrive together (a burst of saves) make one update.
        merge_.setSingleShot(true);
        merge_.setInterval(kMergeMs);
        connect(&merge_, &QTimer::timeout, this, &Follower::refresh);
        watch_.setInterval(1000);
        connect(&watch_, &QTimer::timeout, this, [this] {
            if (readerGone(fd_)) {
                QCoreApplication::exit(0);
            }
        });
        watch_.start();
        // Every program that writes the store announces it, whether or not
        // a widget host is running to hear it.
        QDBusConnection::sessionBus().connect(
            QString(), QString::fromUtf8(bus::kDBusPath), QString::fromUtf8(bus::kDBusInterface),
            QString::fromUtf8(bus::kDBusChangedSignal), this, SLOT(storeChanged()));
    }

    ~Follower() override { stopWeather(); }

    // Cancels a weather request under way and waits for its thread; none is
    // started after this.
    void stopWeather() {
        stopped_ = true;
        stop_.cancel();
        if (worker_.joinable()) {
            worker_.join();
        }
    }

  public slots:
    void refresh() {
        const Instant now = source_.clock();
        latest_ = source_.compose(now, fetched_);
        flush();
        // Just past the next minute of the clock the bar shows.
        const auto ms = static_cast<std::int64_t>(std::floor(now.seconds * 1000.0));
        const std::int64_t intoMinute = ((ms % kMinuteMs) + kMinuteMs) % kMinuteMs;
        minute_.start(static_cast<int>(kMinuteMs - intoMinute + 20));
        // The fetcher reuses a fresh snapshot without the network, so asking
        // each time is cheap; the place may also have changed.
        startWeather();
    }

    void storeChanged() {
        if (!merge_.isActive()) {
            merge_.start();
        }
    }

  private:
    static constexpr int kMergeMs = 50;

    void startWeather() {
        if (!source_.fetchWeather || stopped_ || busy_) {
            return;
        }
        if (worker_.joinable()) {
            worker_.join();  // finished: it cleared busy_ from this thread
        }
        busy_ = true;
        worker_ = std::thread([this, fetch = source_.fetchWeather, stop = stop_] {
            std::optional<WeatherSnapshot> weather = fetch(stop);
            // Queued to this object's thread; stopWeather() joins this thread
            // before the object goes, so `this` is alive here.
            QMetaObject::invokeMethod(
                this, [this, weather = std::move(weather)] { weatherArrived(weather); },
                Qt::QueuedConnection);
        });
    }

    void weatherArrived(const std::optional<WeatherSnapshot>& weather) {
        busy_ = false;
        if (stopped_) {
            return;
        }
        const bool changed = weather != fetched_;
        fetched_ = weather;
        if (changed) {
            latest_ = source_.compose(source_.clock(), fetched_);
            flush();
        }
    }

    void flush() {
        if (latest_ == printed_) {
            return;
        }
        const std::int64_t since = sincePrint_.isValid() ? sincePrint_.elapsed() : kMinSpacingMs;
        if (since < kMinSpacingMs) {
            if (!pending_.isActive()) {
                pending_.start(static_cast<int>(kMinSpacingMs - since));
            }
            return;
        }
        if (!writeAll(fd_, latest_)) {
            QCoreApplication::exit(0);
            return;
        }
        printed_ = latest_;
        sincePrint_.start();
    }

    FollowSource source_;
    int fd_;
    std::string latest_;
    std::string printed_;
    std::optional<WeatherSnapshot> fetched_;
    QElapsedTimer sincePrint_;
    QTimer minute_;
    QTimer pending_;
    QTimer merge_;
    QTimer watch_;
    std::thread worker_;
    net::CancelToken stop_;
    bool busy_ = false;
    bool stopped_ = false;
};

}  // namespace

int followStatus(const FollowSource& source, int fd) {
    // A closed pipe must end the loop through write's EPIPE, not kill us.
    std::signal(SIGPIPE, SIG_IGN);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0) {
        return 1;
    }
    struct sigaction stop {};
    stop.sa_handler = onStopSignal;
    sigemptyset(&stop.sa_mask);
    stop.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &stop, nullptr);
    ::sigaction(SIGINT, &stop, nullptr);
    QSocketNotifier stopped(gSignalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopped, &QSocketNotifier::activated, [] { QCoreApplication::exit(0); });

    Follower follower(source, fd);
    QTimer::singleShot(0, &follower, &Follower::refresh);
    const int status = QCoreApplication::exec();
    follower.stopWeather();
    return status;
}

}  // namespace solvane::cli

#include "status_follow.moc"
