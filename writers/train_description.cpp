// The built-in train 7395 over the line of line_description.cpp, as the train
// compiler reads it. Every row is written as it stands; the layout of each row
// is in docs/formats.md ("Train description").
#include "writers/train_description.h"

#include "writers/line_list.h"

namespace scenario {

const std::vector<std::string_view>& train_description_lines() {
  static const std::vector<std::string_view> lines = {
      // Coaches, braked-mass percentage, sand, and the starting clock
      // 23:49:40 (hours, minutes and seconds separated by blanks only).
      "[generale]",
      "numero vetture,    14",
      "percentuale massa frenata,    125",
      "sabbia,    300",
      "orologio,    23              49            40 ",
      "[aderenze]",
      "aderenza,       0,    90",
      // Speed limits in km/h, each from its position on.
      "[vel_limite]",
      "velocita,       0,    80",
      "velocita,    1500,   135",
      "velocita,   41300,   110",
      "velocita,   43100,   135",
      "velocita,   65450,    80",
      "velocita,   66800,    30",
      "velocita,   67500,   130",
      "velocita,   69700,    60",
      "velocita,   70600,   130",
      "velocita,   83100,    60",
      "velocita,   83900,   135",
      "velocita,   93700,    30",
      "velocita,   94050,   130",
      "velocita,  100100,   110",
      // Stations: position, category, length, the station values, the time
      // (hours, minutes, seconds; only the two terminals and the one
      // intermediate stop, VALDEMO, are timed) and the name. Categories: 2 and
      // 4 the terminals; 12 staffed stations with distant, protection and
      // departure signals; 22 staffed halts with a protection and a departure
      // signal; 24 TORRE BIANCA, the passing point worked from SAN CIPRIANO;
      // 26, 27 and 28 unstaffed halts without signals, which get no stop.
      "[stazioni]",
      "stazione,       0,  2, 1000,  0, 0, 0,  1,1,0,  4,1,1,    1,  23,50, 0, MONTEBRISCA",
      "stazione,    8050, 28,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, CAVRESCINO",
      "stazione,   12400, 22,  300,  0, 0, 0,  4,1,0,  0,1,0,    2,   0, 0, 0, PIAN DEL TASSO",
      "stazione,   17850, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, SORBETO",
      "stazione,   22600, 22,  400,  0, 0, 0,  4,1,0,  0,1,0,    2,   0, 0, 0, VILLA ALDERA",
      "stazione,   27300, 12,  600,  0, 0, 0,  1,1,0,  2,1,1,    0,   0, 0, 0, ROCCHIANO",
      "stazione,   32100, 27,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, S. MARTINO D.F.",
      "stazione,   36750, 28,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, FORNACI DI MEZZO",
      "stazione,   41900, 12,  600,  1, 0, 0,  1,1,0,  2,1,1,    0,   0, 0, 0, ERBALUNGA",
      "stazione,   46900, 22,  300,  0, 0, 0,  4,1,0,  0,1,0,    2,   0, 0, 0, CASTEL GUALDO",
      "stazione,   51600, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, POGGIO ALTO",
      "stazione,   56350, 12,  500,  0, 0, 0,  1,1,0,  2,1,1,  115,   0,22, 0, VALDEMO",
      "stazione,   61400, 22,  300,  0, 0, 0,  4,1,0,  0,1,0,    2,   0, 0, 0, MOLINELLA SUP.",
      "stazione,   67100, 12,  400,  1, 0, 0,  1,1,0,  4,4,1,  205,   0, 0, 0, SAN CIPRIANO",
      "stazione,   70100, 24,  600,  1, 0, 0,  4,0,0,  2,4,0,    0,   0, 0, 0, TORRE BIANCA",
      "stazione,   74650, 28,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, CAMPOREGIO",
      "stazione,   79200, 22,  400,  0, 0, 0,  4,1,0,  0,1,0,    2,   0, 0, 0, LE FORNACI",
      "stazione,   83500, 12,  500,  1, 0, 0,  1,1,0,  2,1,1,    0,   0, 0, 0, MEZZANA",
      "stazione,   87900, 27,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, RIVALTA",
      "stazione,   93900, 12,  300,  1, 0, 0,  1,1,0,  2,1,1,    0,   0, 0, 0, CORTE VALSIO",
      "stazione,   98000, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, PRATOLUNGO",
      "stazione,  102250,  4,  500,  0, 0, 0,  1,1,0,  2,1,1,    0,   0,52, 0, LURNA",
      // 40 km/h over 200 m at the entry of CORTE VALSIO, with its approach
      // boards.
      "[rallentamenti]",
      "rallentamento,   93650,    40,  200, 0,  1,  0",
      // Signals: position; left-hand kind and aspects s1, s2, s3; rapp;
      // right-hand kind and aspects; time. In this line s1 is 5 for a distant,
      // 2 for a protection, 3 for a departure and 4 for a block or halt
      // signal. ROCCHIANO and ERBALUNGA also signal the wrong-direction track
      // (the right-hand side).
      "[segnali]",
      "segnale,    2800,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // block post after MONTEBRISCA
      "segnale,    7400,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // block post before CAVRESCINO
      "segnale,   11750,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // PIAN DEL TASSO protection
      "segnale,   12950,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // PIAN DEL TASSO departure
      "segnale,   17000,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // block post before SORBETO
      "segnale,   21800,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // VILLA ALDERA protection
      "segnale,   23200,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // VILLA ALDERA departure
      "segnale,   24950,   1, 5, 6,  0, 0,    1,  3,1,0, 0",  // ROCCHIANO distant, both tracks
      "segnale,   26300,   2, 2, 3,  0, 0,    2,  2,1,0, 0",  // ROCCHIANO protection, both tracks
      "segnale,   27950,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // ROCCHIANO departure
      "segnale,   31000,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // block post before S. MARTINO D.F.
      "segnale,   35600,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // block post before FORNACI DI MEZZO
      "segnale,   40050,   1, 5, 6,  0, 0,    1,  3,1,0, 0",  // ERBALUNGA distant, both tracks
      "segnale,   41300,   2, 2, 4,  0, 0,    2,  2,1,0, 0",  // ERBALUNGA protection, both tracks
      "segnale,   42600,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // ERBALUNGA departure
      "segnale,   46100,   1, 4, 0,  0, 0,    0,  0,0,0, 210",  // CASTEL GUALDO protection
      "segnale,   47450,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // CASTEL GUALDO departure
      "segnale,   51000,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // block post before POGGIO ALTO
      "segnale,   54000,   1, 5, 6,  0, 0,    0,  0,0,0, 0",  // VALDEMO distant
      "segnale,   55400,   2, 2, 3,  0, 0,    0,  0,0,0, 0",  // VALDEMO protection
      "segnale,   56950,   2, 3, 1,  0, 0,    0,  0,0,0, 205",  // VALDEMO departure (timed stop)
      "segnale,   60650,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // MOLINELLA SUP. protection
      "segnale,   61950,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // MOLINELLA SUP. departure
      "segnale,   65450,   1, 5, 6,  0, 0,    0,  0,0,0, 0",  // SAN CIPRIANO distant
      "segnale,   66800,   2, 2, 4,  1, 0,    0,  0,0,0, 210",  // SAN CIPRIANO protection, 30 km/h
      // SAN CIPRIANO departure, TORRE BIANCA distant
      "segnale,   67750,   1, 3, 1,  0, 0,    0,  0,0,0, 0",
      "segnale,   69700,   2, 2, 4,  0, 0,    0,  0,0,0, 0",  // TORRE BIANCA protection, 60 km/h
      "segnale,   70750,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // TORRE BIANCA departure
      "segnale,   74100,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // block post before CAMPOREGIO
      "segnale,   78600,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // LE FORNACI protection
      "segnale,   79800,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // LE FORNACI departure
      "segnale,   81750,   1, 5, 6,  0, 0,    0,  0,0,0, 0",  // MEZZANA distant
      "segnale,   83100,   2, 2, 4,  0, 0,    0,  0,0,0, 210",  // MEZZANA protection, 60 km/h
      "segnale,   84150,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // MEZZANA departure
      "segnale,   88800,   1, 4, 0,  0, 0,    0,  0,0,0, 0",  // block post after RIVALTA
      "segnale,   92050,   1, 5, 6,  0, 0,    0,  0,0,0, 0",  // CORTE VALSIO distant
      "segnale,   93550,   2, 2, 4,  1, 0,    0,  0,0,0, 0",  // CORTE VALSIO protection, 30 km/h
      "segnale,   94400,   1, 3, 0,  0, 0,    0,  0,0,0, 0",  // CORTE VALSIO departure
      "segnale,  100100,   1, 5, 6,  0, 0,    0,  0,0,0, 0",  // LURNA distant
      "segnale,  101450,   2, 2, 3,  0, 0,    0,  0,0,0, 0",  // LURNA protection
      "[codici]",
      "[fine]",
  };
  return lines;
}

std::optional<IoError> write_train_description(const FileNames& names) {
  return write_lines(names.treno_txt, train_description_lines());
}

}  // namespace scenario
