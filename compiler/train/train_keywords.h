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
  std::string_view columns;  // what each value is, in Italian, separated by "; "
  std::string_view spelling;
};

inline constexpr TrainKeyword kTrainKeywords[] = {
    {TrainRow::kBrakedMass, {"massa", "frenata"}, "massa frenata in per cento", "percentuale massa frenata"},
    {TrainRow::kCoaches, {"vetture"}, "numero di vetture", "numero vetture"},
    {TrainRow::kSpeed, {"velocit"}, "posizione in m; velocità in km/h", "velocita"},
    {TrainRow::kAdhesion, {"aderenza"}, "posizione in m; aderenza", "aderenza"},
    {TrainRow::kClock, {"orologio"}, "ore; minuti; secondi", "orologio"},
    {TrainRow::kSand, {"sabbia"}, "valore", "sabbia"},
    {TrainRow::kSignal, {"segnale"}, "posizione in m; sx; s1; s2; s3; rapp; dx; d1; d2; d3; tempo", "segnale"},
    {TrainRow::kSlowdown, {"rallentamento"}, "inizio in m (x); velocità in km/h (v); lunghezza in m (l); f_tt; f_ta; d_v",
     "rallentamento"},
    {TrainRow::kReduction, {"abbattimento"}, "posizione in m; valore", "abbattimento"},
    {TrainRow::kStation, {"stazione"},
     "posizione in m; categoria; lunghezza in m; dato_1; dato_2; allungamento; dato_4; dato_5; dato_6; dato_7; "
     "dato_8; dato_9; dato_10; ore; minuti; secondi; nome",
     "stazione"},
};

// Whether a field starts a row.
bool starts_train_row(std::string_view field);

// The columns of the first row a keyword field starts (none: empty).
std::string_view train_row_columns(std::string_view field);

// The section headers of the train description's layout.
inline constexpr std::string_view kTrainSections[] = {"[generale]",      "[aderenze]", "[vel_limite]", "[stazioni]",
                                                      "[rallentamenti]", "[segnali]",  "[codici]",     "[fine]"};

// Every row's keyword as an author writes it, in the table's order.
std::vector<std::string_view> train_keywords();

}  // namespace scenario
