#include "host/x11_desktop.h"

#include <xcb/shape.h>
#include <xcb/xcb.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace solvane::host::x11 {

namespace {

constexpr std::uint32_t kAllDesktops = 0xFFFFFFFF;
constexpr std::uint32_t kStateAdd = 1;
constexpr std::uint32_t kSourceApplication = 1;
constexpr std::uint32_t kSourcePager = 2;
// Wallpapers are read a patch at a time; a widget is never larger.
constexpr int kLargestSample = 1024;
// A window manager changes the stacking list several times for one user
// action; the widgets are looked at once it has settled.
constexpr int kStackingSettleMs = 20;
// At most this many rounds of raises in this span.
constexpr std::size_t kMostRaises = 8;
constexpr qint64 kRaiseSpanMs = 4000;
// Longer stacking lists than this are not read whole.
constexpr std::uint32_t kLongestList = 4096;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* connection() {
    if (!active()) {
        return nullptr;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* c) {
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    return screens.rem > 0 ? screens.data->root : XCB_NONE;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    // Atoms never change for the life of a connection; the host has one.
    static std::map<std::string, xcb_atom_t> known;
    if (const auto it = known.find(name); it != known.end()) {
        return it->second;
    }
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    if (value != XCB_ATOM_NONE) {
        known[name] = value;
    }
    return value;
}

xcb_window_t windowOf(QWindow* window) {
    return window != nullptr ? static_cast<xcb_window_t>(window->winId()) : XCB_NONE;
}

std::vector<xcb_atom_t> widgetStates(xcb_connection_t* c) {
    return {atom(c, "_NET_WM_STATE_BELOW"), atom(c, "_NET_WM_STATE_STICKY"),
            atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), atom(c, "_NET_WM_STATE_SKIP_PAGER")};
}

void sendToRoot(xcb_connection_t* c, xcb_window_t window, xcb_atom_t type,
                std::array<std::uint32_t, 5> data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(c, 0, rootWindow(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
}

std::optional<std::uint32_t> cardinalProperty(xcb_connection_t* c, xcb_window_t window,
                                              xcb_atom_t property, xcb_atom_t type) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
        return std::nullopt;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

std::vector<std::uint32_t> windowList(xcb_connection_t* c, xcb_window_t window,
                                      xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_ATOM_WINDOW, 0, kLongestList), nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// Whether this connection made `window`: every id it makes shares its base.
bool ownWindow(xcb_connection_t* c, std::uint32_t window) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    return (window & ~setup->resource_id_mask) == setup->resource_id_base;
}

// The windows of the stacking list whose type is the desktop's, bottom first,
// their types asked for all at once.
std::vector<std::uint32_t> desktopTyped(xcb_connection_t* c,
                                        const std::vector<std::uint32_t>& windows) {
    const xcb_atom_t typeAtom = atom(c, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t desktopType = atom(c, "_NET_WM_WINDOW_TYPE_DESKTOP");
    std::vector<xcb_get_property_cookie_t> asked;
    asked.reserve(windows.size());
    for (const std::uint32_t window : windows) {
        asked.push_back(xcb_get_property(c, 0, window, typeAtom, XCB_ATOM_ATOM, 0, 16));
    }
    std::vector<std::uint32_t> desktops;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, asked[i], nullptr));
        if (!reply || reply->format != 32) {
            continue;
        }
        const auto* types = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / 4;
        if (std::find(types, types + count, desktopType) != types + count) {
            desktops.push_back(windows[i]);
        }
    }
    return desktops;
}

}  // namespace

bool active() {
    return qGuiApp != nullptr && QGuiApplication::platformName() == QLatin1String("xcb");
}

bool serverAnswers() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return false;
    }
    xcb_connection_t* c = xcb_connect(display, nullptr);
    const bool answers = xcb_connection_has_error(c) == 0;
    xcb_disconnect(c);
    return answers;
}

void setDesktopWidgetHints(QWindow* window) {
    xcb_connection_t* c = connection();
    const xcb_window_t w = windowOf(window);
    if (c == nullptr || w == XCB_NONE) {
        return;
    }
    const std::vector<xcb_atom_t> states = widgetStates(c);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(states.size()), states.data());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(c, "_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL,
                        32, 1, &kAllDesktops);
    // Show Desktop (openbox, mutter, KWin, xfwm4) hides every window but the
    // desktop's own and the panels; a widget is part of the desktop. The
    // type is read once, when the window is first mapped.
    const xcb_atom_t desktopType = atom(c, "_NET_WM_WINDOW_TYPE_DESKTOP");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM,
                        32, 1, &desktopType);
    xcb_flush(c);
}

void requestDesktopWidgetState(QWindow* window) {
    xcb_connection_t* c = connection();
    const xcb_window_t w = windowOf(window);
    if (c == nullptr || w == XCB_NONE) {
        return;
    }
    const std::vector<xcb_atom_t> states = widgetStates(c);
    const xcb_atom_t wmState = atom(c, "_NET_WM_STATE");
    // Two states fit in one request.
    for (std::size_t i = 0; i + 1 < states.size(); i += 2) {
        sendToRoot(c, w, wmState, {kStateAdd, states[i], states[i + 1], kSourceApplication, 0});
    }
    sendToRoot(c, w, atom(c, "_NET_WM_DESKTOP"), {kAllDesktops, kSourceApplication, 0, 0, 0});
    xcb_flush(c);
}

namespace {

bool selectionOwned(xcb_connection_t* c, const char* selection) {
    const Reply<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom(c, selection)), nullptr));
    return reply && reply->owner != XCB_NONE;
}

}  // namespace

bool compositing() {
    xcb_connection_t* c = connection();
    // Not X: a Wayland compositor composites by definition.
    return c == nullptr || selectionOwned(c, "_NET_WM_CM_S0");
}

bool trayManagerPresent() {
    xcb_connection_t* c = connection();
    return c != nullptr && selectionOwned(c, "_NET_SYSTEM_TRAY_S0");
}

namespace {

// The average colour of `area` of a drawable of `size`, read a patch at a time.
std::optional<QColor> averageColour(xcb_connection_t* c, xcb_drawable_t drawable, QRect area,
                                    QSize size) {
    const QRect sample = area.intersected(QRect(QPoint(), size));
    if (sample.isEmpty()) {
        return std::nullopt;
    }
    const int width = std::min(sample.width(), kLargestSample);
    const int height = std::min(sample.height(), kLargestSample);
    const Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, static_cast<std::int16_t>(sample.x()),
                      static_cast<std::int16_t>(sample.y()), static_cast<std::uint16_t>(width),
                      static_cast<std::uint16_t>(height), ~0u),
        nullptr));
    if (!image) {
        return std::nullopt;
    }
    // 24- and 32-bit depths both come as four bytes a pixel, blue first.
    const int length = xcb_get_image_data_length(image.get());
    const std::uint8_t* data = xcb_get_image_data(image.get());
    const long pixels = length / 4;
    if (pixels <= 0) {
        return std::nullopt;
    }
    std::uint64_t r = 0, g = 0, b = 0;
    for (long i = 0; i < pixels; ++i) {
        b += data[i * 4];
        g += data[i * 4 + 1];
        r += data[i * 4 + 2];
    }
    return QColor(static_cast<int>(r / static_cast<std::uint64_t>(pixels)),
                  static_cast<int>(g / static_cast<std::uint64_t>(pixels)),
                  static_cast<int>(b / static_cast<std::uint64_t>(pixels)));
}

std::optional<QColor> rootPixmapColour(xcb_connection_t* c, const QRect& rect) {
    std::optional<std::uint32_t> pixmap;
    for (const char* name : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"}) {
        pixmap = cardinalProperty(c, rootWindow(c), atom(c, name), XCB_ATOM_PIXMAP);
        if (pixmap && *pixmap != XCB_NONE) {
            break;
        }
    }
    if (!pixmap || *pixmap == XCB_NONE) {
        return std::nullopt;
    }
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, *pixmap), nullptr));
    if (!geometry || geometry->depth < 24) {
        return std::nullopt;
    }
    return averageColour(c, *pixmap, rect, QSize(geometry->width, geometry->height));
}

// A desktop shell draws its wallpaper into a window of the desktop type
// instead. Under a compositing manager every window keeps its whole picture,
// so the part a widget covers can be read back.
std::optional<QColor> desktopWindowColour(xcb_connection_t* c, const QRect& rect) {
    const xcb_window_t root = rootWindow(c);
    std::vector<std::uint32_t> desktops =
        desktopTyped(c, windowList(c, root, atom(c, "_NET_CLIENT_LIST_STACKING")));
    for (auto it = desktops.rbegin(); it != desktops.rend(); ++it) {
        if (ownWindow(c, *it)) {
            continue;
        }
        const Reply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(c, xcb_get_geometry(c, *it), nullptr));
        const Reply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, *it, root, 0, 0), nullptr));
        if (!geometry || !origin || geometry->depth < 24) {
            continue;
        }
        const QRect area(QPoint(origin->dst_x, origin->dst_y),
                         QSize(geometry->width, geometry->height));
        if (area.contains(rect)) {
            return averageColour(c, *it, rect.translated(-area.topLeft()), area.size());
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<QColor> desktopColour(const QRect& rect) {
    xcb_connection_t* c = connection();
    if (c == nullptr || rect.isEmpty()) {
        return std::nullopt;
    }
    if (auto colour = rootPixmapColour(c, rect)) {
        return colour;
    }
    return selectionOwned(c, "_NET_WM_CM_S0") ? desktopWindowColour(c, rect) : std::nullopt;
}

QString windowManagerName() {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return {};
    }
    const auto check =
        cardinalProperty(c, rootWindow(c), atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (!check || *check == XCB_NONE) {
        return {};
    }
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, *check, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 0, 64),
        nullptr));
    if (!reply || reply->format != 8) {
        return {};
    }
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
}

void setShape(QWindow* window, const std::vector<QRect>& region) {
    xcb_connection_t* c = connection();
    const xcb_window_t w = windowOf(window);
    if (c == nullptr || w == XCB_NONE) {
        return;
    }
    const Reply<xcb_shape_query_version_reply_t> shape(
        xcb_shape_query_version_reply(c, xcb_shape_query_version(c), nullptr));
    if (!shape) {
        return;
    }
    if (region.empty()) {
        xcb_shape_mask(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, w, 0, 0, XCB_NONE);
    } else {
        std::vector<xcb_rectangle_t> rects;
        rects.reserve(region.size());
        for (const QRect& r : region) {
            rects.push_back({static_cast<std::int16_t>(r.x()), static_cast<std::int16_t>(r.y()),
                             static_cast<std::uint16_t>(r.width()),
                             static_cast<std::uint16_t>(r.height())});
        }
        xcb_shape_rectangles(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING,
                             XCB_CLIP_ORDERING_YX_BANDED, w, 0, 0,
                             static_cast<std::uint32_t>(rects.size()), rects.data());
    }
    xcb_flush(c);
}

void activate(QWindow* window) {
    xcb_connection_t* c = connection();
    const xcb_window_t w = windowOf(window);
    if (c == nullptr || w == XCB_NONE) {
        return;
    }
    sendToRoot(c, w, atom(c, "_NET_ACTIVE_WINDOW"), {kSourcePager, XCB_CURRENT_TIME, 0, 0, 0});
    xcb_flush(c);
}

std::vector<std::uint32_t> buriedWindows(const std::vector<std::uint32_t>& stacking,
                                         const std::set<std::uint32_t>& ours,
                                         const std::set<std::uint32_t>& otherDesktops) {
    const auto top = std::find_if(stacking.rbegin(), stacking.rend(),
                                  [&](std::uint32_t w) { return otherDesktops.contains(w); });
    std::vector<std::uint32_t> buried;
    if (top != stacking.rend()) {
        std::copy_if(stacking.begin(), std::prev(top.base()), std::back_inserter(buried),
                     [&](std::uint32_t w) { return ours.contains(w); });
    }
    return buried;
}

DesktopStacking::DesktopStacking() {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return;
    }
    root_ = rootWindow(c);
    stackingAtom_ = atom(c, "_NET_CLIENT_LIST_STACKING");
    // Qt listens to the root's properties for its own needs; asked for here
    // as well, added to whatever this connection already listens to.
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root_), nullptr));
    const std::uint32_t mask =
        (attributes ? attributes->your_event_mask : 0u) | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    soon_.setSingleShot(true);
    QObject::connect(&soon_, &QTimer::timeout, &soon_, [this] { restack(); });
    clock_.start();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DesktopStacking::~DesktopStacking() = default;

bool DesktopStacking::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (root_ == XCB_NONE || message == nullptr || eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
        const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
        if (change->window == root_ && change->atom == stackingAtom_ && !soon_.isActive()) {
            soon_.start(kStackingSettleMs);
        }
    }
    return false;
}

void DesktopStacking::restack() {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return;
    }
    const std::vector<std::uint32_t> stacking = windowList(c, root_, stackingAtom_);
    // Only the windows above the lowest widget can cover one. The host's
    // only windows of the desktop type are its widgets.
    const auto lowest = std::find_if(stacking.begin(), stacking.end(),
                                     [&](std::uint32_t w) { return ownWindow(c, w); });
    std::set<std::uint32_t> ours;
    std::set<std::uint32_t> otherDesktops;
    for (const std::uint32_t w : desktopTyped(c, {lowest, stacking.end()})) {
        (ownWindow(c, w) ? ours : otherDesktops).insert(w);
    }
    const std::vector<std::uint32_t> buried = buriedWindows(stacking, ours, otherDesktops);
    if (buried.empty()) {
        return;
    }
    const qint64 now = clock_.elapsed();
    while (!recentRaises_.empty() && now - recentRaises_.front() >= kRaiseSpanMs) {
        recentRaises_.pop_front();
    }
    if (recentRaises_.size() >= kMostRaises) {
        soon_.start(static_cast<int>(recentRaises_.front() + kRaiseSpanMs - now));
        return;
    }
    recentRaises_.push_back(now);
    // Bottom first, so the widgets keep their order among themselves.
    const xcb_atom_t restackAtom = atom(c, "_NET_RESTACK_WINDOW");
    for (const std::uint32_t window : buried) {
        sendToRoot(c, window, restackAtom, {kSourcePager, XCB_NONE, XCB_STACK_MODE_ABOVE, 0, 0});
    }
    xcb_flush(c);
}

std::vector<QRect> roundedRectRows(QSize size, int radius) {
    std::vector<QRect> rows;
    if (size.isEmpty()) {
        return rows;
    }
    const int r = std::clamp(radius, 0, std::min(size.width(), size.height()) / 2);
    // The inset of the row whose centre lies `dy` pixels inside the corner
    // circle's centre line.
    const auto inset = [r](int y) {
        const double dy = r - (y + 0.5);
        return r - static_cast<int>(std::floor(std::sqrt(std::max(0.0, double(r) * r - dy * dy))));
    };
    for (int y = 0; y < r; ++y) {
        const int x = inset(y);
        rows.emplace_back(x, y, size.width() - 2 * x, 1);
    }
    if (size.height() > 2 * r) {
        rows.emplace_back(0, r, size.width(), size.height() - 2 * r);
    }
    for (int y = r - 1; y >= 0; --y) {
        const int x = inset(y);
        rows.emplace_back(x, size.height() - 1 - y, size.width() - 2 * x, 1);
    }
    return rows;
}

std::unique_ptr<WorkAreaWatch> WorkAreaWatch::open(std::function<void()> changed) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return nullptr;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c) != 0) {
        xcb_disconnect(c);
        return nullptr;
    }
    std::unique_ptr<WorkAreaWatch> watch(new WorkAreaWatch);
    watch->connection_ = c;
    watch->root_ = rootWindow(c);
    static constexpr char kName[] = "_NET_WORKAREA";
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof kName - 1, kName), nullptr));
    watch->workAreaAtom_ = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    // This connection's own interest in the root: other clients' masks stay.
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, watch->root_, XCB_CW_EVENT_MASK, &mask);
    watch->read();
    watch->changed_ = std::move(changed);
    watch->notifier_ =
        std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(c), QSocketNotifier::Read);
    QObject::connect(watch->notifier_.get(), &QSocketNotifier::activated,
                     [w = watch.get()] { w->readable(); });
    return watch;
}

WorkAreaWatch::~WorkAreaWatch() {
    notifier_.reset();
    xcb_disconnect(connection_);
}

void WorkAreaWatch::read() {
    xcb_connection_t* c = connection_;
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, root_), nullptr));
    screenSize_ = geometry ? QSize(geometry->width, geometry->height) : QSize();
    // The first desktop's: KWin gives every desktop the same.
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root_, workAreaAtom_, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    workArea_.reset();
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 16) {
        const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
        const QRect area(static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                         static_cast<int>(v[3]));
        if (area.isValid() && QRect(QPoint(), screenSize_).contains(area)) {
            workArea_ = area;
        }
    }
}

void WorkAreaWatch::readable() {
    bool relevant = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const auto type = event->response_type & 0x7f;
        if (type == XCB_PROPERTY_NOTIFY) {
            relevant |=
                reinterpret_cast<xcb_property_notify_event_t*>(event)->atom == workAreaAtom_;
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            relevant = true;
        }
        std::free(event);
    }
    if (xcb_connection_has_error(connection_) != 0) {
        // The server went (KWin stops its XWayland when it is not needed):
        // panels' room is no longer known, which is no reason to stop.
        notifier_->setEnabled(false);
        relevant = workArea_.has_value();
        workArea_.reset();
    } else if (relevant) {
        read();
    }
    if (relevant && changed_) {
        changed_();
    }
}

}  // namespace solvane::host::x11
