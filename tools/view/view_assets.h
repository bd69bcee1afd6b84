// The page's own files from tools/view/, built into the program by CMake
// (tools/view/embed.cmake): the markup with its placeholders, the style, and
// the script files joined in order.
#pragma once

namespace scenario::tools {

extern const char kViewPageMarkup[];
extern const char kViewPageStyle[];
extern const char kViewPageScript[];

}  // namespace scenario::tools
