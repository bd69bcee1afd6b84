#include "compiler/line/line_keywords.h"

#include <string>

#include "compiler/text/rows.h"

namespace scenario {

bool is_general_row(GeneralRow row, std::string_view w) {
  switch (row) {
    case GeneralRow::kRouteLength: {
      const std::string low = lower_ascii(std::string(w));
      return has(low, "lunghezza") && has(low, "percorso");
    }
    case GeneralRow::kProgressiveTre:
      return has(w, "tre") && has(w, "progressiva");
    case GeneralRow::kProgressiveDue:
      return has(w, "due") && has(w, "progressiva");
    case GeneralRow::kProgressiveUno:
      return has(w, "uno") && has(w, "progressiva");
    case GeneralRow::kBackgroundUno:
      return has(w, "sfondo") && has(w, "uno");
    case GeneralRow::kBackgroundDue:
      return has(w, "sfondo") && has(w, "due");
    case GeneralRow::kBackgroundTre:
      return has(w, "sfondo") && has(w, "tre");
    case GeneralRow::kRepeatedSignals:
      return has(w, "segnali") && has(w, "ripetizione");
  }
  return false;
}

bool is_main_row(MainRow row, std::string_view w) {
  switch (row) {
    case MainRow::kGradient:
      return has(w, "pendenza");
    case MainRow::kCurve:
      return has(w, "curva");
    case MainRow::kMountain:
      return has(w, "montagna");
    case MainRow::kSpeedIndicator:
      return has(w, "indicatori_v");
    case MainRow::kSign:
      return has(w, "indicat") && has(w, "cartello");
  }
  return false;
}

bool starts_general_row(std::string_view field) {
  for (const GeneralRow row :
       {GeneralRow::kRouteLength, GeneralRow::kProgressiveTre, GeneralRow::kProgressiveDue,
        GeneralRow::kProgressiveUno, GeneralRow::kBackgroundUno, GeneralRow::kBackgroundDue,
        GeneralRow::kBackgroundTre, GeneralRow::kRepeatedSignals}) {
    if (is_general_row(row, field)) return true;
  }
  return false;
}

bool starts_main_row(std::string_view field) {
  const std::string low = lower_ascii(std::string(field));
  for (const MainRow row : {MainRow::kGradient, MainRow::kCurve, MainRow::kMountain, MainRow::kSpeedIndicator,
                            MainRow::kSign}) {
    if (is_main_row(row, low)) return true;
  }
  return false;
}

int line_row_values(std::string_view field, bool general) {
  if (general) {
    const struct {
      GeneralRow row;
      int values;
    } rows[] = {{GeneralRow::kRouteLength, 1},     {GeneralRow::kProgressiveTre, 3}, {GeneralRow::kProgressiveDue, 3},
                {GeneralRow::kProgressiveUno, 3},  {GeneralRow::kBackgroundUno, 1},  {GeneralRow::kBackgroundDue, 1},
                {GeneralRow::kBackgroundTre, 1},   {GeneralRow::kRepeatedSignals, 2}};
    for (const auto& r : rows) {
      if (is_general_row(r.row, field)) return r.values;
    }
    return 0;
  }
  const std::string low = lower_ascii(std::string(field));
  const struct {
    MainRow row;
    int values;
  } rows[] = {{MainRow::kGradient, 2}, {MainRow::kCurve, 2}, {MainRow::kMountain, 3}, {MainRow::kSpeedIndicator, 9},
              {MainRow::kSign, 2}};
  for (const auto& r : rows) {
    if (is_main_row(r.row, low)) return r.values;
  }
  return 0;
}

bool is_line_section(std::string_view field) {
  for (const std::string_view header :
       {"[generale]", "[curve]", "[pendenze]", "[montagne]", "[cartelli]", "[indicazioni]", "[fine]"}) {
    if (lower_ascii(std::string(field)) == header) return true;
  }
  return false;
}

const std::vector<std::string_view>& line_keywords() {
  static const std::vector<std::string_view> keywords = {
      "lunghezza percorso", "progressiva chilometrica uno", "progressiva chilometrica due",
      "progressiva chilometrica tre", "sfondo uno", "sfondo due", "sfondo tre",
      "ripetizione segnali 4 codici", "curvas", "curvad", "pendenza", "montagna", "indicatori_vmax",
      "cartello_indicatore"};
  return keywords;
}

}  // namespace scenario
