#include "model/file_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>
#include <vector>

#include "model/reader_limits.h"

namespace wavora {

namespace {

// As many links in a row as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

[[noreturn]] void ThrowFileError(const std::string& what, const std::string& fileName, int error,
                                 const std::string& consequence = {}) {
  throw TFileError(what + " \"" + fileName + "\": " + std::strerror(error) + consequence);
}

// Closes the descriptor when it goes out of scope.
struct TFileDescriptor {
  int fd = -1;
  ~TFileDescriptor() {
    if (fd >= 0) ::close(fd);
  }
};

std::string DirectoryOf(const std::string& fileName) {
  const size_t slash = fileName.find_last_of('/');
  return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

// The file a name stands for once every symbolic link is followed (a relative link from its own
// folder), so that saving replaces the linked file and keeps the link. A link to nothing gives the
// name it points to, which the save then creates.
std::string ResolveLinks(const std::string& fileName) {
  std::string target = fileName;
  std::vector<char> link(PATH_MAX);
  for (int hops = 0;; ++hops) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    if (hops == kMaxLinkHops) ThrowFileError("Cannot write file", fileName, ELOOP);
    const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
    if (length < 0) ThrowFileError("Cannot write file", fileName, errno);
    if (static_cast<size_t>(length) == link.size())
      ThrowFileError("Cannot write file", fileName, ENAMETOOLONG);
    const std::string next(link.data(), static_cast<size_t>(length));
    target = next.starts_with('/') ? next : DirectoryOf(target) + next;
  }
}

// The permission bits of the file being replaced; a new file gets the usual ones.
mode_t ModeFor(const struct stat* existing) {
  if (existing) return existing->st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes all of text at the descriptor's position; 0 or the error.
int WriteAll(int fd, const std::string& text) {
  size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    written += static_cast<size_t>(n);
  }
  return 0;
}

// Where no temporary file can be made beside the target (a folder the user may not write in), the
// file itself is overwritten. The room for the new text is reserved first, so that a full disk or
// quota refuses the save with the old content untouched; a failure after that point is reported as
// one that may have cost the old content.
void WriteInPlace(const std::string& fileName, const std::string& target, const std::string& text,
                  const struct stat* existing) {
  TFileDescriptor file{::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, ModeFor(existing))};
  if (file.fd < 0) ThrowFileError("Cannot create file", fileName, errno);
  const bool regular = !existing || S_ISREG(existing->st_mode);
  const auto fail = [&](int error, const char* consequence) {
    if (!existing) ::unlink(target.c_str());  // made here: there is nothing to keep
    ThrowFileError("Cannot write file", fileName, error, existing && regular ? consequence : "");
  };
  if (regular && !text.empty()) {
    const int error = ::posix_fallocate(file.fd, 0, static_cast<off_t>(text.size()));
    if (error == ENOSPC || error == EDQUOT || error == EFBIG) {
      if (existing && ::ftruncate(file.fd, existing->st_size) != 0) fail(error, "; zero bytes may follow it");
      fail(error, "; the file was left as it was");
    }
  }
  int error = WriteAll(file.fd, text);
  if (error == 0 && regular && ::ftruncate(file.fd, static_cast<off_t>(text.size())) != 0) error = errno;
  if (error == 0 && regular && ::fsync(file.fd) != 0) error = errno;
  if (error == 0 && ::close(std::exchange(file.fd, -1)) != 0) error = errno;
  if (error != 0) fail(error, "; its previous content may be lost");
}

// The name of a new temporary file beside the target, for it to replace the target; its mode is the
// target's. Empty when none can be made there.
std::string TemporaryBeside(const std::string& fileName, const std::string& target,
                            const struct stat* existing, TFileDescriptor& file) {
  const std::string directory = DirectoryOf(target);
  std::string temporary = directory + "." + target.substr(directory.size()) + ".XXXXXX";
  file.fd = ::mkstemp(temporary.data());
  if (file.fd < 0) return {};
  if (::fchmod(file.fd, ModeFor(existing)) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    ThrowFileError("Cannot write file", fileName, error);
  }
  return temporary;
}

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

TReplacingFile::TReplacingFile(const std::string& fileName) : fileName_(fileName) {
  struct stat info {};
  const struct stat* existing = ::stat(fileName.c_str(), &info) == 0 ? &info : nullptr;
  if (existing && !S_ISREG(existing->st_mode)) ThrowFileError("Cannot write file", fileName, EINVAL);
  target_ = ResolveLinks(fileName);
  TFileDescriptor file;
  temporary_ = TemporaryBeside(fileName, target_, existing, file);
  if (temporary_.empty()) ThrowFileError("Cannot create file", fileName, errno);
}

TReplacingFile::~TReplacingFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

void TReplacingFile::Commit() {
  const auto fail = [&](int error) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
    ThrowFileError("Cannot write file", fileName_, error);
  };
  TFileDescriptor file{::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0 || ::fsync(file.fd) != 0) fail(errno);
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) fail(errno);
  temporary_.clear();
}

void WriteFileText(const std::string& fileName, const std::string& text) {
  struct stat info {};
  const struct stat* existing = ::stat(fileName.c_str(), &info) == 0 ? &info : nullptr;
  // A device or pipe cannot be replaced, only written to.
  if (existing && !S_ISREG(existing->st_mode)) return WriteInPlace(fileName, fileName, text, existing);

  const std::string target = ResolveLinks(fileName);
  TFileDescriptor file;
  const std::string temporary = TemporaryBeside(fileName, target, existing, file);
  if (temporary.empty()) return WriteInPlace(fileName, target, text, existing);
  const auto fail = [&](int error) {
    ::unlink(temporary.c_str());
    ThrowFileError("Cannot write file", fileName, error);
  };
  if (const int error = WriteAll(file.fd, text)) fail(error);
  if (::fsync(file.fd) != 0) fail(errno);
  if (::close(std::exchange(file.fd, -1)) != 0) fail(errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) fail(errno);
}

}  // namespace wavora
