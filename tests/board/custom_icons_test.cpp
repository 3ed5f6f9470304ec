#include "board/custom_icons.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

const fs::path kIcons = fs::path(SOLVANE_TEST_DATA_DIR) / "icons";

class CustomIcons : public ::testing::Test {
  protected:
    fs::path container() const { return dir_.path() / "container"; }
    fs::path folder() const { return container() / "Icons"; }
    IconStore store() const {
        return IconStore(SharedStore(
            StorePaths{dir_.path() / "p.sqlite", dir_.path() / "f.sqlite", container()}, "en_US"));
    }
    std::vector<fs::path> filesInFolder() const {
        std::vector<fs::path> files;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder(), error)) {
            files.push_back(entry.path().filename());
        }
        return files;
    }
    int alphaAt(const QImage& image, int x, int y) const { return qAlpha(image.pixel(x, y)); }

    testing::TempDir dir_;
};

TEST_F(CustomIcons, AnOpaquePhotoBecomesAMaskOfItsDarknessInANewPrivatePng) {
    const auto name = store().importImage(kIcons / "photo.jpg");
    ASSERT_TRUE(name);
    EXPECT_TRUE(isCustomImageName(*name));
    EXPECT_EQ(filesInFolder(), std::vector<fs::path>{*name});  // no temporary left behind

    const fs::path file = folder() / *name;
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // PNG header: 128 × 128, 8 bits per channel, colour type 6 (RGBA).
    const std::string bytes = testing::readFile(file);
    ASSERT_GT(bytes.size(), 26u);
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\0\x80\0\0\0\x80", 8));
    EXPECT_EQ(bytes[24], 8);
    EXPECT_EQ(bytes[25], 6);

    const auto icon = store().load(*name);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->size(), QSize(128, 128));
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            ASSERT_EQ(icon->pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
        }
    }
    EXPECT_EQ(alphaAt(*icon, 32, 32), 0);         // white paper: clear
    EXPECT_EQ(alphaAt(*icon, 96, 32), 255);       // black ink: solid
    EXPECT_NEAR(alphaAt(*icon, 32, 96), 128, 4);  // grey 140
    EXPECT_NEAR(alphaAt(*icon, 96, 96), 226, 6);  // red 200, 30, 30
}

TEST_F(CustomIcons, APictureWithTransparencyKeepsItsAlphaAndIsCentred) {
    const auto name = store().importImage(kIcons / "wide.png");
    ASSERT_TRUE(name);
    const auto icon = store().load(*name);
    ASSERT_TRUE(icon);
    // 300 × 100 drawn 128 × 42.67 from y = 42.67: clear bands above and below.
    for (int x : {0, 40, 100, 127}) {
        EXPECT_EQ(alphaAt(*icon, x, 0), 0);
        EXPECT_EQ(alphaAt(*icon, x, 41), 0);
        EXPECT_EQ(alphaAt(*icon, x, 86), 0);
        EXPECT_EQ(alphaAt(*icon, x, 127), 0);
    }
    // Its opaque white half is solid (alpha, not luminance), the clear half clear.
    EXPECT_EQ(alphaAt(*icon, 20, 64), 255);
    EXPECT_EQ(alphaAt(*icon, 60, 50), 255);
    EXPECT_EQ(alphaAt(*icon, 70, 64), 0);
}

TEST_F(CustomIcons, VectorAndOtherBitmapFormatsImportWhateverTheirExtension) {
    // A WebP picture saved under a PNG name is read by its content.
    const fs::path misnamed = dir_.path() / "disc.png";
    fs::copy_file(kIcons / "disc.webp", misnamed);
    for (const fs::path& file :
         {kIcons / "disc.svg", kIcons / "disc.webp", kIcons / "disc.tiff", misnamed}) {
        const auto name = store().importImage(file);
        ASSERT_TRUE(name) << file;
        const auto icon = store().load(*name);
        ASSERT_TRUE(icon) << file;
        EXPECT_EQ(alphaAt(*icon, 64, 64), 255) << file;
        EXPECT_EQ(alphaAt(*icon, 4, 4), 0) << file;
    }
}

// An endless file or a pipe nobody writes to would hang the test.
TEST_F(CustomIcons, AnythingButAReadablePictureFailsAndLeavesNothing) {
    const fs::path fifo = dir_.path() / "pipe.png";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& file :
         {kIcons / "not_an_image.png", kIcons / "bomb.png", kIcons / "missing.png", kIcons,
          fs::path("/dev/zero"), fifo, fs::path()}) {
        EXPECT_FALSE(store().importImage(file)) << file;
    }
    EXPECT_TRUE(filesInFolder().empty());

    const IconStore nowhere(SharedStore(StorePaths{}, "en_US"));
    EXPECT_FALSE(nowhere.importImage(kIcons / "photo.jpg"));
    EXPECT_FALSE(nowhere.folder());
}

// More than 1638 pixels at alpha 199 or less means the picture's own alpha
// carries the shape; up to that, its darkness does.
TEST_F(CustomIcons, TranslucentPixelCountDecidesBetweenAlphaAndDarkness) {
    struct Case {
        int translucent;
        int alpha;          // of the translucent pixels
        int expectedWhite;  // alpha an opaque white pixel ends with
    };
    for (const Case& c :
         {Case{1638, 0, 0}, Case{1639, 0, 255}, Case{1639, 199, 255}, Case{5000, 200, 0}}) {
        QImage picture(128, 128, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        for (int i = 0; i < c.translucent; ++i) {
            picture.setPixelColor(i % 128, 127 - i / 128, QColor(255, 255, 255, c.alpha));
        }
        const auto icon = makeTemplateIcon(picture);
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->format(), QImage::Format_RGBA8888_Premultiplied);
        EXPECT_EQ(qAlpha(icon->pixel(5, 5)), c.expectedWhite)
            << c.translucent << " at alpha " << c.alpha;
    }
    EXPECT_FALSE(makeTemplateIcon(QImage()));
}

TEST_F(CustomIcons, OnlyUuidPngNamesAreEverLoadedOrDeleted) {
    const auto stored = store().importImage(kIcons / "wide.png");
    ASSERT_TRUE(stored);
    const std::string upper = stored->substr(0, 36);
    std::string lower = upper;
    for (char& ch : lower) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    const fs::path victim = dir_.path() / "victim.png";
    for (const fs::path& target : {container() / "x.png", victim, folder() / (upper + ".PNG"),
                                   folder() / (lower + ".png"), folder() / "A.png"}) {
        fs::copy_file(folder() / *stored, target);
    }
    const std::string linked = "0F0E7B4A-3C1D-4E55-9A8B-7C6D5E4F3A21.png";
    fs::create_symlink(victim, folder() / linked);

    // Absolute names only ever point into this test's folder: a broken check
    // must not be able to delete a real file.
    EXPECT_FALSE(store().load("/etc/passwd"));
    for (const std::string& name :
         {std::string("../x.png"), victim.string(), std::string("A.png"), upper + ".PNG",
          lower + ".png", upper, upper + ".png/", " " + *stored, std::string(""), "./" + *stored}) {
        EXPECT_FALSE(isCustomImageName(name)) << name;
        EXPECT_FALSE(store().load(name)) << name;
        store().remove(name);
    }
    // A well-formed name that is a link leads nowhere either.
    EXPECT_TRUE(isCustomImageName(linked));
    EXPECT_FALSE(store().load(linked));
    store().remove(linked);
    store().remove(std::nullopt);
    for (const fs::path& kept :
         {container() / "x.png", victim, folder() / (upper + ".PNG"), folder() / (lower + ".png"),
          folder() / "A.png", folder() / *stored}) {
        EXPECT_TRUE(fs::exists(kept)) << kept;
    }
    EXPECT_TRUE(fs::is_symlink(folder() / linked));

    store().remove(*stored);
    EXPECT_FALSE(fs::exists(folder() / *stored));
    EXPECT_FALSE(store().load(*stored));
}

}  // namespace
}  // namespace solvane
