// Reads the two descriptions into the track model: the line description
// first, which creates and fills the model, then, when the line reading
// allows it, the train description.
#pragma once

#include "compiler/model/description_files.h"
#include "compiler/model/state.h"

namespace scenario {

void memorizza_dati(Stato& s, const DescriptionFiles& files);

}  // namespace scenario
