// `scenario inspect` on files it cannot read: a directory, a file whose
// read fails, a missing file. Each is named with the system's reason and
// exits 1; none ends the program abnormally.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include "test_support/files.h"
#include "common/exit_status.h"
#include "tools/inspect/inspect_command.h"

namespace scenario::tools {
namespace {

TEST(InspectUnreadable, NamesTheFileAndTheReason) {
  testing::TempDir dir;
  const struct {
    std::string file;
    int error;
  } cases[] = {
      {dir.path().string(), EISDIR},
      {"/proc/self/mem", EIO},
      {(dir.path() / "missing.dat").string(), ENOENT},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(run_inspect(InspectArgs{{c.file}, false, "", ""}, out, err), tool_exit::kIoOrUsage) << c.file;
    EXPECT_EQ(err.str(), "scenario inspect: " + c.file + ": " + std::strerror(c.error) + "\n");
    EXPECT_EQ(out.str(), "");
  }
}

}  // namespace
}  // namespace scenario::tools
