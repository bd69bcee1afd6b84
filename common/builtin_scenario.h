// The one scenario this build carries: its name and its train number, the
// stems of every file the builder writes.
#pragma once

namespace scenario {

inline constexpr const char* kScenarioName = "Montebrisca_Lurna";
inline constexpr const char* kTrainNumber = "7395";

}  // namespace scenario
