// Direction signs of the line description: code 14 in the sign's cell, its
// text in the next free sign record (80 downward), whose index the cell
// keeps in valore1. docs/formats.md, "Line description".
#pragma once

#include "compiler/text/row.h"

namespace scenario {

// Reads a "cartello_indicatore" row (position, text; the keyword is already
// read) and places the sign. An occupied cell is error 6; a sign with no
// record left is a reading failure.
Next read_sign_row(const Row& row);

}  // namespace scenario
