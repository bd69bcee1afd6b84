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

}  // namespace scenario
