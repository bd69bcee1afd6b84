#include "common/replace_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace scenario {
namespace {

IoError system_error(const std::filesystem::path& file, int err) {
  return IoError{file, std::strerror(err)};
}

// Writes everything, retrying short writes and interrupted calls.
int write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}

// Makes the rename itself durable.
std::optional<IoError> sync_folder(const std::filesystem::path& target) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return system_error(folder, errno);
  const int err = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  if (err != 0) return system_error(folder, err);
  return std::nullopt;
}

}  // namespace

std::optional<IoError> replace_file(const std::filesystem::path& target, std::string_view bytes) {
  FileReplacement file(target);
  file.write(bytes);
  return file.commit();
}

// A name of our own in the target's folder: rename() is atomic only within
// one file system. The file is created 0666 like a plain create, so the
// system applies the process's umask itself; O_EXCL keeps the name ours.
FileReplacement::FileReplacement(std::filesystem::path target) : target_(std::move(target)) {
  static std::atomic<unsigned> counter{0};
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::string name = target_.string() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temp_ = std::move(name);
      return;
    }
    if (errno != EEXIST) break;
  }
  error_ = errno;
}

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::write(std::string_view bytes) {
  if (error_ == 0) error_ = write_all(fd_, bytes);
}

std::optional<IoError> FileReplacement::commit() {
  if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
  if (fd_ >= 0 && ::close(fd_) != 0 && error_ == 0) error_ = errno;
  fd_ = -1;
  if (error_ == 0 && std::rename(temp_.c_str(), target_.c_str()) != 0) error_ = errno;
  if (error_ != 0) {
    discard();
    return system_error(target_, error_);
  }
  temp_.clear();  // renamed: nothing left to remove
  return sync_folder(target_);
}

void FileReplacement::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

}  // namespace scenario
