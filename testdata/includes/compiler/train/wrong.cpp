// The train reader may not use the line reader.
#include "compiler/line/line_reader.h"
#include "compiler/text/rows.h"
