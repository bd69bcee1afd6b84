// The line description reader, the first half of reading the descriptions:
// it creates the track model from the route length and fills it with the
// header records, progressives, backgrounds, repeated-signal setting,
// gradients, curve geometry, mountain stretches, speed indicators and
// direction signs. Format and reading rules: docs/formats.md, "Line
// description".
//
// Every error is raised into `s.errors`; `s.line_reading` says how the
// reading ended. The train description is read next only when it completed.
#pragma once

#include "compiler/model/state.h"
#include "compiler/text/descriptions.h"

namespace scenario {

// Reads the line description `text` into `s`. A missing file is error 101,
// an unreadable one error 25.
void read_line(CompilationState& s, const DescriptionText& text);

}  // namespace scenario
