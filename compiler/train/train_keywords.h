// The rows of a train description and how their keywords are recognised: a
// word searched, case-sensitively, anywhere inside the keyword field. The
// reader tests every row in this order; a field holding the words of two
// rows is both. docs/formats.md, "Train description".
#pragma once

#include <string_view>
#include <vector>

namespace scenario {

enum class TrainKeyword {
  kBrakedMass,
  kCoaches,
  kSpeed,
  kAdhesion,
  kClock,
  kSand,
  kSignal,
  kSlowdown,
  kReduction,
  kStation,
};

bool is_train_row(TrainKeyword row, std::string_view field);

// Whether a field starts a row.
bool starts_train_row(std::string_view field);

// How many values the first row a keyword field starts reads (0 for none).
int train_row_values(std::string_view field);

// A section header of the train description's layout.
bool is_train_section(std::string_view field);

// Every row's keyword as an author writes it.
const std::vector<std::string_view>& train_keywords();

}  // namespace scenario
