#include "compiler/train/train_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "test_support/files.h"
#include "compiler/train/train_test_support.h"

namespace scenario {
namespace {

using testing::error_line;
using testing::raise_line_error;
using testing::read_train_text;
using testing::route_state;
using testing::train_text;

TEST(TrainReader, GeneralRowsGoToTheHeaderRecords) {
  CompilationState s = route_state();
  const auto result = read_train_text(s, train_text({"numero vetture,    14", "percentuale massa frenata,    125",
                                                     "sabbia,    300",
                                                     "orologio,    23              49            40 "}));
  EXPECT_EQ(result, ReadingEnd::kCompleted);
  EXPECT_EQ(s.codice_errore(), 0);
  const Record& r84 = s.model.record[84];
  EXPECT_EQ(r84.inizio_zona, 125);
  EXPECT_EQ(r84.posizione_punto, 14);
  const Record& r86 = s.model.record[86];
  EXPECT_EQ(r86.dato_4, 300);
  EXPECT_EQ(r86.dato_7, 23);
  EXPECT_EQ(r86.dato_8, 49);
  EXPECT_EQ(r86.dato_9, 40);
}

// Which fields reach the keyword tests: the number of coaches shows it.
TEST(TrainReader, FieldsInKeywordPosition) {
  const struct {
    const char* name;
    std::string text;
    int32_t coaches;
  } cases[] = {
      {"empty file", "", 0},
      {"no section header: nothing is interpreted", "vetture,14\r\n[fine]\r\n", 0},
      {"the header is case-sensitive", "[GENERALE]\r\nvetture,14\r\n[fine]\r\n", 0},
      {"rows before the header are passed over", "vetture,7\r\n[generale]\r\n[fine]\r\n", 0},
      {"header inside a longer field", "x [generale] y\r\nvetture,14\r\n[fine]\r\n", 14},
      {"header as the last field", "[generale]\r\n", 0},
      {"keyword as the last field is not read", "[generale]\r\nnumero vetture\r\n", 0},
      {"values may be the last fields", "[generale]\r\nnumero vetture,3", 3},
      {"keywords are case-sensitive", train_text({"Numero Vetture, 9"}), 0},
      {"a separator line is skipped", train_text({"-----------", "vetture, 14"}), 14},
      {"two separators are skipped",
       train_text({"-vetture", "-vetture", "vetture, 4"}), 4},
      {"a third separator is interpreted", "[generale]\r\n-vetture,-vetture,-vetture,7,x", 7},
      {"the field after two separators is interpreted", "[generale]\r\n-vetture,-vetture,7,x", 0},
      {"a separator as the last field", "[generale]\r\n----\r\n", 0},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    EXPECT_EQ(read_train_text(s, c.text), ReadingEnd::kCompleted) << c.name;
    EXPECT_EQ(s.codice_errore(), 0) << c.name;
    EXPECT_EQ(s.model.record[84].posizione_punto, c.coaches) << c.name;
  }
}

TEST(TrainReader, AFieldHoldingTwoKeywordsIsTwoRows) {
  CompilationState s = route_state();
  read_train_text(s, train_text({"vetture e sabbia, 9, 300"}));
  EXPECT_EQ(s.model.record[84].posizione_punto, 9);
  EXPECT_EQ(s.model.record[86].dato_4, 300);
}

struct Profile {
  int32_t first, last;   // cells first..last
  uint8_t velocita, dato_treno;
};

TEST(TrainReader, SpeedAndAdhesionApplyFromTheirRowOnward) {
  const struct {
    const char* name;
    std::vector<std::string_view> rows;
    std::vector<Profile> expected;
  } cases[] = {
      {"no rows: the final fill writes zeros", {}, {{0, 2200, 0, 0}}},
      {"rows at 0 and 1500",
       {"aderenza,       0,    90", "velocita,       0,    80", "velocita,    1500,   135"},
       {{0, 29, 16, 90}, {30, 2197, 27, 90}, {2198, 2200, 0, 0}}},
      {"adhesion changes at 1000, keeps its low byte",
       {"aderenza, 0, 90", "aderenza, 1000, 300"},
       {{0, 19, 0, 90}, {20, 2197, 0, 44}, {2198, 2200, 0, 0}}},
      {"speed in units of 5 km/h, rounded", {"velocita, 0, 12", "velocita, 100, 13"}, {{0, 1, 2, 0}, {2, 2197, 3, 0}}},
      {"a row at the last position: the final fill writes one more cell",
       {"velocita, 0, 80", "velocita, 109900, 100"},
       {{0, 2197, 16, 0}, {2198, 2198, 20, 0}, {2199, 2200, 0, 0}}},
      {"a row behind the fill changes only the value",
       {"velocita, 0, 80", "velocita, 1500, 135", "velocita, 1000, 100"},
       {{0, 29, 16, 0}, {30, 2197, 20, 0}}},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    ASSERT_EQ(read_train_text(s, train_text(c.rows)), ReadingEnd::kCompleted) << c.name;
    for (const Profile& p : c.expected) {
      for (int32_t i = p.first; i <= p.last; ++i) {
        ASSERT_EQ(s.model.celle[i].velocita, p.velocita) << c.name << " cell " << i;
        ASSERT_EQ(s.model.celle[i].dato_treno, p.dato_treno) << c.name << " cell " << i;
      }
    }
  }
}

TEST(TrainReader, ValuesTooWideForTheirMembersAreReadingFailures) {
  const struct {
    std::string row;
    bool fails;
  } cases[] = {
      {"velocita, 0, 1277", false},  // 255.4 units
      {"velocita, 0, 1278", true},
      {"velocita, 0, -5", true},
      {"sabbia, 32767", false},
      {"sabbia, 32768", true},
      {"orologio, 23 49 -32769", true},
      {"aderenza, 0, -1", false},  // the adhesion wraps
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    const auto result = read_train_text(s, train_text({"vetture, 3", c.row}));
    EXPECT_EQ(result == ReadingEnd::kReadingFailure, c.fails) << c.row;
    EXPECT_EQ(s.codice_errore(), c.fails ? 25 : 0) << c.row;
  }
}

TEST(TrainReader, ReadingFailureRecordsTheFieldAndSkipsTheFills) {
  const struct {
    std::string text;
    int riga;
  } cases[] = {
      {train_text({"velocita, 0, 80", "vetture, 1x"}), 3},
      {train_text({"velocita, 0, 80", "vetture, 2147483648"}), 3},
      {"[generale]\r\nvelocita, 0, 80\r\norologio, 23 49", 3},  // past the end
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    raise_line_error(s, 77);
    EXPECT_EQ(read_train_text(s, c.text), ReadingEnd::kReadingFailure) << c.text;
    EXPECT_EQ(s.codice_errore(), 25);
    EXPECT_EQ(s.posizione_errore(), 77);  // error 25 keeps the position an earlier error set
    EXPECT_EQ(s.errors.all().back().place.file, Description::kTrain);
    EXPECT_FALSE(s.errors.all().back().detail.empty()) << c.text;
    EXPECT_EQ(error_line(s), c.riga) << c.text;
    EXPECT_EQ(s.model.celle[0].velocita, 0) << c.text;
  }
}

TEST(TrainReader, PositionPastTheTrackEndsTheRowsButFillsTheCells) {
  const struct {
    std::string row;
    int32_t position;
  } cases[] = {
      {"velocita, 109950, 100", 109950},
      {"aderenza, 109950, 100", 109950},
      {"segnale, 109950, 1,4,0, 0,0, 0, 0,0,0, 0", 109950},
      {"segnale, -100, 1,4,0, 0,0, 0, 0,0,0, 0", -100},  // cell -1
      {"rallentamento, 109950, 40, 200, 0, 1, 0", 109950},
      {"rallentamento, 109800, 40, 200, 0, 1, 0", 109800},  // end cell 2201
      {"rallentamento, 5000, 40, -5100, 0, 1, 0", 5000},  // end cell -1
      {"abbattimento, 109950, 10", 109950},
      {"abbattimento, -50, 10", -50},  // cell -1
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    const auto result = read_train_text(s, train_text({"velocita, 0, 80", c.row, "vetture, 5"}));
    EXPECT_EQ(result, ReadingEnd::kCompleted) << c.row;
    EXPECT_EQ(s.codice_errore(), 15) << c.row;
    EXPECT_EQ(s.posizione_errore(), c.position) << c.row;
    EXPECT_EQ(error_line(s), 3) << c.row;
    EXPECT_EQ(s.model.record[84].posizione_punto, 0) << c.row;  // later rows are not read
    EXPECT_EQ(s.model.celle[2197].velocita, 16) << c.row;       // the fills ran
  }
}

TEST(TrainReader, LastPositionOnTheTrackIsAccepted) {
  CompilationState s = route_state();
  read_train_text(s, train_text({"velocita, 109900, 100", "abbattimento, 109900, 10"}));
  EXPECT_EQ(s.codice_errore(), 0);
  EXPECT_EQ(s.model.celle[2198].oggetto, kReductionPositive);
}

// After the rows, the bounds of records 81..83 must be multiples of 50. The
// progressives are rows of the line description: the error is located there.
TEST(TrainReader, ProgressiveBoundsOffTheGridAreError2) {
  const struct {
    const char* name;
    int slot;
    int32_t Record::*bound;
    std::string text;
    int32_t code, position;
  } cases[] = {
      {"start of 81", 81, &Record::inizio_zona, train_text({}), 2, 0},
      {"end of 83", 83, &Record::fine_zona, train_text({}), 2, 0},
      {"replaces error 15, keeps its position", 82, &Record::fine_zona, train_text({"velocita, 200000, 1"}), 2,
       200000},
      {"not checked after a stopping error", 82, &Record::inizio_zona,
       train_text({"segnale, 2800, 1,4,0, 0,0, 0, 0,0,0, 0", "segnale, 2800, 1,4,0, 0,0, 0, 0,0,0, 0"}), 16, 2800},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    s.model.record[81].inizio_zona = 1500;
    s.model.record[81].fine_zona = -1500;
    s.model.record[c.slot].*c.bound += 25;
    s.origins.record[c.slot] = Place{Description::kLine, 7, 1};
    read_train_text(s, c.text);
    EXPECT_EQ(s.codice_errore(), c.code) << c.name;
    EXPECT_EQ(s.posizione_errore(), c.position) << c.name;
    const RaisedError& last = s.errors.all().back();
    if (c.code == 2) {
      EXPECT_EQ(last.place, (Place{Description::kLine, 7, 1})) << c.name;
    } else {
      EXPECT_EQ(last.place.file, Description::kTrain) << c.name;
      EXPECT_EQ(last.place.line, 3) << c.name;
    }
  }
}

// An error left by the line reader (15) ends the reading at the first signal
// or slowdown row, recorded again at that row's position; the line's own
// error keeps its place and position.
TEST(TrainReader, EarlierErrorEndsTheReadingAtASignalOrSlowdownRow) {
  const struct {
    std::string row;
    int32_t position;
  } cases[] = {
      {"segnale, 2800, 1,4,0, 0,0, 0, 0,0,0, 0", 2800},
      {"rallentamento, 93650, 40, 200, 0, 1, 0", 93650},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    raise_line_error(s, 109950);
    const auto result = read_train_text(
        s, train_text({"velocita, 0, 80", "stazione, 0, 2, 1000, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, A", c.row,
                       "vetture, 5"}));
    EXPECT_EQ(result, ReadingEnd::kStopped) << c.row;
    EXPECT_EQ(s.codice_errore(), 15);
    EXPECT_EQ(s.posizione_errore(), c.position);
    ASSERT_EQ(s.errors.all().size(), 2u);
    const RaisedError& fault = s.errors.all()[0];
    const RaisedError& stop = s.errors.all()[1];
    EXPECT_EQ(fault.place, (Place{Description::kLine, 9, 1}));
    EXPECT_EQ(fault.position, 109950);
    EXPECT_FALSE(fault.consequence);
    EXPECT_TRUE(stop.consequence);
    EXPECT_EQ(stop.place.file, Description::kTrain);
    EXPECT_EQ(error_line(s), 4);
    EXPECT_EQ(s.model.record[1].nome_punto, "A");  // the station row went on
    EXPECT_EQ(s.model.record[84].posizione_punto, 0);
    EXPECT_EQ(s.model.celle[0].velocita, 0);  // no fills
  }
}

TEST(TrainReader, ReadsAShortRunOfTheScenario) {
  CompilationState s = route_state();
  read_train(s, load_description(TESTDATA_DIR "/train/short_run.txt"));

  EXPECT_EQ(s.codice_errore(), 0);
  EXPECT_EQ(s.train_reading.end, ReadingEnd::kCompleted);
  const TrackModel& m = s.model;
  EXPECT_EQ(m.record[84].posizione_punto, 14);
  EXPECT_EQ(m.record[86].dato_8, 49);
  EXPECT_EQ(m.record[3].nome_punto, "LURNA");
  EXPECT_EQ(m.record[3].orario, 52 * 60);
  EXPECT_EQ(m.celle[2049].oggetto, kStationStop);
  EXPECT_EQ(m.celle[2049].valore1, 3);
  EXPECT_EQ(m.celle[802].valore1, 53);
  EXPECT_EQ(m.celle[802].valore4, 4);
  EXPECT_EQ(m.celle[1874].oggetto, kSlowdownStart);
  EXPECT_EQ(m.celle[1873].velocita, 22);  // 110 km/h up to 93 700 m
  EXPECT_EQ(m.celle[1874].velocita, 6);   // then 30 km/h
  EXPECT_EQ(m.celle[2197].velocita, 22);  // 110 km/h to the end
  EXPECT_EQ(m.celle[2197].dato_treno, 90);
}

// A train description that is not there, or cannot be read, is error 25 of
// the whole file.
TEST(TrainReader, AMissingOrUnreadableFileIsAReadingFailure) {
  for (const char* file : {"/nonexistent/t.txt", "/proc/self/mem"}) {
    CompilationState s = route_state();
    read_train(s, load_description(file));
    EXPECT_EQ(s.train_reading.end, ReadingEnd::kReadingFailure) << file;
    EXPECT_EQ(s.codice_errore(), 25) << file;
    EXPECT_EQ(s.errors.all().back().place, (Place{Description::kTrain, 0, 0})) << file;
  }
}

}  // namespace
}  // namespace scenario
