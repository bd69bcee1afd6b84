// The three driver's sheets go to their own files, whole, CR LF after every
// line, replacing whatever was there.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/file_names.h"
#include "test_support/files.h"
#include "writers/dati_note.h"
#include "writers/dati_rallentamenti.h"
#include "writers/dati_scheda.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

struct Sheet {
  const char* name;
  std::optional<IoError> (*write)(const FileNames&);
  const std::vector<std::string_view>& (*lines)();
  fs::path FileNames::*file;
};

const Sheet kSheets[] = {
    {"notes", dati_note, righe_note, &FileNames::note_txt},
    {"slowdown order", dati_rallentamenti, righe_rallentamenti, &FileNames::rallentamenti_txt},
    {"train card", dati_scheda, righe_scheda, &FileNames::scheda_txt},
};

TEST(DriverSheets, EachReplacesItsFileWithItsLines) {
  for (const Sheet& s : kSheets) {
    testing::TempDir dir;
    const FileNames files = file_names(dir.path(), "Montebrisca_Lurna", "7395");
    const fs::path& file = files.*s.file;
    testing::write_file(file, std::string(20000, 'x') + "\r\n");

    ASSERT_FALSE(s.write(files)) << s.name;
    std::string expected;
    for (const auto l : s.lines()) expected.append(l).append("\r\n");
    EXPECT_EQ(testing::read_file(file), expected) << s.name;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << s.name;
  }
}

TEST(DriverSheets, AFolderThatCannotBeWrittenIsReportedWithTheFile) {
  for (const Sheet& s : kSheets) {
    testing::TempDir dir;
    const FileNames files = file_names(dir.path() / "missing", "Montebrisca_Lurna", "7395");
    const auto err = s.write(files);
    ASSERT_TRUE(err) << s.name;
    EXPECT_EQ(err->file, files.*s.file) << s.name;
  }
}

}  // namespace
}  // namespace scenario
