// For the driver's sheets' tests: what the line and train descriptions say
// that the sheets must agree with. Once those writers are in, these figures
// can be read from their lines instead.
#pragma once

#include <cstdint>
#include <string_view>

namespace scenario::sheets_test {

struct Stazione {
  int32_t posizione;  // metres from the start of the route
  std::string_view nome;
};

// The train description's stations, in route order.
inline constexpr Stazione kStazioni[] = {
    {0, "MONTEBRISCA"},         {8050, "CAVRESCINO"},        {12400, "PIAN DEL TASSO"},
    {17850, "SORBETO"},         {22600, "VILLA ALDERA"},     {27300, "ROCCHIANO"},
    {32100, "S. MARTINO D.F."}, {36750, "FORNACI DI MEZZO"}, {41900, "ERBALUNGA"},
    {46900, "CASTEL GUALDO"},   {51600, "POGGIO ALTO"},      {56350, "VALDEMO"},
    {61400, "MOLINELLA SUP."},  {67100, "SAN CIPRIANO"},     {70100, "TORRE BIANCA"},
    {74650, "CAMPOREGIO"},      {79200, "LE FORNACI"},       {83500, "MEZZANA"},
    {87900, "RIVALTA"},         {93900, "CORTE VALSIO"},     {98000, "PRATOLUNGO"},
    {102250, "LURNA"},
};

struct CambioVelocita {
  int32_t posizione;
  int velocita;  // km/h from this position on
};

// The train description's "velocita" rows.
inline constexpr CambioVelocita kVelocita[] = {
    {0, 80},     {1500, 135},  {41300, 110}, {43100, 135}, {65450, 80}, {66800, 30},  {67500, 130},
    {69700, 60}, {70600, 130}, {83100, 60},  {83900, 135}, {93700, 30}, {94050, 130}, {100100, 110},
};

// The train description's one slowdown row: position, speed, length, ...
inline constexpr std::string_view kRigaRallentamento =
    "rallentamento,   93650,    40,  200, 0,  1,  0";

struct OrarioTreno {
  std::string_view stazione;
  int ore;
  int minuti;
};

// The train description's three timed stations.
inline constexpr OrarioTreno kOrari[] = {
    {"MONTEBRISCA", 23, 50}, {"VALDEMO", 0, 22}, {"LURNA", 0, 52}};

// Position of kilometre 0 of the line's count (the line description's second
// progressive), where the sheets' kilometre points start.
inline constexpr int32_t kCippo = 1500;

// Level-crossing boards of the line description: "PL km" and "PLA km".
inline constexpr int kCartelliPL = 29;
inline constexpr int kCartelliPLA = 13;

}  // namespace scenario::sheets_test
