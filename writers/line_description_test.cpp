#include "writers/line_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "test_support/files.h"
#include "writers/test_rows.h"

namespace scenario {
namespace {

// The line description's lines, without their line ends.
const std::vector<std::string_view> kLines = testing::lines_of(line_description_text());

using testing::section_rows;
using testing::trim;

TEST(LineDescription, PlainAsciiLinesEndingWithFine) {
  EXPECT_EQ(kLines.size(), 157u);
  EXPECT_EQ(kLines.back(), "[fine]");
  for (const std::string_view line : kLines) {
    EXPECT_EQ(line.find("riferimento fine del file"), std::string_view::npos);
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << line;
    EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; }))
        << line;  // plain ASCII
  }
}

TEST(LineDescription, SectionsComeInOrderWithTheirRowCounts) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"[generale]", 8}, {"[curve]", 40},     {"[pendenze]", 35}, {"[montagne]", 1},
      {"[cartelli]", 10}, {"[indicazioni]", 56}, {"[fine]", 0}};
  EXPECT_EQ(testing::section_sizes(kLines), expected);
  EXPECT_EQ(kLines.front(), "[generale]");
}

// The rows docs/formats.md quotes as the builder writes them ("Line
// description", "Shape"): the general section whole and a row of each other
// section.
TEST(LineDescription, RowsQuotedInTheFormatsStandAsQuoted) {
  const std::vector<std::string_view> quoted = {
      "[generale]",
      "lunghezza percorso,    103000",
      "progressiva chilometrica uno,    0,    90000,    1",
      "progressiva chilometrica due,    1500,    -1500,    0",
      "progressiva chilometrica tre,    0,    0,    0",
      "sfondo uno,    1",
      "sfondo due,    0",
      "sfondo tre,    0",
      "ripetizione segnali 4 codici,    0    ,0",
      "[curve]",
      "curvas4,  500,  950",
      "[pendenze]",
      "pendenza,  1500,   -5",
      "[montagne]",
      "montagna,   8700,  11050,  11",
      "[cartelli]",
      "indicatori_vmax,  1550,  125,  135,  135,  0,  ,  ,  ,  0",
      "[indicazioni]",
      "cartello_indicatore,  2900,   (PL km)(1+522)",
      "[fine]",
  };
  const size_t found = testing::found_in_order(kLines, quoted);
  EXPECT_EQ(found, quoted.size()) << "not in order: " << quoted[std::min(found, quoted.size() - 1)];
  EXPECT_EQ(section_rows(kLines, "[generale]"), section_rows(quoted, "[generale]"));
}

struct Curve {
  std::string keyword;
  int start;
  int length;
};

std::vector<Curve> curves() {
  static const std::regex form(R"(^(curva[sd][2-5]),  (\d+),  (\d+)$)");
  std::vector<Curve> out;
  for (const std::string& row : section_rows(kLines, "[curve]")) {
    std::smatch m;
    EXPECT_TRUE(std::regex_match(row, m, form)) << row;
    if (m.empty()) continue;
    out.push_back({m[1], std::stoi(m[2]), std::stoi(m[3])});
  }
  return out;
}

TEST(LineDescription, CurvesRiseWithoutRunningIntoEachOther) {
  const std::vector<Curve> all = curves();
  ASSERT_EQ(all.size(), 40u);

  std::map<std::string, int> kinds;
  for (const Curve& c : all) ++kinds[c.keyword];
  const std::map<std::string, int> expected_kinds = {
      {"curvas4", 9}, {"curvad4", 9}, {"curvas3", 9}, {"curvad3", 5},
      {"curvas5", 3}, {"curvas2", 2}, {"curvad2", 2}, {"curvad5", 1}};
  EXPECT_EQ(kinds, expected_kinds);

  EXPECT_EQ(all.front().start, 500);
  EXPECT_EQ(all.back().start, 101100);
  int shortest = all[0].length, longest = all[0].length, touching = 0;
  for (size_t i = 0; i < all.size(); ++i) {
    shortest = std::min(shortest, all[i].length);
    longest = std::max(longest, all[i].length);
    if (i + 1 == all.size()) continue;
    const int end = all[i].start + all[i].length;
    EXPECT_LT(all[i].start, all[i + 1].start) << all[i].start;
    EXPECT_LE(end, all[i + 1].start) << "curve at " << all[i].start << " runs into the next";
    if (end == all[i + 1].start) ++touching;
  }
  EXPECT_EQ(shortest, 100);
  EXPECT_EQ(longest, 1700);
  EXPECT_EQ(touching, 4);
}

TEST(LineDescription, GradientsRiseFromZeroWithinNinePerMille) {
  static const std::regex form(R"(^pendenza,  (\d+),   (-?\d+)$)");
  std::vector<int> positions;
  std::set<int> values;
  for (const std::string& row : section_rows(kLines, "[pendenze]")) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(row, m, form)) << row;
    positions.push_back(std::stoi(m[1]));
    values.insert(std::stoi(m[2]));
  }
  ASSERT_EQ(positions.size(), 35u);
  EXPECT_EQ(positions.front(), 0);
  EXPECT_EQ(positions.back(), 101600);
  EXPECT_TRUE(std::adjacent_find(positions.begin(), positions.end(),
                                 [](int a, int b) { return a >= b; }) == positions.end());
  EXPECT_EQ(*values.begin(), -9);
  EXPECT_EQ(*values.rbegin(), 9);
}

struct Sign {
  int position;
  std::vector<std::string> groups;
};

std::vector<Sign> signs() {
  static const std::regex form(R"(^cartello_indicatore,  (\d+),   ((\([^()]*\))+)$)");
  std::vector<Sign> out;
  for (const std::string& row : section_rows(kLines, "[indicazioni]")) {
    std::smatch m;
    EXPECT_TRUE(std::regex_match(row, m, form)) << row;
    if (m.empty()) continue;
    Sign s{std::stoi(m[1]), {}};
    const std::string text = m[2];
    for (size_t open = text.find('('); open != std::string::npos; open = text.find('(', open + 1)) {
      s.groups.push_back(text.substr(open + 1, text.find(')', open) - open - 1));
    }
    out.push_back(s);
  }
  return out;
}

TEST(LineDescription, SignBoardsHaveEvenGroupsAndRisingPositions) {
  const std::vector<Sign> all = signs();
  ASSERT_EQ(all.size(), 56u);
  EXPECT_EQ(all.front().position, 350);
  EXPECT_EQ(all.back().position, 89500);

  std::map<size_t, int> by_group_count;
  size_t narrowest = 100, widest = 0;
  for (size_t i = 0; i < all.size(); ++i) {
    if (i > 0) {
      EXPECT_LT(all[i - 1].position, all[i].position);
    }
    ++by_group_count[all[i].groups.size()];
    const size_t width = all[i].groups[0].size();
    for (const std::string& g : all[i].groups) {
      EXPECT_EQ(g.size(), width) << "board at " << all[i].position;
    }
    narrowest = std::min(narrowest, width);
    widest = std::max(widest, width);
  }
  EXPECT_EQ(by_group_count, (std::map<size_t, int>{{2, 54}, {3, 2}}));
  EXPECT_EQ(narrowest, 5u);
  EXPECT_EQ(widest, 15u);
}

TEST(LineDescription, SignBoardKindsAndCrossingKilometres) {
  const std::set<std::string> branch_words = {"diramazione", "diramazioni", "confluenza",
                                              "diramazione per"};
  static const std::regex kilometre(R"(^(\d+)\+(\d{3})$)");
  std::map<std::string, int> kinds;
  for (const Sign& s : signs()) {
    const std::string first = trim(s.groups[0]);
    if (first == "PL km" || first == "PLA km") {
      ++kinds[first];
      std::smatch m;
      const std::string km = trim(s.groups[1]);
      ASSERT_TRUE(std::regex_match(km, m, kilometre)) << km;
      // The line's own count has kilometre 0 at 1500 m; the board stands
      // a little before its crossing.
      const int metres = std::stoi(m[1]) * 1000 + std::stoi(m[2]);
      EXPECT_LE(std::abs(metres - (s.position - 1500)), 300) << "board at " << s.position;
    } else if (branch_words.count(first) != 0) {
      ++kinds["branch"];
    } else {
      ++kinds[first];
    }
  }
  const std::map<std::string, int> expected = {{"PL km", 29}, {"PLA km", 13}, {"branch", 11},
                                               {"ponte fiume", 2}, {"galleria", 1}};
  EXPECT_EQ(kinds, expected);
}

}  // namespace
}  // namespace scenario
