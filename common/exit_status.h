// The exit statuses of the two programs, as their help texts and the README
// list them.
#pragma once

namespace scenario {

// montebrisca_lurna, the builder.
namespace builder_exit {
inline constexpr int kOk = 0;
inline constexpr int kIo = 1;    // a file could not be written, or no program folder
inline constexpr int kUsage = 2; // an argument the builder does not take
inline constexpr int kData = 3;  // the scenario's data holds an error
}  // namespace builder_exit

// scenario, the author tool.
namespace tool_exit {
inline constexpr int kOk = 0;
inline constexpr int kIoOrUsage = 1;  // an input/output or usage fault
inline constexpr int kData = 2;       // a fault in the scenario's data
}  // namespace tool_exit

}  // namespace scenario
