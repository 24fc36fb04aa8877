#include "image/bmp_file.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/file_text.h"

namespace wavora {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;  // the old OS/2 header with 16-bit sizes
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kLargestInfoHeaderSize = 124;
constexpr int32_t kPixelsPerMetre = 3780;  // 96 pixels per inch

// Little-endian fields of the file, read only after the caller has checked the bounds.
class TBmpBytes {
 public:
  TBmpBytes(std::string_view bytes, const std::string& sourceName) : bytes_(bytes), sourceName_(sourceName) {}

  [[noreturn]] void Fail(const std::string& reason) const {
    throw TFileError("Cannot read image file \"" + sourceName_ + "\": " + reason);
  }
  void Require(uint64_t end, const char* what) const {
    if (end > bytes_.size()) Fail(std::string("truncated ") + what);
  }
  uint8_t U8(size_t at) const { return static_cast<uint8_t>(bytes_[at]); }
  uint16_t U16(size_t at) const { return static_cast<uint16_t>(U8(at) | U8(at + 1) << 8); }
  uint32_t U32(size_t at) const { return U16(at) | uint32_t{U16(at + 2)} << 16; }
  int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
  const uint8_t* Data(size_t at) const { return reinterpret_cast<const uint8_t*>(bytes_.data()) + at; }
  size_t Size() const { return bytes_.size(); }

 private:
  std::string_view bytes_;
  const std::string& sourceName_;
};

void PutU16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void PutU32(std::string& out, uint32_t v) {
  PutU16(out, static_cast<uint16_t>(v & 0xFFFF));
  PutU16(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace

TFastDIB DecodeBmp(std::string_view bytes, const std::string& sourceName) {
  const TBmpBytes in(bytes, sourceName);
  if (in.Size() < 2 || in.U8(0) != 'B' || in.U8(1) != 'M') in.Fail("not a bitmap file");
  in.Require(kFileHeaderSize + 4, "file header");
  const uint32_t pixelOffset = in.U32(10);
  const uint32_t headerSize = in.U32(kFileHeaderSize);
  if (headerSize != kCoreHeaderSize &&
      (headerSize < kInfoHeaderSize || headerSize > kLargestInfoHeaderSize)) {
    in.Fail("unknown header size " + std::to_string(headerSize));
  }
  in.Require(kFileHeaderSize + uint64_t{headerSize}, "header");

  const size_t h = kFileHeaderSize;
  const bool core = headerSize == kCoreHeaderSize;
  const int64_t width = core ? in.U16(h + 4) : in.I32(h + 4);
  const int64_t storedHeight = core ? in.U16(h + 6) : in.I32(h + 8);
  const int bitsPerPixel = core ? in.U16(h + 10) : in.U16(h + 14);
  const uint32_t compression = core ? 0 : in.U32(h + 16);
  const uint32_t coloursUsed = core ? 0 : in.U32(h + 32);
  // A negative height marks rows stored from the top down.
  const bool topDown = storedHeight < 0;
  const int64_t height = topDown ? -storedHeight : storedHeight;

  if (width <= 0 || height <= 0) {
    in.Fail("bad image size " + std::to_string(width) + " x " + std::to_string(storedHeight));
  }
  if (width > kMaxDibSide || height > kMaxDibSide || width * height > kMaxDibPixels) {
    in.Fail("image size " + std::to_string(width) + " x " + std::to_string(height) + " is too large");
  }
  if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24) {
    in.Fail(std::to_string(bitsPerPixel) + " bits per pixel are not supported");
  }
  if (compression != 0) in.Fail("compressed bitmaps are not supported");

  // Palette entries follow the header: blue, green, red and (except in the core format) a spare byte.
  std::array<TColour, 256> palette{};
  int paletteSize = 0;
  if (bitsPerPixel <= 8) {
    const int maximum = 1 << bitsPerPixel;
    paletteSize = coloursUsed == 0 ? maximum : int(std::min<uint32_t>(coloursUsed, uint32_t(maximum)));
    const size_t entrySize = core ? 3 : 4;
    const size_t paletteStart = kFileHeaderSize + headerSize;
    in.Require(paletteStart + entrySize * paletteSize, "palette");
    for (int i = 0; i < paletteSize; ++i) {
      const size_t at = paletteStart + entrySize * i;
      palette[i] = TColour{in.U8(at), in.U8(at + 1), in.U8(at + 2)};
    }
  }

  // Rows are padded to whole 32-bit words; the last row may lack its padding.
  const int64_t rowBytes = (width * bitsPerPixel + 7) / 8;
  const int64_t stride = (width * bitsPerPixel + 31) / 32 * 4;
  if (pixelOffset < kFileHeaderSize + headerSize || pixelOffset > in.Size()) {
    in.Fail("bad pixel data offset " + std::to_string(pixelOffset));
  }
  in.Require(uint64_t(pixelOffset) + uint64_t(stride * (height - 1) + rowBytes), "pixel data");

  TFastDIB image(static_cast<int>(width), static_cast<int>(height));
  for (int64_t stored = 0; stored < height; ++stored) {
    const uint8_t* source = in.Data(pixelOffset + size_t(stored * stride));
    uint8_t* target = image.Row(int(topDown ? stored : height - 1 - stored));
    if (bitsPerPixel == 24) {
      for (int64_t x = 0; x < width; ++x, source += 3, target += TFastDIB::kBytesPerPixel)
        std::copy_n(source, 3, target);
      continue;
    }
    const int perByte = 8 / bitsPerPixel;
    const int mask = (1 << bitsPerPixel) - 1;
    for (int64_t x = 0; x < width; ++x, target += TFastDIB::kBytesPerPixel) {
      // The leftmost pixel is in the high bits of its byte.
      const int shift = 8 - bitsPerPixel * int(x % perByte + 1);
      const int index = (source[x / perByte] >> shift) & mask;
      const TColour colour = index < paletteSize ? palette[index] : TColour{};
      target[0] = colour.blue, target[1] = colour.green, target[2] = colour.red;
    }
  }
  return image;
}

TFastDIB ReadBmpFile(const std::string& fileName) {
  return DecodeBmp(ReadFileText(fileName), fileName);
}

std::string EncodeBmp(const TFastDIB& image) {
  // 24 bits per pixel, rows padded to whole 32-bit words.
  const uint32_t stride = (uint32_t(image.Width()) * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * uint32_t(image.Height());
  const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;
  std::string out;
  out.reserve(pixelOffset + imageSize);
  out += "BM";
  PutU32(out, pixelOffset + imageSize);
  PutU32(out, 0);
  PutU32(out, pixelOffset);
  PutU32(out, kInfoHeaderSize);
  PutU32(out, uint32_t(image.Width()));
  PutU32(out, uint32_t(image.Height()));  // positive: rows bottom-up, as most readers expect
  PutU16(out, 1);                         // planes
  PutU16(out, 24);                        // bits per pixel
  PutU32(out, 0);                         // no compression
  PutU32(out, imageSize);
  PutU32(out, uint32_t(kPixelsPerMetre));
  PutU32(out, uint32_t(kPixelsPerMetre));
  PutU32(out, 0);  // colours used
  PutU32(out, 0);  // important colours
  std::string row(stride, '\0');
  for (int y = image.Height() - 1; y >= 0; --y) {
    const uint8_t* pixel = image.Row(y);
    for (int x = 0; x < image.Width(); ++x, pixel += TFastDIB::kBytesPerPixel)
      std::copy_n(pixel, 3, row.begin() + 3 * x);
    out += row;
  }
  return out;
}

void WriteBmpFile(const TFastDIB& image, const std::string& fileName) {
  if (image.IsEmpty()) throw TFileError("Cannot write file \"" + fileName + "\": the image is empty");
  WriteFileText(fileName, EncodeBmp(image));
}

}  // namespace wavora
