#include "app/appearance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QStyleFactory>

#include <algorithm>
#include <cctype>
#include <string>

namespace solvane::app {

namespace {

constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kPortalSettings = "org.freedesktop.portal.Settings";
constexpr const char* kAppearanceGroup = "org.freedesktop.appearance";
constexpr const char* kColorSchemeKey = "color-scheme";

// The portal wraps the value once more in Read's reply; peel every layer.
std::optional<unsigned> portalNumber(QVariant value) {
    for (int depth = 0; depth < 4 && value.canConvert<QDBusVariant>(); ++depth) {
        value = value.value<QDBusVariant>().variant();
    }
    bool ok = false;
    const unsigned number = value.toUInt(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

std::optional<ColorScheme> forcedScheme() {
    const QByteArray forced = qgetenv("SOLVANE_APPEARANCE").trimmed().toLower();
    if (forced == "dark") {
        return ColorScheme::dark;
    }
    if (forced == "light") {
        return ColorScheme::light;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ColorScheme> schemeFromPortalValue(unsigned value) {
    switch (value) {
        case 1:
            return ColorScheme::dark;
        case 2:
            return ColorScheme::light;
        default:
            return std::nullopt;
    }
}

std::optional<ColorScheme> schemeFromGtkTheme(std::string_view theme) {
    std::string lower(theme);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.empty()) {
        return std::nullopt;
    }
    constexpr std::string_view kDark = "dark";
    if (lower.size() >= kDark.size() &&
        lower.compare(lower.size() - kDark.size(), kDark.size(), kDark) == 0) {
        return ColorScheme::dark;
    }
    return std::nullopt;
}

QPalette windowPalette(ColorScheme scheme) {
    QPalette p;
    const bool dark = scheme == ColorScheme::dark;
    const QColor window = dark ? QColor(30, 30, 32) : QColor(246, 245, 242);
    const QColor base = dark ? QColor(40, 40, 43) : QColor(255, 255, 255);
    const QColor alternate = dark ? QColor(46, 46, 50) : QColor(241, 240, 236);
    const QColor text = dark ? QColor(236, 235, 232) : QColor(28, 28, 30);
    const QColor button = dark ? QColor(52, 52, 56) : QColor(252, 252, 250);
    // The board's amber, deep enough for white text in light and bright
    // enough to read on the dark window.
    const QColor accent = dark ? QColor(240, 178, 90) : QColor(176, 98, 14);
    const QColor onAccent = dark ? QColor(28, 22, 12) : QColor(255, 255, 255);

    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, alternate);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, dark ? QColor(255, 255, 255) : QColor(0, 0, 0));
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, onAccent);
    p.setColor(QPalette::Link, dark ? QColor(120, 176, 255) : QColor(0, 102, 204));
    p.setColor(QPalette::LinkVisited, dark ? QColor(170, 140, 255) : QColor(110, 60, 180));
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dark ? QColor(140, 140, 146) : QColor(130, 130, 134));
    p.setColor(QPalette::Light, dark ? QColor(70, 70, 75) : QColor(255, 255, 255));
    p.setColor(QPalette::Midlight, dark ? QColor(60, 60, 64) : QColor(230, 229, 225));
    p.setColor(QPalette::Mid, dark ? QColor(44, 44, 48) : QColor(200, 199, 195));
    p.setColor(QPalette::Dark, dark ? QColor(20, 20, 22) : QColor(160, 159, 155));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0));

    const QColor disabled = dark ? QColor(110, 110, 116) : QColor(160, 160, 164);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, disabled);
    }
    p.setColor(QPalette::Disabled, QPalette::Highlight,
               dark ? QColor(80, 80, 86) : QColor(200, 200, 204));
    return p;
}

Appearance::Appearance(QObject* parent) : QObject(parent) {
    if (const auto forced = forcedScheme()) {
        scheme_ = *forced;
        forced_ = true;
        return;
    }
    if (const auto gtk = schemeFromGtkTheme(qgetenv("GTK_THEME").toStdString())) {
        scheme_ = *gtk;
    } else {
        scheme_ = QApplication::palette().color(QPalette::Window).lightness() < 128
                      ? ColorScheme::dark
                      : ColorScheme::light;
    }
}

void Appearance::apply() {
    if (!applied_) {
        applied_ = true;
        if (QStyle* fusion = QStyleFactory::create("Fusion")) {
            QApplication::setStyle(fusion);
        }
        if (!forced_) {
            askPortal();
        }
    }
    QApplication::setPalette(windowPalette(scheme_));
}

void Appearance::setScheme(ColorScheme scheme) {
    if (scheme == scheme_) {
        return;
    }
    scheme_ = scheme;
    if (applied_) {
        QApplication::setPalette(windowPalette(scheme_));
    }
    emit changed(scheme_);
}

void Appearance::askPortal() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    bus.connect(kPortalService, kPortalPath, kPortalSettings, "SettingChanged", this,
                SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read =
        QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalSettings, "Read");
    read << QString::fromLatin1(kAppearanceGroup) << QString::fromLatin1(kColorSchemeKey);
    // Asked without waiting: a desktop without a portal answers with an
    // error (or not at all) and the first guess stands.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<QVariant> reply = *call;
                call->deleteLater();
                if (reply.isError()) {
                    return;
                }
                if (const auto number = portalNumber(reply.value())) {
                    if (const auto scheme = schemeFromPortalValue(*number)) {
                        setScheme(*scheme);
                    }
                }
            });
}

void Appearance::portalSettingChanged(const QString& group, const QString& key,
                                      const QDBusVariant& value) {
    if (group != QLatin1String(kAppearanceGroup) || key != QLatin1String(kColorSchemeKey)) {
        return;
    }
    if (const auto number = portalNumber(QVariant::fromValue(value))) {
        // "No preference" after a dark one means the desktop went back to
        // its default, which is light.
        setScheme(schemeFromPortalValue(*number).value_or(ColorScheme::light));
    }
}

}  // namespace solvane::app
