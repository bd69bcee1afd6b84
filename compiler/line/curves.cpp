#include "compiler/line/curves.h"

#include <optional>
#include <string>

#include "common/windows1252.h"

namespace scenario {
namespace {

// A curve keyword names its side and its class by the placement's rule;
// the side an author means is the letter right after "curva".
void note_curve_keyword(Notes& notes, Place at, const std::string& keyword) {
  const std::string low = lower_ascii(keyword);
  const size_t after = low.find("curva") + 5;
  const char side = after < low.size() ? low[after] : ' ';
  const bool left = curve_turns_left(keyword);
  if ((left && side != 's') || (!left && side != 'd')) {
    notes.add(WarningKind::kCurveSide, at,
              quoted_utf8(keyword) + " gira a " + (left ? "sinistra: contiene una \"s\"" : "destra: non contiene \"s\"") +
                  "; il lato si scrive con la lettera subito dopo \"curva\" (s sinistra, d destra)");
  }
  std::string digits;
  for (const char c : keyword) {
    if (c >= '1' && c <= '6' && !has(digits, std::string(1, c))) digits += c;
  }
  if (digits.size() > 1) {
    notes.add(WarningKind::kCurveSide, at,
              quoted_utf8(keyword) + " contiene più cifre di classe: vale la classe " + std::string(1, *curve_class(keyword)));
  }
}

}  // namespace

Next Curves::read_row(const Row& row) {
  const int32_t p = row.in.number();
  const Place p_at = row.here();
  const int32_t n = row.in.number();
  const Modello& m = row.s.modello;
  if (beyond_track(m, p, 100)) return row.end_beyond_track(p, p_at);
  const std::optional<double> kappa = curve_curvature(row.keyword.text);
  if (!kappa) return row.stop(ErrorCode::kBadCurve, row.place);
  if (Notes* notes = row.notes) {
    note_curve_keyword(*notes, row.place, row.keyword.text);
    if (p < end_) {
      notes->add(WarningKind::kOutOfOrder, p_at,
                 "la curva inizia a " + std::to_string(p) + " m, prima della fine della precedente (" +
                     std::to_string(end_) + " m): si piega solo da lì",
                 p);
    }
    if (int64_t{p} + n > int64_t{m.lunghezza_totale} - 2) {
      notes->add(WarningKind::kPositionClipped, p_at,
                 "la curva finisce a " + std::to_string(int64_t{p} + n) + " m, oltre la fine del modello (" +
                     std::to_string(m.lunghezza_totale - 2) + " m): è tagliata lì",
                 p);
    }
    end_ = std::max<int64_t>(end_, int64_t{p} + n);
  }
  if (!path_.curve(p, n, *kappa)) return row.stop(ErrorCode::kBadCurve, row.place);
  ++row.s.righe_lette.curve;
  return Next::kRow;
}

}  // namespace scenario
