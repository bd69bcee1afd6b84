// A generated line and train description as large and as dense as the
// compiler accepts, for measuring how the cost of a compilation grows with
// the route. The texts are in the description formats of docs/formats.md.
//
// The route is built from 2 km blocks. Within a block starting at B every
// object keeps to its own cells so that nothing collides, the route walk
// finds room for its markers and the whole route compiles without error:
//
//   B + 100   curve of 400 m (and again at B + 1100), one every kilometre
//   B + 300   maximum-speed indicator (and again at B + 1500)
//   B + 400   station, zone B + 200 .. B + 600, stopping in the cell of
//             B + 500 (every 12th block)
//   B + 1000  signal, every block
//   B + 1200  slowdown of 1500 m, warning board at B (every 10th block,
//             from the 5th)
//   B + 1700  direction sign (every 12th block, from the 6th)
//
// plus a gradient change every 500 m and 80 marked mountain stretches of
// 5 km. Stations and signs share the scenario records: 40 stations and 38
// signs fill them.
#pragma once

#include <cstdint>
#include <string>

namespace scenario::bench {

struct RouteTexts {
  std::string linea;  // line description, lines ended by CR LF
  std::string treno;  // train description
};

// The longest route the line reader accepts, in metres, and the scenario
// name and train number its files are named after.
inline constexpr int32_t kLongestRoute = 1'000'000;
inline constexpr const char* kLongestRouteName = "Linea_Lunga";
inline constexpr const char* kLongestRouteTrain = "9999";

// A route of `length` metres (2000 to 1 000 000); only whole 2 km blocks get
// objects.
RouteTexts large_route(int32_t length);

}  // namespace scenario::bench
