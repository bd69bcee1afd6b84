// The rows of a train description, one table: how each keyword is
// recognised (a word searched, case-sensitively, anywhere inside the keyword
// field), how many values it reads and how an author writes it, which is
// also the hint offered after a keyword that matches nothing. The reader
// tests every row in the table's order; a field holding the words of two
// rows is both. docs/formats.md, "Train description".
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "compiler/text/rows.h"

namespace scenario {

enum class TrainRow : uint8_t {
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

struct TrainKeyword {
  TrainRow row;
  KeywordTest test;
  int values;
  std::string_view spelling;
};

inline constexpr TrainKeyword kTrainKeywords[] = {
    {TrainRow::kBrakedMass, {"massa", "frenata"}, 1, "percentuale massa frenata"},
    {TrainRow::kCoaches, {"vetture"}, 1, "numero vetture"},
    {TrainRow::kSpeed, {"velocit"}, 2, "velocita"},
    {TrainRow::kAdhesion, {"aderenza"}, 2, "aderenza"},
    {TrainRow::kClock, {"orologio"}, 3, "orologio"},
    {TrainRow::kSand, {"sabbia"}, 1, "sabbia"},
    {TrainRow::kSignal, {"segnale"}, 11, "segnale"},
    {TrainRow::kSlowdown, {"rallentamento"}, 6, "rallentamento"},
    {TrainRow::kReduction, {"abbattimento"}, 2, "abbattimento"},
    {TrainRow::kStation, {"stazione"}, 17, "stazione"},
};

// Whether a field starts a row.
bool starts_train_row(std::string_view field);

// How many values the first row a keyword field starts reads (0 for none).
int train_row_values(std::string_view field);

// The section headers of the train description's layout.
inline constexpr std::string_view kTrainSections[] = {"[generale]",      "[aderenze]", "[vel_limite]", "[stazioni]",
                                                      "[rallentamenti]", "[segnali]",  "[codici]",     "[fine]"};

// Every row's keyword as an author writes it, in the table's order.
std::vector<std::string_view> train_keywords();

}  // namespace scenario
