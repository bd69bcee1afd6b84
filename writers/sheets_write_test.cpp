// The five source texts: each pinned by its SHA-256, every line ended by
// CR LF, and each written to its own file, whole, replacing whatever was
// there, byte for byte the file of testdata/builtin it is built from (the
// two descriptions there are also the compiler's and the author tools'
// fixtures). A folder that cannot be written is reported with the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/builtin_scenario.h"
#include "common/file_names.h"
#include "test_support/files.h"
#include "test_support/sha256.h"
#include "writers/line_description.h"
#include "writers/line_notes.h"
#include "writers/slowdown_order.h"
#include "writers/train_card.h"
#include "writers/train_description.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

struct Text {
  const char* name;
  std::string_view (*bytes)();
  std::optional<IoError> (*write)(const FileNames&);
  fs::path FileNames::*file;
  std::string_view sha256;
};

// The digests of the three sheets are those of the builder's reference run.
const Text kTexts[] = {
    {"line description", line_description_text, write_line_description, &FileNames::linea_txt,
     "bb0e65292f67b01e23e0f96dd9eaba18415271e722361e36f4d3ace79153e67e"},
    {"train description", train_description_text, write_train_description, &FileNames::treno_txt,
     "c715615abc7b0623e9a74cd49f00609e93dc209397b40d3c5203362ec14704a0"},
    {"notes", line_notes_text, write_line_notes, &FileNames::note_txt,
     "f16b8a4fb84f14605df639dfc5ee5c80a250f08591463268744feae6c8e1ed5f"},
    {"slowdown order", slowdown_order_text, write_slowdown_order, &FileNames::rallentamenti_txt,
     "8b050b222fb956fcfecaf2d90e5d1438784e03f1f707adab327d9f3c05e590fb"},
    {"train card", train_card_text, write_train_card, &FileNames::scheda_txt,
     "f8f7885b5e469da58baf52e92ac640222a06ba8f4e557892daad7a4076104543"},
};

TEST(SourceTexts, EachIsPinnedByItsDigest) {
  for (const Text& t : kTexts) EXPECT_EQ(testing::sha256_hex(t.bytes()), t.sha256) << t.name;
}

TEST(SourceTexts, EveryLineEndsInCrLfAndNoNulIsInside) {
  for (const Text& t : kTexts) {
    const std::string_view text = t.bytes();
    size_t pairs = 0;
    for (size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2)) ++pairs;
    EXPECT_GT(pairs, 0u) << t.name;
    EXPECT_TRUE(text.ends_with("\r\n")) << t.name;
    EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), '\r')), pairs) << t.name;
    EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')), pairs) << t.name;
    EXPECT_EQ(text.find('\0'), std::string_view::npos) << t.name;
  }
}

TEST(SourceTexts, EachReplacesItsFileWithTheFileItIsBuiltFrom) {
  const FileNames source = file_names(fs::path(TESTDATA_DIR) / "builtin", kScenarioName, kTrainNumber);
  for (const Text& t : kTexts) {
    testing::TempDir dir;
    const FileNames files = file_names(dir.path(), kScenarioName, kTrainNumber);
    const fs::path& file = files.*t.file;
    testing::write_file(file, std::string(20000, 'x') + "\r\n");

    ASSERT_FALSE(t.write(files)) << t.name;
    EXPECT_EQ(testing::read_file(file), testing::read_file(source.*t.file)) << t.name;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << t.name;
  }
}

TEST(SourceTexts, AFolderThatCannotBeWrittenIsReportedWithTheFile) {
  for (const Text& t : kTexts) {
    testing::TempDir dir;
    const FileNames files = file_names(dir.path() / "missing", kScenarioName, kTrainNumber);
    const auto err = t.write(files);
    ASSERT_TRUE(err) << t.name;
    EXPECT_EQ(err->file, files.*t.file) << t.name;
  }
}

}  // namespace
}  // namespace scenario
