#include "compiler/line/curves.h"

#include <algorithm>
#include <optional>
#include <string>

#include "common/windows1252.h"

namespace scenario {
namespace {

// The side an author means: the first letter after "curva", past any
// "_", blank or digit ("curva_sx4" and "curva destra 4" mean their side).
std::optional<char> side_meant(std::string_view keyword) {
  const std::string low = lower_ascii(std::string(keyword));
  for (size_t i = low.find("curva") + 5; i < low.size(); ++i) {
    if (low[i] >= 'a' && low[i] <= 'z') {
      if (low[i] == 'd' || low[i] == 's') return low[i];
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// A curve keyword names its side and its class by the placement's rule:
// any "s" turns it left.
void note_curve_keyword(Notes& notes, Place at, const std::string& keyword) {
  const bool left = curve_turns_left(keyword);
  const std::optional<char> meant = side_meant(keyword);
  if (meant != (left ? 's' : 'd')) {
    std::string text = quoted_utf8(keyword) + " gira a " +
                       (left ? "sinistra: contiene una «s»" : "destra: non contiene «s»");
    if (!meant) {
      text += "; il lato si scrive con la lettera subito dopo «curva» (s sinistra, d destra)";
    } else if (*meant == 'd') {
      text += "; per una curva a destra scrivi «curvad» seguito dalla classe, senza «s»";
    } else {
      text += "; per una curva a sinistra scrivi «curvas» seguito dalla classe";
    }
    notes.add(WarningKind::kCurveSide, at, text);
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
  const Place here_n = row.here();
  const TrackModel& m = row.s.model;
  if (beyond_track(m, p, 100)) return row.end_beyond_track(p, p_at);
  const std::optional<double> kappa = curve_curvature(row.keyword.text);
  if (!kappa) return row.stop(ErrorCode::kBadCurve, row.place);
  const bool turns = path_.points_turned(p, n) > 0;
  if (Notes* notes = row.notes) {
    note_curve_keyword(*notes, row.place, row.keyword.text);
    if (n <= 0) {
      notes->add(WarningKind::kCurveDropped, here_n,
                 "la curva è lunga " + std::to_string(n) + " m: non si piega affatto e la riga non entra nel "
                 "tracciato (la lunghezza va da 1 m in su; il lato lo dà la parola chiave)", p);
    } else if (!turns && p < end_) {
      notes->add(WarningKind::kCurveDropped, p_at,
                 "la curva va da " + std::to_string(p) + " a " + std::to_string(int64_t{p} + n) +
                     " m, tutta prima della fine della precedente (" + std::to_string(end_) +
                     " m): non si piega affatto e la riga non entra nel tracciato",
                 p);
    } else if (p < end_) {
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
  // Counted as placed: a curve that turns no point is not.
  if (turns) ++row.s.rows_read.curve;
  return Next::kRow;
}

}  // namespace scenario
