#include "compiler/output/cell_words.h"

#include <gtest/gtest.h>

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
  for (const auto& c : cases) EXPECT_EQ(cell_words(c.cell, r), c.words) << c.what;
}

// Values that wrapped into negative 16-bit numbers cannot be unpacked.
TEST(CellWords, NegativePackedValuesAreNotSplit) {
  const std::string signal = cell_words(cell(kSignal, -3, 0, 0, -1), DecodedRecords{});
  EXPECT_NE(signal.find("sinistri ?, 0, 0, destri ?, 0, 0 (valori -3, 0, 0"), std::string::npos) << signal;
  EXPECT_NE(signal.find("valore4 -1 (tipi non ricostruibili)"), std::string::npos) << signal;
  const std::string boards = cell_words(cell(kSpeedIndicator, -100, 0, 0, 0), DecodedRecords{});
  EXPECT_NE(boards.find("sinistra A ?, B nessuna"), std::string::npos) << boards;
}

TEST(CellWords, ClockText) {
  EXPECT_EQ(clock_text(0), "00:00:00");
  EXPECT_EQ(clock_text(23 * 3600 + 49 * 60 + 40), "23:49:40");
  EXPECT_EQ(clock_text(25 * 3600 + 1), "25:00:01");
}

}  // namespace
}  // namespace scenario
