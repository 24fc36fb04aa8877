#include <gtest/gtest.h>
#include <jpeglib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "image/bmp_file.h"
#include "image/jpeg_file.h"
#include "model/file_text.h"

namespace wavora {
namespace {

namespace fs = std::filesystem;

// Builds bitmap files byte by byte, independently of the encoder under test.
class TBmpBuilder {
 public:
  TBmpBuilder& U16(uint32_t v) {
    bytes_.push_back(char(v & 0xFF));
    bytes_.push_back(char(v >> 8 & 0xFF));
    return *this;
  }
  TBmpBuilder& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  TBmpBuilder& Bytes(std::vector<uint8_t> v) {
    bytes_.append(v.begin(), v.end());
    return *this;
  }
  // File header and 40-byte info header for an uncompressed image with the given palette size.
  static TBmpBuilder Header(int32_t width, int32_t height, int bits, int paletteEntries) {
    TBmpBuilder b;
    const uint32_t offset = 14 + 40 + 4 * paletteEntries;
    b.bytes_ = "BM";
    b.U32(0).U32(0).U32(offset);
    b.U32(40).U32(uint32_t(width)).U32(uint32_t(height)).U16(1).U16(bits).U32(0).U32(0).U32(0).U32(0);
    b.U32(paletteEntries).U32(0);
    return b;
  }
  std::string Text() const { return bytes_; }

 private:
  std::string bytes_;
};

TEST(BmpFile, TwentyFourBitRoundTripKeepsEveryPixel) {
  TFastDIB image(7, 3);  // 21 bytes a row, so every row carries 3 bytes of padding
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 7; ++x)
      image.SetPixel(x, y, RGB(uint8_t(30 * x), uint8_t(80 * y), uint8_t(x + y)));
  }
  const std::string bytes = EncodeBmp(image);
  ASSERT_EQ(bytes.size(), 54u + 24u * 3u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(uint8_t(bytes[28]), 24);
  // The first stored row is the bottom row, starting with pixel (0, 2) in blue, green, red.
  EXPECT_EQ(uint8_t(bytes[54 + 1]), 160);
  const TFastDIB back = DecodeBmp(bytes, "round trip");
  ASSERT_EQ(back.Width(), 7);
  ASSERT_EQ(back.Height(), 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 7; ++x)
      EXPECT_EQ(back.Pixel(x, y), image.Pixel(x, y)) << x << "," << y;
  }
}

// The land masks' 1- and 4-bit palettes are decoded by the media tests; an index beyond a short
// palette is black.
TEST(BmpFile, PalettedPixelsTakeTheirColoursAndAnIndexBeyondAShortPaletteIsBlack) {
  const std::vector<uint8_t> shortPalette{10, 20, 30, 0, 40, 50, 60, 0};  // two colours used
  const std::vector<uint8_t> eightBits{1, 0, 200, 0};
  const TFastDIB eight =
      DecodeBmp(TBmpBuilder::Header(3, 1, 8, 2).Bytes(shortPalette).Bytes(eightBits).Text(), "eight");
  EXPECT_EQ(eight.Pixel(0, 0), RGB(60, 50, 40));
  EXPECT_EQ(eight.Pixel(2, 0), RGB(0, 0, 0));
}

// Writing goes through WriteFileText, whose keeping of the old file is tested with it; here, that
// each format writes its bytes and refuses an empty image with the file's name.
TEST(ImageFiles, WriteTheEncodedBytesAndRefuseAnEmptyImageNamingTheFile) {
  const fs::path dir = fs::path(testing::TempDir()) / ("wavora_images_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  TFastDIB image(3, 2);
  image.SetPixel(2, 1, RGB(1, 2, 3));
  for (const char* name : {"picture.bmp", "snap.jpg"}) {
    const std::string path = (dir / name).string();
    const bool bmp = path.ends_with(".bmp");
    bmp ? WriteBmpFile(image, path) : WriteJpegFile(image, path);
    EXPECT_EQ(ReadFileText(path), bmp ? EncodeBmp(image) : EncodeJpeg(image));
    try {
      bmp ? WriteBmpFile(TFastDIB(), path) : WriteJpegFile(TFastDIB(), path);
      ADD_FAILURE() << "an empty image was written";
    } catch (const TFileError& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
  }
  EXPECT_EQ(ReadBmpFile((dir / "picture.bmp").string()).Pixel(2, 1), RGB(1, 2, 3));
  fs::remove_all(dir);
}

std::string WithByte(std::string bytes, size_t at, char value) {
  bytes[at] = value;
  return bytes;
}

// Bad files raise an error naming the file and the reason; so does every truncation of a valid file.
TEST(BmpFile, BadBytesRaiseAnErrorNamingTheFileAndTheReason) {
  const std::vector<uint8_t> row{1, 2, 3, 0};
  const std::string valid = TBmpBuilder::Header(1, 1, 24, 0).Bytes(row).Text();
  const std::pair<std::string, const char*> cases[] = {
      {"", "not a bitmap"},
      {"GIF89a", "not a bitmap"},
      {valid.substr(0, 30), "truncated"},
      {TBmpBuilder::Header(0, 1, 24, 0).Bytes(row).Text(), "size"},
      {TBmpBuilder::Header(1, INT32_MIN, 24, 0).Bytes(row).Text(), "large"},
      {TBmpBuilder::Header(100000, 100000, 1, 0).Bytes(row).Text(), "large"},
      {TBmpBuilder::Header(1, 1, 16, 0).Bytes(row).Text(), "16 bits"},
      {TBmpBuilder::Header(1, 1, 8, 0).Text(), "truncated palette"},
      {TBmpBuilder::Header(2, 2, 24, 0).Bytes(row).Bytes(row).Text(), "truncated pixel data"},
      {TBmpBuilder().U16('B' | 'M' << 8).U32(0).U32(0).U32(60).U32(20).Text(), "header size"},
      {WithByte(valid, 10, char(0xF0)), "offset"},  // pixel data said to start beyond the file
      {WithByte(valid, 30, 1), "compressed"}};      // run-length compressed
  for (const auto& [bytes, reason] : cases) {
    try {
      DecodeBmp(bytes, "mask.bmp");
      ADD_FAILURE() << "accepted: " << reason;
    } catch (const TFileError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find("\"mask.bmp\""), std::string::npos) << message;
      EXPECT_NE(message.find(reason), std::string::npos) << message;
    }
  }
  const std::string whole = EncodeBmp(TFastDIB(4, 4));  // rows without padding: every byte is needed
  for (size_t length = 0; length < whole.size(); ++length)
    EXPECT_THROW(DecodeBmp(whole.substr(0, length), "cut"), TFileError) << length;
  EXPECT_NO_THROW(DecodeBmp(whole, "whole"));
}

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

TEST(JpegFile, IsAJfifFileThatDecodesUprightWithTheColoursAtHighQuality) {
  const std::string bytes = EncodeJpeg(TestPicture());
  ASSERT_GT(bytes.size(), 20u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xD8\xFF\xE0", 4));
  EXPECT_EQ(bytes.substr(6, 5), std::string("JFIF\0", 5));
  EXPECT_EQ(bytes.substr(bytes.size() - 2), std::string("\xFF\xD9", 2));
  int width = 0;
  const auto rows = DecodeRows(bytes, width);
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

}  // namespace
}  // namespace wavora
