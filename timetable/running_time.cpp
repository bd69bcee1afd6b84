#include "timetable/running_time.h"

#include <cmath>
#include <cstdio>

namespace scenario {

std::string clock_text(double seconds) {
  auto whole = static_cast<int64_t>(std::llround(seconds));
  whole = ((whole % 86400) + 86400) % 86400;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(whole / 3600), static_cast<int>(whole / 60 % 60),
                static_cast<int>(whole % 60));
  return text;
}

std::optional<RunEstimate> estimate_run(std::span<const Cella>, const std::array<Record, kRecordCount>&, int,
                                        const TrainParameters&) {
  return std::nullopt;
}

}  // namespace scenario
