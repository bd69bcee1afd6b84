#include "writers/train_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "test_support/files.h"
#include "writers/test_rows.h"

namespace scenario {
namespace {

// The train description's lines, without their line ends.
const std::vector<std::string_view> kLines = testing::lines_of(train_description_text());

using testing::is_right_aligned_number;
using testing::section_rows;
using testing::split_fields;
using testing::trim;

TEST(TrainDescription, PlainAsciiLinesEndingWithCodiciAndFine) {
  EXPECT_EQ(kLines.size(), 90u);
  EXPECT_EQ(kLines[88], "[codici]");
  EXPECT_EQ(kLines[89], "[fine]");
  for (const std::string_view line : kLines) {
    EXPECT_EQ(line.find("riferimento fine del file"), std::string_view::npos);
    EXPECT_FALSE(line.empty());
    EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; }))
        << line;  // plain ASCII, no line end inside
  }
}

TEST(TrainDescription, SectionsComeInOrderWithTheirRowCounts) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"[generale]", 4}, {"[aderenze]", 1}, {"[vel_limite]", 14}, {"[stazioni]", 22},
      {"[rallentamenti]", 1}, {"[segnali]", 40}, {"[codici]", 0},   {"[fine]", 0}};
  EXPECT_EQ(testing::section_sizes(kLines), expected);
  EXPECT_EQ(kLines.front(), "[generale]");
}

// The rows docs/formats.md quotes as the builder writes them ("Train
// description", "Layout as written"): the general, adhesion and slowdown
// sections whole and a row of each other section.
TEST(TrainDescription, RowsQuotedInTheFormatsStandAsQuoted) {
  const std::vector<std::string_view> quoted = {
      "[generale]",
      "numero vetture,    14",
      "percentuale massa frenata,    125",
      "sabbia,    300",
      "orologio,    23              49            40 ",
      "[aderenze]",
      "aderenza,       0,    90",
      "[vel_limite]",
      "velocita,       0,    80",
      "velocita,    1500,   135",
      "[stazioni]",
      "stazione,       0,  2, 1000,  0, 0, 0,  1,1,0,  4,1,1,    1,  23,50, 0, MONTEBRISCA",
      "[rallentamenti]",
      "rallentamento,   93650,    40,  200, 0,  1,  0",
      "[segnali]",
      "segnale,    2800,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
      "[codici]",
      "[fine]",
  };
  const size_t found = testing::found_in_order(kLines, quoted);
  EXPECT_EQ(found, quoted.size()) << "not in order: " << quoted[std::min(found, quoted.size() - 1)];
  for (const std::string_view whole : {"[generale]", "[aderenze]", "[rallentamenti]"}) {
    EXPECT_EQ(section_rows(kLines, whole), section_rows(quoted, whole)) << whole;
  }
}

// A station row: the keyword, 16 numbers and the name.
struct Station {
  std::vector<int> columns;  // columns[1] .. columns[16]; [0] unused
  std::string name;
};

std::vector<Station> stations() {
  // Widths of the numeric fields between commas: columns 7-9 and 10-12 are
  // written as groups ("  1,1,0"), so only the group's first field is padded.
  const size_t widths[17] = {0, 8, 3, 5, 3, 2, 2, 3, 1, 1, 3, 1, 1, 5, 4, 2, 2};
  std::vector<Station> out;
  for (const std::string& row : section_rows(kLines, "[stazioni]")) {
    const auto fields = split_fields(row);
    EXPECT_EQ(fields.size(), 18u) << row;
    if (fields.size() != 18u) continue;
    EXPECT_EQ(fields[0], "stazione");
    Station s{{0}, trim(fields[17])};
    for (int c = 1; c <= 16; ++c) {
      EXPECT_TRUE(is_right_aligned_number(fields[c], widths[c])) << row << " column " << c;
      s.columns.push_back(std::stoi(fields[c]));
    }
    EXPECT_EQ(fields[17], " " + s.name) << row;
    out.push_back(s);
  }
  return out;
}

TEST(TrainDescription, StationsInRouteOrderWithTheirNames) {
  // The names and order shared with the train card and the line notes.
  const std::vector<std::string> names = {
      "MONTEBRISCA", "CAVRESCINO", "PIAN DEL TASSO", "SORBETO", "VILLA ALDERA",
      "ROCCHIANO", "S. MARTINO D.F.", "FORNACI DI MEZZO", "ERBALUNGA", "CASTEL GUALDO",
      "POGGIO ALTO", "VALDEMO", "MOLINELLA SUP.", "SAN CIPRIANO", "TORRE BIANCA",
      "CAMPOREGIO", "LE FORNACI", "MEZZANA", "RIVALTA", "CORTE VALSIO",
      "PRATOLUNGO", "LURNA"};
  const std::vector<Station> all = stations();
  ASSERT_EQ(all.size(), names.size());
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].name, names[i]);
    EXPECT_LE(all[i].name.size(), 17u);
    EXPECT_EQ(all[i].columns[1] % 50, 0) << all[i].name;
    if (i > 0) {
      EXPECT_LT(all[i - 1].columns[1], all[i].columns[1]) << all[i].name;
    }
  }
  EXPECT_EQ(all.front().columns[1], 0);
  EXPECT_EQ(all.back().columns[1], 102250);
}

TEST(TrainDescription, StationColumnsTakeExactlyTheirValueSets) {
  using Values = std::set<int>;
  const std::map<int, Values> expected = {
      {2, {2, 4, 12, 22, 24, 26, 27, 28}}, {3, {200, 300, 400, 500, 600, 1000}},
      {4, {0, 1}},  {5, {0}},     {6, {0}},    {7, {0, 1, 4}}, {8, {0, 1}},
      {9, {0}},     {10, {0, 2, 4}}, {11, {0, 1, 4}}, {12, {0, 1}}, {13, {0, 1, 2, 115, 205}}};
  const std::vector<Station> all = stations();
  for (const auto& [column, values] : expected) {
    Values seen;
    for (const Station& s : all) seen.insert(s.columns[column]);
    EXPECT_EQ(seen, values) << "column " << column;
  }

  // Only the two terminals and VALDEMO carry a time.
  std::map<std::string, std::vector<int>> timed;
  for (const Station& s : all) {
    const std::vector<int> time(s.columns.begin() + 14, s.columns.end());
    if (time != std::vector<int>{0, 0, 0}) timed[s.name] = time;
  }
  const std::map<std::string, std::vector<int>> expected_times = {
      {"MONTEBRISCA", {23, 50, 0}}, {"VALDEMO", {0, 22, 0}}, {"LURNA", {0, 52, 0}}};
  EXPECT_EQ(timed, expected_times);
}

TEST(TrainDescription, StationZonesKeepTheirDistance) {
  // Every category here has its zone centred on the position, half the
  // length to each side; the next zone must start 350 m or more after.
  const std::vector<Station> all = stations();
  for (size_t i = 1; i < all.size(); ++i) {
    const int previous_end = all[i - 1].columns[1] + all[i - 1].columns[3] / 2;
    const int start = all[i].columns[1] - all[i].columns[3] / 2;
    EXPECT_GE(start - previous_end, 350) << all[i].name;
  }
}

struct Signal {
  std::vector<int> fields;  // posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo
};

std::vector<Signal> signals() {
  // Widths of the fields after the keyword; d2 and d3 follow d1 without
  // spaces, and the time has one space before it.
  const size_t widths[11] = {8, 4, 2, 2, 3, 2, 5, 3, 1, 1, 0};
  std::vector<Signal> out;
  for (const std::string& row : section_rows(kLines, "[segnali]")) {
    const auto fields = split_fields(row);
    EXPECT_EQ(fields.size(), 12u) << row;
    if (fields.size() != 12u) continue;
    EXPECT_EQ(fields[0], "segnale");
    Signal s;
    for (size_t f = 0; f < 11; ++f) {
      const std::string& text = fields[f + 1];
      const size_t width = widths[f] != 0 ? widths[f] : trim(text).size() + 1;
      EXPECT_TRUE(is_right_aligned_number(text, width)) << row << " field " << f + 1;
      s.fields.push_back(std::stoi(text));
    }
    out.push_back(s);
  }
  return out;
}

TEST(TrainDescription, SignalsRiseAndTakeExactlyTheirValueSets) {
  const std::vector<Signal> all = signals();
  ASSERT_EQ(all.size(), 40u);
  EXPECT_EQ(all.front().fields[0], 2800);
  EXPECT_EQ(all.back().fields[0], 101450);
  for (size_t i = 1; i < all.size(); ++i) {
    EXPECT_LT(all[i - 1].fields[0], all[i].fields[0]);
  }

  using Values = std::set<int>;
  const std::vector<Values> expected = {
      {},  // positions, checked above
      {1, 2}, {2, 3, 4, 5}, {0, 1, 3, 4, 6}, {0, 1}, {0}, {0, 1, 2}, {0, 2, 3}, {0, 1}, {0},
      {0, 205, 210}};
  for (size_t f = 1; f < expected.size(); ++f) {
    Values seen;
    for (const Signal& s : all) seen.insert(s.fields[f]);
    EXPECT_EQ(seen, expected[f]) << "field " << f;
  }
}

TEST(TrainDescription, StaffedStationsHaveProtectionAndDepartureSignals) {
  // Category 12 is a staffed station: a protection signal (s1 = 2) stands
  // before its zone and a departure signal (s1 = 3) after it, both within the
  // stretch to the neighbouring stations.
  const std::vector<Station> st = stations();
  const std::vector<Signal> sig = signals();
  int staffed = 0;
  for (size_t i = 1; i + 1 < st.size(); ++i) {
    if (st[i].columns[2] != 12) continue;
    ++staffed;
    const int zone_start = st[i].columns[1] - st[i].columns[3] / 2;
    const int zone_end = st[i].columns[1] + st[i].columns[3] / 2;
    const auto stands = [&](int s1, int from, int to) {
      return std::any_of(sig.begin(), sig.end(), [&](const Signal& s) {
        return s.fields[2] == s1 && s.fields[0] >= from && s.fields[0] < to;
      });
    };
    EXPECT_TRUE(stands(2, st[i - 1].columns[1], zone_start)) << st[i].name;
    EXPECT_TRUE(stands(3, zone_end, st[i + 1].columns[1])) << st[i].name;
  }
  EXPECT_GT(staffed, 0);
}

}  // namespace
}  // namespace scenario
