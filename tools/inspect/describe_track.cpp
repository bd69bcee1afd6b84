// The track file in `scenario inspect`: one row per cell that holds anything,
// or the cells around the places asked for.
#include <algorithm>
#include <sstream>

#include "compiler/model/numbers.h"
#include "readback/cell_words.h"
#include "readback/compiled_route.h"
#include "tools/inspect/describe.h"
#include "tools/text.h"

namespace scenario::tools {
namespace {

bool holds_anything(const Cella& c) {
  return c.oggetto || c.valore1 || c.valore2 || c.valore3 || c.valore4 || c.tempo_segnale || c.preavviso ||
         c.montagna || c.velocita || c.pendenza || c.dato_treno;
}

template <class T>
Json or_null(const std::optional<T>& value) {
  return value ? Json(*value) : Json();
}

// What every row of one track is read with.
struct TrackReading {
  const std::vector<Cella>& cells;
  const DecodedRecords* records;
  CompiledRoute route;  // its kilometre stretches are none without the records
};

Json line_km(const std::vector<KilometreStretch>& stretches, int64_t route_metre) {
  const auto line = line_metre(stretches, route_metre);
  return line ? Json(line_km_text(*line)) : Json();
}

Json cell_row(const TrackReading& t, size_t index) {
  const Cella& c = t.cells[index];
  const auto i = static_cast<int64_t>(index);
  const int64_t at = object_metre(i);
  Json row;
  row["cell"] = index;
  row["object_m"] = at;
  row["line_m"] = or_null(line_metre(t.route.kilometre, at));
  row["line_km"] = line_km(t.route.kilometre, at);
  row["stretch_m"] = {i * kCellMetres, (i + 1) * kCellMetres};
  row["speed_kmh"] = speed_kmh(c);
  row["gradient_permille"] = gradient_permille(c);
  row["adhesion"] = c.dato_treno;
  row["mountain"] = c.montagna;
  row["approach"] = c.preavviso;
  row["signal_time"] = c.tempo_segnale;
  row["values"] = {c.valore1, c.valore2, c.valore3, c.valore4};
  if (c.oggetto == kNothing) {
    row["object"] = nullptr;
    return row;
  }
  const ObjectPlacement placed = object_placement(c, i, t.records);
  row["object"] = {
      {"code", c.oggetto},
      {"name", object_name(c.oggetto)},
      {"words", cell_words(c, t.records)},
      {"written", placed.written ? Json{{"from", placed.written->from}, {"to", placed.written->to}} : Json()},
      {"station_m", or_null(placed.station_position)},
      {"placement", placed.words}};
  return row;
}

// The nearest cell with an object before `cell`, and after it.
Json object_before(const TrackReading& t, int64_t cell) {
  const auto& objects = t.route.objects;
  const auto after = std::lower_bound(objects.begin(), objects.end(), cell,
                                      [](const RouteObject& o, int64_t c) { return o.cell < c; });
  if (after == objects.begin()) return nullptr;
  return cell_row(t, static_cast<size_t>(std::prev(after)->cell));
}

Json object_after(const TrackReading& t, int64_t cell) {
  const auto& objects = t.route.objects;
  const auto after = std::upper_bound(objects.begin(), objects.end(), cell,
                                      [](int64_t c, const RouteObject& o) { return c < o.cell; });
  if (after == objects.end()) return nullptr;
  return cell_row(t, static_cast<size_t>(after->cell));
}

Json places(const TrackReading& t, const TrackPlace& at, int64_t last_metre) {
  std::vector<int64_t> metres;
  if (at.kind == TrackPlace::Kind::kLineMetre) {
    metres = route_metres_at(t.route.kilometre, at.metre, last_metre);
  } else if (at.metre >= 0 && at.metre <= last_metre) {
    metres = {at.metre};
  }
  const auto last_cell = static_cast<int64_t>(t.cells.size()) - 1;
  Json list = Json::array();
  for (const int64_t metre : metres) {
    const int64_t cell = std::clamp<int64_t>(cell_of_object(metre), 0, last_cell);
    list.push_back({{"route_m", metre},
                    {"line_m", or_null(line_metre(t.route.kilometre, metre))},
                    {"line_km", line_km(t.route.kilometre, metre)},
                    {"cell", cell},
                    {"before", object_before(t, cell)},
                    {"here", cell_row(t, static_cast<size_t>(cell))},
                    {"after", object_after(t, cell)}});
  }
  return list;
}

}  // namespace

Json describe_track(const DecodedTrack& track, const TrackContext& context) {
  const TrackReading t{track.celle, context.records, compiled_route(context.records, track)};
  Json j;
  j["kind"] = "track";
  j["cells"] = track.celle.size();
  j["records_file"] = context.records_file.empty() ? Json() : Json(context.records_file);
  j["records_note"] = context.records_note.empty() ? Json() : Json(context.records_note);
  j["header"] = track.celle.size() > 1
                    ? Json{{"marker", track.celle[1].valore1}, {"plain_code", track.celle[1].valore2}}
                    : Json();
  Json stretches = Json::array();
  for (const KilometreStretch& s : t.route.kilometre)
    stretches.push_back({{"from_m", s.from}, {"to_m", or_null(s.to)}, {"offset_m", s.offset}});
  j["kilometre_stretches"] = std::move(stretches);

  Json empty_ranges = Json::array();
  size_t empty = 0;
  for (size_t i = 0; i < track.celle.size(); ++i) {
    if (holds_anything(track.celle[i])) continue;
    ++empty;
    if (!empty_ranges.empty() && empty_ranges.back()[1] == i - 1) {
      empty_ranges.back()[1] = i;
    } else {
      empty_ranges.push_back({i, i});
    }
  }
  j["empty_cells"] = empty;
  j["empty_ranges"] = std::move(empty_ranges);

  // A line kilometre is looked for on the line itself, not in the model's
  // extension past its end.
  const int64_t last_metre = t.route.length;
  Json rows = Json::array();
  if (context.at) {
    j["at"] = context.at->kind == TrackPlace::Kind::kLineMetre
                  ? Json{{"line_m", context.at->metre}, {"line_km", line_km_text(context.at->metre)}}
                  : Json{{"route_m", context.at->metre}};
    j["places"] = places(t, *context.at, last_metre);
  } else {
    j["at"] = nullptr;
    j["places"] = Json::array();
    for (size_t i = 0; i < track.celle.size(); ++i)
      if (holds_anything(track.celle[i])) rows.push_back(cell_row(t, i));
  }
  j["rows"] = std::move(rows);
  return j;
}

namespace {

// How written positions become cells, with an example.
std::string cell_rule() {
  const std::string m = std::to_string(kCellMetres);
  constexpr int64_t kCell = 15;
  const PositionRange example = object_positions(kCell);
  return "Come le posizioni diventano celle: un oggetto scritto a p m va nella cella p / " + m +
         " + 1 arrotondata all'intero più vicino (a metà strada al pari) e vi sta a (cella − 1) × " + m +
         " m: scritto tra " + std::to_string(example.from) + " e " + std::to_string(example.to) + " m → cella " +
         std::to_string(kCell) + ", a " + std::to_string(object_metre(kCell)) +
         " m. Un punto di abbattimento va nella cella p / " + m +
         ", arrotondata allo stesso modo. Velocità, pendenza (‰), aderenza, montagna e preavviso valgono sul "
         "tratto della cella.\n";
}

// Pads on the left to `width` characters (not bytes).
std::string pad(const std::string& utf8, size_t width) {
  const size_t chars = utf8_letters(utf8);
  return std::string(chars < width ? width - chars : 0, ' ') + utf8;
}

std::string text_or_dash(const Json& value) { return value.is_null() ? "–" : value.get<std::string>(); }

// Each column right-aligned in its width, one space before the next.
const size_t kWidths[] = {5, 9, 8, 15, 4, 5, 5, 5, 7};

std::string table_heading(const std::string& first) {
  const char* names[] = {"cella", "oggetti a", "km linea", "tratto", "km/h", "pend.", "ader.", "mont.", "preavv."};
  std::string s = first;
  for (size_t i = 0; i < std::size(names); ++i) s.append(i ? " " : "").append(pad(names[i], kWidths[i]));
  return s + "  oggetto\n";
}

std::string row_line(const std::string& first, const Json& r) {
  const std::string values[] = {
      r["cell"].dump(),
      r["object_m"].dump() + " m",
      text_or_dash(r["line_km"]),
      r["stretch_m"][0].dump() + "–" + r["stretch_m"][1].dump() + " m",
      r["speed_kmh"].dump(),
      r["gradient_permille"].dump(),
      r["adhesion"].dump(),
      r["mountain"].dump(),
      r["approach"].dump(),
  };
  std::string s = first;
  for (size_t i = 0; i < std::size(values); ++i) s.append(i ? " " : "").append(pad(values[i], kWidths[i]));
  const Json& object = r["object"];
  if (!object.is_null()) {
    s += "  " + object["words"].get<std::string>();
    if (!object["placement"].get<std::string>().empty()) s += " — " + object["placement"].get<std::string>();
  }
  return s + "\n";
}

std::string ranges_text(const Json& ranges) {
  constexpr size_t kShown = 6;
  std::string s;
  for (size_t i = 0; i < ranges.size() && i < kShown; ++i) {
    const Json& r = ranges[i];
    s += (i ? ", " : "") + r[0].dump() + (r[0] == r[1] ? "" : "–" + r[1].dump());
  }
  if (ranges.size() > kShown) s += " e altri " + std::to_string(ranges.size() - kShown) + " tratti";
  return s;
}

void render_places(std::ostringstream& out, const Json& j) {
  const Json& at = j["at"];
  const bool line = at.contains("line_km");
  const std::string asked =
      line ? "km " + at["line_km"].get<std::string>() + " di linea" : at["route_m"].dump() + " m dall'inizio";
  if (j["places"].empty()) {
    out << "\n" << asked << ": ";
    if (!line) {
      out << "fuori dal percorso\n";
    } else if (!j["records_note"].is_null()) {
      out << "senza il file dei record non ci sono km di linea\n";
    } else if (j["kilometre_stretches"].empty()) {
      out << "il file dei record non ha progressive chilometriche\n";
    } else {
      out << "la linea non passa da questo chilometro\n";
    }
    return;
  }
  for (const Json& p : j["places"]) {
    out << "\n" << asked << ": ";
    if (line) {
      out << p["route_m"] << " m dall'inizio";
    } else {
      out << (p["line_km"].is_null() ? "nessun km di linea" : "km " + p["line_km"].get<std::string>() + " di linea");
    }
    out << ", cella " << p["cell"] << "\n";
    out << table_heading("        ");
    out << (p["before"].is_null() ? "  prima nessun oggetto\n" : row_line("  prima ", p["before"]));
    out << row_line("  qui   ", p["here"]);
    out << (p["after"].is_null() ? "  dopo  nessun oggetto\n" : row_line("  dopo  ", p["after"]));
  }
}

}  // namespace

std::string render_track(const Json& j) {
  std::ostringstream out;
  const size_t cells = j["cells"].get<size_t>();
  out << "tracciato: " << cells << " celle da " << kCellMetres << " m";
  if (cells) out << " (0–" << cells - 1 << ")";
  out << "\n";
  if (!j["records_note"].is_null()) {
    out << "record: " << j["records_note"].get<std::string>() << "\n";
  } else if (!j["records_file"].is_null()) {
    out << "record: " << j["records_file"].get<std::string>()
        << " (nomi delle stazioni, testi dei cartelli, km di linea)\n";
  }
  if (!j["header"].is_null())
    out << "intestazione nella cella 1: " << j["header"]["marker"] << " e codice semplice dello scenario "
        << j["header"]["plain_code"] << "\n";
  out << cell_rule();
  if (!j["at"].is_null()) {
    render_places(out, j);
    return out.str();
  }
  out << "\n" << table_heading("");
  for (const Json& r : j["rows"]) out << row_line("", r);
  out << j["rows"].size() << " celle elencate";
  if (j["empty_cells"] == 0) {
    out << "; nessuna cella vuota\n";
  } else {
    out << "; " << j["empty_cells"] << " celle vuote, senza alcun valore, non elencate: "
        << ranges_text(j["empty_ranges"]) << "\n";
  }
  return out.str();
}

}  // namespace scenario::tools
