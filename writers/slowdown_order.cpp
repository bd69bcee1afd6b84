#include "writers/slowdown_order.h"

namespace scenario {

std::optional<IoError> write_slowdown_order(const FileNames& files) {
  return replace_file(files.rallentamenti_txt, slowdown_order_text());
}

}  // namespace scenario
