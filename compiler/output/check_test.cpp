// The check lists every fault of a description pair once, at its own file,
// line and column, marks the one the builder reports, and warns of every
// silent misreading; it never changes what is compiled.
#include "compiler/output/check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "compiler/output/compile.h"
#include "compiler/output/compiled_files.h"
#include "test_support/files.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

constexpr Description L = Description::kLine, T = Description::kTrain;
constexpr Severity E = Severity::kError, W = Severity::kWarning;

// Lines joined with CR LF.
std::string text(std::initializer_list<const char*> lines) {
  std::string t;
  for (const char* l : lines) t.append(l).append("\r\n");
  return t;
}

std::string fixture(const std::string& name) { return testing::read_file(fs::path(TESTDATA_DIR) / name); }

// One diagnostic as the tests compare it: severity, file, line, column, the
// error number (0 for none), whether it is the builder's.
using Row = std::tuple<Severity, Description, int, int, int32_t, bool>;

std::vector<Row> faults(const CheckResult& r) {
  std::vector<Row> rows;
  for (const Diagnostic& d : r.diagnostics) {
    if (d.severity == Severity::kNote) continue;
    rows.emplace_back(d.severity, d.place.file, d.place.line, d.place.column, d.code.value_or(0), d.reported);
  }
  return rows;
}

CheckResult check(const std::string& linea, const std::string& treno) {
  return check_texts("N", "1", DescriptionText::of(linea), DescriptionText::of(treno));
}

const std::string kTrain = text({"[generale]", "velocita,       0,    80", "[fine]"});

TEST(Check, EveryFaultOnceAtItsPlace) {
  const struct {
    const char* name;
    std::string linea, treno;
    std::vector<Row> expected;
    int32_t code, posizione;
  } cases[] = {
      {"line: a sign on a board's cell stops the builder; the gradient past the end is still found",
       text({"[generale]", "lunghezza percorso,    12000", "[curve]", "curvad4,  500,  300", "pendneza,  1000, 5",
             "pendenza,  1500, 8,5", "indicatori_vmax,  1550,  125,  135,  135,  0,  ,  ,  ,  0",
             "cartello_indicatore,  1550,   (PL km)(1+522)", "pendenza,  30000,  2", "[fine]"}),
       kTrain,
       {{W, L, 5, 1, 0, false}, {W, L, 6, 20, 0, false}, {E, L, 8, 23, 6, true}, {E, L, 9, 12, 15, false}},
       6, 1550},
      {"train: several stopping faults, a missing value and a value too many",
       text({"[generale]", "lunghezza percorso,    12000", "[fine]"}),
       text({"[generale]", "velocita,       0,    80",
             "stazione,       0,  2, 1000,  0, 0, 0,  1,1,0,  4,1,1,    1,  23,50, A",
             "segnale,    2800,   1, 4, 0,  0, 0,    0,  0,0,0, 0", "segnale,    2810,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
             "stazione,    5025, 28,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, B",
             "segnale,    9000,   1, 4, 0,  0, 0,    0,  0,0,0, 0, 3", "[fine]"}),
       {{E, T, 3, 70, 25, true}, {E, T, 5, 13, 16, false}, {E, T, 6, 14, 8, false}, {W, T, 7, 54, 0, false}},
       25, 0},
      // The builder reports its last error, a route walk fault, found after
      // the progressive's error of the line description, which comes first.
      {"both files: the builder reports a walk error, not the first fault",
       text({"[generale]", "lunghezza percorso,    12000", "progressiva chilometrica uno,    25,    90000,    1",
             "[cartelli]", "indicatori_vmax,  3550,  125,  135,  135,  0,  ,  ,  ,  0",
             "indicatori_vmax,  3500,  125,  135,  135,  0,  ,  ,  ,  0", "[fine]"}),
       text({"[generale]", "velocita,       0,    80", "stazone,       0,  2, 1000,  0, 0, 0,  1,1,0,  4,1,1,    1,  23,50, 0, A",
             "rallentamento,   5000,    40,  200, 0,  0,  0", "segnale,    3600,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
             "[fine]"}),
       {{E, L, 3, 1, 2, false}, {W, T, 3, 1, 0, false}, {E, T, 5, 1, 11, true}},
       11, 3650},
      {"whole files and the whole model", "", kTrain, {{E, L, 0, 0, 101, true}}, 101, 0},
      // The header fault says what the warning of an object in cell 1 would.
      {"an occupied header slot: at the row of the object in cell 1",
       text({"[generale]", "lunghezza percorso,    12000", "[indicazioni]", "cartello_indicatore,  0,   (A)(B)",
             "[fine]"}),
       kTrain, {{E, L, 4, 1, 1250, false}}, 0, 0},
  };
  for (const auto& c : cases) {
    const CheckResult r = c.linea.empty()
                              ? check_texts("N", "1", DescriptionText{}, DescriptionText::of(c.treno))
                              : check(c.linea, c.treno);
    EXPECT_EQ(faults(r), c.expected) << c.name;
    EXPECT_EQ(r.codice_errore, c.code) << c.name;
    EXPECT_EQ(r.posizione_errore, c.posizione) << c.name;
  }
}

// After an error 15 of the line description the builder stops the train at
// its first signal and reports 15 at that signal's position: the check
// reports the line's row with its own position, and the signal's row as a
// note.
TEST(Check, ALineFaultStaysInTheLineDescription) {
  const CheckResult r =
      check(text({"[generale]", "lunghezza percorso,    10000", "[cartelli]",
                  "indicatori_vmax,  -600,  125,  135,  135,  0,  ,  ,  ,  0", "[fine]"}),
            text({"[generale]", "velocita,       0,    80", "segnale,    6000,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
                  "[fine]"}));
  EXPECT_EQ(faults(r), (std::vector<Row>{{E, L, 4, 19, 15, true}}));
  EXPECT_EQ(r.codice_errore, 15);
  EXPECT_EQ(r.posizione_errore, 6000);
  ASSERT_EQ(r.diagnostics.size(), 3u);
  EXPECT_EQ(r.diagnostics[1].severity, Severity::kNote);  // the line reading ends there
  EXPECT_EQ(r.diagnostics[2].severity, Severity::kNote);  // the train reading stops at the signal
  EXPECT_EQ(r.diagnostics[2].place, (Place{T, 3, 1}));
  EXPECT_EQ(r.diagnostics[2].position, 6000);
  // Only the line's error is the one the builder reports, not the note.
  EXPECT_FALSE(r.diagnostics[2].reported);
}

// A reading failure says which value of which row, what stands there and
// what was expected.
TEST(Check, AReadingFailureSaysWhatWasFound) {
  const struct {
    const char* row;
    const char* words;
  } cases[] = {
      {"pendenza,  1000,  x5", "valore 2 di 2 (pendenza per mille) della riga «pendenza»: «x5» non è un numero"},
      {"pendenza,  99999999999,  5", "«99999999999» è fuori dall'intervallo dei numeri a 32 bit"},
      {"montagna, 3000, 4000", "alla riga «montagna» mancano valori: il valore 3 di 3 (tipo) lo prende dalla riga 5"},
      {"pendenza,  0,  160", "la pendenza 160 non sta tra -100 e 155 per mille"},
  };
  for (const auto& c : cases) {
    const CheckResult r = check(text({"[generale]", "lunghezza percorso,    12000", "[curve]", c.row, "[fine]"}), kTrain);
    EXPECT_EQ(r.count(Severity::kError), 1) << c.row;
    for (const Diagnostic& d : r.diagnostics) {
      if (d.severity != Severity::kError) continue;
      EXPECT_EQ(d.code, 25) << c.row;
      EXPECT_NE(d.message.find(c.words), std::string::npos) << d.message;
    }
  }
}

// One small description pair for every kind of silent misreading: the
// compiler reads the row without an error, and the check says how, with
// exactly that warning, at that place.
struct WarningCase {
  const char* name;
  std::string linea, treno;
  WarningKind kind;
  Place place;
};

// A train leaving A at 8:00, stopping at B (3000 m) and C (9000 m) at the
// times given.
std::string timed(const std::string& b, const std::string& c) {
  return text({"[generale]", "orologio, 8 0 0", "[vel_limite]", "velocita, 0, 100", "[stazioni]"}) +
         "stazione, 0, 2, 1000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\nstazione, 3000, 2, 400, 0, 0, 0, 0, 0, 0, 0, "
         "0, 0, 0, " + b + ", B\r\nstazione, 9000, 2, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, " + c + ", C\r\n[fine]\r\n";
}

std::vector<WarningCase> warning_cases() {
  const std::string line_head = "[generale]\r\nlunghezza percorso,    12000\r\n[curve]\r\n";
  const std::string line = line_head + "[fine]\r\n";
  return {
      {"a keyword typo", line_head + "segmale,  100,  2\r\n[fine]\r\n", kTrain, WarningKind::kUnknownKeyword, {L, 4, 1}},
      {"a train keyword in capitals", line, text({"[generale]", "numero vetture, 3", "Velocita,  0,  80", "[fine]"}),
       WarningKind::kUnknownKeyword, {T, 3, 1}},
      {"an unknown header ends the general section early",
       text({"[generale]", "lunghezza percorso,    12000", "[note]", "[fine]"}), kTrain,
       WarningKind::kUnknownSection, {L, 3, 1}},
      {"a general row after the general section", line_head + "sfondo uno,  1\r\n[fine]\r\n", kTrain,
       WarningKind::kOutsideSection, {L, 4, 1}},
      {"a row before [generale]", "pendenza, 100, 2\r\n" + line, kTrain, WarningKind::kBeforeGeneral, {L, 1, 1}},
      {"a train with [Generale]", line, text({"[Generale]", "velocita,  0,  80", "[fine]"}),
       WarningKind::kNoTrainData, {T, 1, 1}},
      {"an extra value", line_head + "pendenza,  100,  2, 7\r\n[fine]\r\n", kTrain, WarningKind::kExtraValues,
       {L, 4, 21}},
      {"a decimal comma", line_head + "pendenza,  100,  2,5\r\n[fine]\r\n", kTrain, WarningKind::kDecimalComma,
       {L, 4, 20}},
      {"a comma inside a sign text", line_head + "cartello_indicatore,  1000,  (PL, km)\r\n[fine]\r\n", kTrain,
       WarningKind::kCommaInText, {L, 4, 35}},
      {"a station one value short takes the next line's keyword as its name", line,
       text({"[generale]", "stazione,       0,  2, 1000,  0, 0, 0,  1,1,0,  4,1,1,    1,  23,50, 0",
             "segnale,    2800,   1, 4, 0,  0, 0,    0,  0,0,0, 0", "[fine]"}),
       WarningKind::kValuesFromNextLine, {T, 2, 1}},
      {"a keyword as the last field of the file", line_head + "pendenza", kTrain, WarningKind::kLastFieldUnread,
       {L, 4, 1}},
      {"a third separator", line_head + "--\r\n--\r\n-- tratto in galleria\r\n[fine]\r\n", kTrain,
       WarningKind::kThirdSeparator, {L, 6, 1}},
      {"\"destra\" holds an s", line_head + "curva destra 4,  500,  300\r\n[fine]\r\n", kTrain,
       WarningKind::kCurveSide, {L, 4, 1}},
      {"two class digits", line_head + "curvad42,  500,  300\r\n[fine]\r\n", kTrain, WarningKind::kCurveSide,
       {L, 4, 1}},
      {"a point object off the grid", line_head + "cartello_indicatore,  1525,  (A)\r\n[fine]\r\n", kTrain,
       WarningKind::kPositionRounded, {L, 4, 23}},
      {"a speed row off the grid", line, text({"[generale]", "velocita,  0,  80", "velocita,  1525,  100", "[fine]"}),
       WarningKind::kPositionRounded, {T, 3, 12}},
      {"a gradient before the start", line_head + "pendenza,  -1000,  2\r\n[fine]\r\n", kTrain,
       WarningKind::kPositionClipped, {L, 4, 12}},
      {"a curve past the end of the model", line_head + "curvad4,  18000,  2000\r\n[fine]\r\n", kTrain,
       WarningKind::kPositionClipped, {L, 4, 11}},
      {"a signal past the end of the line", line,
       text({"[generale]", "segnale,    15000,   1, 4, 0,  0, 0,    0,  0,0,0, 0", "[fine]"}),
       WarningKind::kBeyondLineEnd, {T, 2, 13}},
      {"speed rows out of order", line,
       text({"[generale]", "velocita,  0,  80", "velocita,  3000,  100", "velocita,  2000,  60", "[fine]"}),
       WarningKind::kOutOfOrder, {T, 4, 12}},
      {"curves out of order", line_head + "curvad4,  1000,  500\r\ncurvas4,  1200,  500\r\n[fine]\r\n", kTrain,
       WarningKind::kOutOfOrder, {L, 5, 11}},
      {"a curve wholly behind the one before", line_head + "curvad4,  1000,  500\r\ncurvas4,  1200,  300\r\n[fine]\r\n",
       kTrain, WarningKind::kCurveDropped, {L, 5, 11}},
      {"a curve of negative length", line_head + "curvad4,  1200,  -600\r\n[fine]\r\n", kTrain,
       WarningKind::kCurveDropped, {L, 4, 18}},
      {"a row typed without commas, its minus sign taken for a separator",
       line_head + "pendenza\t1000\t-3\r\n[fine]\r\n", kTrain, WarningKind::kSeparatorRow, {L, 4, 1}},
      {"a mountain stretch close behind another",
       line_head + "montagna,  1000,  2000,  1\r\nmontagna,  2100,  3000,  2\r\n[fine]\r\n", kTrain,
       WarningKind::kCloseMountain, {L, 5, 12}},
      {"two progressives at the same position",
       text({"[generale]", "lunghezza percorso,    12000", "progressiva chilometrica uno,    1500,    90000,    0",
             "progressiva chilometrica due,    1500,    -1500,    0", "[fine]"}),
       kTrain, WarningKind::kProgressivesCleared, {L, 3, 1}},
      {"a route length left empty", text({"[generale]", "lunghezza percorso,", "[fine]"}), kTrain,
       WarningKind::kRouteLengthZero, {L, 2, 20}},
      {"a fraction rounded away", line_head + "pendenza,  100,  4.5\r\n[fine]\r\n", kTrain,
       WarningKind::kFractionRounded, {L, 4, 18}},
      {"a row after a comment's comma", line_head + "-- poi, pendenza,  100,  2\r\n[fine]\r\n", kTrain,
       WarningKind::kCommentComma, {L, 4, 9}},
      {"a station's stop over a signal", line,
       text({"[generale]", "segnale,    1400,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
             "stazione,  1000,  2, 1000,  0, 0, 0,  1,1,0,  4,1,1,  1,  23,50, 0, A", "[fine]"}),
       WarningKind::kStopOverObject, {T, 3, 12}},
      {"a board's right speed the cell cannot hold",
       line_head + "indicatori_vmax,  1550,  125,  135,  135,  0,  95,  97,  90,  0\r\n[fine]\r\n", kTrain,
       WarningKind::kValueOverflow, {L, 4, 19}},
      {"a signal aspect over 9", line,
       text({"[generale]", "segnale,    2000,   1, 12, 0,  0, 0,    0,  0,0,0, 0", "[fine]"}),
       WarningKind::kValueOverflow, {T, 2, 13}},
      {"a name saved as UTF-8", line,
       text({"[generale]", "stazione, 0, 2, 1000, 0,0,0, 1,1,0, 4,1,1, 1, 23,50,0, SANT\xC3\x80", "[fine]"}),
       WarningKind::kNotWindows1252, {T, 2, 60}},
      {"a board in cell 1", line_head + "indicatori_vmax,  0,  0,  0,  0,  0,  0,  0,  0,  0\r\n[fine]\r\n", kTrain,
       WarningKind::kHeaderCell, {L, 4, 19}},
      // The estimate runs 3 km to B in 2 min 33 s and dwells 30 s; C is 6 km on.
      {"a time the estimate cannot keep", line, timed("8, 2, 0", "8, 9, 0"), WarningKind::kTimeUnreachable,
       {T, 7, 55}},
      {"a time before an earlier station's", line, timed("8, 5, 0", "8, 4, 0"), WarningKind::kTimeBackwards,
       {T, 8, 55}},
      {"a stop with less than the dwell to stand", line, timed("8, 2, 45", "8, 9, 0"), WarningKind::kNoTimeToStop,
       {T, 7, 55}},
  };
}

TEST(Check, EverySilentMisreadingIsAWarning) {
  for (const WarningCase& c : warning_cases()) {
    SCOPED_TRACE(c.name);
    CompilationState s;
    s.nome = "N";
    s.treno = "1";
    compile_texts(s, DescriptionText::of(c.linea), DescriptionText::of(c.treno), {.diagnostic_mode = true});
    EXPECT_TRUE(s.errors.empty()) << "error " << s.codice_errore();
    std::string all;
    for (const Warning& w : s.warnings) all += w.message + "\n";
    ASSERT_EQ(s.warnings.size(), 1u) << all;
    EXPECT_EQ(s.warnings[0].kind, c.kind) << s.warnings[0].message;
    EXPECT_EQ(s.warnings[0].place, c.place) << s.warnings[0].message;

    // The compilation proper reads exactly the same.
    CompilationState proper;
    proper.nome = "N";
    proper.treno = "1";
    compile_texts(proper, DescriptionText::of(c.linea), DescriptionText::of(c.treno), {});
    EXPECT_TRUE(proper.warnings.empty());
    EXPECT_EQ(records_bytes(proper.model.record), records_bytes(s.model.record));
    EXPECT_EQ(track_bytes(proper.model.celle), track_bytes(s.model.celle));
    EXPECT_EQ(geometry_bytes(proper.model.geometry), geometry_bytes(s.model.geometry));
  }
}

// A new kind of warning gets its case above.
TEST(Check, EveryWarningKindHasACase) {
  const std::vector<WarningCase> cases = warning_cases();
  for (const WarningName& w : kWarningNames) {
    const bool covered =
        std::any_of(cases.begin(), cases.end(), [&](const WarningCase& c) { return c.kind == w.kind; });
    EXPECT_TRUE(covered) << "no case for warning " << w.name;
  }
}

// After a keyword that matches nothing, the nearest keyword is offered when
// it is at most two edits away, or a third of its length.
TEST(Check, TheHintOffersTheNearestKeywordWithinReach) {
  const struct {
    const char* written;
    const char* hint;  // nothing offered: ""
  } cases[] = {
      {"segmale", "segnale"},      // one edit
      {"orolxxio", "orologio"},    // two edits: still offered for an 8-letter keyword
      {"oroxxxio", ""},            // three: not
      {"cartello_ind", ""},        // seven deleted of 19 letters: more than a third
      {"cartelo_indicaore", "cartello_indicatore"},  // two of 19
  };
  for (const auto& c : cases) {
    const bool line_keyword = std::string(c.written).rfind("cartel", 0) == 0;
    const std::string row = std::string(c.written) + ",  100,  2";
    const CheckResult r = line_keyword ? check(text({"[generale]", "lunghezza percorso,    12000", "[cartelli]",
                                                     row.c_str(), "[fine]"}),
                                               kTrain)
                                       : check(text({"[generale]", "lunghezza percorso,    12000", "[fine]"}),
                                               text({"[generale]", "velocita,  0,  80", row.c_str(), "[fine]"}));
    ASSERT_EQ(r.diagnostics.size(), 1u) << c.written;
    const std::string& message = r.diagnostics[0].message;
    const std::string offered = std::string("forse «") + c.hint + "»?";
    EXPECT_EQ(message.find("forse") != std::string::npos, *c.hint != '\0') << message;
    if (*c.hint) {
      EXPECT_NE(message.find(offered), std::string::npos) << message;
    }
  }
}

// The scenario the builder carries, the worked example of the guide and the
// description fixtures are clean: no diagnostic at all.
TEST(Check, TheProjectsOwnDescriptionsAreClean) {
  const struct {
    std::string linea, treno;
  } pairs[] = {
      {fixture("builtin/Montebrisca_Lurna_linea.txt"), fixture("builtin/Montebrisca_Lurna_7395-.txt")},
      {fixture("authoring/Felciano_Valfonda_linea.txt"), fixture("authoring/Felciano_Valfonda_2231-.txt")},
      {fixture("line/basic_linea.txt"), fixture("train/short_run.txt")},
      {fixture("view/Nord_linea.txt"), fixture("view/Nord_1-.txt")},
      {fixture("view/Markup_linea.txt"), fixture("view/Markup_2-.txt")},
  };
  for (const auto& p : pairs) {
    const CheckResult r = check(p.linea, p.treno);
    EXPECT_TRUE(r.diagnostics.empty()) << r.diagnostics.front().message;
    EXPECT_EQ(r.codice_errore, 0);
  }
}

}  // namespace
}  // namespace scenario
