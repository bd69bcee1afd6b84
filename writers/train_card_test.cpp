#include "writers/train_card.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "writers/line_notes.h"
#include "writers/sheet_layout.h"
#include "test_support/sheet_table.h"
#include "writers/sheets_test_data.h"

namespace scenario {
namespace {

// The card's lines, without their line ends.
const std::vector<std::string_view> kLines = testing::lines_of(train_card_text());

using namespace sheets_test;

// Lines 17-44 hold the table's 28 rows.
constexpr size_t kFirstRow = 16;
constexpr size_t kRowCount = 28;

// A table row read back from the card, its cells without padding.
struct Row {
  std::string limit;
  std::string km;
  std::string place;
  std::string time;
  std::string recovery;
};

std::vector<Row> table_rows() {
  std::vector<Row> rows;
  for (size_t i = kFirstRow; i < kFirstRow + kRowCount; ++i) {
    const auto c = table_cells(kLines[i]);
    if (c.size() != 7) {
      ADD_FAILURE() << "line " << i + 1 << " is not a table row";
      return rows;
    }
    rows.push_back({std::string(trim_spaces(c[0])), std::string(trim_spaces(c[2])),
                    std::string(trim_spaces(c[4])), std::string(trim_spaces(c[5])),
                    std::string(trim_spaces(c[6]))});
  }
  return rows;
}

std::optional<int> whole(std::string_view text) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

// "81.950" -> 81950 metres.
std::optional<int> metres(std::string_view km) {
  const size_t dot = km.find('.');
  if (dot == std::string_view::npos || km.size() - dot != 4) return std::nullopt;
  const auto k = whole(km.substr(0, dot));
  const auto m = whole(km.substr(dot + 1));
  if (!k || !m) return std::nullopt;
  return *k * 1000 + *m;
}

// Minutes from noon, so that the night's times keep their order across
// midnight.
int from_noon(int h, int m) { return (h < 12 ? h + 24 : h) * 60 + m - 12 * 60; }

// "23.48" -> minutes from noon.
std::optional<int> minutes(std::string_view time) {
  if (time.size() != 5 || time[2] != '.') return std::nullopt;
  const auto h = whole(time.substr(0, 2));
  const auto m = whole(time.substr(3));
  if (!h || !m || *h > 23 || *m > 59) return std::nullopt;
  return from_noon(*h, *m);
}

// The one or two times of an Orario cell.
std::vector<std::string> times_of(const std::string& time) {
  if (time.empty()) return {};
  if (time.size() == 13 && time.substr(5, 3) == " - ")
    return {time.substr(0, 5), time.substr(8)};
  return {time};
}

const Station* station_named(std::string_view name) {
  for (const auto& s : kStations)
    if (s.name == name) return &s;
  return nullptr;
}

int train_limit_at(int32_t p) {
  int v = 0;
  for (const auto& c : kSpeedChanges)
    if (c.position <= p) v = c.speed;
  return v;
}

// docs/formats.md, "Train card": the lines around the title blocks and the
// table.
TEST(TrainCard, LinesOutsideTheTableHaveTheirForms) {
  ASSERT_EQ(kLines.size(), 52u);
  for (const size_t n : {1, 2, 12, 49, 50, 51}) EXPECT_EQ(kLines[n - 1], "") << "line " << n;
  EXPECT_EQ(kLines[51], " ");
  EXPECT_EQ(kLines[8].size() - kLines[8].find_last_not_of(' ') - 1, 7u);
  EXPECT_EQ(kLines[12], "  " + std::string(80, '_'));
  EXPECT_EQ(kLines[47], kLines[15]);  // the closing rule is the heading's bar rule
  for (size_t n = 45; n <= 47; ++n) {
    EXPECT_EQ(kLines[n - 1].find_first_not_of(" |"), std::string_view::npos) << "line " << n;
  }
}

TEST(TrainCard, QuotedRowsStandInTheTableOnce) {
  const std::string_view quoted[] = {
      " | 135 |     |     0.000|     | cippo km 0.000             |                |     |",
      " |     |     |     6.600|     | CAVRESCINO                 |      23.48     |     |",
      " | 135 |     |    81.950|     | km 81.950                  |                |     |",
      " |     |     |   100.750|     | LURNA                      |  00.52 - 00.54 |     |",
  };
  const auto body = kLines.begin() + kFirstRow;
  for (const auto q : quoted) EXPECT_EQ(std::count(body, body + kRowCount, q), 1) << q;
}

TEST(TrainCard, EveryTableLineHasItsBarsInTheSameColumns) {
  const std::vector<size_t> widths(kTrainCardColumns.begin(), kTrainCardColumns.end());
  for (size_t i = 13; i < 48; ++i) {  // lines 14-48: heading, rows, empty rows, closing rule
    const std::string_view line = kLines[i];
    EXPECT_EQ(line.size(), 83u) << "line " << i + 1;
    EXPECT_EQ(line.substr(0, 2), " |") << "line " << i + 1;
    EXPECT_EQ(line.back(), '|') << "line " << i + 1;
    std::vector<size_t> got;
    for (const auto cell : table_cells(line)) got.push_back(cell.size());
    EXPECT_EQ(got, widths) << "line " << i + 1;
  }
}

TEST(TrainCard, EveryLineIsPrintableAscii) {
  for (const auto line : kLines)
    for (const char ch : line) EXPECT_TRUE(ch >= ' ' && ch <= '~') << line;
}

TEST(TrainCard, CellsKeepTheirAlignment) {
  for (size_t i = kFirstRow; i < kFirstRow + kRowCount + 3; ++i) {
    const auto c = table_cells(kLines[i]);
    ASSERT_EQ(c.size(), 7u);
    const std::string where = "line " + std::to_string(i + 1);
    // Speed: right-aligned digits and one trailing space.
    const auto limit = trim_spaces(c[0]);
    if (!limit.empty()) {
      EXPECT_TRUE(whole(limit)) << where;
      EXPECT_EQ(c[0].substr(c[0].size() - limit.size() - 1), std::string(limit) + " ") << where;
    }
    EXPECT_TRUE(trim_spaces(c[1]).empty()) << where;
    // Kilometre point: right-aligned, three decimals.
    const auto km = trim_spaces(c[2]);
    if (!km.empty()) {
      EXPECT_TRUE(metres(km)) << where;
      EXPECT_EQ(c[2].back(), km.back()) << where;
    }
    EXPECT_TRUE(trim_spaces(c[3]).empty()) << where;
    // Place: one space, then the text.
    if (!trim_spaces(c[4]).empty()) {
      EXPECT_EQ(c[4].find_first_not_of(' '), 1u) << where;
    }
    // Times: one centred, or two joined by " - ".
    const auto time = trim_spaces(c[5]);
    if (time.size() == 5) {
      EXPECT_EQ(c[5], "      " + std::string(time) + "     ") << where;
    } else if (!time.empty()) {
      EXPECT_EQ(c[5], "  " + std::string(time) + " ") << where;
    }
    for (const auto& t : times_of(std::string(time))) EXPECT_TRUE(minutes(t)) << where;
    // Recovery margin: centred.
    const std::string rec(trim_spaces(c[6]));
    if (!rec.empty()) {
      EXPECT_TRUE(rec == "0.5" || rec == "1" || rec == "1.5") << where;
      EXPECT_EQ(c[6], std::string((c[6].size() - rec.size()) / 2, ' ') + rec +
                          std::string((c[6].size() + 1 - rec.size()) / 2, ' '))
          << where;
    }
  }
}

// The station names of the card, top to bottom: the table rows that carry a
// time.
std::vector<std::string> station_names() {
  std::vector<std::string> names;
  for (const Row& row : table_rows()) {
    if (!row.time.empty()) names.push_back(row.place);
  }
  return names;
}

TEST(TrainCard, StationRowsAreTheTrainDescriptionsStations) {
  std::vector<std::string> expected;
  for (const auto& s : kStations) expected.emplace_back(s.name);
  EXPECT_EQ(station_names(), expected);

  // Station rows, and only they, carry a time; every other row is one of
  // the card's other kinds, tied to its place.
  const auto rows = table_rows();
  int cippo = 0, protezione = 0, deviatoio = 0, km = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& r = rows[i];
    const bool station = station_named(r.place) != nullptr;
    EXPECT_EQ(station, !r.time.empty()) << r.place;
    if (station) continue;
    const std::string_view place = r.place;
    if (place == "cippo km 0.000") {
      ++cippo;
    } else if (place.starts_with("Seg. protezione ")) {
      ++protezione;  // the protection signal stands just before its station
      ASSERT_LT(i + 1, rows.size());
      EXPECT_EQ(rows[i + 1].place, place.substr(16));
    } else if (place.starts_with("Deviatoio uscita ")) {
      ++deviatoio;  // the exit points lie just after their station
      ASSERT_GT(i, 0u);
      EXPECT_EQ(rows[i - 1].place, place.substr(17));
    } else if (place.starts_with("km ")) {
      ++km;
      EXPECT_EQ(place.substr(3), r.km);
    } else {
      ADD_FAILURE() << "unexpected row " << place;
    }
  }
  EXPECT_EQ(cippo, 1);
  EXPECT_EQ(protezione, 2);
  EXPECT_EQ(deviatoio, 1);
  EXPECT_EQ(km, 2);
}

TEST(TrainCard, KilometrePointsRestartAtTheCippoAndRise) {
  const auto rows = table_rows();
  const auto cippo =
      std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r.km == "0.000"; });
  ASSERT_NE(cippo, rows.end());
  EXPECT_EQ(cippo->place, "cippo km 0.000");
  int last = -1;
  for (auto r = rows.begin(); r != rows.end(); ++r) {
    const auto m = metres(r->km);
    const Station* s = station_named(r->place);
    if (s != nullptr) {
      ASSERT_TRUE(m) << r->place;
      // Stations short of the cippo lie on another line's count.
      EXPECT_EQ(s->position < kCippo, r < cippo) << r->place;
      if (r > cippo) {
        EXPECT_NEAR(*m, s->position - kCippo, 100) << r->place;
      }
    }
    if (r < cippo || !m) continue;
    EXPECT_GT(*m, last) << r->place;
    last = *m;
  }
  EXPECT_EQ(last, 100750);
}

TEST(TrainCard, TimesRunForwardFromDepartureToArrival) {
  const auto rows = table_rows();
  std::vector<std::string> all;
  std::vector<std::string> with_two;
  for (const auto& r : rows) {
    const auto t = times_of(r.time);
    all.insert(all.end(), t.begin(), t.end());
    if (t.size() == 2) with_two.push_back(r.place);
  }
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all.front(), "23.40");
  EXPECT_EQ(all.back(), "00.54");
  for (size_t i = 1; i < all.size(); ++i) EXPECT_LE(minutes(all[i - 1]), minutes(all[i])) << all[i];

  // The first station, one intermediate station and the last show two
  // times; the train description's time at the intermediate station and at
  // the last is one of them. The first station's times are bound by the
  // card's first time (23.40) and the pass at CAVRESCINO (23.48), both fixed
  // text of the card, so they cannot show the description's 23.50.
  ASSERT_EQ(with_two.size(), 3u);
  EXPECT_EQ(with_two.front(), kStations[0].name);
  EXPECT_EQ(with_two.back(), std::end(kStations)[-1].name);
  for (const auto& o : kStationTimes) {
    if (o.station == kStations[0].name) continue;
    const auto r =
        std::find_if(rows.begin(), rows.end(), [&](const Row& x) { return x.place == o.station; });
    ASSERT_NE(r, rows.end());
    const auto t = times_of(r->time);
    ASSERT_EQ(t.size(), 2u) << o.station;
    const int want = from_noon(o.hours, o.minutes);
    EXPECT_TRUE(minutes(t[0]) == want || minutes(t[1]) == want) << o.station;
  }
}

TEST(TrainCard, SpeedLimitsFollowTheTrainDescription) {
  // Stations whose own limit the notes say the signals give: the card may
  // leave it out and show the limit that holds past them.
  const auto notes = testing::lines_of(line_notes_text());
  std::vector<int32_t> signalled;
  for (size_t i = 14; i < 18; ++i)  // notes lines 15-18
    for (const auto& s : kStations)
      if (notes[i].find(s.name) != std::string_view::npos) signalled.push_back(s.position);
  auto given_by_signals = [&](int32_t p) {
    // The train's limit at p holds over [from, to): is a signalled station in it?
    int32_t from = 0;
    int32_t to = std::numeric_limits<int32_t>::max();
    for (const auto& c : kSpeedChanges) {
      if (c.position > p) {
        to = c.position;
        break;
      }
      from = c.position;
    }
    return std::any_of(signalled.begin(), signalled.end(),
                       [&](int32_t s) { return from <= s && s < to; });
  };

  std::vector<int> card_limits;
  int in_force = 0;
  for (const auto& r : table_rows()) {
    if (!r.limit.empty()) {
      const auto parsed = whole(r.limit);
      ASSERT_TRUE(parsed) << r.place;
      const int v = *parsed;
      // A protection signal lowers the limit; the exit points raise it again.
      if (r.place.starts_with("Seg. protezione")) {
        EXPECT_LT(v, in_force) << r.place;
      }
      if (r.place.starts_with("Deviatoio uscita")) {
        EXPECT_GT(v, in_force) << r.place;
      }
      in_force = v;
      card_limits.push_back(v);
    }
    std::optional<int32_t> p;
    if (const Station* s = station_named(r.place)) {
      p = s->position;
    } else if (r.km == "0.000" || r.place.starts_with("km ")) {
      const auto m = metres(r.km);
      ASSERT_TRUE(m) << r.place;
      p = kCippo + *m;
    }
    if (!p || given_by_signals(*p)) continue;
    EXPECT_EQ(in_force, train_limit_at(*p)) << r.place;
    if (r.place.starts_with("km ")) {  // an open-line change: where the train's limit changes
      EXPECT_TRUE(std::any_of(std::begin(kSpeedChanges), std::end(kSpeedChanges),
                              [&](const SpeedChange& c) { return c.position == *p; }))
          << r.place;
    }
  }

  // Read down the card, the limits step through the train's speeds in order.
  auto next = std::begin(kSpeedChanges);
  for (const int v : card_limits) {
    next = std::find_if(next, std::end(kSpeedChanges),
                        [&](const SpeedChange& c) { return c.speed == v; });
    ASSERT_NE(next, std::end(kSpeedChanges)) << "card limit " << v << " out of the train's order";
    ++next;
  }
}

}  // namespace
}  // namespace scenario
