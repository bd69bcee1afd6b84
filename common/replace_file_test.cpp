#include "common/replace_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "test_support/files.h"

namespace scenario {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

size_t entries(const std::filesystem::path& dir) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
  return n;
}

TEST(ReplaceFile, ALongerEarlierFileIsReplacedWhole) {
  TempDir dir;
  const auto file = dir.path() / "out.dat";
  write_file(file, std::string(1000, 'x'));
  EXPECT_FALSE(replace_file(file, std::string("ab\0c", 4)));
  EXPECT_EQ(read_file(file), std::string("ab\0c", 4));
  EXPECT_EQ(entries(dir.path()), 1u);  // no temporary file left
}

// The mode a plain create would give: 0666 less the process's umask.
TEST(ReplaceFile, ANewFileGetsTheUsualMode) {
  for (const auto& [mask, mode] : {std::pair<mode_t, mode_t>{022, 0644}, {027, 0640}, {0, 0666}}) {
    TempDir dir;
    const auto file = dir.path() / "new.txt";
    const mode_t old = ::umask(mask);
    EXPECT_FALSE(replace_file(file, "x"));
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, mode) << std::oct << mask;
  }
}

TEST(ReplaceFile, FailureNamesTheFileAndLeavesNothingBehind) {
  TempDir dir;
  // The target name is taken by a folder: the rename fails.
  const auto taken = dir.path() / "taken";
  std::filesystem::create_directory(taken);
  const auto err = replace_file(taken, "data");
  ASSERT_TRUE(err);
  EXPECT_EQ(err->file, taken);
  EXPECT_FALSE(err->reason.empty());
  EXPECT_TRUE(std::filesystem::is_directory(taken));
  EXPECT_EQ(entries(dir.path()), 1u);

  // A folder that does not exist: the temporary file cannot be made.
  const auto missing = dir.path() / "no" / "file";
  const auto err2 = replace_file(missing, "data");
  ASSERT_TRUE(err2);
  EXPECT_EQ(err2->file, missing);
}

TEST(FileReplacement, PiecesJoinUpAndNothingShowsBeforeTheCommit) {
  TempDir dir;
  const auto file = dir.path() / "out.dat";
  write_file(file, "earlier");
  {
    FileReplacement r(file);
    r.write("ab");
    r.write("");
    r.write(std::string("\0c", 2));
    EXPECT_EQ(read_file(file), "earlier");
    EXPECT_FALSE(r.commit());
  }
  EXPECT_EQ(read_file(file), std::string("ab\0c", 4));
  EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(FileReplacement, NoCommitLeavesTheTargetAndNoTemporaryFile) {
  TempDir dir;
  const auto file = dir.path() / "out.dat";
  write_file(file, "earlier");
  {
    FileReplacement r(file);
    r.write("never committed");
  }
  EXPECT_EQ(read_file(file), "earlier");
  EXPECT_EQ(entries(dir.path()), 1u);

  // A failure to start is reported by the commit, and the writes between
  // do nothing.
  const auto missing = dir.path() / "no" / "file";
  FileReplacement r(missing);
  r.write("data");
  const auto err = r.commit();
  ASSERT_TRUE(err);
  EXPECT_EQ(err->file, missing);
}

}  // namespace
}  // namespace scenario
