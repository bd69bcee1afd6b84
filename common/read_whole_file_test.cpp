#include "common/read_whole_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "test_support/files.h"

namespace scenario {
namespace {

TEST(ReadWholeFile, TheBytesAsTheyAre) {
  testing::TempDir dir;
  const std::string bytes = std::string("a,\r\nb\0c\xe8", 8) + std::string(200000, 'x');  // past one buffer
  testing::write_file(dir.path() / "f", bytes);
  testing::write_file(dir.path() / "empty", "");
  EXPECT_EQ(read_whole_file(dir.path() / "f"), bytes);
  EXPECT_EQ(read_whole_file(dir.path() / "empty"), "");
}

// Every failure comes back as nothing with the system's reason in errno,
// including a read that fails after the file was opened.
TEST(ReadWholeFile, FailuresLeaveTheSystemsReason) {
  testing::TempDir dir;
  const struct {
    std::filesystem::path file;
    int error;
  } cases[] = {
      {dir.path() / "missing", ENOENT},
      {dir.path(), EISDIR},
      {"/proc/self/mem", EIO},  // opens, then fails on its first read
  };
  for (const auto& c : cases) {
    errno = 0;
    EXPECT_FALSE(read_whole_file(c.file)) << c.file;
    EXPECT_EQ(errno, c.error) << c.file << ": " << std::strerror(errno);
  }
}

}  // namespace
}  // namespace scenario
