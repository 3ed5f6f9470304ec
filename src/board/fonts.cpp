#include "board/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPaintDevice>

#include <cmath>
#include <initializer_list>

namespace solvane {
namespace {

constexpr const char* kInterFolder = "/usr/share/fonts/opentype/inter/";
constexpr const char* kNumberFolder = "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/";
constexpr const char* kMonoFolder = "/usr/share/fonts/truetype/jetbrains-mono/";
constexpr const char* kSymbolsFile =
    "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf";

// `family` when the font database has it, else the family of the first of
// `files` that loads, else `fallback`.
QString findFamily(const QString& family, std::initializer_list<QString> files,
                   const QString& fallback) {
    if (QFontDatabase::hasFamily(family)) {
        return family;
    }
    QString loaded;
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0 && loaded.isEmpty()) {
            const QStringList names = QFontDatabase::applicationFontFamilies(id);
            if (!names.isEmpty()) {
                loaded = names.front();
            }
        }
    }
    return loaded.isEmpty() ? fallback : loaded;
}

// A proportional face for Latin text when Inter is missing: the platform's
// general font may be a CJK face whose Latin letters are all one width.
QString proportionalFallback() {
    for (const QString& family : {QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")}) {
        if (QFontDatabase::hasFamily(family)) {
            return family;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

FontFamilies resolveFamilies() {
    const QString inter = kInterFolder;
    const QString mono = kMonoFolder;
    FontFamilies f;
    f.text = findFamily(
        QStringLiteral("Inter"),
        {inter + "Inter-Regular.otf", inter + "Inter-Medium.otf", inter + "Inter-Light.otf",
         inter + "Inter-SemiBold.otf", inter + "Inter-Bold.otf"},
        proportionalFallback());
    // Numbers are set in Roboto: its figures are all one width, so columns of
    // numbers line up as in a monospaced face, but its zero is plain (a
    // monospaced zero is dotted or slashed, which reads as a target at 50
    // points) and its degree sign sits close to the number. Qt 6.4 cannot
    // switch Inter to its tabular figures, and Inter's own are proportional.
    const QString numbers = kNumberFolder;
    const QString fixedPitch =
        findFamily(QStringLiteral("JetBrains Mono"),
                   {mono + "JetBrainsMono-Regular.ttf", mono + "JetBrainsMono-Medium.ttf"},
                   QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    f.mono = findFamily(QStringLiteral("Roboto"),
                        {numbers + "Roboto-Regular.ttf", numbers + "Roboto-Medium.ttf",
                         numbers + "Roboto-Light.ttf", numbers + "Roboto-Bold.ttf"},
                        fixedPitch);
    f.symbols = findFamily(QStringLiteral("Material Icons"), {QString(kSymbolsFile)}, QString());
    // Font matching substitutes a near family silently; a substitute would
    // draw private-use codepoints as boxes, so only the real face counts.
    if (!f.symbols.isEmpty() && QFontInfo(QFont(f.symbols)).family() != f.symbols) {
        f.symbols.clear();
    }
    return f;
}

QFont::Weight qtWeight(FontWeight weight) {
    switch (weight) {
        case FontWeight::light:
            return QFont::Light;
        case FontWeight::regular:
            break;
        case FontWeight::medium:
            return QFont::Medium;
        case FontWeight::semibold:
            return QFont::DemiBold;
        case FontWeight::bold:
            return QFont::Bold;
    }
    return QFont::Normal;
}

double usableSize(double size) {
    return std::isfinite(size) && size > 0 ? size : 1.0;
}

// Qt turns point sizes into pixels with the device's DPI; asking for
// size × 72 / DPI points makes the pixel size exactly `size` on any device.
void setPixelSizeF(QFont& font, double pixels, const QPaintDevice* device) {
    const QPaintDevice* d = device ? device : referenceDevice();
    const int dpi = d->logicalDpiY() > 0 ? d->logicalDpiY() : 96;
    font.setPointSizeF(usableSize(pixels) * 72.0 / dpi);
}

}  // namespace

TextStyle TextStyle::scaled(double factor) const {
    TextStyle s = *this;
    s.size *= factor;
    s.tracking *= factor;
    return s;
}

const FontFamilies& boardFontFamilies() {
    static const FontFamilies families = resolveFamilies();
    return families;
}

const QPaintDevice* referenceDevice() {
    static const QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    return &device;
}

QFont boardFont(const TextStyle& style, const QPaintDevice* device) {
    const FontFamilies& families = boardFontFamilies();
    QFont font(style.design == FontDesign::monospaced ? families.mono : families.text);
    font.setWeight(qtWeight(style.weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    setPixelSizeF(font, style.size, device);
    if (style.tracking != 0 && std::isfinite(style.tracking)) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, style.tracking);
    }
    return font;
}

QFont withProportionalLatin(const QFont& base) {
    const QFontMetricsF metrics(base);
    const bool fixedLatin =
        QFontInfo(base).fixedPitch() || metrics.horizontalAdvance(QStringLiteral("iiiii")) ==
                                            metrics.horizontalAdvance(QStringLiteral("WWWWW"));
    if (!fixedLatin) {
        return base;
    }
    QFont font = base;
    QStringList families = {boardFontFamilies().text, proportionalFallback()};
    families << base.families() << base.family();
    families.removeDuplicates();
    font.setFamilies(families);
    return font;
}

QFontMetricsF boardFontMetrics(const TextStyle& style, const QPaintDevice* device) {
    const QPaintDevice* d = device ? device : referenceDevice();
    return QFontMetricsF(boardFont(style, d), d);
}

QFont symbolFont(double pixels, const QPaintDevice* device) {
    const FontFamilies& families = boardFontFamilies();
    QFont font(families.symbols.isEmpty() ? families.text : families.symbols);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    setPixelSizeF(font, pixels, device);
    return font;
}

}  // namespace solvane
