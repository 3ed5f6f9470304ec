// GLib plumbing for EdsSource: GObject references and GErrors that free
// themselves, a thread running a main context of its own, and a deadline
// that cancels a blocking call from that thread.
//
//   Loop loop;                               // EDS objects made in its tasks
//   loop.post([] { e_cal_client_connect(...); });
//   Ref<GCancellable> cancel(g_cancellable_new());
//   CancelAt timer(loop, cancel.get(), deadline);
//   e_cal_client_get_object_list_sync(client, query, &list, cancel.get(), &error);
#pragma once

#include <gio/gio.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace solvane::platform::eds {

using Clock = std::chrono::steady_clock;

// GObject references as unique_ptr: Ref<T>(p) adopts a reference,
// shared(p) takes a new one.
struct Unref {
    void operator()(gpointer object) const {
        if (object != nullptr) {
            g_object_unref(object);
        }
    }
};
template <class T>
using Ref = std::unique_ptr<T, Unref>;

template <class T>
Ref<T> shared(T* object) {
    if (object != nullptr) {
        g_object_ref(object);
    }
    return Ref<T>(object);
}

struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
using Error = std::unique_ptr<GError, ErrorFree>;

// A string GLib hands over, as a std::string ("" for none).
inline std::string owned(gchar* text) {
    std::string out = text != nullptr ? text : "";
    g_free(text);
    return out;
}

// A thread running a GLib main context of its own. EDS objects made on it
// deliver their signals to it, whichever thread asked for them and whether
// or not the program runs an event loop.
class Loop {
  public:
    Loop();
    // Stops the thread once what was posted before has run, waiting for it
    // at most kStopGrace; a thread stuck in a call that cannot be cancelled
    // is left to end by itself.
    ~Loop();
    Loop(const Loop&) = delete;
    Loop& operator=(const Loop&) = delete;

    static constexpr std::chrono::milliseconds kStopGrace{2000};

    GMainContext* context() const;
    // Runs `task` on the loop's thread, after what was posted before it.
    void post(std::function<void()> task) const;

  private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

// Cancels a GCancellable at a deadline, from the loop's thread.
class CancelAt {
  public:
    CancelAt(const Loop& loop, GCancellable* cancellable, Clock::time_point deadline);
    ~CancelAt();
    CancelAt(const CancelAt&) = delete;
    CancelAt& operator=(const CancelAt&) = delete;

  private:
    GSource* source_ = nullptr;
};

}  // namespace solvane::platform::eds
