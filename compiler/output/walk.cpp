#include "compiler/output/walk.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "compiler/model/numbers.h"

namespace scenario {
namespace {

constexpr int kWarningLookBack = 20;  // cells searched before a warning board
constexpr int kFirstSignalCell = 3;   // the look-back stops below this cell
constexpr int kMarkerSpacing = 8;     // cells between markers inside a slow slowdown
constexpr int kAfterEndReach = 12;    // cells searched past a slowdown's end for a signal
constexpr int16_t kFastSlowdown = 110;  // from this speed: no interval markers, no after-end search

// The three approach groups before a slowdown start (near, middle, far),
// each given by its nearest offset n: cells c - n, c - n - 1 and c - n - 2
// are tried in that order, and only when the start lies beyond cell n + 2.
constexpr int kApproachGroups[] = {5, 11, 18};

class Walk {
 public:
  explicit Walk(CompilationState& state)
      : state_(state), celle_(state.model.celle), last_(static_cast<int>(celle_.size()) - 1) {}

  void run() {
    for (int c = 1; c <= last_ - 2; ++c) {
      if (has(c, kSlowdownWarning)) mark_signals_before_warning(c);
      if (has(c, kSlowdownStart)) mark_slowdown(c);
    }
  }

 private:
  bool inside(int i) const { return i >= 0 && i <= last_; }
  const Cella& cell(int i) const { return celle_[static_cast<size_t>(i)]; }
  Cella& cell(int i) { return celle_[static_cast<size_t>(i)]; }
  bool has(int i, ObjectCode code) const { return inside(i) && cell(i).oggetto == code; }
  bool free_at(int i) const { return inside(i) && is_free(cell(i)); }

  void plant(int i) {
    cell(i).oggetto = kReductionPositive;
    cell(i).valore1 = kMarkerSpeed;
  }

  // Plants a marker at the first free cell of `cells`; false when none is free.
  bool plant_first_free(std::initializer_list<int> cells) {
    for (const int i : cells) {
      if (free_at(i)) {
        plant(i);
        return true;
      }
    }
    return false;
  }

  // A fault about the object in `cell_index` (a signal, or a slowdown's
  // start): the error records the cell's metres as its position and is
  // located at the row that placed that object.
  void raise(ErrorCode code, int cell_index, int object_cell) {
    const std::vector<Place>& origins = state_.origins.cella;
    const Place place = object_cell >= 0 && static_cast<size_t>(object_cell) < origins.size()
                            ? origins[static_cast<size_t>(object_cell)]
                            : Place{};
    state_.errors.raise(code, Stage::kRouteWalk, place, {.position = cell_index * kCellMetres, .cell = cell_index});
  }

  // Every signal within 20 cells before a warning board gets a marker one or
  // two cells before it; a free cell is preferred to lowering a marker that
  // is already there.
  void mark_signals_before_warning(int c) {
    for (int d = c - 1; d >= std::max(c - kWarningLookBack, kFirstSignalCell); --d) {
      if (!has(d, kSignal)) continue;
      if (plant_first_free({d - 1, d - 2})) continue;
      if (lower_marker(d - 1) || lower_marker(d - 2)) continue;
      raise(ErrorCode::kNoRoomBeforeSignal, d, d);
    }
  }

  bool lower_marker(int i) {
    if (!has(i, kReductionPositive)) return false;
    cell(i).valore1 = std::min<int16_t>(kMarkerSpeed, cell(i).valore1);
    return true;
  }

  void mark_slowdown(int c) {
    for (const int n : kApproachGroups) {
      if (c <= n + 2) continue;
      if (!plant_first_free({c - n, c - n - 1, c - n - 2})) raise(ErrorCode::kApproachGroupFull, c, c);
    }
    if (cell(c).valore1 < kFastSlowdown) {
      const int end = mark_inside_slowdown(c);
      mark_signal_after_end(end, c);
    }
  }

  // Walks from the start to the end cell (or the last cell when no end
  // follows), planting a marker every 8 cells. Returns the cell where the
  // walk stopped.
  int mark_inside_slowdown(int c) {
    int spacing = 0;
    int p = c;
    do {
      ++p;
      ++spacing;
      if (spacing == kMarkerSpacing) spacing = plant_interval_marker(p, c);
    } while (!has(p, kSlowdownEnd) && p < last_);
    return p;
  }

  // Plants the marker due at p, or next to it, and returns the spacing
  // counted from the cell actually used. When p and both neighbours are
  // taken, the counter stays at 8 and so passes it: no more markers in this
  // slowdown.
  int plant_interval_marker(int p, int start) {
    if (free_at(p)) {
      plant(p);
      return 0;
    }
    if (free_at(p - 1)) {
      plant(p - 1);
      return 1;
    }
    if (free_at(p + 1)) {
      plant(p + 1);
      return -1;
    }
    raise(ErrorCode::kNoRoomForSlowdownMarker, p, start);
    return kMarkerSpacing;
  }

  // The first signal within 12 cells from the end gets a marker one or two
  // cells before it. Cells past the last hold nothing.
  void mark_signal_after_end(int p, int start) {
    for (int q = p; q <= p + kAfterEndReach; ++q) {
      if (!has(q, kSignal)) continue;
      if (!plant_first_free({q - 1, q - 2})) raise(ErrorCode::kNoRoomForSlowdownMarker, p, start);
      return;
    }
  }

  CompilationState& state_;
  std::vector<Cella>& celle_;
  const int last_;
};

}  // namespace

void walk_track(CompilationState& state) { Walk(state).run(); }

}  // namespace scenario
