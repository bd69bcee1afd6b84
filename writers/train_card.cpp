#include "writers/train_card.h"

#include "writers/line_list.h"

namespace scenario {
namespace {

// The table opens with a plain rule and closes with the bar rule that ends
// its heading, so that every line below the opening one keeps its bars.
constexpr std::string_view kOpeningRule =
    "  ________________________________________________________________________________";
constexpr std::string_view kBarRule =
    " |_____|_____|__________|_____|____________________________|________________|_____|";
constexpr std::string_view kEmptyRow =
    " |     |     |          |     |                            |                |     |";

}  // namespace

const std::vector<std::string_view>& train_card_lines() {
  // Kilometre points restart from zero at the cippo, 1500 m along the route;
  // MONTEBRISCA lies on the count of the line it belongs to (km 90.100).
  // The 60 and 30 km/h limits through SAN CIPRIANO, TORRE BIANCA, MEZZANA and
  // CORTE VALSIO are given by the signals, as the notes tell the driver, so
  // the card lists only the limit that holds past them.
  static const std::vector<std::string_view> lines = {
      "",
      "",
      "  ___________________                                               ______________",
      " |                   |                    SCHEDA                   |              |",
      " |   TRENO n.7395    |                   da: Montebrisca           |    V160 B    |",
      " |___________________|                    a: Lurna                 |    125 %     |",
      "                                                                   |______________|",
      "  ___________________                ___________________",
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |       EXP         |              |      700T         |",
      " |___________________|              |___________________|",
      "",
      kOpeningRule,
      " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
      " | Lim.|Marc.|          |  Rs |                            |                |     |",
      kBarRule,
      " |  80 |     |    90.100|     | MONTEBRISCA                |  23.40 - 23.45 |     |",
      " | 135 |     |     0.000|     | cippo km 0.000             |                |     |",
      " |     |     |     6.600|     | CAVRESCINO                 |      23.48     |     |",
      " |     |     |    10.900|     | PIAN DEL TASSO             |      23.51     |     |",
      " |     |     |    16.350|     | SORBETO                    |      23.54     |     |",
      " |     |     |    21.100|     | VILLA ALDERA               |      23.57     |     |",
      " |     |     |    25.800|     | ROCCHIANO                  |      00.00     | 0.5 |",
      " |     |     |    30.600|     | S. MARTINO D.F.            |      00.03     |     |",
      " |     |     |    35.250|     | FORNACI DI MEZZO           |      00.06     |     |",
      " | 110 |     |          |     | Seg. protezione ERBALUNGA  |                |     |",
      " |     |     |    40.400|     | ERBALUNGA                  |      00.09     |     |",
      " | 135 |     |          |     | Deviatoio uscita ERBALUNGA |                |     |",
      " |     |     |    45.400|     | CASTEL GUALDO              |      00.13     |     |",
      " |     |     |    50.100|     | POGGIO ALTO                |      00.16     |  1  |",
      " |     |     |    54.850|     | VALDEMO                    |  00.20 - 00.22 |     |",
      " |     |     |    59.900|     | MOLINELLA SUP.             |      00.25     |     |",
      " |  80 |     |    63.950|     | km 63.950                  |                |     |",
      " | 130 |     |    65.600|     | SAN CIPRIANO               |      00.29     |     |",
      " |     |     |    68.600|     | TORRE BIANCA               |      00.32     |     |",
      " |     |     |    73.150|     | CAMPOREGIO                 |      00.35     |     |",
      " |     |     |    77.700|     | LE FORNACI                 |      00.37     |     |",
      " | 135 |     |    81.950|     | km 81.950                  |                |     |",
      " |     |     |    82.000|     | MEZZANA                    |      00.40     |     |",
      " |     |     |    86.400|     | RIVALTA                    |      00.43     | 1.5 |",
      " | 130 |     |    92.400|     | CORTE VALSIO               |      00.47     |     |",
      " |     |     |    96.500|     | PRATOLUNGO                 |      00.49     | 0.5 |",
      " | 110 |     |          |     | Seg. protezione LURNA      |                |     |",
      " |     |     |   100.750|     | LURNA                      |  00.52 - 00.54 |     |",
      kEmptyRow,
      kEmptyRow,
      kEmptyRow,
      kBarRule,
      "",
      "",
      "",
      " ",
  };
  return lines;
}

std::optional<IoError> write_train_card(const FileNames& files) {
  return write_lines(files.scheda_txt, train_card_lines());
}

}  // namespace scenario
