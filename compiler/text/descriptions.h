// The two description files of a compilation: loading them whole, and
// deleting them once read, as the builder does (the author tools keep them).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "compiler/model/state.h"

namespace scenario {

struct DescriptionFiles {
  std::filesystem::path linea;
  std::filesystem::path treno;
};

// A description as found on disk.
struct DescriptionText {
  enum class Found { kMissing, kUnreadable, kRead };
  Found found = Found::kMissing;
  std::string bytes;  // when read

  static DescriptionText of(std::string bytes) { return {Found::kRead, std::move(bytes)}; }
};

// Only a regular file is a description: a directory or a pipe is missing.
DescriptionText load_description(const std::filesystem::path& file);

// Deletes each description whose reading was started, and both when a
// reading failed (error 25). A file that cannot be deleted stays behind; the
// compiled result is the same.
void discard_descriptions(const DescriptionFiles& files, const CompilationState& s);

}  // namespace scenario
