// The rows of the line description's general section: the route length,
// which sizes the model, the three kilometric progressives, the three
// backgrounds and the repeated-signals setting. docs/formats.md, "Line
// description".
#pragma once

#include <cstdint>

#include "compiler/model/model.h"
#include "compiler/text/notes.h"
#include "compiler/text/row.h"

namespace scenario {

class GeneralRows {
 public:
  // The route length is stored in record 84, then sizes the model; over
  // 1 000 000 m it is error 1, below 0 a reading failure.
  Next read_route_length(const Row& row);
  // A progressive's three values into record `slot` (81 "tre", 82 "due", 83
  // "uno").
  void read_progressive(const Row& row, int slot);
  // A background into a member of the scenario record.
  void read_background(const Row& row, int32_t Record::*member);
  // The two distances of the repeated signals, stored, then checked (errors
  // 3, 4); the code is the 4 or 9 of the keyword (none: error 5), and 0 when
  // the second distance is 0.
  Next read_repeated_signals(const Row& row);

  // At the end of the section: records 81..83 are put in order, their rows
  // following them. Two progressives at the same largest position clear all
  // three.
  void order_progressives(CompilationState& s, Notes* notes);

  bool model_created() const { return model_created_; }

 private:
  bool model_created_ = false;
  bool given_progressive_ = false;  // a progressive that is not all zeros
  Place first_progressive_;
};

}  // namespace scenario
