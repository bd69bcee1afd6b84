#include "compiler/train/train_keywords.h"

#include "compiler/text/rows.h"

namespace scenario {

bool is_train_row(TrainKeyword row, std::string_view f) {
  switch (row) {
    case TrainKeyword::kBrakedMass:
      return has(f, "massa") && has(f, "frenata");
    case TrainKeyword::kCoaches:
      return has(f, "vetture");
    case TrainKeyword::kSpeed:
      return has(f, "velocit");
    case TrainKeyword::kAdhesion:
      return has(f, "aderenza");
    case TrainKeyword::kClock:
      return has(f, "orologio");
    case TrainKeyword::kSand:
      return has(f, "sabbia");
    case TrainKeyword::kSignal:
      return has(f, "segnale");
    case TrainKeyword::kSlowdown:
      return has(f, "rallentamento");
    case TrainKeyword::kReduction:
      return has(f, "abbattimento");
    case TrainKeyword::kStation:
      return has(f, "stazione");
  }
  return false;
}

bool starts_train_row(std::string_view field) {
  for (const TrainKeyword row : {TrainKeyword::kBrakedMass, TrainKeyword::kCoaches, TrainKeyword::kSpeed, TrainKeyword::kAdhesion,
                             TrainKeyword::kClock, TrainKeyword::kSand, TrainKeyword::kSignal, TrainKeyword::kSlowdown,
                             TrainKeyword::kReduction, TrainKeyword::kStation}) {
    if (is_train_row(row, field)) return true;
  }
  return false;
}

int train_row_values(std::string_view field) {
  const struct {
    TrainKeyword row;
    int values;
  } rows[] = {{TrainKeyword::kBrakedMass, 1}, {TrainKeyword::kCoaches, 1},   {TrainKeyword::kSpeed, 2},
              {TrainKeyword::kAdhesion, 2},   {TrainKeyword::kClock, 3},     {TrainKeyword::kSand, 1},
              {TrainKeyword::kSignal, 11},    {TrainKeyword::kSlowdown, 6},  {TrainKeyword::kReduction, 2},
              {TrainKeyword::kStation, 17}};
  for (const auto& r : rows) {
    if (is_train_row(r.row, field)) return r.values;
  }
  return 0;
}

bool is_train_section(std::string_view field) {
  for (const std::string_view header : {"[generale]", "[aderenze]", "[vel_limite]", "[stazioni]",
                                        "[rallentamenti]", "[segnali]", "[codici]", "[fine]"}) {
    if (field == header) return true;
  }
  return false;
}

const std::vector<std::string_view>& train_keywords() {
  static const std::vector<std::string_view> keywords = {
      "numero vetture", "percentuale massa frenata", "sabbia", "orologio", "aderenza", "velocita", "stazione",
      "rallentamento", "segnale", "abbattimento"};
  return keywords;
}

}  // namespace scenario
