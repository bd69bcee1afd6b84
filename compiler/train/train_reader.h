// The train description reader, the second half of reading the descriptions:
// train data, speed limits, adhesion, clock, stations, signals, slowdowns
// and speed reduction points go into the model the line reader has sized.
// Format in docs/formats.md ("Train description").
#pragma once

#include <string>

#include "compiler/model/description_files.h"
#include "compiler/model/state.h"

namespace scenario {

// How a reading ended, so that the caller knows which files to delete.
enum class TrainReadResult {
  kCompleted,    // end of file, or error 15: the end-of-file fills and checks ran
  kStopped,      // a row's error ended the reading at once, without the fills
  kReadFailure,  // error 25: both descriptions are to be deleted
};

// Reads a train description held in memory into `s.modello`, recording any
// error in `s` (origin kTrainDescription, with the row's line).
TrainReadResult read_train_text(Stato& s, std::string bytes);

// Reads the train description `files.treno` as read_train_text does. A
// missing or unreadable file is error 25. When `files.delete_after_reading`
// is set, the train description is deleted afterwards, and on error 25 the
// line description too.
void read_train_description(Stato& s, const DescriptionFiles& files);

}  // namespace scenario
