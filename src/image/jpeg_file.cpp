#include "image/jpeg_file.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

#include "model/file_text.h"

namespace wavora {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; it jumps back to
// the encoder, which frees everything and throws. No C++ object lives between the jump and its
// target, so the jump skips no destructor.
struct TJpegJob {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  std::jmp_buf failure;
  char message[JMSG_LENGTH_MAX];
  unsigned char* buffer;
  unsigned long size;
};

[[noreturn]] void ExitOnError(j_common_ptr info) {
  TJpegJob* job = reinterpret_cast<TJpegJob*>(info->client_data);
  (*info->err->format_message)(info, job->message);
  std::longjmp(job->failure, 1);
}

// Warnings go nowhere: the core prints nothing.
void IgnoreMessage(j_common_ptr) {}

// Runs the encoder; false with job.message set when libjpeg failed.
bool Compress(TJpegJob& job, const TFastDIB& image, int quality) {
  job.info.err = jpeg_std_error(&job.errors);
  job.errors.error_exit = ExitOnError;
  job.errors.output_message = IgnoreMessage;
  job.info.client_data = &job;
  if (setjmp(job.failure) != 0) return false;
  jpeg_create_compress(&job.info);
  jpeg_mem_dest(&job.info, &job.buffer, &job.size);
  job.info.image_width = JDIMENSION(image.Width());
  job.info.image_height = JDIMENSION(image.Height());
  job.info.input_components = TFastDIB::kBytesPerPixel;
  job.info.in_color_space = JCS_EXT_BGRX;  // the image's own pixels, the fourth byte unread
  jpeg_set_defaults(&job.info);            // YCbCr with a JFIF header
  jpeg_set_quality(&job.info, quality, TRUE);
  job.info.density_unit = 1;  // dots per inch
  job.info.X_density = 96;
  job.info.Y_density = 96;
  jpeg_start_compress(&job.info, TRUE);
  while (job.info.next_scanline < job.info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.Row(int(job.info.next_scanline)));
    jpeg_write_scanlines(&job.info, &row, 1);
  }
  jpeg_finish_compress(&job.info);
  return true;
}

}  // namespace

bool HasJpegWriter() {
  return true;
}

std::string EncodeJpeg(const TFastDIB& image, int quality) {
  if (image.IsEmpty()) throw std::runtime_error("the image is empty");
  TJpegJob job{};
  const bool done = Compress(job, image, quality < 1 ? 1 : quality > 100 ? 100 : quality);
  jpeg_destroy_compress(&job.info);
  std::unique_ptr<unsigned char, decltype(&std::free)> buffer(job.buffer, &std::free);
  if (!done) throw std::runtime_error(std::string("JPEG encoding failed: ") + job.message);
  return std::string(reinterpret_cast<const char*>(buffer.get()), job.size);
}

void WriteJpegFile(const TFastDIB& image, const std::string& fileName, int quality) {
  std::string data;
  try {
    data = EncodeJpeg(image, quality);
  } catch (const std::runtime_error& error) {
    throw TFileError("Cannot write file \"" + fileName + "\": " + error.what());
  }
  WriteFileText(fileName, data);
}

}  // namespace wavora
