// The PNG images of the main window: drop arrows per band and the program's icon, which the desktop entry
// ships as packaging/dsp-console.png.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/res/dpi.h"
#include "platform/res/pngimages.h"
#include "res/skin/programimages.h"
#include "res/skinids.h"

namespace res {
namespace {

namespace fs = std::filesystem;

// The source tree: found above the test program (a build folder inside the tree), or through the build
// folder's CMake cache.
fs::path SourceTree() {
    std::error_code ec;
    fs::path dir = fs::read_symlink("/proc/self/exe", ec).parent_path();
    for (; !dir.empty() && dir != dir.root_path(); dir = dir.parent_path()) {
        if (fs::exists(dir / "packaging" / "README.md")) return dir;
        std::ifstream cache(dir / "CMakeCache.txt");
        for (std::string line; std::getline(cache, line);) {
            const std::string key = "CMAKE_HOME_DIRECTORY:INTERNAL=";
            if (line.rfind(key, 0) == 0) return line.substr(key.size());
        }
    }
    return {};
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProgramImages, ArrowsPerBand) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        PngImages images;
        ASSERT_TRUE(RegisterProgramImages(images, dpi));
        EXPECT_FALSE(RegisterProgramImages(images, dpi)) << "ids taken";
        const gfx::Size arrow[] = {{22, 22}, {22, 27}, {22, 34}, {22, 34}, {22, 44}};
        for (int b = 0; b < kDpiBands; ++b) {
            const int id = skinid::kSourceComboArrow[b];
            // 202 serves every band's other combos, so it is drawn for the screen's band.
            const gfx::Size want = id == skinid::kComboArrow ? arrow[DpiBand(dpi)] : arrow[b];
            const gfx::Bitmap& png = images.Get(id);
            ASSERT_FALSE(png.IsNull()) << id;
            EXPECT_EQ(png.Width(), want.cx) << id;
            EXPECT_EQ(png.Height(), want.cy) << id;
            // Blended over the combo's face: clear ground, a solid arrow in the middle.
            EXPECT_EQ(png.PixelAt(png.Width() - 1, 0).a, 0) << id;
            int solid = 0;
            for (int y = 0; y < png.Height(); ++y) solid += png.PixelAt(png.Width() / 2, y).a > 200;
            EXPECT_GT(solid, 0) << id;
        }
    }
}

TEST(ProgramImages, IconIsTheShippedPicture) {
    PngImages images;
    ASSERT_TRUE(RegisterProgramImages(images, 96));
    const gfx::Bitmap& icon = images.Get(skinid::kAppIcon);
    ASSERT_EQ(icon.Width(), 256);
    ASSERT_EQ(icon.Height(), 256);
    EXPECT_EQ(icon.PixelAt(0, 0).a, 0) << "rounded corners are clear";
    EXPECT_EQ(icon.PixelAt(128, 20).a, 255);

    const fs::path tree = SourceTree();
    ASSERT_FALSE(tree.empty()) << "source tree not found";
    const gfx::Bitmap shipped = gfx::Bitmap::FromPng(ReadFile(tree / "packaging" / "dsp-console.png"));
    ASSERT_EQ(shipped.Width(), 256);
    ASSERT_EQ(shipped.Height(), 256);
    // Another Cairo may round an edge pixel differently; a changed picture differs by far more.
    int off = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const gfx::Color a = icon.PixelAt(x, y), b = shipped.PixelAt(x, y);
            const int d = std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b),
                                    std::abs(a.a - b.a)});
            off += d > 8;
        }
    }
    EXPECT_LE(off, 64) << "packaging/dsp-console.png is not icon 128; write it again from PaintProgramIcon(256)";

    // A smaller icon is drawn for its size, not scaled.
    const gfx::Bitmap small = PaintProgramIcon(32);
    EXPECT_EQ(small.Width(), 32);
    EXPECT_EQ(small.PixelAt(0, 0).a, 0);
    EXPECT_EQ(small.PixelAt(16, 3).a, 255);
}

}  // namespace
}  // namespace res
