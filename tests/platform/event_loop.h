// One QCoreApplication's event loop, the tests' main's or application()'s.
#pragma once

#include <QCoreApplication>

#include <chrono>
#include <functional>

namespace solvane::testing {

// The one application, made on first use.
inline QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "solvane_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the event loop until `done` or the limit; returns `done()`.
inline bool waitFor(const std::function<bool()>& done,
                    std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

// Runs what is already queued, and what that queues in turn.
inline void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

}  // namespace solvane::testing
