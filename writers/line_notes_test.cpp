#include "writers/line_notes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "writers/sheets_test_data.h"

namespace scenario {
namespace {

// The notes' lines, without their line ends.
const std::vector<std::string_view> kLines = testing::lines_of(line_notes_text());

using namespace sheets_test;

std::string_view line(size_t n) { return kLines.at(n - 1); }

// The stations named in `text`, in the order they appear there.
std::vector<std::string_view> stations_in(std::string_view text) {
  std::vector<std::pair<size_t, std::string_view>> found;
  for (const auto& s : kStations)
    for (size_t at = text.find(s.name); at != std::string_view::npos;
         at = text.find(s.name, at + 1))
      found.emplace_back(at, s.name);
  std::sort(found.begin(), found.end());
  std::vector<std::string_view> names;
  for (const auto& f : found) names.push_back(f.second);
  return names;
}

TEST(LineNotes, LayoutOfTheText) {
  ASSERT_EQ(kLines.size(), 51u);

  const struct {
    size_t line;
    std::string_view text;
  } fixed[] = {
      {5, "Sistemi di esercizio: DIRIGENZA LOCALE con"},
      {21, "FERMATE presenziate protette da segnali:"},
      {38, "Caratteristiche treno 7395:"},
  };
  for (const auto& f : fixed) EXPECT_EQ(line(f.line), f.text) << "line " << f.line;

  std::set<size_t> blank;
  std::vector<size_t> trailing_space;
  for (size_t n = 1; n <= kLines.size(); ++n) {
    const std::string_view l = line(n);
    EXPECT_LE(l.size(), 105u) << "line " << n;
    if (l.empty()) blank.insert(n);
    if (!l.empty() && l.back() == ' ') trailing_space.push_back(n);
  }
  EXPECT_EQ(blank, (std::set<size_t>{2, 36, 37, 39, 43, 47, 48}));
  // A space ends a line only where its sentence goes on in the next.
  EXPECT_EQ(trailing_space.size(), 4u);
  for (const size_t n : trailing_space) {
    EXPECT_NE(line(n).find_first_not_of(' '), std::string_view::npos) << "line " << n;
    EXPECT_NE(line(n).substr(line(n).size() - 2), "  ") << "line " << n;
    EXPECT_FALSE(line(n + 1).empty()) << "line " << n;
  }
}

TEST(LineNotes, AccentedLettersAreSingleBytes) {
  int e_grave = 0, a_grave = 0;
  for (const auto l : kLines) {
    for (const char ch : l) {
      const auto b = static_cast<unsigned char>(ch);
      if (b == 0xE8) {
        ++e_grave;
      } else if (b == 0xE0) {
        ++a_grave;
      } else {
        EXPECT_TRUE(b >= 0x20 && b <= 0x7E) << "byte " << int(b) << " in " << l;
      }
    }
  }
  EXPECT_GT(e_grave, 0);
  EXPECT_GT(a_grave, 0);
}

TEST(LineNotes, HeadingNamesBothTerminalsAndOneStationBetween) {
  const std::string_view prefix = "Caratteristiche della linea ";
  ASSERT_TRUE(line(1).starts_with(prefix)) << line(1);
  std::vector<std::string_view> names;
  std::string_view rest = line(1).substr(prefix.size());
  for (size_t dash; (dash = rest.find('-')) != std::string_view::npos; rest = rest.substr(dash + 1))
    names.push_back(rest.substr(0, dash));
  names.push_back(rest);
  ASSERT_EQ(names.size(), 3u) << line(1);
  EXPECT_EQ(names[0], kStations[0].name);
  EXPECT_EQ(names[2], std::end(kStations)[-1].name);
  EXPECT_TRUE(std::any_of(std::begin(kStations) + 1, std::end(kStations) - 1,
                          [&](const Station& s) { return s.name == names[1]; }))
      << names[1];
}

TEST(LineNotes, BlockSectionsRunFromTerminalToTerminal) {
  std::string_view from = kStations[0].name;
  for (size_t n = 6; n <= 12; ++n) {
    const auto names = stations_in(line(n));
    ASSERT_EQ(names.size(), 2u) << line(n);
    EXPECT_EQ(names[0], from) << line(n);
    from = names[1];
  }
  EXPECT_EQ(from, std::end(kStations)[-1].name);
}

TEST(LineNotes, FiguresAgreeWithTheDescriptions) {
  // Level crossings: one per "PL" or "PLA" board of the line description.
  const std::string_view crossings = line(30);
  const size_t digit = crossings.find_first_of("0123456789");
  ASSERT_NE(digit, std::string_view::npos) << crossings;
  EXPECT_EQ(std::stoi(std::string(crossings.substr(digit))), kPlBoards + kPlaBoards)
      << crossings;

  // Station limits given by the signals: 60 km/h, then 30 km/h, each
  // naming its stations.
  const struct {
    size_t first;
    std::string_view limit;
  } limits[] = {{15, "60 km/h"}, {17, "30 km/h"}};
  for (const auto& l : limits) {
    const std::string two = std::string(line(l.first)) + std::string(line(l.first + 1));
    EXPECT_NE(two.find(l.limit), std::string::npos) << two;
    EXPECT_FALSE(stations_in(two).empty()) << two;
  }
}

TEST(LineNotes, SignatureIsNameTownAndAnExampleAddress) {
  for (size_t n = 49; n <= 51; ++n) EXPECT_FALSE(line(n).empty()) << "line " << n;
  const std::string_view address = line(51);
  EXPECT_EQ(std::count(address.begin(), address.end(), '@'), 1) << address;
  EXPECT_TRUE(address.ends_with("@example.org")) << address;
}

}  // namespace
}  // namespace scenario
