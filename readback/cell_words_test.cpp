#include "readback/cell_words.h"

#include <gtest/gtest.h>

#include <optional>

namespace scenario {
namespace {

Cella cell(uint8_t code, int16_t v1, int16_t v2 = 0, int16_t v3 = 0, int16_t v4 = 0) {
  Cella c;
  c.oggetto = code;
  c.valore1 = v1;
  c.valore2 = v2;
  c.valore3 = v3;
  c.valore4 = v4;
  return c;
}

DecodedRecords records() {
  DecodedRecords d;
  Record& station = d.record[3];
  station.nome_punto = "CITT\xC0 <b>\"VECCHIA\"";  // Windows-1252 À
  station.tipo_punto = 2;
  station.inizio_zona = 4500;
  station.fine_zona = 5550;
  station.posizione_punto = 5000;
  station.allungamento = 1;
  station.orario = 23 * 3600 + 50 * 60 + 7;
  station.dato_1 = 1;
  station.dato_4 = 4;
  station.dato_10 = 10;
  d.record[80].nome_punto = "(PL km)(1+522)";
  return d;
}

TEST(CellWords, EachObjectInWords) {
  const DecodedRecords r = records();
  const struct {
    const char* what;
    Cella cell;
    std::string words;
  } cases[] = {
      {"empty cell", cell(kNothing, 5), ""},
      // segnale, 2800, 1, 4, 0, 0, 7, 2, 5, 1, 0, 0 of a train description
      {"signal", cell(kSignal, 45, 1, 0, 75),
       "segnale: codici d'aspetto sinistri 4, 0, 0, destri 5, 1, 0 (valori 45, 1, 0 = sinistro×10 + destro); "
       "tipo sinistro 1, destro 2, valore aggiuntivo 7. Il significato dei codici è del simulatore."},
      // indicatori_vmax, 1550, 125, 135, 135, 0, 60, , , 2
      {"boards with a right side", cell(kSpeedIndicator, 2512, 2700, 2700, 2),
       "indicatore di velocità massima: sinistra A 125 km/h, B 135 km/h, C 135 km/h; destra A 60 km/h, "
       "B nessuna, C nessuna; strisce sinistra 0, destra 2 (valori 2512, 2700, 2700, 2; una velocità "
       "destra da 100 km/h in su o non multipla di 5 non si ricostruisce dalla cella)."},
      {"station stop", cell(kStationStop, 3),
       "fermata della stazione CITTÀ <b>\"VECCHIA\" (record 3): categoria 2, zona 4500–5550 m, posizione "
       "5000 m, orario 23:50:07, zona allungata di 50 m; colonne dato_1 1, dato_2 0, dato_4 4, dato_5 0, "
       "dato_6 0, dato_7 0, dato_8 0, dato_9 0, dato_10 10 (il loro significato è del simulatore)."},
      {"stop naming a sign's record", cell(kStationStop, 81),
       "fermata di stazione: record 81 fuori dai record delle stazioni."},
      {"direction sign", cell(kDirectionSign, 80), "cartello indicatore: «(PL km)(1+522)» (record 80)."},
      {"slowdown start", cell(kSlowdownStart, 40, 0, 1),
       "inizio rallentamento: 40 km/h; valore3 1 (il suo significato è del simulatore)."},
      {"slowdown end with a second speed", cell(kSlowdownEnd, 40, 60),
       "fine rallentamento: 40 km/h, seconda velocità 60 km/h; valore3 0 (il suo significato è del simulatore)."},
      {"warning board", cell(kSlowdownWarning, 30), "avviso di rallentamento, 1200 m prima dell'inizio: 30 km/h."},
      {"approach cell", cell(kSlowdownApproach, 2),
       "preavviso di rallentamento: cella 2 delle quattro prima dell'avviso (1 la più vicina)."},
      {"marker of the route walk", cell(kReductionPositive, 180),
       "punto di abbattimento: 180 km/h (il valore dei segni che il compilatore aggiunge davanti a segnali e "
       "rallentamenti)."},
      {"reduction point", cell(kReductionPositive, 60), "punto di abbattimento: 60 km/h."},
      {"reduction point without speed", cell(kReductionZero, 0), "punto di abbattimento senza velocità."},
      {"unknown code", cell(9, 1, 2, 3, 4), "codice 9: valori 1, 2, 3, 4 (oggetto sconosciuto al compilatore)."},
  };
  for (const auto& c : cases) EXPECT_EQ(cell_words(c.cell, &r), c.words) << c.what;
}

// Values that wrapped into negative 16-bit numbers cannot be unpacked.
TEST(CellWords, NegativePackedValuesAreNotSplit) {
  const std::string signal = cell_words(cell(kSignal, -3, 0, 0, -1), nullptr);
  EXPECT_NE(signal.find("sinistri ?, 0, 0, destri ?, 0, 0 (valori -3, 0, 0"), std::string::npos) << signal;
  EXPECT_NE(signal.find("valore4 -1 (tipi non ricostruibili)"), std::string::npos) << signal;
  const std::string boards = cell_words(cell(kSpeedIndicator, -100, 0, 0, 0), nullptr);
  EXPECT_NE(boards.find("sinistra A ?, B nessuna"), std::string::npos) << boards;
}

// Without the records file a stop and a sign say which record holds what
// they would show.
TEST(CellWords, WithoutRecordsTheRecordIsNamed) {
  EXPECT_EQ(cell_words(cell(kStationStop, 3), nullptr),
            "fermata della stazione del record 3 (nome e dati nel file dei record, non letto).");
  EXPECT_EQ(cell_words(cell(kDirectionSign, 80), nullptr),
            "cartello indicatore: testo nel record 80 (file dei record non letto).");
}

// Where each object was written: the positions that land in its cell, by
// the rule of its row, or the station's own position for a stop.
TEST(ObjectPlacement, WrittenPositionsByTheRuleOfEachRow) {
  const DecodedRecords r = records();
  const struct {
    const char* what;
    Cella cell;
    int64_t index;
    std::optional<PositionRange> written;
    std::optional<int32_t> station;
    std::string words;
  } cases[] = {
      {"signal", cell(kSignal, 40), 15, PositionRange{676, 724}, {}, "scritto tra 676 e 724 m → cella 15"},
      {"even cell keeps both half-way ends", cell(kSpeedIndicator, 2500), 32, PositionRange{1525, 1575}, {},
       "scritto tra 1525 e 1575 m → cella 32"},
      {"sign", cell(kDirectionSign, 80), 57, PositionRange{2776, 2824}, {}, "scritto tra 2776 e 2824 m → cella 57"},
      {"slowdown start", cell(kSlowdownStart, 40), 1874, PositionRange{93625, 93675}, {},
       "inizio scritto tra 93625 e 93675 m → cella 1874"},
      {"slowdown end", cell(kSlowdownEnd, 40), 1878, PositionRange{93825, 93875}, {},
       "inizio più lunghezza tra 93825 e 93875 m → cella 1878"},
      {"warning board, 1200 m ahead of the start", cell(kSlowdownWarning, 40), 1850, PositionRange{93625, 93675}, {},
       "inizio del rallentamento scritto tra 93625 e 93675 m → avviso 1200 m prima, nella cella 1850"},
      {"reduction point, without the + 1", cell(kReductionPositive, 60), 30, PositionRange{1475, 1525}, {},
       "riga abbattimento scritta tra 1475 e 1525 m → cella 30"},
      {"a marker's speed may be the route walk's", cell(kReductionPositive, 180), 31, PositionRange{1526, 1574}, {},
       "riga abbattimento scritta tra 1526 e 1574 m → cella 31, o segno del compilatore senza posizione scritta"},
      {"station stop", cell(kStationStop, 3), 110, {}, 5000,
       "stazione scritta a 5000 m; la fermata viene dalla fine della zona, 5550 m: 5550 / 50 − 1 → cella 110"},
      {"approach cell", cell(kSlowdownApproach, 1), 1849, {}, {}, ""},
      {"mountain marker", cell(kMountainMarker, 0), 177, {}, {}, ""},
      {"unknown code", cell(9, 1), 5, {}, {}, ""},
  };
  for (const auto& c : cases) {
    const ObjectPlacement p = object_placement(c.cell, c.index, &r);
    EXPECT_EQ(p.written.has_value(), c.written.has_value()) << c.what;
    if (p.written && c.written) {
      EXPECT_EQ(p.written->from, c.written->from) << c.what;
      EXPECT_EQ(p.written->to, c.written->to) << c.what;
    }
    EXPECT_EQ(p.station_position, c.station) << c.what;
    EXPECT_EQ(p.words, c.words) << c.what;
  }
  const ObjectPlacement unread = object_placement(cell(kStationStop, 3), 110, nullptr);
  EXPECT_EQ(unread.station_position, std::nullopt);
  EXPECT_EQ(unread.words, "cella di fermata dalla fine della zona della stazione");
}

// Stations from record 1 up, sign texts from 80 down: a sign's cell tells
// its record for certain; without the track the unbroken run from 80 down is
// taken for the signs.
TEST(RecordRoles, SignsByTheirCellsOrByTheRunFromTheTop) {
  DecodedRecords d;
  d.record[1].nome_punto = "A";
  d.record[2].nome_punto = "B";
  d.record[79].nome_punto = "(PL km)(2+000)";
  d.record[80].nome_punto = "(PL km)(1+522)";
  d.record[86].nome_punto = "7395";

  const auto guessed = record_roles(d, nullptr);
  DecodedTrack track;
  track.celle.resize(10);
  track.celle[4].oggetto = kDirectionSign;
  track.celle[4].valore1 = 80;
  const auto told = record_roles(d, &track);

  const struct {
    int slot;
    RecordRole without_track, with_track;
  } cases[] = {
      {0, RecordRole::kEmpty, RecordRole::kEmpty},       {1, RecordRole::kStation, RecordRole::kStation},
      {2, RecordRole::kStation, RecordRole::kStation},   {3, RecordRole::kEmpty, RecordRole::kEmpty},
      {79, RecordRole::kSign, RecordRole::kStation},     {80, RecordRole::kSign, RecordRole::kSign},
      {81, RecordRole::kEmpty, RecordRole::kEmpty},      {84, RecordRole::kEmpty, RecordRole::kEmpty},
      {86, RecordRole::kTrain, RecordRole::kTrain},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(guessed[static_cast<size_t>(c.slot)], c.without_track) << c.slot;
    EXPECT_EQ(told[static_cast<size_t>(c.slot)], c.with_track) << c.slot;
  }
}

TEST(RecordWords, EachRoleInWords) {
  DecodedRecords d = records();
  d.record[0].tipo_punto = 7;
  d.record[0].nome_punto = "X";
  // Zone start, zone end and position of a record, the members the roles share most.
  const auto set = [&](int slot, int32_t start, int32_t end, int32_t position) {
    Record& r = d.record[static_cast<size_t>(slot)];
    r.inizio_zona = start, r.fine_zona = end, r.posizione_punto = position;
    return &r;
  };
  set(81, 1500, -1500, 0);
  set(82, 0, 90100, 1);
  set(84, 125, 103000, 14);
  Record* scenario = set(85, 1, 0, 2);
  scenario->nome_punto = "Montebrisca_Lurna";
  scenario->dato_4 = 610;
  scenario->orario = 33220;
  Record* train = set(86, 1000, 2000, 4);
  train->nome_punto = "7395";
  train->dato_4 = 300;
  train->dato_7 = 23, train->dato_8 = 49, train->dato_9 = 40;
  const struct {
    int slot;
    RecordRole role;
    std::string words;
    std::optional<std::string> clock;
  } cases[] = {
      {3, RecordRole::kStation,
       "stazione CITTÀ <b>\"VECCHIA\": categoria 2, zona 4500–5550 m, posizione 5000 m, orario 23:50:07, zona "
       "allungata di 50 m; colonne dato_1 1, dato_2 0, dato_4 4, dato_5 0, dato_6 0, dato_7 0, dato_8 0, dato_9 0, "
       "dato_10 10 (il loro significato è del simulatore).",
       "23:50:07"},
      {80, RecordRole::kSign, "testo di un cartello indicatore: «(PL km)(1+522)».", {}},
      {81, RecordRole::kProgressive,
       "progressiva chilometrica: da 1500 m il km di linea è la posizione più -1500 m (km 0+000 a 1500 m); "
       "indicatore 0.",
       {}},
      {82, RecordRole::kProgressive,
       "progressiva chilometrica: da 0 m il km di linea è la posizione più 90100 m (km 90+100 a 0 m); "
       "indicatore 1: al valore scritto si sono aggiunti 100 m.",
       {}},
      {84, RecordRole::kTrainData, "dati del treno: massa frenata 125 %, lunghezza del percorso 103000 m, vetture 14.",
       {}},
      {85, RecordRole::kScenario,
       "scenario «Montebrisca_Lurna»: sfondi 1, 2, 0 (uno, due, tre); timbri dell'intestazione 610 e codice "
       "pesato 33220.",
       {}},
      {86, RecordRole::kTrain,
       "treno «7395»: ripetizione dei segnali a 1000 e 2000 m, codice 4; sabbia 300; orologio di partenza "
       "23:49:40.",
       "23:49:40"},
      {0, RecordRole::kOther, "record senza un ruolo noto: tipo_punto 7, nome_punto «X».", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(record_words(d, c.slot, c.role), c.words) << c.slot;
    EXPECT_EQ(record_clock(d.record[static_cast<size_t>(c.slot)], c.role), c.clock) << c.slot;
  }
}

TEST(CellWords, ClockText) {
  EXPECT_EQ(clock_text(0), "00:00:00");
  EXPECT_EQ(clock_text(23 * 3600 + 49 * 60 + 40), "23:49:40");
  EXPECT_EQ(clock_text(25 * 3600 + 1), "25:00:01");
}

}  // namespace
}  // namespace scenario
