#include "compiler/output/cell_words.h"

#include <cstdio>

#include "common/windows1252.h"


namespace scenario {
namespace {

std::string n(int v) { return std::to_string(v); }

// A speed of km/h, or "nessuna" for 0.
std::string speed(int kmh) { return kmh == 0 ? "nessuna" : n(kmh) + " km/h"; }

std::string signal_words(const Cella& c) {
  const int values[3] = {c.valore1, c.valore2, c.valore3};
  std::string left, right;
  for (int i = 0; i < 3; ++i) {
    const char* sep = i ? ", " : "";
    left += sep + (values[i] >= 0 ? n(values[i] / 10) : "?");
    right += sep + (values[i] >= 0 ? n(values[i] % 10) : "?");
  }
  std::string s = "segnale: codici d'aspetto sinistri " + left + ", destri " + right + " (valori " +
                  n(c.valore1) + ", " + n(c.valore2) + ", " + n(c.valore3) + " = sinistro×10 + destro)";
  const int kinds = c.valore4 % 10;
  if (c.valore4 >= 0 && kinds <= 8) {
    s += "; tipo sinistro " + n(kinds / 3) + ", destro " + n(kinds % 3) + ", valore aggiuntivo " +
         n(c.valore4 / 10);
  } else {
    s += "; valore4 " + n(c.valore4) + " (tipi non ricostruibili)";
  }
  if (c.tempo_segnale) s += "; tempo " + n(c.tempo_segnale);
  return s + ". Il significato dei codici è del simulatore.";
}

std::string indicator_words(const Cella& c) {
  const int values[3] = {c.valore1, c.valore2, c.valore3};
  const char* ranks[3] = {"A", "B", "C"};
  std::string left, right;
  for (int i = 0; i < 3; ++i) {
    const std::string sep = i ? ", " : "";
    const auto speeds = board_speeds(static_cast<int16_t>(values[i]));
    left += sep + ranks[i] + " " + (speeds ? speed(speeds->left) : "?");
    right += sep + ranks[i] + " " + (speeds ? speed(speeds->right) : "?");
  }
  std::string s = "indicatore di velocità massima: sinistra " + left + "; destra " + right;
  s += "; strisce sinistra " + n(c.valore4 / 10) + ", destra " + n(c.valore4 % 10);
  return s + " (valori " + n(c.valore1) + ", " + n(c.valore2) + ", " + n(c.valore3) + ", " + n(c.valore4) +
         "; una velocità destra da 100 km/h in su o non multipla di 5 non si ricostruisce dalla cella).";
}

std::string slowdown_words(const char* what, const Cella& c) {
  std::string s = std::string(what) + ": " + n(c.valore1) + " km/h";
  if (c.valore2) s += ", seconda velocità " + n(c.valore2) + " km/h";
  return s;
}

std::string station_words(int slot, const DecodedRecords& records) {
  if (slot < 1 || slot > 80) return "fermata di stazione: record " + n(slot) + " fuori dai record delle stazioni.";
  const Record& r = records.record[static_cast<size_t>(slot)];
  std::string s = "fermata della stazione " + to_utf8(r.nome_punto) + " (record " + n(slot) + "): categoria " +
                  n(r.tipo_punto) + ", zona " + n(r.inizio_zona) + "–" + n(r.fine_zona) + " m, posizione " +
                  n(r.posizione_punto) + " m, orario " + clock_text(r.orario);
  if (r.allungamento) s += ", zona allungata di 50 m";
  s += "; colonne dato_1 " + n(r.dato_1) + ", dato_2 " + n(r.dato_2) + ", dato_4 " + n(r.dato_4) + ", dato_5 " +
       n(r.dato_5) + ", dato_6 " + n(r.dato_6) + ", dato_7 " + n(r.dato_7) + ", dato_8 " + n(r.dato_8) +
       ", dato_9 " + n(r.dato_9) + ", dato_10 " + n(r.dato_10);
  return s + " (il loro significato è del simulatore).";
}

std::string sign_words(int slot, const DecodedRecords& records) {
  if (slot < 0 || slot > 80) return "cartello indicatore: record " + n(slot) + " fuori dai record dei testi.";
  return "cartello indicatore: «" + to_utf8(records.record[static_cast<size_t>(slot)].nome_punto) +
         "» (record " + n(slot) + ").";
}

}  // namespace

std::optional<BoardSpeeds> board_speeds(int16_t packed) {
  if (packed < 0) return std::nullopt;
  return BoardSpeeds{packed / 20, packed % 20 * 5};
}

std::string clock_text(int32_t seconds) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return buf;
}

std::string cell_words(const Cella& c, const DecodedRecords& records) {
  switch (c.oggetto) {
    case kNothing: return "";
    case kSignal: return signal_words(c);
    case kSpeedIndicator: return indicator_words(c);
    case kSlowdownStart:
      return slowdown_words("inizio rallentamento", c) + "; valore3 " + n(c.valore3) +
             " (il suo significato è del simulatore).";
    case kSlowdownEnd:
      return slowdown_words("fine rallentamento", c) + "; valore3 " + n(c.valore3) +
             " (il suo significato è del simulatore).";
    case kSlowdownWarning: return slowdown_words("avviso di rallentamento, 1200 m prima dell'inizio", c) + ".";
    case kSlowdownApproach:
      return "preavviso di rallentamento: cella " + n(c.valore1) +
             " delle quattro prima dell'avviso (1 la più vicina).";
    case kStationStop: return station_words(c.valore1, records);
    case kMountainMarker: return "segno di montagna (ogni quarta cella di un tratto segnato).";
    case kReductionPositive:
      return "punto di abbattimento: " + n(c.valore1) + " km/h" +
             (c.valore1 == 180 ? " (il valore dei segni che il compilatore aggiunge davanti a segnali e "
                                 "rallentamenti)."
                               : ".");
    case kReductionZero: return "punto di abbattimento senza velocità.";
    case kDirectionSign: return sign_words(c.valore1, records);
    default:
      return object_name(c.oggetto) + ": valori " + n(c.valore1) + ", " + n(c.valore2) + ", " + n(c.valore3) +
             ", " + n(c.valore4) + " (oggetto sconosciuto al compilatore).";
  }
}

}  // namespace scenario
