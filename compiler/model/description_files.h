#pragma once

#include <filesystem>

namespace scenario {

// The two description files a compilation reads. The builder deletes them
// once read (and both on a reading failure); the author tools keep them.
struct DescriptionFiles {
  std::filesystem::path linea;
  std::filesystem::path treno;
  bool delete_after_reading = true;
};

// After a description `read` has been read: when the files are to be
// deleted, deletes it, and on a reading failure (error 25) both descriptions.
void discard_after_reading(const DescriptionFiles& files, const std::filesystem::path& read,
                           bool reading_failed);

}  // namespace scenario
