#include "compiler/train/stations.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "compiler/train/train_reader.h"
#include "compiler/train/train_test_support.h"

namespace scenario {
namespace {

using testing::error_line;
using testing::read_train_text;
using testing::route_state;
using testing::train_text;

// A station row with zeros in the columns a test does not care about.
std::string station(int32_t position, int category, int32_t length, int dato_2 = 0, int allungamento = 0) {
  return "stazione, " + std::to_string(position) + ", " + std::to_string(category) + ", " + std::to_string(length) +
         ", 0, " + std::to_string(dato_2) + ", " + std::to_string(allungamento) + ", 0,0,0, 0,0,0, 0, 0,0,0, S";
}

// Cells holding an approach code, and the cell holding a stop, if any.
std::vector<std::pair<int64_t, uint8_t>> approach_codes(const TrackModel& m) {
  std::vector<std::pair<int64_t, uint8_t>> codes;
  for (int64_t i = 0; i <= m.last_cell; ++i) {
    if (m.celle[i].preavviso != 0) codes.emplace_back(i, m.celle[i].preavviso);
  }
  return codes;
}

int64_t stop_cell(const TrackModel& m) {
  for (int64_t i = 0; i <= m.last_cell; ++i) {
    if (m.celle[i].oggetto == kStationStop) return i;
  }
  return -1;
}

TEST(Station, FirstStationOfTheDataSet) {
  CompilationState s = route_state();
  const auto result = read_train_text(
      s, train_text({"stazione,       0,  2, 1000,  0, 0, 0,  1,1,0,  4,1,1,    1,  23,50, 0, MONTEBRISCA"}));
  EXPECT_EQ(result, ReadingEnd::kCompleted);
  EXPECT_EQ(s.codice_errore(), 0);
  const Record& r = s.model.record[1];
  EXPECT_EQ(r.tipo_punto, 2);
  EXPECT_EQ(r.inizio_zona, -500);
  EXPECT_EQ(r.fine_zona, 500);
  EXPECT_EQ(r.posizione_punto, 0);
  EXPECT_EQ(r.nome_punto, "MONTEBRISCA");
  EXPECT_EQ(r.dato_4, 1);
  EXPECT_EQ(r.dato_5, 1);
  EXPECT_EQ(r.dato_6, 0);
  EXPECT_EQ(r.dato_7, 4);
  EXPECT_EQ(r.dato_8, 1);
  EXPECT_EQ(r.dato_9, 1);
  EXPECT_EQ(r.dato_10, 1);
  EXPECT_EQ(r.orario, 23 * 3600 + 50 * 60);
  const std::vector<std::pair<int64_t, uint8_t>> codes{{5, 84}, {6, 83}, {7, 82}, {8, 81}};
  EXPECT_EQ(approach_codes(s.model), codes);
  EXPECT_EQ(stop_cell(s.model), 9);
  EXPECT_EQ(s.model.celle[9].valore1, 1);
}

// The first station loses `allungamento` and `dato_2` only after its zone is
// computed.
TEST(Station, FirstStationLengthenedClearsItsFlags) {
  CompilationState s = route_state();
  read_train_text(s, train_text({station(0, 2, 1000, 5, 1)}));
  const Record& r = s.model.record[1];
  EXPECT_EQ(r.fine_zona, 550);
  EXPECT_EQ(r.allungamento, 0);
  EXPECT_EQ(r.dato_2, 0);
  EXPECT_EQ(stop_cell(s.model), 10);
  EXPECT_EQ(approach_codes(s.model).front(), (std::pair<int64_t, uint8_t>{6, 84}));
}

// A second station (at 10 000 m) keeps its flags; the zone depends on the
// category.
TEST(Station, ZoneStopAndApproachByCategory) {
  const struct {
    int category;
    int32_t length;
    int dato_2, allungamento;
    int32_t start, end;
    int dato_2_after, allungamento_after;
    int64_t stop;  // -1: none
    bool approach;
  } cases[] = {
      {5, 400, 0, 1, 9600, 10150, 0, 0, 202, false},  {6, 400, 0, 0, 9600, 10150, 0, 0, 202, false},
      {7, 400, 0, 1, 9600, 10400, 0, 0, 207, true},   {8, 400, 0, 0, 9600, 10400, 0, 0, 207, true},
      {4, 500, 3, 1, 9750, 10300, 0, 1, 205, true},   {4, 600, 3, 0, 9700, 10300, 3, 0, 205, true},
      {24, 600, 3, 0, 9700, 10300, 3, 0, 205, true},  {25, 600, 3, 0, 9700, 10300, 3, 0, -1, false},
      {28, 300, 0, 0, 9850, 10150, 0, 0, -1, false},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    const auto result =
        read_train_text(s, train_text({station(0, 28, 200), station(10000, c.category, c.length, c.dato_2,
                                                                        c.allungamento)}));
    const std::string name = "category " + std::to_string(c.category) + " length " + std::to_string(c.length);
    EXPECT_EQ(result, ReadingEnd::kCompleted) << name;
    EXPECT_EQ(s.codice_errore(), 0) << name;
    const Record& r = s.model.record[2];
    EXPECT_EQ(r.inizio_zona, c.start) << name;
    EXPECT_EQ(r.fine_zona, c.end) << name;
    EXPECT_EQ(r.dato_2, c.dato_2_after) << name;
    EXPECT_EQ(r.allungamento, c.allungamento_after) << name;
    EXPECT_EQ(stop_cell(s.model), c.stop) << name;
    if (c.stop > 0) {
      EXPECT_EQ(s.model.celle[c.stop].valore1, 2) << name;
    }
    std::vector<std::pair<int64_t, uint8_t>> codes;
    if (c.approach) codes = {{c.stop - 4, 84}, {c.stop - 3, 83}, {c.stop - 2, 82}, {c.stop - 1, 81}};
    EXPECT_EQ(approach_codes(s.model), codes) << name;
  }
}

TEST(Station, ErrorsKeepWhatWasStored) {
  const struct {
    const char* name;
    std::vector<std::string> rows;
    int32_t code, position;
    ReadingEnd result;
    int32_t stored_position, stored_category;  // of the last station's record
    std::string stored_name;
    int64_t stop;  // of the last station, -1: none
  } cases[] = {
      {"8: position off the grid", {station(1025, 2, 1000)}, 8, 1025, ReadingEnd::kStopped, 1025, 0, "", -1},
      {"9: length off the grid", {station(1000, 2, 250)}, 9, 1000, ReadingEnd::kStopped, 1000, 2, "", -1},
      {"15: position + 800 past the track", {station(109250, 2, 200)}, 15, 109250, ReadingEnd::kCompleted,
       109250, 0, "", -1},
      {"last position on the track", {station(109200, 2, 200)}, 0, 77, ReadingEnd::kCompleted, 109200, 2, "S",
       2185},
      {"15: stop cell past the track, no approach codes", {station(109200, 4, 1800)}, 15, 109200,
       ReadingEnd::kCompleted, 109200, 4, "S", -1},
      {"24: stop cell 1", {station(0, 2, 200)}, 24, 77, ReadingEnd::kStopped, 0, 2, "S", -1},
      {"22: zone 300 m after the previous one", {station(0, 2, 1000), station(900, 2, 200)}, 22, 900,
       ReadingEnd::kStopped, 900, 2, "S", 19},
      {"zone 350 m after the previous one", {station(0, 2, 1000), station(950, 2, 200)}, 0, 77,
       ReadingEnd::kCompleted, 950, 2, "S", 20},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    const std::vector<std::string_view> rows(c.rows.begin(), c.rows.end());
    EXPECT_EQ(read_train_text(s, train_text(rows)), c.result) << c.name;
    EXPECT_EQ(s.codice_errore(), c.code) << c.name;
    EXPECT_EQ(testing::own_position(s).value_or(77), c.position) << c.name;  // 77: no position of its own
    if (c.code != 0) {
      EXPECT_EQ(error_line(s), static_cast<int>(rows.size()) + 1) << c.name;
    }
    const Record& r = s.model.record[rows.size()];
    EXPECT_EQ(r.posizione_punto, c.stored_position) << c.name;
    EXPECT_EQ(r.tipo_punto, c.stored_category) << c.name;
    EXPECT_EQ(r.nome_punto, c.stored_name) << c.name;
    if (rows.size() == 1) {
      EXPECT_EQ(stop_cell(s.model), c.stop) << c.name;
      if (c.stop == -1) {
        EXPECT_TRUE(approach_codes(s.model).empty()) << c.name;
      }
    } else {
      EXPECT_EQ(s.model.celle[c.stop].oggetto, kStationStop) << c.name;
      EXPECT_EQ(s.model.celle[c.stop].valore1, 2) << c.name;
    }
  }
}

TEST(Station, WideColumnsAreReadingFailures) {
  const struct {
    std::string text;
    bool fails;
  } cases[] = {
      {train_text({"stazione, 1000, 255, 200, 255,255,255, 32767,-32768,255, 1,1,1,255, 0,0,0, S"}), false},
      {train_text({"stazione, 1000, 256, 200, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, S"}), true},
      {train_text({"stazione, 1000, 4, 200, 0,0,0, 32768,0,0, 0,0,0, 0, 0,0,0, S"}), true},
      {train_text({"stazione, 1000, 4, 200, 0,0,0, 0,0,0, 0,0,0, 256, 0,0,0, S"}), true},
      {train_text({"stazione, 1000, 4, 200, 0,0,0, 0,0,0, 0,0,0, 0, 596523,14,7, S"}), false},  // 2^31 - 1 s
      {train_text({"stazione, 1000, 4, 200, 0,0,0, 0,0,0, 0,0,0, 0, 596523,14,8, S"}), true},
      {"[generale]\r\nstazione, 1000, 4, 200, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0", true},  // no name
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    EXPECT_EQ(read_train_text(s, c.text) == ReadingEnd::kReadingFailure, c.fails) << c.text;
    EXPECT_EQ(s.codice_errore(), c.fails ? 25 : 0) << c.text;
  }
}

// With F the next free sign slot, stations may use the records below F, and
// the reading ends with error 10 once the next station index reaches F.
TEST(Station, StationsStayClearOfTheSignTexts) {
  const struct {
    int32_t next_sign_slot;
    int stations;
    int32_t code;
    int stored;  // stations stored
  } cases[] = {
      {24, 22, 0, 22},  // 56 signs: the scenario's 22 stations fit
      {24, 23, 10, 23},
      {80, 78, 0, 78},  // no signs
      {80, 79, 10, 79},
      {2, 1, 10, 1},
      {1, 1, 10, 0},  // no free record at all: nothing is stored
      {-1, 1, 10, 0},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    s.model.next_sign_slot = c.next_sign_slot;
    std::vector<std::string> rows;
    for (int i = 1; i <= c.stations; ++i) rows.push_back(station(1000 * i, 28, 200));
    std::vector<std::string_view> views(rows.begin(), rows.end());
    const auto result = read_train_text(s, train_text(views));
    const std::string name = std::to_string(c.next_sign_slot) + "/" + std::to_string(c.stations);
    EXPECT_EQ(result, c.code == 0 ? ReadingEnd::kCompleted : ReadingEnd::kStopped) << name;
    EXPECT_EQ(s.codice_errore(), c.code) << name;
    EXPECT_EQ(testing::own_position(s), std::nullopt) << name;
    for (int i = 1; i <= 79; ++i) {
      EXPECT_EQ(s.model.record[i].posizione_punto, i <= c.stored ? 1000 * i : 0) << name << " record " << i;
    }
  }
}

}  // namespace
}  // namespace scenario
