// The train description reader, the second half of reading the descriptions:
// train data, speed limits, adhesion, clock, stations, signals, slowdowns
// and speed reduction points go into the model the line reader has sized.
// Format in docs/formats.md ("Train description").
//
// Every error is raised into `s.errors`; `s.train_reading` says how the
// reading ended.
#pragma once

#include "compiler/model/state.h"
#include "compiler/text/descriptions.h"

namespace scenario {

// Reads the train description `text` into `s.model`. A missing or
// unreadable file is error 25.
void read_train(CompilationState& s, const DescriptionText& text);

}  // namespace scenario
