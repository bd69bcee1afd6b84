#include "writers/slowdown_order.h"

#include "writers/line_list.h"

namespace scenario {
namespace {

constexpr std::string_view kEmptyRow =
    " |   |                            |            |          |         |            |";
// The table opens with a plain rule and closes with the bar rule that ends
// its heading, so that every line below the opening one keeps its bars.
constexpr std::string_view kOpeningRule =
    "  _______________________________________________________________________________";
constexpr std::string_view kBarRule =
    " |___|____________________________|____________|__________|_________|____________|";

std::vector<std::string_view> build_lines() {
  std::vector<std::string_view> lines = {
      "",
      "                               Modulo M. 3",
      "                           ORDINE DI RALLENTAMENTO",
      " ________________________________________________________________________________",
      "  Linea  MONTEBRISCA - LURNA",
      "",
      "  Si ordina al macchinista del treno 7395 di effettuare i seguenti rallentamenti",
      kOpeningRule,
      " |   |                            |Inizio dopo |          |         |            |",
      " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
      " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |",
      kBarRule,
      kEmptyRow,
      // The train description's slowdown: 40 km/h over 200 m from 93650 m,
      // which is past kilometre post 92 of the line count, at CORTE VALSIO.
      " | 1 | CORTE VALSIO               |    92      |    40    |   200   |     B      |",
  };
  // The form always shows 26 body rows, used or not.
  lines.insert(lines.end(), 24, kEmptyRow);
  lines.insert(lines.end(), {
                                kBarRule,
                                "",
                                "              Prescrizioni specifiche",
                                " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
                                " B - Interessa anche la stazione di CORTE VALSIO",
                                " D - Rallentamneto N. ... e N. ...  sono contigui",
                                " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
                                "     i giorni esclusi i seguenti:.........",
                            });
  return lines;
}

}  // namespace

const std::vector<std::string_view>& slowdown_order_lines() {
  static const std::vector<std::string_view> lines = build_lines();
  return lines;
}

std::optional<IoError> write_slowdown_order(const FileNames& files) {
  return write_lines(files.rallentamenti_txt, slowdown_order_lines());
}

}  // namespace scenario
