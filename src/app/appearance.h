// The desktop's light or dark appearance, and a window palette for each.
//
// Qt's platform theme on many Linux desktops hands every program a light
// palette whatever the user chose, so the appearance is read where desktops
// publish it: SOLVANE_APPEARANCE ("light"/"dark", for tests and users who
// want one), then the XDG desktop portal's colour-scheme preference (asked
// without blocking; its answer and later changes arrive as signals), then a
// GTK theme name ending in "dark", then the lightness of Qt's own palette.
//
//   auto* appearance = new Appearance(&app);
//   appearance->apply();  // now, with what is known without waiting
//   connect(appearance, &Appearance::changed, window, &Window::restyle);
#pragma once

#include <QDBusVariant>
#include <QObject>
#include <QPalette>

#include <optional>
#include <string_view>

#include "board/palette.h"

class QDBusMessage;

namespace solvane::app {

// The answer of the portal's "color-scheme" setting: 1 prefers dark, 2
// prefers light, anything else says nothing.
std::optional<ColorScheme> schemeFromPortalValue(unsigned value);
// A GTK theme name such as "Adwaita:dark" or "Yaru-dark"; none when the name
// does not say.
std::optional<ColorScheme> schemeFromGtkTheme(std::string_view theme);

// A complete window palette for `scheme`, with the board's accent.
QPalette windowPalette(ColorScheme scheme);

class Appearance : public QObject {
    Q_OBJECT

  public:
    explicit Appearance(QObject* parent = nullptr);

    ColorScheme scheme() const { return scheme_; }
    // Installs the Fusion style and the palette of the current scheme on the
    // application, then keeps them in step with the desktop.
    void apply();

  signals:
    void changed(solvane::ColorScheme scheme);

  private slots:
    void portalSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

  private:
    void setScheme(ColorScheme scheme);
    void askPortal();

    ColorScheme scheme_ = ColorScheme::light;
    bool forced_ = false;
    bool applied_ = false;
};

}  // namespace solvane::app
