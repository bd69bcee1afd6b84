#include "tools/error_report.h"

#include "compiler/model/numbers.h"
#include "tools/describe.h"
#include "tools/error_table.h"

namespace scenario::tools {
namespace {

// The cell an error is about, when it has one: the cell the refused object
// would have taken, or the walk's cell.
std::optional<int64_t> cell_of_error(int code, int32_t p) {
  switch (code) {
    case 6: case 16: case 18: case 21: return cell_of_object(p);
    case 17: return cell_of_object(static_cast<int64_t>(p) - 1200);
    case 20: return cell_of_stretch(static_cast<int64_t>(p) - 1200);
    case 7: return cell_of_stretch(p);
    case 11: case 12: case 13: return p / 50;
    default: return std::nullopt;
  }
}

std::string describe_cell(const Modello& m, int64_t cell) {
  std::string text = "cella " + std::to_string(cell) + " (" + std::to_string(cell * 50) + " m)";
  if (cell < 0 || cell > m.numero_celle || m.celle.empty()) {
    return text + ", fuori dal percorso (celle 0.." + std::to_string(m.numero_celle) + ")";
  }
  const Cella& c = m.celle[static_cast<size_t>(cell)];
  if (c.oggetto == kNothing) return text + ", libera";
  return text + ", occupata da: " + object_name(c.oggetto);
}

// FILE:LINE for a row, FILE alone for a fault of the whole file (line 0).
std::string in_file(const std::filesystem::path& file, int riga) {
  return file.string() + (riga > 0 ? ":" + std::to_string(riga) : "") + ": ";
}

std::string location(const Stato& s, const DescriptionFiles& files) {
  switch (s.origine_errore) {
    case ErrorSource::kLineDescription:
      return in_file(files.linea, s.riga_errore);
    case ErrorSource::kTrainDescription:
      return in_file(files.treno, s.riga_errore);
    case ErrorSource::kRouteWalk:
      return "percorso: ";
    case ErrorSource::kNone:
      break;
  }
  return "";
}

}  // namespace

std::string error_report(const Stato& s, const DescriptionFiles& files) {
  const int code = s.codice_errore;
  std::string line = location(s, files) + "errore " + std::to_string(code);
  if (error_has_position(code)) line += " a " + std::to_string(s.posizione_errore) + " m";
  line += ": ";
  line += error_meaning(code);
  if (error_has_position(code)) {
    if (code == 15) {
      line += "; l'ultima cella \u00e8 la " + std::to_string(s.modello.numero_celle);
    } else if (const auto cell = cell_of_error(code, s.posizione_errore)) {
      line += "; " + describe_cell(s.modello, *cell);
    }
  }
  return line;
}

}  // namespace scenario::tools
