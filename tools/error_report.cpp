#include "tools/error_report.h"

namespace scenario::tools {
namespace {

std::string describe_cell(const Modello& m, int64_t cell) {
  std::string text = "cella " + std::to_string(cell) + " (" + std::to_string(cell * kCellMetres) + " m)";
  if (cell < 0 || cell > m.numero_celle || m.celle.empty()) {
    return text + ", fuori dal percorso (celle 0.." + std::to_string(m.numero_celle) + ")";
  }
  const Cella& c = m.celle[static_cast<size_t>(cell)];
  if (c.oggetto == kNothing) return text + ", libera";
  return text + ", occupata da: " + object_name(c.oggetto);
}

std::string file_of(const Place& place, const DescriptionFiles& files) {
  switch (place.file) {
    case Description::kLine:
      return files.linea.string();
    case Description::kTrain:
      return files.treno.string();
    case Description::kNone:
      break;
  }
  return "";
}

// FILE:LINE for a row, FILE alone for a fault of the whole file.
std::string location(const RaisedError& e, const DescriptionFiles& files) {
  std::string where = file_of(e.place, files);
  if (where.empty()) return e.stage == Stage::kRouteWalk ? "percorso: " : "";
  if (e.place.line > 0) where.append(":").append(std::to_string(e.place.line));
  return where.append(": ");
}

std::string fault_line(const Stato& s, const RaisedError& e, const DescriptionFiles& files) {
  std::string line = location(e, files) + "errore " + std::to_string(number(e.code));
  if (e.position) line += " a " + std::to_string(*e.position) + " m";
  line += ": ";
  line += error_meaning(number(e.code));
  if (!e.detail.empty()) line += ": " + e.detail;
  if (e.code == ErrorCode::kBeyondTrack) {
    line += "; l'ultima cella è la " + std::to_string(s.modello.numero_celle);
  } else if (e.cell) {
    line += "; " + describe_cell(s.modello, *e.cell);
  }
  return line;
}

std::string consequence_note(const RaisedError& e, const DescriptionFiles& files) {
  return location(e, files) + "nota: la lettura si ferma qui (" + std::to_string(e.position.value_or(0)) +
         " m) per l'errore " + std::to_string(number(e.code)) + " riportato sopra";
}

}  // namespace

std::vector<std::string> error_report(const Stato& s, const DescriptionFiles& files) {
  std::vector<std::string> lines;
  for (const RaisedError& e : s.errori.all()) {
    if (is_header_fault(e.code)) continue;  // reported with the fatal outcome
    lines.push_back(e.consequence ? consequence_note(e, files) : fault_line(s, e, files));
  }
  return lines;
}

}  // namespace scenario::tools
