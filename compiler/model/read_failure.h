// A reading failure (error 25): a field that is not a number, a number that
// does not fit, a read past the end of a description, a value too wide for
// its member. Thrown inside the readers and caught once where the reading of
// the descriptions starts; it never leaves the library.
#pragma once

namespace scenario {

struct ReadFailure {};

}  // namespace scenario
