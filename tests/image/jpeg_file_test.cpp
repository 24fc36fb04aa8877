#include "image/jpeg_file.h"

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/file_text.h"

namespace wavora {
namespace {

namespace fs = std::filesystem;

// Decodes with libjpeg into rows from the top, red, green, blue.
std::vector<std::vector<uint8_t>> DecodeRows(const std::string& bytes, int& width) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  width = int(info.output_width);
  std::vector<std::vector<uint8_t>> rows;
  while (info.output_scanline < info.output_height) {
    rows.emplace_back(size_t(width) * 3);
    JSAMPROW row = rows.back().data();
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return rows;
}

TFastDIB TestPicture() {
  TFastDIB image(40, 30);
  image.FillRect(0, 0, 40, 10, RGB(200, 30, 30));   // top band red
  image.FillRect(0, 20, 40, 30, RGB(30, 30, 200));  // bottom band blue
  image.FillRect(0, 10, 40, 20, RGB(128, 128, 128));
  return image;
}

TEST(JpegFile, IsAJfifFile) {
  const std::string bytes = EncodeJpeg(TestPicture());
  ASSERT_GT(bytes.size(), 20u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xD8\xFF\xE0", 4));
  EXPECT_EQ(bytes.substr(6, 5), std::string("JFIF\0", 5));
  EXPECT_EQ(bytes.substr(bytes.size() - 2), std::string("\xFF\xD9", 2));
}

TEST(JpegFile, DecodesUprightWithTheColoursAtHighQuality) {
  int width = 0;
  const auto rows = DecodeRows(EncodeJpeg(TestPicture()), width);
  ASSERT_EQ(width, 40);
  ASSERT_EQ(rows.size(), 30u);
  const auto near = [](const std::vector<uint8_t>& row, int x, int r, int g, int b) {
    return std::abs(row[3 * x] - r) <= 4 && std::abs(row[3 * x + 1] - g) <= 4 &&
           std::abs(row[3 * x + 2] - b) <= 4;
  };
  EXPECT_TRUE(near(rows[3], 20, 200, 30, 30));
  EXPECT_TRUE(near(rows[15], 20, 128, 128, 128));
  EXPECT_TRUE(near(rows[26], 20, 30, 30, 200));
}

TEST(JpegFile, QualityIsHonoured) {
  TFastDIB noisy(64, 64);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x)
      noisy.SetPixel(x, y, RGB(uint8_t(x * 37 ^ y * 11), uint8_t(x * y), uint8_t(x + 3 * y)));
  }
  EXPECT_GT(EncodeJpeg(noisy).size(), EncodeJpeg(noisy, 50).size());
}

TEST(JpegFile, FailedWriteKeepsTheOldFileAndNamesIt) {
  const fs::path dir = fs::temp_directory_path() / ("wavora_jpeg_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string name = (dir / "snap.jpg").string();
  WriteJpegFile(TestPicture(), name);
  std::ifstream in(name, std::ios::binary);
  const std::string before((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(before, EncodeJpeg(TestPicture()));
  try {
    WriteJpegFile(TFastDIB(), name);
    FAIL() << "an empty image was written";
  } catch (const TFileError& error) {
    EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
  }
  std::ifstream again(name, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), {}), before);
  EXPECT_THROW(WriteJpegFile(TestPicture(), (dir / "missing" / "snap.jpg").string()), TFileError);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace wavora
