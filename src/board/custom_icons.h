// Custom icons: pictures a user imports as a countdown's icon, kept as
// one-colour 128 × 128 PNG files in the shared container's Icons folder.
//
// Import reads a picture (PNG, JPEG, SVG, TIFF, WebP, or anything else the
// installed image plug-ins read, recognised by its content), draws it centred into a 128 × 128
// canvas at the largest scale that fits, and keeps only a shape: a picture with real transparency
// (more than a tenth of the canvas below alpha 200) keeps its alpha; an opaque one becomes a mask
// of its darkness, so dark ink is solid and light paper clear. Every pixel is then black with that
// alpha. The file is named by a new upper-case UUID and ".png", written 0600 under a temporary name
// and renamed into place without replacing anything.
//
// A stored name is trusted only when it is exactly such a name; anything else
// (a path, "..", a lower-case or other extension) loads as no image and is
// never deleted, and a link of that name is not followed, so no stored text
// can reach outside the Icons folder.
// Pictures whose header announces more than 16384 pixels a side or 100
// megapixels are refused before decoding, as is anything that is not a
// regular file.
//
//   IconStore icons(SharedStore::standard());
//   std::optional<std::string> name = icons.importImage("/home/me/cake.jpg");
//   std::optional<QImage> mask = icons.load(*name);  // drawn with drawTemplate
#pragma once

#include <QImage>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/store/shared_store.h"

class QColor;
class QPainter;
class QRectF;

namespace solvane {

inline constexpr int kCustomIconPixels = 128;

// True only for a canonical upper-case UUID followed by ".png".
bool isCustomImageName(std::string_view name);

// The one-colour 128 × 128 icon of `picture`
// (QImage::Format_RGBA8888_Premultiplied, black with alpha); nullopt for a
// null picture.
std::optional<QImage> makeTemplateIcon(const QImage& picture);

// Decodes the picture at `file` for import, scaled on decoding close to the
// icon size; nullopt when it is not a regular readable image within the size
// limits.
std::optional<QImage> readPicture(const std::filesystem::path& file);

// Fills `mask`'s shape with `color`, scaled with smooth filtering to fit
// `box` (aspect kept, centred).
void drawTemplate(QPainter& painter, const QImage& mask, const QRectF& box, const QColor& color);

// The Icons folder of a shared store.
class IconStore {
  public:
    explicit IconStore(SharedStore store);

    // The folder, whether or not it exists yet; nullopt when the store has no
    // absolute container.
    std::optional<std::filesystem::path> folder() const;

    // Imports the picture at `source`; the new file's name, or nullopt on any
    // failure (unreadable picture, no Icons folder, encoding or writing).
    std::optional<std::string> importImage(const std::filesystem::path& source) const;

    // The stored icon named `name` (QImage::Format_ARGB32_Premultiplied).
    std::optional<QImage> load(std::string_view name) const;

    // Removes the stored icon named `name`; nothing for an absent or
    // untrusted name.
    void remove(const std::optional<std::string>& name) const;

  private:
    SharedStore store_;
};

}  // namespace solvane
