// The five source texts go to their own files, whole, CR LF after every
// line, replacing whatever was there, and each is byte for byte its golden
// copy in testdata/builtin (the two descriptions there are also the author
// tools' fixtures). A folder that cannot be written is reported with the
// file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/builtin_scenario.h"
#include "common/file_names.h"
#include "test_support/files.h"
#include "writers/line_description.h"
#include "writers/line_notes.h"
#include "writers/slowdown_order.h"
#include "writers/train_card.h"
#include "writers/train_description.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

struct Writer {
  const char* name;
  std::optional<IoError> (*write)(const FileNames&);
  fs::path FileNames::*file;
};

const Writer kWriters[] = {
    {"line description", write_line_description, &FileNames::linea_txt},
    {"train description", write_train_description, &FileNames::treno_txt},
    {"notes", write_line_notes, &FileNames::note_txt},
    {"slowdown order", write_slowdown_order, &FileNames::rallentamenti_txt},
    {"train card", write_train_card, &FileNames::scheda_txt},
};

TEST(SourceTexts, EachReplacesItsFileWithItsGoldenCopy) {
  const FileNames golden = file_names(fs::path(TESTDATA_DIR) / "builtin", kScenarioName, kTrainNumber);
  for (const Writer& w : kWriters) {
    testing::TempDir dir;
    const FileNames files = file_names(dir.path(), kScenarioName, kTrainNumber);
    const fs::path& file = files.*w.file;
    testing::write_file(file, std::string(20000, 'x') + "\r\n");

    ASSERT_FALSE(w.write(files)) << w.name;
    EXPECT_EQ(testing::read_file(file), testing::read_file(golden.*w.file)) << w.name;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << w.name;
  }
}

TEST(SourceTexts, AFolderThatCannotBeWrittenIsReportedWithTheFile) {
  for (const Writer& w : kWriters) {
    testing::TempDir dir;
    const FileNames files = file_names(dir.path() / "missing", kScenarioName, kTrainNumber);
    const auto err = w.write(files);
    ASSERT_TRUE(err) << w.name;
    EXPECT_EQ(err->file, files.*w.file) << w.name;
  }
}

}  // namespace
}  // namespace scenario
