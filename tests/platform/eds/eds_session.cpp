#include "platform/eds/eds_session.h"

#include <libecal/libecal.h>
#include <libedataserver/libedataserver.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>

namespace solvane::testing {

namespace {

namespace fs = std::filesystem;

constexpr const char* kInsideMarker = "SOLVANE_EDS_PRIVATE_SESSION";

// Whether `file` is in a folder of the colon-separated list in the variable
// `name`, or in `fallback` when it is unset or empty.
bool inSomeFolder(const char* name, const char* fallback, const fs::path& file) {
    const char* env = std::getenv(name);
    std::stringstream dirs(env != nullptr && *env != '\0' ? env : fallback);
    std::error_code ec;
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (!dir.empty() && fs::exists(dir / file, ec)) {
            return true;
        }
    }
    return false;
}

std::string messageOf(GError* error) {
    std::string text = error != nullptr ? error->message : "unknown error";
    g_clear_error(&error);
    return text;
}

// libical's own zones that the event names, so the backend can read it.
bool addBuiltinZones(ECalClient* client, ICalComponent* event, std::string& error) {
    std::set<std::string> ids;
    auto* native = static_cast<icalcomponent*>(i_cal_object_get_native(I_CAL_OBJECT(event)));
    for (icalproperty* p = icalcomponent_get_first_property(native, ICAL_ANY_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(native, ICAL_ANY_PROPERTY)) {
        if (icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER)) {
            ids.emplace(icalparameter_get_tzid(tzid));
        }
    }
    for (const auto& id : ids) {
        ICalTimezone* zone = i_cal_timezone_get_builtin_timezone_from_tzid(id.c_str());
        if (zone == nullptr) {
            continue;
        }
        GError* raw = nullptr;
        if (!e_cal_client_add_timezone_sync(client, zone, nullptr, &raw)) {
            error = "adding zone " + id + ": " + messageOf(raw);
            return false;
        }
    }
    return true;
}

// A new calendar source under `parent` for `backend`, set up by `configure`
// and committed; its UID, or nothing with `error`.
std::optional<std::string> commitSource(ESourceRegistry* registry, const std::string& title,
                                        const char* parent, const char* backend,
                                        const std::function<void(ESource*)>& configure,
                                        std::string& error) {
    GError* raw = nullptr;
    ESource* scratch = e_source_new(nullptr, nullptr, &raw);
    if (scratch == nullptr) {
        error = "new source: " + messageOf(raw);
        return std::nullopt;
    }
    e_source_set_display_name(scratch, title.c_str());
    e_source_set_parent(scratch, parent);
    auto* calendar = e_source_get_extension(scratch, E_SOURCE_EXTENSION_CALENDAR);
    e_source_backend_set_backend_name(E_SOURCE_BACKEND(calendar), backend);
    configure(scratch);
    const std::string uid = e_source_get_uid(scratch);
    const bool committed = e_source_registry_commit_source_sync(registry, scratch, nullptr, &raw);
    g_object_unref(scratch);
    if (!committed) {
        error = "commit source: " + messageOf(raw);
        return std::nullopt;
    }
    return uid;
}

}  // namespace

std::optional<std::string> edsUnavailable() {
    for (const char* service :
         {"org.gnome.evolution.dataserver.Sources5", "org.gnome.evolution.dataserver.Calendar8"}) {
        if (!inSomeFolder("XDG_DATA_DIRS", "/usr/local/share:/usr/share",
                          fs::path("dbus-1/services") / (std::string(service) + ".service"))) {
            return std::string("Evolution Data Server is not installed (no D-Bus service ") +
                   service + "; Debian: evolution-data-server)";
        }
    }
    if (!inSomeFolder("PATH", "/usr/bin:/bin", "dbus-run-session")) {
        return std::string("dbus-run-session is not installed (Debian: dbus-daemon)");
    }
    return std::nullopt;
}

bool spinUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        g_main_context_iteration(nullptr, FALSE);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::optional<int> runInPrivateSession(int argc, char** argv) {
    if (std::getenv(kInsideMarker) != nullptr || edsUnavailable()) {
        return std::nullopt;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) {
            return std::nullopt;
        }
    }
    std::string pattern = (fs::temp_directory_path() / "solvane-eds-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return 1;
    }
    const fs::path root = pattern;
    const std::pair<const char*, const char*> folders[] = {
        {"HOME", "home"},
        {"XDG_CONFIG_HOME", "config"},
        {"XDG_DATA_HOME", "data"},
        {"XDG_CACHE_HOME", "cache"},
        {"XDG_RUNTIME_DIR", "runtime"},
    };
    for (const auto& [name, folder] : folders) {
        std::error_code ec;
        fs::create_directories(root / folder, ec);
    }
    ::chmod((root / "runtime").c_str(), 0700);

    // Forked before this process has started any thread, so the child may
    // do anything before it replaces itself.
    const pid_t child = ::fork();
    if (child == 0) {
        for (const auto& [name, folder] : folders) {
            ::setenv(name, (root / folder).c_str(), 1);
        }
        ::setenv("GSETTINGS_BACKEND", "memory", 1);
        ::setenv(kInsideMarker, "1", 1);
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        std::string self = fs::read_symlink("/proc/self/exe").string();
        char run[] = "dbus-run-session", dashes[] = "--";
        std::vector<char*> args = {run, dashes, self.data()};
        args.insert(args.end(), argv + 1, argv + argc);
        args.push_back(nullptr);
        ::execvp("dbus-run-session", args.data());
        ::_exit(127);
    }
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // The services leave when their bus does, and may still be writing.
    std::error_code ec;
    for (int tries = 0; tries < 10 && (fs::remove_all(root, ec), fs::exists(root)); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    if (child < 0) {
        return 1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// --- Writing ------------------------------------------------------------------

struct EdsWriter::Impl {
    ESourceRegistry* registry = nullptr;
    ~Impl() { g_clear_object(&registry); }
};

struct EdsCalendar::Impl {
    ESourceRegistry* registry = nullptr;
    ESource* source = nullptr;
    ECalClient* client = nullptr;
    ~Impl() {
        if (source != nullptr) {
            e_source_remove_sync(source, nullptr, nullptr);
        }
        g_clear_object(&source);
        g_clear_object(&client);
        g_clear_object(&registry);
    }
};

EdsWriter::EdsWriter(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
EdsWriter::~EdsWriter() = default;

std::unique_ptr<EdsWriter> EdsWriter::open(std::string& error) {
    GError* raw = nullptr;
    auto impl = std::make_unique<Impl>();
    impl->registry = e_source_registry_new_sync(nullptr, &raw);
    if (impl->registry == nullptr) {
        error = "source registry: " + messageOf(raw);
        return nullptr;
    }
    return std::unique_ptr<EdsWriter>(new EdsWriter(std::move(impl)));
}

std::unique_ptr<EdsCalendar> EdsWriter::addCalendar(const std::string& title,
                                                    const std::string& color, std::string& error) {
    const auto uid = commitSource(
        impl_->registry, title, "local-stub", "local",
        [&](ESource* source) {
            e_source_selectable_set_color(
                E_SOURCE_SELECTABLE(e_source_get_extension(source, E_SOURCE_EXTENSION_CALENDAR)),
                color.c_str());
        },
        error);
    if (!uid) {
        return nullptr;
    }
    auto calendar = std::make_unique<EdsCalendar::Impl>();
    calendar->registry = E_SOURCE_REGISTRY(g_object_ref(impl_->registry));
    calendar->source = e_source_registry_ref_source(impl_->registry, uid->c_str());
    if (calendar->source == nullptr) {
        error = "the registry does not list the new source";
        return nullptr;
    }
    GError* raw = nullptr;
    EClient* client = e_cal_client_connect_sync(calendar->source, E_CAL_CLIENT_SOURCE_TYPE_EVENTS,
                                                static_cast<guint32>(-1), nullptr, &raw);
    if (client == nullptr) {
        error = "connect: " + messageOf(raw);
        return nullptr;
    }
    calendar->client = E_CAL_CLIENT(client);
    std::unique_ptr<EdsCalendar> out(new EdsCalendar(std::move(calendar)));
    out->uid_ = *uid;
    return out;
}

std::optional<std::string> EdsWriter::addRemoteCalendar(const std::string& title,
                                                        const std::string& url,
                                                        std::string& error) {
    return commitSource(
        impl_->registry, title, "caldav-stub", "caldav",
        [&](ESource* source) {
            if (GUri* uri = g_uri_parse(url.c_str(), G_URI_FLAGS_NONE, nullptr)) {
                e_source_webdav_set_uri(E_SOURCE_WEBDAV(e_source_get_extension(
                                            source, E_SOURCE_EXTENSION_WEBDAV_BACKEND)),
                                        uri);
                g_uri_unref(uri);
            }
            e_source_authentication_set_host(E_SOURCE_AUTHENTICATION(e_source_get_extension(
                                                 source, E_SOURCE_EXTENSION_AUTHENTICATION)),
                                             "127.0.0.1");
        },
        error);
}

EdsCalendar::EdsCalendar(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
EdsCalendar::~EdsCalendar() = default;

bool EdsCalendar::addAll(const std::vector<std::string>& vevents) {
    GSList* components = nullptr;
    bool ok = true;
    for (const auto& text : vevents) {
        ICalComponent* component = i_cal_component_new_from_string(text.c_str());
        if (component == nullptr) {
            error_ = "not a VEVENT: " + text;
            ok = false;
            break;
        }
        components = g_slist_prepend(components, component);
        if (!addBuiltinZones(impl_->client, component, error_)) {
            ok = false;
            break;
        }
    }
    components = g_slist_reverse(components);
    GError* raw = nullptr;
    if (ok && !e_cal_client_create_objects_sync(
                  impl_->client, components, E_CAL_OPERATION_FLAG_NONE, nullptr, nullptr, &raw)) {
        error_ = "create: " + messageOf(raw);
        ok = false;
    }
    g_slist_free_full(components, g_object_unref);
    return ok;
}

bool EdsCalendar::modify(std::string_view vevent) {
    ICalComponent* component = i_cal_component_new_from_string(std::string(vevent).c_str());
    if (component == nullptr) {
        error_ = "not a VEVENT";
        return false;
    }
    const bool instance = e_cal_util_component_has_property(component, I_CAL_RECURRENCEID_PROPERTY);
    GError* raw = nullptr;
    const bool ok = addBuiltinZones(impl_->client, component, error_) &&
                    e_cal_client_modify_object_sync(
                        impl_->client, component, instance ? E_CAL_OBJ_MOD_THIS : E_CAL_OBJ_MOD_ALL,
                        E_CAL_OPERATION_FLAG_NONE, nullptr, &raw);
    if (raw != nullptr) {
        error_ = "modify: " + messageOf(raw);
    }
    g_object_unref(component);
    return ok;
}

bool EdsCalendar::remove(const std::string& eventUid) {
    GError* raw = nullptr;
    if (!e_cal_client_remove_object_sync(impl_->client, eventUid.c_str(), nullptr,
                                         E_CAL_OBJ_MOD_ALL, E_CAL_OPERATION_FLAG_NONE, nullptr,
                                         &raw)) {
        error_ = "remove: " + messageOf(raw);
        return false;
    }
    return true;
}

bool EdsCalendar::setEnabled(bool enabled) {
    e_source_set_enabled(impl_->source, enabled);
    return writeSource();
}

bool EdsCalendar::setColor(const std::string& color) {
    auto* extension = e_source_get_extension(impl_->source, E_SOURCE_EXTENSION_CALENDAR);
    e_source_selectable_set_color(E_SOURCE_SELECTABLE(extension), color.c_str());
    return writeSource();
}

bool EdsCalendar::writeSource() {
    GError* raw = nullptr;
    if (!e_source_write_sync(impl_->source, nullptr, &raw)) {
        error_ = "write source: " + messageOf(raw);
        return false;
    }
    return true;
}

}  // namespace solvane::testing
