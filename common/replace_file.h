// Replaces a file whole, so that no failure leaves it half-written: the new
// content goes to a temporary file in the same folder, is flushed to disk and
// then renamed over the target. On failure the temporary file is removed and
// the earlier file stays as it was.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace scenario {

struct IoError {
  std::filesystem::path file;
  std::string reason;  // the system's own words (strerror)
};

std::optional<IoError> replace_file(const std::filesystem::path& target, std::string_view bytes);

// The same replacement with the content given in pieces, for a file too
// large to be built in memory next to the data it comes from. Nothing
// reaches the target until commit(); an instance destroyed before that
// removes its temporary file.
class FileReplacement {
 public:
  explicit FileReplacement(std::filesystem::path target);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Appends to the new content. After a failure it does nothing; commit()
  // then reports the failure.
  void write(std::string_view bytes);

  // Flushes the new content to disk and renames it over the target.
  std::optional<IoError> commit();

 private:
  void discard();

  std::filesystem::path target_;
  std::string temp_;
  int fd_ = -1;
  int error_ = 0;  // errno of the first failure
};

}  // namespace scenario
