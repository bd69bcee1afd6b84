// The check names each fault once, at the row and field that caused it,
// drops no row in silence and says nothing of a row written as the guide
// says: one table of small description pairs, each with every diagnostic it
// must give (notes included), in order.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "compiler/output/check.h"
#include "compiler/output/compile.h"

namespace scenario {
namespace {

constexpr Description L = Description::kLine, T = Description::kTrain;
constexpr Severity E = Severity::kError, W = Severity::kWarning, N = Severity::kNote;

// Lines joined with CR LF.
std::string text(std::initializer_list<const char*> lines) {
  std::string t;
  for (const char* l : lines) t.append(l).append("\r\n");
  return t;
}

// A diagnostic as the table gives it: severity, file, line, column, and its
// code: the error number, the warning's name, or "" for a note.
using Seen = std::tuple<Severity, Description, int, int, std::string>;

std::vector<Seen> seen(const CheckResult& r) {
  std::vector<Seen> all;
  for (const Diagnostic& d : r.diagnostics) {
    all.emplace_back(d.severity, d.place.file, d.place.line, d.place.column,
                     d.code ? std::to_string(*d.code) : std::string(d.name));
  }
  return all;
}

std::string listing(const CheckResult& r) {
  std::string all;
  for (const Diagnostic& d : r.diagnostics) {
    all += std::to_string(d.place.line) + ":" + std::to_string(d.place.column) + " " + d.message + "\n";
  }
  return all;
}

const std::string kLineHead = "[generale]\r\nlunghezza percorso,    12000\r\n[pendenze]\r\n";
const std::string kLine = kLineHead + "[fine]\r\n";
const std::string kTrain = text({"[generale]", "velocita,       0,    80", "[fine]"});
const char* kStation = "stazione,    3000, 12,  500,  0, 0, 0,  1,1,0,  2,1,1,    0,   7,53, 0, SAN VERO";

struct Case {
  const char* rule;
  std::string linea, treno;
  std::vector<Seen> expected;
  const char* words = "";  // in the first diagnostic's message
};

std::vector<Case> cases() {
  return {
      // A value is checked where it is given, in the author's unit; the
      // rows that write it later say nothing.
      {"a speed the cells cannot hold: at its row and field, once", kLine,
       text({"[generale]", "velocita,       0,    80", "velocita,    1000,  5000", "velocita,    2000,    60",
             "velocita,    3000,    60", "[fine]"}),
       {{E, T, 3, 21, "25"}, {N, T, 3, 21, ""}},
       "la velocità 5000 km/h non sta nelle celle, che tengono da 0 a 1275 km/h"},
      {"the same on the last row, which the end of the track writes", kLine,
       text({"[generale]", "velocita,       0,    80", "velocita,    1000,  1300", "[fine]"}),
       {{E, T, 3, 21, "25"}, {N, T, 3, 21, ""}}, "1300 km/h"},
      {"the largest speed the cells hold is no fault", kLine,
       text({"[generale]", "velocita,       0,  1275", "[fine]"}), {}},

      // A row short of values is the fault; where its value came from is a note.
      {"a row with a value left out", kLineHead + "pendenza,  1000\r\npendenza,  2000,  3\r\n[fine]\r\n", kTrain,
       {{E, L, 4, 1, "25"}, {N, L, 4, 1, ""}, {N, L, 5, 1, ""}},
       "alla riga «pendenza» mancano valori: il valore 2 di 2 (pendenza per mille) lo prende dalla riga 5"},
      {"values typed with tabs", kLineHead + "pendenza\t1000\t3\r\npendenza,  2000,  3\r\n[fine]\r\n", kTrain,
       {{E, L, 4, 1, "25"}, {N, L, 4, 1, ""}, {N, L, 5, 1, ""}}, "i valori vanno separati da virgole"},
      {"values typed with tabs, one of them negative", kLineHead + "pendenza\t1000\t-3\r\n[fine]\r\n", kTrain,
       {{W, L, 4, 1, "riga-come-separatore"}}},
      {"a comment holding a comma", kLineHead + "-- qui sale, pendenza forte\r\npendenza,  2000,  3\r\n[fine]\r\n",
       kTrain, {{E, L, 4, 14, "25"}, {N, L, 4, 14, ""}, {N, L, 5, 1, ""}}, "un commento non deve avere virgole"},
      {"a value that is no number on its own row stays at its field",
       kLineHead + "pendenza,  1000,  x3\r\npendenza,  2000,  3\r\n[fine]\r\n", kTrain,
       {{E, L, 4, 19, "25"}, {N, L, 4, 19, ""}}, "valore 2 di 2 (pendenza per mille) della riga «pendenza»: «x3» non è un numero"},

      // A fault every later row repeats: one error, one note for the rest.
      {"a route length with a decimal comma",
       text({"[generale]", "lunghezza percorso,  10,0", "[pendenze]", "pendenza,  0,  0", "pendenza,  8000,  2",
             "pendenza,  8500,  3", "pendenza,  9000,  0", "pendenza,  9500,  0", "[fine]"}),
       kTrain,
       {{W, L, 2, 25, "virgola-decimale"},
        {E, L, 5, 12, "15"},
        {N, L, 5, 12, ""},
        {N, L, 6, 12, ""}},
       "«10,0» è letto come 10"},
      {"no route length: the train description is read all the same",
       text({"[generale]", "lunghezza percorso,  abc", "[pendenze]", "pendnza,  100,  2", "[fine]"}),
       text({"[generale]", "velocita,       0,    80", "stazone,    3000", "[fine]"}),
       {{E, L, 2, 22, "25"}, {N, L, 2, 22, ""}, {W, L, 4, 1, "parola-sconosciuta"}, {W, T, 3, 1, "parola-sconosciuta"}}},
      {"a route too long: the same", text({"[generale]", "lunghezza percorso,  2000000", "[fine]"}),
       text({"[generale]", "velocita,       0,    80", "stazone,    3000", "[fine]"}),
       {{E, L, 2, 22, "1"}, {N, L, 2, 22, ""}, {W, T, 3, 1, "parola-sconosciuta"}}},

      // A header misspelt is pointed at, with the hint.
      {"[generale] misspelt in the line description",
       text({"[generael]", "lunghezza percorso,    12000", "[pendenze]", "pendnza,  100,  2", "[fine]"}), kTrain,
       {{E, L, 1, 1, "102"}, {N, L, 1, 1, ""}, {W, L, 4, 1, "parola-sconosciuta"}}, "forse «[generale]»?"},
      {"[generale] misspelt in the train description", kLine, text({"[genrale]", "velocita,  0,  80", "[fine]"}),
       {{E, T, 1, 1, "nessun-treno"}}, "forse «[generale]»?"},
      {"an empty train description", kLine, "", {{E, T, 1, 1, "nessun-treno"}}},
      {"a line description with no header at all: the whole file, at its first line",
       text({"lunghezza percorso,    12000", "[fine]"}), kTrain, {{E, L, 1, 1, "102"}}},

      // Places as editors count them: a file saved as UTF-8 shows each
      // letter as one column, and each of its names is reported.
      {"a file saved as UTF-8: each name, columns in letters",
       kLineHead + "cartello_indicatore,  1200,   (PER\xC3\x99)(13+600), 5\r\n[fine]\r\n",
       text({"[generale]", "velocita,       0,    80",
             "stazione,    3000, 12,  500,  0, 0, 0,  1,1,0,  2,1,1,    0,   7,53, 0, CITT\xC3\x80",
             "stazione,    6000, 12,  500,  0, 0, 0,  1,1,0,  2,1,1,    0,   7,59, 0, PER\xC3\x99", "[fine]"}),
       {{W, L, 4, 35, "codifica"}, {W, L, 4, 47, "virgola-nel-testo"}, {W, T, 3, 77, "codifica"},
        {W, T, 4, 76, "codifica"}},
       "«(PERÙ)(13+600)» è scritto in UTF-8 e si legge «(PERÃ™)(13+600)»"},
      {"the same in Windows-1252: one byte, one column", kLineHead + "cartello_indicatore,  1200,   (PER\xD9)(13+600), 5\r\n[fine]\r\n",
       kTrain, {{W, L, 4, 47, "virgola-nel-testo"}}},
      {"the UTF-8 mark takes no column", "\xEF\xBB\xBF" + kLineHead + "pendenza,\t1000,\t2,5\r\n[fine]\r\n", kTrain,
       {{W, L, 1, 1, "codifica"}, {W, L, 4, 19, "virgola-decimale"}}},
      {"an author's double quotes are not an editor's", kLine,
       text({"[generale]", "velocita,       0,    80", "staz \"A\" 3,  1000", "[fine]"}),
       {{W, T, 3, 1, "parola-sconosciuta"}}, "«staz ＂A＂ 3»"},

      // Nothing dropped in silence.
      {"a curve of negative length", kLineHead + "curvad4,  1200,  -600\r\n[fine]\r\n", kTrain,
       {{W, L, 4, 18, "curva-scartata"}}},
      {"a curve wholly behind the one before",
       kLineHead + "curvas5,  2000,  900\r\ncurvas5,  2300,  450\r\n[fine]\r\n", kTrain,
       {{W, L, 5, 11, "curva-scartata"}}, "non si piega affatto"},
      {"a station past the end of the line", kLine,
       text({"[generale]", "velocita,       0,    80",
             "stazione,   14000, 12,  500,  0, 0, 0,  1,1,0,  2,1,1,    0,   7,53, 0, OLTRE", "[fine]"}),
       {{W, T, 3, 13, "oltre-la-linea"}}},
      {"a station row with a value too many", kLine,
       text({"[generale]", "velocita,       0,    80",
             "stazione,    3000, 12,  500,  0, 0, 0, 0,  1,1,0,  2,1,1,    0,   7,53, 0, SAN VERO", "[fine]"}),
       {{W, T, 3, 1, "valori-in-piu"}}, "la riga «stazione» ha 1 valore in più"},

      // Nothing on rows written as the guide says.
      {"curve names that say their side",
       kLineHead + "curva_d4,  1000,  300\r\ncurva_sx5,  2000,  300\r\ncurvad3,  3000,  300\r\n[fine]\r\n", kTrain, {}},
      {"curve names whose side is not the one read",
       kLineHead + "curvadestra4,  1000,  300\r\ncurva destra 6,  2000,  300\r\ncurva_d_stretta4,  3000,  300\r\n"
                   "[fine]\r\n",
       kTrain, {{W, L, 4, 1, "lato-curva"}, {W, L, 5, 1, "lato-curva"}, {W, L, 6, 1, "lato-curva"}}},
      {"a title line before [generale] holding a keyword word",
       "Linea di montagna ROCCAVERDE - PASSO ALTIERA, 56 km\r\n" + kLine, kTrain, {}},
      {"a row before [generale]", "pendenza,  100,  3\r\n" + kLine, kTrain, {{W, L, 1, 1, "prima-di-generale"}}},
      {"headers the train reader passes over", kLine,
       text({"[generale]", "velocita,       0,    80", "[stazioni]", kStation, "[abbattimenti]",
             "abbattimento,    2000,    0", "[fine]"}),
       {}},
  };
}

TEST(CheckRows, EachFaultOnceAtTheRowThatCausedIt) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.rule);
    const CheckResult r = check_texts("N", "1", DescriptionText::of(c.linea), DescriptionText::of(c.treno));
    EXPECT_EQ(seen(r), c.expected) << listing(r);
    // The builder's error is marked once, on an error.
    int reported = 0;
    for (const Diagnostic& d : r.diagnostics) {
      reported += d.reported;
      if (d.reported) {
        EXPECT_EQ(d.severity, Severity::kError) << d.message;
      }
    }
    EXPECT_EQ(reported, r.codice_errore != 0 ? 1 : 0) << listing(r);
    if (*c.words != '\0' && !r.diagnostics.empty()) {
      EXPECT_NE(r.diagnostics[0].message.find(c.words), std::string::npos) << r.diagnostics[0].message;
    }
  }
}

// `compile` counts the curves it placed.
TEST(CheckRows, ACurveDroppedIsNotCounted) {
  CompilationState s;
  compile_texts(s,
                DescriptionText::of(kLineHead + "curvas5,  2000,  900\r\ncurvas5,  2300,  450\r\n"
                                                "curvad4,  5000,  -600\r\ncurvad4,  6000,  300\r\n[fine]\r\n"),
                DescriptionText::of(kTrain), {});
  EXPECT_EQ(s.rows_read.curve, 2);
}

}  // namespace
}  // namespace scenario
