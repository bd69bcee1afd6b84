// The compiler may not use the writers.
#include "compiler/line/line_reader.h"
#include "writers/line_description.h"
