#include "compiler/text/descriptions.h"

#include <system_error>

#include "common/read_whole_file.h"

namespace scenario {

DescriptionText load_description(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return {};
  std::optional<std::string> bytes = read_whole_file(file);
  if (!bytes) return {DescriptionText::Found::kUnreadable, {}};
  return DescriptionText::of(std::move(*bytes));
}

void discard_descriptions(const DescriptionFiles& files, const CompilationState& s) {
  const bool failed = s.line_reading.end == ReadingEnd::kReadingFailure ||
                      s.train_reading.end == ReadingEnd::kReadingFailure;
  std::error_code ignored;
  if (failed || s.line_reading.end != ReadingEnd::kNotRead) std::filesystem::remove(files.linea, ignored);
  if (failed || s.train_reading.end != ReadingEnd::kNotRead) std::filesystem::remove(files.treno, ignored);
}

}  // namespace scenario
