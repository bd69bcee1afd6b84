#include "readback/cell_words.h"

#include <cstdio>
#include <type_traits>

#include "common/windows1252.h"
#include "compiler/output/layouts.h"
#include "readback/line_kilometre.h"

namespace scenario {
namespace {

std::string n(int v) { return std::to_string(v); }
std::string n64(int64_t v) { return std::to_string(v); }

// A speed of km/h, or "nessuna" for 0.
std::string speed(int kmh) { return kmh == 0 ? "nessuna" : n(kmh) + " km/h"; }

std::string signal_words(const Cella& c) {
  const int values[3] = {c.valore1, c.valore2, c.valore3};
  std::string left, right;
  for (int i = 0; i < 3; ++i) {
    const char* sep = i ? ", " : "";
    left.append(sep).append(values[i] >= 0 ? n(values[i] / 10) : "?");
    right.append(sep).append(values[i] >= 0 ? n(values[i] % 10) : "?");
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

std::string slowdown_words(const std::string& what, const Cella& c) {
  std::string s = what + ": " + n(c.valore1) + " km/h";
  if (c.valore2) s += ", seconda velocità " + n(c.valore2) + " km/h";
  return s;
}

// The station columns of a record, from its category on.
std::string station_details(const Record& r) {
  std::string s = "categoria " + n(r.tipo_punto) + ", zona " + n(r.inizio_zona) + "–" + n(r.fine_zona) +
                  " m, posizione " + n(r.posizione_punto) + " m, orario " + clock_text(r.orario);
  if (r.allungamento) s += ", zona allungata di 50 m";
  s += "; colonne dato_1 " + n(r.dato_1) + ", dato_2 " + n(r.dato_2) + ", dato_4 " + n(r.dato_4) + ", dato_5 " +
       n(r.dato_5) + ", dato_6 " + n(r.dato_6) + ", dato_7 " + n(r.dato_7) + ", dato_8 " + n(r.dato_8) +
       ", dato_9 " + n(r.dato_9) + ", dato_10 " + n(r.dato_10);
  return s + " (il loro significato è del simulatore).";
}

bool station_slot(int slot) { return slot >= 1 && slot <= kFirstSignSlot; }
bool text_slot(int slot) { return slot >= 0 && slot <= kFirstSignSlot; }

std::string station_words(int slot, const DecodedRecords* records) {
  if (!station_slot(slot)) return "fermata di stazione: record " + n(slot) + " fuori dai record delle stazioni.";
  if (!records)
    return "fermata della stazione del record " + n(slot) + " (nome e dati nel file dei record, non letto).";
  const Record& r = records->record[static_cast<size_t>(slot)];
  return "fermata della stazione " + to_utf8(r.nome_punto) + " (record " + n(slot) + "): " + station_details(r);
}

std::string sign_words(int slot, const DecodedRecords* records) {
  if (!text_slot(slot)) return "cartello indicatore: record " + n(slot) + " fuori dai record dei testi.";
  if (!records) return "cartello indicatore: testo nel record " + n(slot) + " (file dei record non letto).";
  return "cartello indicatore: «" + to_utf8(records->record[static_cast<size_t>(slot)].nome_punto) +
         "» (record " + n(slot) + ").";
}

std::string range_words(const PositionRange& r) { return "tra " + n64(r.from) + " e " + n64(r.to) + " m"; }

PositionRange shifted(PositionRange r, int64_t by) { return {r.from + by, r.to + by}; }

bool used(const Record& r) {
  return r.tipo_punto || r.inizio_zona || r.fine_zona || r.posizione_punto || r.dato_1 || !r.nome_punto.empty() ||
         r.dato_4 || r.dato_5 || r.dato_7 || r.dato_8 || r.dato_9 || r.dato_6 || r.dato_10 || r.allungamento ||
         r.dato_2 || r.orario;
}

// The members of a record that are not 0, by their names in the file.
std::string member_words(const Record& r) {
  constexpr const char* kNames[] = {"tipo_punto", "inizio_zona", "fine_zona", "posizione_punto", "dato_1",
                                    "nome_punto", "dato_4", "dato_5", "dato_7", "dato_8", "dato_9", "dato_6",
                                    "dato_10", "allungamento", "dato_2", "orario"};
  std::string s;
  size_t i = 0;
  layout::record_members([&](auto member) {
    const auto& value = r.*member;
    std::string text;
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
      if (!value.empty()) text = "«" + to_utf8(value) + "»";
    } else if (value != 0) {
      text = n64(value);
    }
    if (!text.empty()) s += (s.empty() ? "" : ", ") + std::string(kNames[i]) + " " + text;
    ++i;
  });
  return s;
}

std::string progressive_words(const Record& r) {
  std::string s = "progressiva chilometrica: da " + n(r.inizio_zona) + " m il km di linea è la posizione più " +
                  n(r.fine_zona) + " m (km " + line_km_text(int64_t{r.inizio_zona} + r.fine_zona) + " a " +
                  n(r.inizio_zona) + " m); indicatore " + n(r.posizione_punto);
  if (r.posizione_punto == 1)
    s += ": al valore scritto si sono aggiunti " + n(kFlaggedProgressiveMetres) + " m";
  return s + ".";
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

std::string cell_words(const Cella& c, const DecodedRecords* records) {
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
    case kSlowdownWarning:
      return slowdown_words("avviso di rallentamento, " + n(kWarningDistance) + " m prima dell'inizio", c) + ".";
    case kSlowdownApproach:
      return "preavviso di rallentamento: cella " + n(c.valore1) +
             " delle quattro prima dell'avviso (1 la più vicina).";
    case kStationStop: return station_words(c.valore1, records);
    case kMountainMarker: return "segno di montagna (ogni quarta cella di un tratto segnato).";
    case kReductionPositive:
      return "punto di abbattimento: " + n(c.valore1) + " km/h" +
             (c.valore1 == kMarkerSpeed ? " (il valore dei segni che il compilatore aggiunge davanti a segnali "
                                          "e rallentamenti)."
                                        : ".");
    case kReductionZero: return "punto di abbattimento senza velocità.";
    case kDirectionSign: return sign_words(c.valore1, records);
    default:
      return object_name(c.oggetto) + ": valori " + n(c.valore1) + ", " + n(c.valore2) + ", " + n(c.valore3) +
             ", " + n(c.valore4) + " (oggetto sconosciuto al compilatore).";
  }
}

ObjectPlacement object_placement(const Cella& c, int64_t index, const DecodedRecords* records) {
  const std::string to_cell = " → cella " + n64(index);
  const auto written = [&](const std::string& what, PositionRange range) {
    return ObjectPlacement{range, std::nullopt, what + " " + range_words(range) + to_cell};
  };
  switch (c.oggetto) {
    case kSignal:
    case kSpeedIndicator:
    case kDirectionSign: return written("scritto", object_positions(index));
    case kSlowdownStart: return written("inizio scritto", object_positions(index));
    case kSlowdownEnd: return written("inizio più lunghezza", object_positions(index));
    case kSlowdownWarning:
      return {shifted(object_positions(index), kWarningDistance), std::nullopt,
              "inizio del rallentamento scritto " + range_words(shifted(object_positions(index), kWarningDistance)) +
                  " → avviso " + n(kWarningDistance) + " m prima, nella cella " + n64(index)};
    case kReductionPositive:
    case kReductionZero: {
      // Cell nearest-even(p / 50), without the 1 the other objects add.
      ObjectPlacement p = written("riga abbattimento scritta", stretch_positions(index));
      if (c.oggetto == kReductionPositive && c.valore1 == kMarkerSpeed)
        p.words += ", o segno del compilatore senza posizione scritta";
      return p;
    }
    case kStationStop: {
      if (!records || !station_slot(c.valore1))
        return {std::nullopt, std::nullopt, "cella di fermata dalla fine della zona della stazione"};
      const Record& r = records->record[static_cast<size_t>(c.valore1)];
      return {std::nullopt, r.posizione_punto,
              "stazione scritta a " + n(r.posizione_punto) + " m; la fermata viene dalla fine della zona, " +
                  n(r.fine_zona) + " m: " + n(r.fine_zona) + " / 50 − 1" + to_cell};
    }
    default: return {};  // derived by the compiler (approach cells, mountain markers), or unknown
  }
}

std::array<RecordRole, kRecordCount> record_roles(const DecodedRecords& records, const DecodedTrack* track) {
  std::array<RecordRole, kRecordCount> roles{};
  for (int slot = 0; slot < kRecordCount; ++slot) {
    const bool in_use = used(records.record[static_cast<size_t>(slot)]);
    RecordRole& role = roles[static_cast<size_t>(slot)];
    if (slot >= kFirstProgressiveSlot && slot < kTrainDataSlot) role = RecordRole::kProgressive;
    else if (slot == kTrainDataSlot) role = RecordRole::kTrainData;
    else if (slot == kScenarioSlot) role = RecordRole::kScenario;
    else if (slot == kTrainSlot) role = RecordRole::kTrain;
    else if (!in_use) role = RecordRole::kEmpty;
    else role = slot == 0 ? RecordRole::kOther : RecordRole::kStation;
  }
  const auto role_of = [&](int slot) -> RecordRole& { return roles[static_cast<size_t>(slot)]; };
  if (track) {
    for (const Cella& c : track->celle)
      if (c.oggetto == kDirectionSign && text_slot(c.valore1)) role_of(c.valore1) = RecordRole::kSign;
  } else {
    for (int slot = kFirstSignSlot; slot >= 1 && role_of(slot) == RecordRole::kStation; --slot)
      role_of(slot) = RecordRole::kSign;
  }
  for (int slot = 0; slot < kRecordCount; ++slot)
    if (role_of(slot) != RecordRole::kEmpty && !used(records.record[static_cast<size_t>(slot)]))
      role_of(slot) = RecordRole::kEmpty;
  return roles;
}

std::string record_words(const DecodedRecords& records, int slot, RecordRole role) {
  const Record& r = records.record[static_cast<size_t>(slot)];
  switch (role) {
    case RecordRole::kEmpty: return "";
    case RecordRole::kStation: return "stazione " + to_utf8(r.nome_punto) + ": " + station_details(r);
    case RecordRole::kSign: return "testo di un cartello indicatore: «" + to_utf8(r.nome_punto) + "».";
    case RecordRole::kProgressive: return progressive_words(r);
    case RecordRole::kTrainData:
      return "dati del treno: massa frenata " + n(r.inizio_zona) + " %, lunghezza del percorso " + n(r.fine_zona) +
             " m, vetture " + n(r.posizione_punto) + ".";
    case RecordRole::kScenario:
      return "scenario «" + to_utf8(r.nome_punto) + "»: sfondi " + n(r.inizio_zona) + ", " + n(r.posizione_punto) +
             ", " + n(r.fine_zona) + " (uno, due, tre); timbri dell'intestazione " + n(r.dato_4) +
             " e codice pesato " + n(r.orario) + ".";
    case RecordRole::kTrain:
      return "treno «" + to_utf8(r.nome_punto) + "»: ripetizione dei segnali a " + n(r.inizio_zona) + " e " +
             n(r.fine_zona) + " m, codice " + n(r.posizione_punto) + "; sabbia " + n(r.dato_4) +
             "; orologio di partenza " + *record_clock(r, role) + ".";
    case RecordRole::kOther: break;
  }
  return "record senza un ruolo noto: " + member_words(r) + ".";
}

std::optional<std::string> record_clock(const Record& r, RecordRole role) {
  if (role == RecordRole::kStation) return clock_text(r.orario);
  if (role != RecordRole::kTrain) return std::nullopt;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", r.dato_7, r.dato_8, r.dato_9);
  return buf;
}

}  // namespace scenario
