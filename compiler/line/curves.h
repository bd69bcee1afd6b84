// Curves of the line description: each curve row bends the plan path from
// its position for its length; between curves, and after the last one, the
// path runs straight. Read only when the geometry is built.
// docs/formats.md, "Line description".
#pragma once

#include <cstdint>

#include "compiler/line/plan_path.h"
#include "compiler/model/model.h"
#include "compiler/text/row.h"

namespace scenario {

class Curves {
 public:
  explicit Curves(TrackModel& m) : path_(m.geometry, m.indice_svolta) {}

  // Reads a curve row (start, length in metres; the keyword names the side
  // and the class) and bends the path. A keyword without a class digit, or
  // a path that grows too long, is error 103.
  Next read_row(const Row& row);

  // The path runs straight on to two points before the end of the model.
  void finish(const TrackModel& m) { path_.straight_to(int64_t{m.lunghezza_totale} - 2); }

 private:
  PlanPath path_;
  int64_t end_ = 0;  // where the furthest curve so far ends, metres, for the notes
};

}  // namespace scenario
