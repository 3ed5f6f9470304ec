#include "board/custom_icons.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRectF>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/util/bounded_file.h"
#include "core/util/uuid.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 100'000'000;
// A stored icon is a small PNG; anything far larger was not written by import.
constexpr std::size_t kMaxStoredBytes = 4 * 1024 * 1024;
constexpr int kMaxStoredSide = 4096;
constexpr int kTranslucentAlpha = 199;
constexpr int kTranslucentCount = 1638;  // about a tenth of the canvas
// Qt's own limit on one decoded image, in megabytes; it stays on in case
// something in the process switched it off.
constexpr int kAllocationLimitMB = 256;

bool withinLimits(QSize size) {
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxSide &&
           size.height() <= kMaxSide &&
           static_cast<std::int64_t>(size.width()) * size.height() <= kMaxPixels;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    std::size_t left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Moves `from` to `to` only when `to` does not exist yet.
bool renameWithoutReplacing(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    // Some file systems cannot rename exclusively; a hard link can't replace
    // either.
    if ((errno == EINVAL || errno == ENOSYS) && ::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    return false;
}

// Writes `bytes` as `folder`/`name` through a temporary file, mode 0600.
bool writeNewFile(const fs::path& folder, const std::string& name, const QByteArray& bytes) {
    std::string pattern = (folder / ".import-XXXXXX").string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const fs::path temporary = pattern;
    const bool written =
        ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (written && closed && renameWithoutReplacing(temporary, folder / name)) {
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

std::optional<QByteArray> readStoredFile(const fs::path& file) {
    const auto bytes = readBoundedFile(file, kMaxStoredBytes, Links::refuse);
    return bytes ? std::optional(QByteArray::fromStdString(*bytes)) : std::nullopt;
}

}  // namespace

bool isCustomImageName(std::string_view name) {
    constexpr std::string_view kExtension = ".png";
    constexpr std::size_t kUuidLength = 36;
    if (name.size() != kUuidLength + kExtension.size() || !name.ends_with(kExtension)) {
        return false;
    }
    const std::string_view stem = name.substr(0, kUuidLength);
    const auto id = Uuid::parse(stem);
    return id && id->toString() == stem;
}

std::optional<QImage> makeTemplateIcon(const QImage& picture) {
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
        return std::nullopt;
    }
    QImage canvas(kCustomIconPixels, kCustomIconPixels, QImage::Format_RGBA8888_Premultiplied);
    if (canvas.isNull()) {
        return std::nullopt;
    }
    canvas.fill(Qt::transparent);

    const double side = kCustomIconPixels;
    const double scale = side / std::max(picture.width(), picture.height());
    const QSizeF drawn(picture.width() * scale, picture.height() * scale);
    const QRectF target((side - drawn.width()) / 2, (side - drawn.height()) / 2, drawn.width(),
                        drawn.height());
    // Bilinear drawing samples only four source pixels per target pixel;
    // a large picture is first reduced by area averaging so it doesn't alias.
    QImage source = picture;
    if (picture.width() > 2 * drawn.width() || picture.height() > 2 * drawn.height()) {
        source = picture.scaled(static_cast<int>(std::ceil(drawn.width())),
                                static_cast<int>(std::ceil(drawn.height())), Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
        if (source.isNull()) {
            return std::nullopt;
        }
    }
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawImage(target, source);
    }

    int translucent = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        const uchar* row = canvas.constScanLine(y);
        for (int x = 0; x < canvas.width(); ++x) {
            translucent += row[4 * x + 3] <= kTranslucentAlpha ? 1 : 0;
        }
    }
    const bool keepAlpha = translucent > kTranslucentCount;
    for (int y = 0; y < canvas.height(); ++y) {
        uchar* row = canvas.scanLine(y);
        for (int x = 0; x < canvas.width(); ++x) {
            uchar* pixel = row + 4 * x;
            double coverage = pixel[3] / 255.0;
            if (!keepAlpha) {
                const double luminance = 0.299 * pixel[0] + 0.587 * pixel[1] + 0.114 * pixel[2];
                coverage = std::clamp((0.85 - luminance / 255.0) / 0.6, 0.0, 1.0);
            }
            pixel[0] = pixel[1] = pixel[2] = 0;
            pixel[3] = static_cast<uchar>(std::lround(coverage * 255.0));
        }
    }
    return canvas;
}

std::optional<QImage> readPicture(const fs::path& file) {
    // Opened and checked here, not by name in the reader, so that what is
    // read is the regular file that was checked: a device or a pipe could
    // block the reader forever or never end.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    QFile device;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !device.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    if (QImageReader::allocationLimit() == 0) {
        QImageReader::setAllocationLimit(kAllocationLimitMB);
    }
    // The content decides the format; the extension only helps with the few
    // formats that have no signature to recognise them by.
    auto reader = std::make_unique<QImageReader>(&device);
    reader->setDecideFormatFromContent(true);
    if (reader->format().isEmpty()) {
        const QByteArray extension =
            QByteArray::fromStdString(file.extension().string()).toLower().mid(1);
        device.seek(0);
        reader = std::make_unique<QImageReader>(&device, extension);
    }
    reader->setAutoTransform(true);
    const QSize announced = reader->size();
    if (announced.isValid()) {
        if (!withinLimits(announced)) {
            return std::nullopt;
        }
        const double scale = static_cast<double>(kCustomIconPixels) /
                             std::max(announced.width(), announced.height());
        const QByteArray format = reader->format();
        // Vector pictures render sharp at any size; bitmaps are only ever
        // reduced on decoding, which lets JPEG skip most of its work.
        if (scale < 0.5 || format == "svg" || format == "svgz") {
            reader->setScaledSize(
                QSize(std::max(1, static_cast<int>(std::ceil(announced.width() * scale))),
                      std::max(1, static_cast<int>(std::ceil(announced.height() * scale)))));
        }
    }
    QImage picture = reader->read();
    if (picture.isNull() || !withinLimits(picture.size())) {
        return std::nullopt;
    }
    return picture;
}

void drawTemplate(QPainter& painter, const QImage& mask, const QRectF& box, const QColor& color) {
    if (mask.isNull() || !box.isValid() || !std::isfinite(box.width()) ||
        !std::isfinite(box.height())) {
        return;
    }
    const double scale = std::min(box.width() / mask.width(), box.height() / mask.height());
    const QSizeF size(mask.width() * scale, mask.height() * scale);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                        size.width(), size.height());
    // Reduced to the device pixels it covers by area averaging, the mask keeps
    // thin strokes that a bilinear lookup of the full mask would drop.
    const QRectF onDevice = painter.transform().mapRect(target);
    QImage tinted = mask.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QSize pixels(static_cast<int>(std::lround(onDevice.width())),
                       static_cast<int>(std::lround(onDevice.height())));
    if (pixels.width() > 0 && pixels.height() > 0 && pixels.width() <= kMaxStoredSide &&
        pixels.height() <= kMaxStoredSide && pixels != tinted.size()) {
        tinted = tinted.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    {
        QPainter fill(&tinted);
        fill.setCompositionMode(QPainter::CompositionMode_SourceIn);
        fill.fillRect(tinted.rect(), color);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, tinted);
    painter.restore();
}

IconStore::IconStore(SharedStore store) : store_(std::move(store)) {}

std::optional<fs::path> IconStore::folder() const {
    // A relative container would resolve against whatever the working
    // directory happens to be.
    const fs::path& container = store_.paths().container;
    if (container.empty() || !container.is_absolute()) {
        return std::nullopt;
    }
    return container / "Icons";
}

std::optional<std::string> IconStore::importImage(const fs::path& source) const {
    const auto picture = readPicture(source);
    if (!picture) {
        return std::nullopt;
    }
    const auto folder = this->folder() ? store_.iconsDirectory() : std::nullopt;
    if (!folder) {
        return std::nullopt;
    }
    const auto icon = makeTemplateIcon(*picture);
    if (!icon) {
        return std::nullopt;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !QImageWriter(&buffer, "png").write(*icon)) {
        return std::nullopt;
    }
    std::string name = Uuid::random().toString() + ".png";
    if (!writeNewFile(*folder, name, bytes)) {
        return std::nullopt;
    }
    return name;
}

std::optional<QImage> IconStore::load(std::string_view name) const {
    if (!isCustomImageName(name)) {
        return std::nullopt;
    }
    const auto icons = folder();
    auto bytes = icons ? readStoredFile(*icons / std::string(name)) : std::nullopt;
    if (!bytes) {
        return std::nullopt;
    }
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxStoredSide || size.height() > kMaxStoredSide) {
        return std::nullopt;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void IconStore::remove(const std::optional<std::string>& name) const {
    const auto icons = folder();
    if (!name || !isCustomImageName(*name) || !icons) {
        return;
    }
    const fs::path file = *icons / *name;
    std::error_code error;
    if (fs::is_regular_file(fs::symlink_status(file, error)) && !error) {
        fs::remove(file, error);
    }
}

}  // namespace solvane
