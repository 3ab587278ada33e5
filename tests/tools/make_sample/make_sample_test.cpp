// make_sample run as a program into a fresh folder, plus the BMP encoder's
// row layout on sizes the generator itself never uses.

#include "bmp_writer.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

std::uint32_t u32(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint32_t>(b.at(at)) | static_cast<std::uint32_t>(b.at(at + 1)) << 8 |
           static_cast<std::uint32_t>(b.at(at + 2)) << 16 |
           static_cast<std::uint32_t>(b.at(at + 3)) << 24;
}

std::uint16_t u16(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

// Checks the two headers of an uncompressed bottom-up 24-bit BMP and that the
// file is exactly as long as they say.
void expectBmp24Header(const Bytes& bmp, std::int32_t width, std::int32_t height)
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3u + 3u) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(u32(bmp, 2), bmp.size());
    EXPECT_EQ(u32(bmp, 10), 54u);           // pixel data offset
    EXPECT_EQ(u32(bmp, 14), 40u);           // BITMAPINFOHEADER
    EXPECT_EQ(static_cast<std::int32_t>(u32(bmp, 18)), width);
    EXPECT_EQ(static_cast<std::int32_t>(u32(bmp, 22)), height);
    EXPECT_EQ(u16(bmp, 26), 1u);            // planes
    EXPECT_EQ(u16(bmp, 28), 24u);           // bits per pixel
    EXPECT_EQ(u32(bmp, 30), 0u);            // BI_RGB
    EXPECT_EQ(u32(bmp, 34), imageSize);
    EXPECT_EQ(bmp.size(), 54u + imageSize);
}

class MakeSample : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch_ = fs::temp_directory_path() /
                   ("make_sample_test-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(scratch_);
        fs::create_directories(scratch_);
        root_ = scratch_ / "設置 先";  // a space and non-ASCII on purpose
    }
    void TearDown() override { fs::remove_all(scratch_); }

    static int run(const std::vector<std::string>& args)
    {
        std::string command = "'" MAKE_SAMPLE_PATH "'";
        for (const auto& a : args)
            command += " '" + a + "'";
        command += " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path settingsFile() const { return root_ / "master" / "CalendarDef0設定.dat"; }
    fs::path pictureFile() const { return root_ / "Calendar_pic" / "不明２５６.bmp"; }

    fs::path scratch_;
    fs::path root_;
};

TEST_F(MakeSample, CreatesTheInstallationLayout)
{
    ASSERT_EQ(run({root_.string()}), 0);

    EXPECT_TRUE(fs::is_directory(root_ / "master"));
    EXPECT_TRUE(fs::is_directory(root_ / "Calendar_dat"));
    EXPECT_TRUE(fs::is_directory(root_ / "Calendar_pic"));
    EXPECT_TRUE(fs::is_empty(root_ / "Calendar_dat"));

    const Bytes settings = readAll(settingsFile());
    EXPECT_EQ(settings.size(), 59162u);
    EXPECT_TRUE(std::all_of(settings.begin(), settings.end(), [](std::uint8_t b) { return b == 0; }));

    const Bytes picture = readAll(pictureFile());
    expectBmp24Header(picture, 256, 256);
    // A drawn picture, not a blank tile: both the light paper and the dark
    // mark must be there.
    bool light = false;
    bool dark = false;
    for (std::size_t i = 54; i + 2 < picture.size(); i += 3) {
        const int sum = picture[i] + picture[i + 1] + picture[i + 2];
        light = light || sum > 3 * 180;
        dark = dark || sum < 3 * 80;
    }
    EXPECT_TRUE(light);
    EXPECT_TRUE(dark);
}

TEST_F(MakeSample, SecondRunKeepsExistingFilesAndRestoresMissingOnes)
{
    ASSERT_EQ(run({root_.string()}), 0);
    const Bytes picture = readAll(pictureFile());

    // The school has edited its default settings and removed the picture.
    const std::string edited = "edited by the school";
    writeAll(settingsFile(), edited);
    fs::remove(pictureFile());
    ASSERT_EQ(run({root_.string()}), 0);
    EXPECT_EQ(readAll(settingsFile()), Bytes(edited.begin(), edited.end()));
    EXPECT_EQ(readAll(pictureFile()), picture);

    // A third run changes nothing at all.
    const auto settingsTime = fs::last_write_time(settingsFile());
    const auto pictureTime = fs::last_write_time(pictureFile());
    ASSERT_EQ(run({root_.string()}), 0);
    EXPECT_EQ(fs::last_write_time(settingsFile()), settingsTime);
    EXPECT_EQ(fs::last_write_time(pictureFile()), pictureTime);
}

TEST_F(MakeSample, FailsWithoutAUsableFolder)
{
    EXPECT_NE(run({}), 0);
    EXPECT_NE(run({root_.string(), "extra"}), 0);

    // The target is a plain file.
    writeAll(root_, "not a folder");
    EXPECT_NE(run({root_.string()}), 0);
    fs::remove(root_);

    // A folder sits where the default settings file belongs.
    fs::create_directories(settingsFile());
    EXPECT_NE(run({root_.string()}), 0);
}

TEST(BmpWriter, PadsRowsAndStoresThemBottomUp)
{
    // 3 pixels = 9 bytes a row, padded to 12.
    sample::Canvas canvas(3, 2, {255, 255, 255});
    canvas.setPixel(0, 0, {1, 2, 3});    // top-left
    canvas.setPixel(2, 1, {10, 20, 30}); // bottom-right
    const Bytes bmp = sample::encodeBmp24(canvas);
    expectBmp24Header(bmp, 3, 2);

    // First stored row is the bottom one; channels are blue, green, red.
    const Bytes bottomRow(bmp.begin() + 54, bmp.begin() + 66);
    EXPECT_EQ(bottomRow, (Bytes{255, 255, 255, 255, 255, 255, 30, 20, 10, 0, 0, 0}));
    const Bytes topRow(bmp.begin() + 66, bmp.begin() + 78);
    EXPECT_EQ(topRow, (Bytes{3, 2, 1, 255, 255, 255, 255, 255, 255, 0, 0, 0}));
}

TEST(BmpWriter, ShapesAreClippedToTheCanvas)
{
    sample::Canvas canvas(4, 4, {0, 0, 0});
    const sample::Rgb ink{9, 9, 9};
    canvas.fillRect(-10, -10, 12, 12, ink);           // covers (0..1, 0..1)
    canvas.fillEllipse(100.0, 100.0, 5.0, 5.0, ink);  // entirely outside
    canvas.drawLine(-5.0, 3.5, 50.0, 3.5, 1.0, ink);  // the bottom row, across
    EXPECT_EQ(canvas.pixel(1, 1), ink);
    EXPECT_EQ(canvas.pixel(2, 2), (sample::Rgb{0, 0, 0}));
    EXPECT_EQ(canvas.pixel(0, 3), ink);
    EXPECT_EQ(canvas.pixel(3, 3), ink);
    EXPECT_THROW(canvas.pixel(4, 0), std::out_of_range);
}

TEST(BmpWriter, ArcCoversOnlyItsSweep)
{
    // Quarter ring from 0° (right) clockwise to 90° (down): the lower-right.
    sample::Canvas canvas(21, 21, {0, 0, 0});
    const sample::Rgb ink{200, 0, 0};
    canvas.fillArc(10.5, 10.5, 10.0, 5.0, 0.0, 90.0, ink);
    EXPECT_EQ(canvas.pixel(16, 16), ink);                       // lower right, inside the ring
    EXPECT_EQ(canvas.pixel(10, 10), (sample::Rgb{0, 0, 0}));    // the hole
    EXPECT_EQ(canvas.pixel(4, 16), (sample::Rgb{0, 0, 0}));     // lower left
    EXPECT_EQ(canvas.pixel(16, 4), (sample::Rgb{0, 0, 0}));     // upper right

    // A sweep across 0° wraps around: 315° to 45° covers the right side only.
    sample::Canvas wrapped(21, 21, {0, 0, 0});
    wrapped.fillArc(10.5, 10.5, 10.0, 5.0, 315.0, 90.0, ink);
    EXPECT_EQ(wrapped.pixel(18, 10), ink);
    EXPECT_EQ(wrapped.pixel(2, 10), (sample::Rgb{0, 0, 0}));
}

} // namespace
