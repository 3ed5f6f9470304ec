#include "platform/calendar/eds_glib.h"

#include <algorithm>

namespace solvane::platform::eds {

struct Loop::Shared {
    Shared() : context(g_main_context_new()), loop(g_main_loop_new(context, FALSE)) {}
    ~Shared() {
        g_main_loop_unref(loop);
        g_main_context_unref(context);
    }
    GMainContext* context;
    GMainLoop* loop;
    std::mutex mutex;
    std::condition_variable ended;
    bool finished = false;
};

Loop::Loop() : shared_(std::make_shared<Shared>()) {
    thread_ = std::thread([s = shared_] {
        g_main_context_push_thread_default(s->context);
        g_main_loop_run(s->loop);
        g_main_context_pop_thread_default(s->context);
        std::lock_guard lock(s->mutex);
        s->finished = true;
        s->ended.notify_all();
    });
}

Loop::~Loop() {
    // Quitting from inside the loop, so a loop not yet running still quits.
    post([loop = shared_->loop] { g_main_loop_quit(loop); });
    std::unique_lock lock(shared_->mutex);
    const bool finished =
        shared_->ended.wait_for(lock, kStopGrace, [&] { return shared_->finished; });
    lock.unlock();
    if (finished) {
        thread_.join();
    } else {
        thread_.detach();
    }
}

GMainContext* Loop::context() const {
    return shared_->context;
}

void Loop::post(std::function<void()> task) const {
    GSource* source = g_idle_source_new();
    g_source_set_priority(source, G_PRIORITY_DEFAULT);
    g_source_set_callback(
        source,
        [](gpointer t) -> gboolean {
            try {
                (*static_cast<std::function<void()>*>(t))();
            } catch (...) {
            }
            return G_SOURCE_REMOVE;
        },
        new std::function<void()>(std::move(task)),
        [](gpointer t) { delete static_cast<std::function<void()>*>(t); });
    g_source_attach(source, shared_->context);
    g_source_unref(source);
}

CancelAt::CancelAt(const Loop& loop, GCancellable* cancellable, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
        g_cancellable_cancel(cancellable);
        return;
    }
    source_ = g_timeout_source_new(static_cast<guint>(std::min<long long>(left, G_MAXINT)));
    g_source_set_callback(
        source_,
        [](gpointer c) -> gboolean {
            g_cancellable_cancel(static_cast<GCancellable*>(c));
            return G_SOURCE_REMOVE;
        },
        g_object_ref(cancellable), g_object_unref);
    g_source_attach(source_, loop.context());
}

CancelAt::~CancelAt() {
    if (source_ != nullptr) {
        g_source_destroy(source_);
        g_source_unref(source_);
    }
}

}  // namespace solvane::platform::eds
