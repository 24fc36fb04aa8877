#include "model/file_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "model/reader_limits.h"

namespace wavora {

namespace {

[[noreturn]] void ThrowFileError(const std::string& what, const std::string& fileName, int error) {
  throw TFileError(what + " \"" + fileName + "\": " + std::strerror(error));
}

// Closes the descriptor when it goes out of scope.
struct TFileDescriptor {
  int fd = -1;
  ~TFileDescriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

std::string ReadFileText(const std::string& fileName) {
  TFileDescriptor file{::open(fileName.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) ThrowFileError("Cannot open file", fileName, errno);
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) ThrowFileError("Cannot read file", fileName, errno);
  if (S_ISDIR(info.st_mode)) ThrowFileError("Cannot read file", fileName, EISDIR);
  std::string text;
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError("Cannot read file", fileName, errno);
    if (n == 0) break;
    if (text.size() + static_cast<size_t>(n) > kMaxFileSize)
      ThrowFileError("Cannot read file", fileName, EFBIG);
    text.append(buffer, static_cast<size_t>(n));
  }
  return text;
}

void WriteFileText(const std::string& fileName, const std::string& text) {
  const size_t slash = fileName.find_last_of('/');
  const std::string directory = slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  std::string temporary = directory + "." + base + ".XXXXXX";
  TFileDescriptor file{::mkstemp(temporary.data())};
  if (file.fd < 0) ThrowFileError("Cannot create file", fileName, errno);
  const auto fail = [&](int error) {
    ::unlink(temporary.c_str());
    ThrowFileError("Cannot write file", fileName, error);
  };
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat existing {};
  mode_t mode = 0666;
  if (::stat(fileName.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
  }
  if (::fchmod(file.fd, mode) != 0) fail(errno);
  size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(file.fd, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    written += static_cast<size_t>(n);
  }
  if (::fsync(file.fd) != 0) fail(errno);
  const int fd = std::exchange(file.fd, -1);
  if (::close(fd) != 0) fail(errno);
  if (::rename(temporary.c_str(), fileName.c_str()) != 0) fail(errno);
}

}  // namespace wavora
