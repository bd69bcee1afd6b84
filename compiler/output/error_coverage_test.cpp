// Every error number a compilation can raise, each from the smallest
// description pair that raises it, located where an author would look. A
// new number in the error table fails the second test until it has a case.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "compiler/output/compile.h"

namespace scenario {
namespace {

constexpr Description L = Description::kLine, T = Description::kTrain;

std::string lines(std::initializer_list<std::string> rows) {
  std::string t;
  for (const std::string& r : rows) t.append(r).append("\r\n");
  return t;
}

// A 12 km line with `rows` in its main part (from line 4), and a train with
// `rows` after its speed row (from line 3).
std::string line_with(std::initializer_list<std::string> rows) {
  std::string t = lines({"[generale]", "lunghezza percorso,  12000", "[cartelli]"});
  for (const std::string& r : rows) t.append(r).append("\r\n");
  return t + "[fine]\r\n";
}
std::string train_with(std::initializer_list<std::string> rows) {
  std::string t = lines({"[generale]", "velocita,  0,  80"});
  for (const std::string& r : rows) t.append(r).append("\r\n");
  return t + "[fine]\r\n";
}

const std::string kLine = line_with({});
const std::string kTrain = train_with({});

// Positions that put an object into cell c of the track: 50 (c - 1) m.
std::string signal_at(int metres, const char* aspects = "1, 4, 0,  0, 0,    0,  0,0,0, 0") {
  return "segnale,  " + std::to_string(metres) + ",  " + aspects;
}
std::string indicator_at(int metres) { return "indicatori_vmax,  " + std::to_string(metres) + ",  1, 1, 1, 0, , , , 0"; }
std::string station(int metres, int length, const char* name = "A") {
  return "stazione,  " + std::to_string(metres) + ",  2, " + std::to_string(length) +
         ",  0,0,0,  0,0,0,  0,0,0,  0,  0,0,0, " + name;
}

// Eighty signs take every record a station could have.
std::string line_full_of_signs() {
  std::string t = lines({"[generale]", "lunghezza percorso,  12000", "[cartelli]"});
  for (int k = 0; k < 80; ++k) t += "cartello_indicatore,  " + std::to_string(1000 + 100 * k) + ",  (a)\r\n";
  return t + "[fine]\r\n";
}

struct ErrorCase {
  const char* name;
  std::optional<std::string> linea;  // nothing: the file is missing
  std::string treno;
  ErrorCode code;
  Description file;
  int line;  // 0: the whole file, or no place
};

std::vector<ErrorCase> error_cases() {
  return {
      {"route too long", lines({"[generale]", "lunghezza percorso,  1000001", "[fine]"}), kTrain,
       ErrorCode::kRouteTooLong, L, 2},
      {"progressive off the grid",
       lines({"[generale]", "lunghezza percorso,  12000", "progressiva chilometrica uno,  25,  90000,  1", "[fine]"}),
       kTrain, ErrorCode::kProgressiveOffGrid, L, 3},
      {"repeat start off the grid",
       lines({"[generale]", "lunghezza percorso,  12000", "ripetizione segnali 4 codici,  120,  0", "[fine]"}), kTrain,
       ErrorCode::kRepeatStartOffGrid, L, 3},
      {"repeat end off the grid",
       lines({"[generale]", "lunghezza percorso,  12000", "ripetizione segnali 4 codici,  100,  120", "[fine]"}),
       kTrain, ErrorCode::kRepeatEndOffGrid, L, 3},
      {"repeat without 4 or 9",
       lines({"[generale]", "lunghezza percorso,  12000", "ripetizione segnali codici,  100,  200", "[fine]"}), kTrain,
       ErrorCode::kRepeatCodeMissing, L, 3},
      {"sign on a sign", line_with({"cartello_indicatore,  2900,  (a)", "cartello_indicatore,  2910,  (b)"}), kTrain,
       ErrorCode::kSignCellOccupied, L, 5},
      {"reduction point on a signal", kLine, train_with({signal_at(950), "abbattimento,  1000,  50"}),
       ErrorCode::kReductionCellOccupied, T, 4},
      {"station off the grid", kLine, train_with({station(5025, 400)}), ErrorCode::kStationOffGrid, T, 3},
      {"station length off the grid", kLine, train_with({station(5000, 450)}), ErrorCode::kStationLengthOffGrid, T, 3},
      {"no record left for a station", line_full_of_signs(), train_with({station(5000, 400)}),
       ErrorCode::kTooManyStations, T, 3},
      // Signal in cell 20, boards in 18 and 19, the warning board in 30.
      {"no cell for the marker before a signal", line_with({indicator_at(850), indicator_at(900)}),
       train_with({signal_at(950), "rallentamento,  2650,  50,  500,  0,  0,  0"}), ErrorCode::kNoRoomBeforeSignal, T,
       3},
      // Start in cell 30 at 110 km/h; boards in 23, 24 and 25.
      {"approach group full", line_with({indicator_at(1100), indicator_at(1150), indicator_at(1200)}),
       train_with({"rallentamento,  1450,  110,  1000,  0,  0,  0"}), ErrorCode::kApproachGroupFull, T, 3},
      // Start in cell 30 below 110 km/h, end in 60; boards in 37, 38 and 39.
      {"no cell for an interval marker", line_with({indicator_at(1800), indicator_at(1850), indicator_at(1900)}),
       train_with({"rallentamento,  1450,  109,  1500,  0,  0,  0"}), ErrorCode::kNoRoomForSlowdownMarker, T, 3},
      {"gradient beyond the track", line_with({"pendenza,  30000,  2"}), kTrain, ErrorCode::kBeyondTrack, L, 4},
      {"signal on a signal", kLine, train_with({signal_at(2000), signal_at(2010)}), ErrorCode::kSignalCellOccupied, T,
       4},
      {"warning board on a signal", kLine, train_with({signal_at(1450), "rallentamento,  2650,  50,  500,  0,  0,  0"}),
       ErrorCode::kWarningCellOccupied, T, 4},
      {"slowdown start on a signal", kLine, train_with({signal_at(2650), "rallentamento,  2650,  50,  500,  0,  0,  0"}),
       ErrorCode::kSlowdownStartOccupied, T, 4},
      {"slowdown end on a signal", kLine, train_with({signal_at(1950), "rallentamento,  1450,  50,  500,  0,  0,  0"}),
       ErrorCode::kSlowdownEndOccupied, T, 4},
      {"approach cells on a signal", kLine,
       train_with({signal_at(1350), "rallentamento,  2650,  50,  500,  0,  1,  0"}), ErrorCode::kApproachCellsOccupied,
       T, 4},
      {"speed board on a sign", line_with({"cartello_indicatore,  1550,  (a)", indicator_at(1560)}), kTrain,
       ErrorCode::kIndicatorCellOccupied, L, 5},
      {"stations too close", kLine, train_with({station(5000, 400), station(5500, 400, "B")}),
       ErrorCode::kStationsTooClose, T, 4},
      {"stop cell at the start", kLine, train_with({station(0, 100)}), ErrorCode::kStopCellAtStart, T, 3},
      {"a value that is not a number", line_with({"pendenza,  1500,  x5"}), kTrain, ErrorCode::kReadingFailure, L, 4},
      {"no line description", std::nullopt, kTrain, ErrorCode::kMissingLineDescription, L, 0},
      {"no [generale]", lines({"[curve]", "curvas4,  500,  950", "[fine]"}), kTrain, ErrorCode::kNoGeneralSection, L,
       0},
      {"curve without a class digit", line_with({"curvas,  500,  100"}), kTrain, ErrorCode::kBadCurve, L, 4},
      // A signal in cell 1 leaves its aspects where the header values go.
      {"header values taken", kLine, train_with({signal_at(0, "1, 4, 0,  0, 0,    0,  0,0,0, 0")}),
       ErrorCode::kHeaderValuesInUse, T, 3},
      {"header codes taken", kLine, train_with({signal_at(0, "1, 0, 4,  0, 0,    0,  0,0,0, 0")}),
       ErrorCode::kHeaderCodesInUse, T, 3},
  };
}

TEST(EveryError, RaisedByItsCaseAtTheRowAtFault) {
  for (const ErrorCase& c : error_cases()) {
    SCOPED_TRACE(c.name);
    CompilationState s;
    s.nome = "N";
    s.treno = "1";
    compile_texts(s, c.linea ? DescriptionText::of(*c.linea) : DescriptionText{}, DescriptionText::of(c.treno),
                  {.diagnostic_mode = true});
    std::string raised;
    for (const RaisedError& e : s.errors.all()) {
      raised += std::to_string(number(e.code)) + " at line " + std::to_string(e.place.line) + "; ";
    }
    const auto& all = s.errors.all();
    const auto found = std::find_if(all.begin(), all.end(), [&](const RaisedError& e) { return e.code == c.code; });
    ASSERT_NE(found, all.end()) << "raised instead: " << raised;
    EXPECT_EQ(found->place.file, c.file) << raised;
    EXPECT_EQ(found->place.line, c.line) << raised;
  }
}

// A new number in the error table gets its case above.
TEST(EveryError, EveryNumberHasACase) {
  const std::vector<ErrorCase> cases = error_cases();
  for (const ErrorCode code : error_codes()) {
    const bool covered = std::any_of(cases.begin(), cases.end(), [&](const ErrorCase& c) { return c.code == code; });
    EXPECT_TRUE(covered) << "no case for error " << number(code);
  }
}

}  // namespace
}  // namespace scenario
