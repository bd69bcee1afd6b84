// The starter descriptions of `scenario new`, from tools/new/starter/, built into
// the program by CMake (tools/new/starter/embed.cmake); line ends are LF.
#pragma once

namespace scenario::tools {

extern const char kStarterLinea[];
extern const char kStarterTreno[];

}  // namespace scenario::tools
