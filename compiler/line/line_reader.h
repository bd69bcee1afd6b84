// The line description reader, the first half of memorizza_dati: it creates
// the track model from the route length and fills it with the header
// records, progressives, backgrounds, repeated-signal setting, gradients,
// curve geometry, mountain stretches, speed indicators and direction signs.
// Format and reading rules: docs/formats.md, "Line description".
//
// Every error is recorded in the Stato (codice_errore, posizione_errore
// where the error has a position, origine_errore = kLineDescription and
// riga_errore); the outcome says what the caller does next.
#pragma once

#include <string>

#include "compiler/model/description_files.h"
#include "compiler/model/state.h"

namespace scenario {

// How the reading of a line description ended.
enum class LineReadResult {
  kReadTrain,       // read to the end, or cut short by a position beyond the track
                    // (error 15): the model is complete and the train description
                    // is read next
  kStop,            // an error that ends memorizza_dati (102, 1, 3, 4, 5, 6, 21, 103)
  kReadingFailure,  // error 25: both description files are to be deleted
};

// Reads a line description held in memory into `s`: everything the file
// reader below does except finding and deleting files.
LineReadResult read_line_text(Stato& s, std::string bytes);

// Reads the line description `files.linea` into `s`. A missing file is error
// 101 and is left alone; otherwise, when `files.delete_after_reading`, the
// file is deleted after reading whatever the outcome, and on a reading
// failure (error 25) the train description is deleted too. Returns true when
// the train description is to be read next.
bool read_line_description(Stato& s, const DescriptionFiles& files);

}  // namespace scenario
