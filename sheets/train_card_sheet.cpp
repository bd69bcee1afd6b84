#include "sheets/train_card_sheet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "writers/sheet_layout.h"

namespace scenario {
namespace {

// The title block above the table: a box of kTitleBoxWidth at the left, the
// terminals in kTitleMiddleWidth, a box of kRightBoxWidth at the right; the
// classification block's two boxes kTitleBoxWidth apart by kBoxGap.
constexpr size_t kTitleBoxWidth = 19;
constexpr size_t kTitleMiddleWidth = 45;
constexpr size_t kRightBoxWidth = 14;
constexpr size_t kBoxGap = 14;
// "da: " and " a: " stand before the terminals' names, which end a column
// short of the right box.
constexpr size_t kBeforeTerminal = 19;
constexpr size_t kTerminalWidth = kTitleMiddleWidth - kBeforeTerminal - 4 - 1;
constexpr size_t kPlaceWidth = kTrainCardColumns[4] - 1;  // after one space

constexpr std::string_view kPlaceColumn = "la colonna delle località della scheda treno";

CardRow row_of(CardRowKind kind, int64_t at, std::string name, std::optional<int64_t> line_metre,
               std::optional<int> limit) {
  CardRow row;
  row.kind = kind;
  row.at = at;
  row.name = std::move(name);
  row.line_metre = line_metre;
  row.limit = limit;
  return row;
}

int rank(CardRowKind kind) {
  switch (kind) {
    case CardRowKind::kCippo: return 0;
    case CardRowKind::kProtection: return 1;
    case CardRowKind::kKilometre: return 2;
    case CardRowKind::kStation: return 3;
    case CardRowKind::kExit: return 4;
  }
  return 5;
}

// Minutes to spare rounded down to a half minute: "0.5", "1", "1.5"; empty
// under half a minute.
std::string recovery_text(double margin) {
  const auto halves = static_cast<int64_t>(std::floor(margin / 30));
  if (halves < 1) return {};
  return std::to_string(halves / 2) + (halves % 2 ? ".5" : "");
}

void add_time(CardRow& row, const SheetTime& t) {
  if (t.stops && t.arrival && t.departure)
    row.time = clock_minutes(*t.arrival) + " - " + clock_minutes(*t.departure);
  else if (t.departure)
    row.time = clock_minutes(*t.departure);
  else if (t.arrival)
    row.time = clock_minutes(*t.arrival);
  if (t.margin) row.recovery = recovery_text(*t.margin);
}

// The place column's text: a signal row's long form, else its short one,
// else cut.
std::string place_text(const CardRow& row, SheetWarnings& warnings) {
  const auto signal_row = [&](const char* long_form, const char* short_form) {
    const std::string full = long_form + row.name;
    if (full.size() <= kPlaceWidth) return full;
    return fitted(short_form + row.name, kPlaceWidth, kPlaceColumn, warnings);
  };
  switch (row.kind) {
    case CardRowKind::kStation: return fitted(row.name, kPlaceWidth, kPlaceColumn, warnings);
    case CardRowKind::kCippo: return "cippo km " + kilometre_text(row.line_metre.value_or(0));
    case CardRowKind::kKilometre:
      return row.line_metre ? "km " + kilometre_text(*row.line_metre) : "cambio di velocita'";
    case CardRowKind::kProtection: return signal_row("Seg. protezione ", "Seg. prot. ");
    case CardRowKind::kExit: return signal_row("Deviatoio uscita ", "Dev. uscita ");
  }
  return {};
}

std::string right_aligned(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string table_line(const CardRow& row, SheetWarnings& warnings) {
  const auto& columns = kTrainCardColumns;
  const std::string limit = row.limit ? right_aligned(std::to_string(*row.limit), columns[0] - 1) + " " : "";
  std::string kilometre;
  if (row.line_metre)
    kilometre = right_aligned(fitted(kilometre_text(*row.line_metre), columns[2], "la colonna dei chilometri della "
                                     "scheda treno", warnings), columns[2]);
  return table_row(columns, {limit, "", kilometre, "", " " + place_text(row, warnings),
                             centred(row.time, columns[5], SpareColumn::kBefore),
                             centred(row.recovery, columns[6], SpareColumn::kBefore)});
}

// A text in the middle of a title box, a column clear of each side.
std::string box_text(std::string_view text, size_t width, std::string_view where, SheetWarnings& warnings) {
  return centred(fitted(text, width - 2, where, warnings), width);
}

// A value under its heading in the classification block: the built-in card
// writes it a column left of the middle ("       EXP         "), and never
// against the bars.
std::string value_text(std::string_view text, size_t width, std::string_view where, SheetWarnings& warnings) {
  const std::string fitting = fitted(text, width - 3, where, warnings);
  const size_t spare = width - fitting.size();  // at least 3
  const size_t before = std::max<size_t>(1, spare / 2 - 1);
  return std::string(before, ' ') + fitting + std::string(width - before - fitting.size(), ' ');
}

std::string terminal_line(std::string_view label, const SheetStation* station, SheetWarnings& warnings) {
  std::string text(kBeforeTerminal + 3 - label.size(), ' ');
  text.append(label).append(" ");
  if (station) text += fitted(title_case(station->name), kTerminalWidth, "il titolo della scheda treno", warnings);
  return text.append(kTitleMiddleWidth - text.size(), ' ');
}

}  // namespace

std::vector<CardRow> card_rows(const SheetRoute& route, const std::vector<SheetTime>& times) {
  std::vector<CardRow> rows;
  const auto& stations = route.stations;
  if (stations.empty()) return rows;

  std::map<int, const SheetTime*> time_of;
  for (const SheetTime& t : times) time_of.emplace(t.slot, &t);
  for (const SheetStation& s : stations) {
    CardRow row = row_of(CardRowKind::kStation, s.position, s.name, line_metre(route.kilometre, s.position), {});
    if (const auto t = time_of.find(s.slot); t != time_of.end()) add_time(row, *t->second);
    rows.push_back(std::move(row));
  }
  rows.front().limit = limit_at(route.limits, stations.front().position);

  // The train's run: from the first station to the end of the last one's zone.
  const int64_t start = stations.front().position;
  const int64_t end = std::min<int64_t>(stations.back().zone_to, route.length);
  // Where the count starts again: its row shows the limit in force there.
  std::vector<int64_t> count_restarts;
  for (const KilometreStretch& k : route.kilometre) {
    if (k.from <= start || k.from > end) continue;
    count_restarts.push_back(k.from);
    rows.push_back(row_of(CardRowKind::kCippo, k.from, "", k.from + k.offset, limit_at(route.limits, k.from)));
  }

  std::map<size_t, std::vector<LimitChange>> protection, exit;  // by station
  for (const LimitChange& c : route.limits) {
    if (c.at <= start || c.at > end) continue;
    if (std::find(count_restarts.begin(), count_restarts.end(), c.at) != count_restarts.end()) continue;
    std::optional<size_t> before, after;
    bool in_zone = false;
    for (size_t i = 0; i < stations.size(); ++i) {
      const SheetStation& s = stations[i];
      if (c.at >= s.zone_from && c.at <= s.zone_to) {
        // The station's row shows the limit past its zone.
        rows[i].limit = c.kmh;
        in_zone = true;
        break;
      }
      if (s.zone_to < c.at) before = i;
      if (s.zone_from > c.at && !after) after = i;
    }
    if (in_zone) continue;
    constexpr int64_t kFar = std::numeric_limits<int64_t>::max();
    const int64_t to_next = after ? stations[*after].zone_from - c.at : kFar;
    const int64_t from_last = before ? c.at - stations[*before].zone_to : kFar;
    if (to_next <= kSignalReach && to_next <= from_last)
      protection[*after].push_back(c);
    else if (from_last <= kSignalReach)
      exit[*before].push_back(c);
    else
      rows.push_back(row_of(CardRowKind::kKilometre, c.at, "", line_metre(route.kilometre, c.at), c.kmh));
  }
  // A station's row shows its limit only where it changes there.
  for (size_t i = 1; i < stations.size(); ++i)
    if (rows[i].limit == limit_at(route.limits, stations[i].zone_from - 1)) rows[i].limit.reset();

  // Of the changes by one station's signal, the nearest its zone is the
  // signal's own.
  for (const auto& [i, changes] : protection) {
    for (size_t k = 0; k < changes.size(); ++k) {
      const bool signal = k + 1 == changes.size();
      rows.push_back(row_of(signal ? CardRowKind::kProtection : CardRowKind::kKilometre, changes[k].at,
                            signal ? stations[i].name : "",
                            signal ? std::nullopt : line_metre(route.kilometre, changes[k].at), changes[k].kmh));
    }
  }
  for (const auto& [i, changes] : exit) {
    for (size_t k = 0; k < changes.size(); ++k) {
      const bool signal = k == 0;
      rows.push_back(row_of(signal ? CardRowKind::kExit : CardRowKind::kKilometre, changes[k].at,
                            signal ? stations[i].name : "",
                            signal ? std::nullopt : line_metre(route.kilometre, changes[k].at), changes[k].kmh));
    }
  }

  std::stable_sort(rows.begin(), rows.end(), [](const CardRow& a, const CardRow& b) {
    return a.at != b.at ? a.at < b.at : rank(a.kind) < rank(b.kind);
  });
  return rows;
}

SheetText train_card(const SheetRoute& route, const std::vector<SheetTime>& times, const CardLabels& labels) {
  SheetText sheet;
  SheetWarnings& warnings = sheet.warnings;
  const auto& columns = kTrainCardColumns;
  const std::string box_rule(kTitleBoxWidth, '_');
  const std::string right_rule(kRightBoxWidth, '_');
  const std::string empty_box(kTitleBoxWidth, ' ');
  const std::string gap(kBoxGap, ' ');
  const SheetStation* first = route.stations.empty() ? nullptr : &route.stations.front();
  const SheetStation* last = route.stations.empty() ? nullptr : &route.stations.back();
  const std::string braked = route.braked_mass > 0 ? std::to_string(route.braked_mass) + " %" : "";

  std::vector<std::string> lines = {
      "",
      "",
      "  " + box_rule + std::string(kTitleMiddleWidth + 2, ' ') + right_rule,
      " |" + empty_box + "|" + centred("SCHEDA", kTitleMiddleWidth, SpareColumn::kBefore) + "|" +
          std::string(kRightBoxWidth, ' ') + "|",
      " |" + box_text("TRENO n." + route.train, kTitleBoxWidth, "il riquadro del treno", warnings) + "|" +
          terminal_line("da:", first, warnings) + "|" +
          box_text(labels.speed_category, kRightBoxWidth, "il riquadro della categoria di velocità", warnings) + "|",
      " |" + box_rule + "|" + terminal_line("a:", last, warnings) + "|" + centred(braked, kRightBoxWidth) + "|",
      std::string(2 + kTitleBoxWidth + 1 + kTitleMiddleWidth, ' ') + "|" + right_rule + "|",
      "  " + box_rule + std::string(kBoxGap + 2, ' ') + box_rule,
      // The built-in card's line ends so; kept.
      " |" + centred("CLASSIFICAZIONE", kTitleBoxWidth) + "|" + gap + "|" +
          centred("MASSA BLOCCATA", kTitleBoxWidth) + "|       ",
      " |" + value_text(labels.classification, kTitleBoxWidth, "il riquadro della classificazione", warnings) +
          "|" + gap + "|" +
          value_text(labels.braked_mass, kTitleBoxWidth, "il riquadro della massa bloccata", warnings) + "|",
      " |" + box_rule + "|" + gap + "|" + box_rule + "|",
      "",
      sheet_opening_rule(columns),
      table_row(columns, {" Vel.", " Vel.", " Progr Km ", "  No", "   Localita' di  Servizio", "     Orario", " Rec"}),
      table_row(columns, {" Lim.", "Marc.", "", "  Rs"}),
      sheet_bar_rule(columns),
  };
  for (const CardRow& row : card_rows(route, times)) lines.push_back(table_line(row, warnings));
  // Room to write on, as the built-in card leaves.
  for (int i = 0; i < 3; ++i) lines.push_back(table_row(columns, {}));
  lines.push_back(sheet_bar_rule(columns));
  lines.insert(lines.end(), {"", "", "", " "});
  sheet.bytes = crlf_text(lines);
  return sheet;
}

}  // namespace scenario
