#include "sheets/slowdown_order_sheet.h"

#include <algorithm>
#include <string_view>

#include "writers/sheet_layout.h"

namespace scenario {
namespace {

constexpr std::string_view kPlaceColumn = "la colonna delle stazioni dell'ordine di rallentamento";
constexpr size_t kPlaceWidth = kSlowdownOrderColumns[1] - 1;  // after one space
// The key's lines are no wider than the rule under the title.
constexpr size_t kKeyWidth = 81;

// The post below a negative kilometre is the next one down.
int64_t whole_kilometres(int64_t line_metre) {
  return line_metre >= 0 ? line_metre / 1000 : -((-line_metre + 999) / 1000);
}

// "A - B" in `width` columns: when it is too long each name gets an even
// share of them (a short name leaves its spare to the other), so that both
// stay recognisable.
std::string stretch_text(const std::string& a, const std::string& b, size_t width, SheetWarnings& warnings) {
  const std::string joined = a + " - " + b;
  if (joined.size() <= width) return joined;
  const size_t names = width - 3;
  size_t share_a = std::min(a.size(), names / 2);
  const size_t share_b = std::min(b.size(), names - share_a);
  share_a = names - share_b;
  const std::string written = cut_to(a, share_a) + " - " + cut_to(b, share_b);
  warnings.push_back(cut_warning(joined, written, width, kPlaceColumn));
  return written;
}

std::string place_text(const OrderRow& row, SheetWarnings& warnings) {
  if (row.around.empty()) return {};
  if (row.around.size() == 1) return fitted(row.around.front(), kPlaceWidth, kPlaceColumn, warnings);
  return stretch_text(row.around.front(), row.around.back(), kPlaceWidth, warnings);
}

// The kilometre post right-aligned in the first half of its cell.
std::string post_text(const std::optional<int64_t>& post) {
  if (!post) return {};
  std::string text = std::to_string(*post);
  const size_t half = kSlowdownOrderColumns[2] / 2;
  if (text.size() < half) text.insert(0, half - text.size(), ' ');
  return text;
}

// The key's line for prescription B: the stations the order's slowdowns
// touch, or dots to fill in by hand when none does.
std::string prescription_b(const std::vector<OrderRow>& rows) {
  std::vector<std::string> names;
  for (const OrderRow& row : rows)
    for (const std::string& name : row.touched)
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  if (names.empty()) return "B - Interessa anche la stazione di ...";
  if (names.size() == 1) return "B - Interessa anche la stazione di " + names.front();
  std::string text = "B - Interessa anche le stazioni di " + names.front();
  for (size_t i = 1; i < names.size(); ++i) text += (i + 1 == names.size() ? " e " : ", ") + names[i];
  return text;
}

// A line of the key, broken between words to stand within kKeyWidth; the
// lines after the first are indented under its text, as the C line's are.
void add_key_line(const std::string& text, std::vector<std::string>& lines) {
  const std::string indent = "     ";
  std::string line = " ";
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find(' ', at), text.size());
    const std::string_view word = std::string_view(text).substr(at, end - at);
    const bool first_word = line == " " || line == indent;
    if (!first_word && line.size() + 1 + word.size() > kKeyWidth) {
      lines.push_back(line);
      line = indent;
    }
    if (line != " " && line != indent) line += ' ';
    line += word;
    at = end + 1;
  }
  lines.push_back(line);
}

}  // namespace

std::vector<OrderRow> order_rows(const SheetRoute& route) {
  std::vector<OrderRow> rows;
  for (const SheetSlowdown& s : route.slowdowns) {
    OrderRow row;
    const SheetStation* before = nullptr;
    const SheetStation* after = nullptr;
    std::vector<const SheetStation*> touched;
    for (const SheetStation& station : route.stations) {
      if (s.from <= station.zone_to && s.to >= station.zone_from) {
        touched.push_back(&station);
        row.touched.push_back(station.name);
      } else if (station.zone_to < s.from) {
        before = &station;
      } else if (!after) {
        after = &station;
      }
    }
    if (!touched.empty()) {
      row.around.push_back(touched.front()->name);
      if (touched.size() > 1) row.around.push_back(touched.back()->name);
    } else {
      if (before) row.around.push_back(before->name);
      if (after) row.around.push_back(after->name);
    }
    if (const auto metre = line_metre(route.kilometre, s.from)) row.post = whole_kilometres(*metre);
    row.speed = s.speed;
    row.length = s.to - s.from;
    rows.push_back(std::move(row));
  }
  return rows;
}

SheetText slowdown_order(const SheetRoute& route) {
  SheetText sheet;
  const std::vector<OrderRow> rows = order_rows(route);
  const auto& columns = kSlowdownOrderColumns;

  std::vector<std::string> lines = {
      "",
      "                               Modulo M. 3",
      "                           ORDINE DI RALLENTAMENTO",
      " " + std::string(80, '_'),
  };
  std::string terminals = "  Linea";
  if (!route.stations.empty())
    terminals += "  " + route.stations.front().name + " - " + route.stations.back().name;
  lines.push_back(terminals);
  lines.push_back("");
  lines.push_back("  Si ordina al macchinista del treno " + route.train + " di effettuare i seguenti rallentamenti");
  lines.push_back(sheet_opening_rule(columns));
  lines.push_back(table_row(columns, {"", "", "Inizio dopo"}));
  lines.push_back(table_row(columns, {" N.", "      FRA LE STAZIONI", " il cippo", " Velocita'", "Lunghezza",
                                      "Prescrizioni"}));
  lines.push_back(table_row(columns, {"", "   (o nelle Stazioni di)", "chilometrico", "", "   metri", " specifiche"}));
  lines.push_back(sheet_bar_rule(columns));

  lines.push_back(table_row(columns, {}));
  for (size_t i = 0; i < rows.size(); ++i) {
    const OrderRow& row = rows[i];
    lines.push_back(table_row(columns, {centred(std::to_string(i + 1), columns[0]),
                                        " " + place_text(row, sheet.warnings),
                                        post_text(row.post),
                                        centred(std::to_string(row.speed), columns[3]),
                                        centred(std::to_string(row.length), columns[4]),
                                        centred(row.touched.empty() ? "" : "B", columns[5])}));
  }
  for (size_t body = 1 + rows.size(); body < kOrderBodyRows; ++body) lines.push_back(table_row(columns, {}));
  lines.push_back(sheet_bar_rule(columns));

  lines.push_back("");
  lines.push_back("              Prescrizioni specifiche");
  lines.push_back(" A - Da rispettare con tutto il treno (per i treni viaggiatori)");
  add_key_line(prescription_b(rows), lines);
  // The form's own words, misspelling and all: the built-in order is this
  // text byte for byte.
  lines.push_back(" D - Rallentamneto N. ... e N. ...  sono contigui");
  lines.push_back(" C - Da rispettare dalle ore ....  alle ore ..... di tutti");
  lines.push_back("     i giorni esclusi i seguenti:.........");
  sheet.bytes = crlf_text(lines);
  return sheet;
}

}  // namespace scenario
